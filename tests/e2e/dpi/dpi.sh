#!/usr/bin/env bash
# The dialogs at 96 and at 144 DPI, in a prefix of the test's own: the setup wizard's pages, its
# question (the message form) and every page of the configuration dialog, screenshot at each
# scale. At 144 DPI every dialog and every control is one and a half times its 96-DPI size.
# shellcheck source=../lib/harness.sh
source "$(dirname "$0")/../lib/harness.sh"
e2e_begin
e2e_own_prefix

readonly wizard="Screen Saver Setup" wizard_window="Screen Saver Setup Scales"
readonly config_title="Scales Settings"
dir="$e2e_work/package"
mkdir -p "$dir"
convert -size 640x480 gradient:'#C82828-#2828C8' "$dir/red.jpg"
convert -size 300x400 xc:'#28C828' "$dir/green.jpg"
e2e_standin_movie "$dir/movie.swf"
e2e_tone_wav "$dir/tone.wav"
printf 'Use it kindly: this paragraph is one long line that the memo wraps at its own width, whatever the scale.\r\n' >"$dir/licence.txt"
cat >"$dir/manifest.json" <<JSON
{ "name": "Scales", "description": "A package for the dialogs at two scales.",
  "author": {"name": "Ada Painter", "email": "ada@example.org", "homePage": "http://example.org/scales"},
  "licence": "licence.txt",
  "items": [ { "picture": "red.jpg" }, { "picture": "green.jpg" }, { "movie": "movie.swf" } ],
  "music": [ {"path": "tone.wav", "name": "Tone.wav"}, {"path": "tone.wav", "name": "Second"} ] }
JSON
"$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Scales.exe" --edition E >/dev/null
"$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Scales.scr" --edition S >/dev/null

drive() { e2e_drive "$@" | tr -d '\r'; }
# size TITLE: the window's width and height.
size() { drive wait "$1" | awk -F'[=, ]' '/^rect=/ { print $4 - $2, $5 - $3 }'; }
# control_size TITLE NAME: a control window's width and height.
control_size() { drive rect "$1" "name:$2"; }
shot() {  # NAME
  e2e_wait_still "$e2e_work/$1.png"
  e2e_log "screenshot $e2e_work/$1.png"
}

# Every dialog at the current scale: sizes into sizes-DPI.txt, screenshots DPI-*.png.
dialogs_at() {  # DPI
  local dpi=$1 sizes="$e2e_work/sizes-$1.txt" page
  : >"$sizes"
  e2e_start "$e2e_work/Scales.exe"
  e2e_wait_window "$wizard_window" || { e2e_fail "no wizard at $dpi DPI"; return; }
  echo "wizard $(size "$wizard_window")" >>"$sizes"
  echo "BtnNext $(control_size "$wizard_window" BtnNext)" >>"$sizes"
  shot "$dpi-wizard-1"
  drive click "$wizard_window" name:BtnNext >/dev/null
  e2e_expect_soon "licence page at $dpi DPI" "Licence Agreement" drive text "$wizard_window" name:PanelHideTabs
  shot "$dpi-wizard-2-licence"
  drive click "$wizard_window" name:CheckBoxAgree >/dev/null
  drive click "$wizard_window" name:BtnNext >/dev/null
  e2e_expect_soon "target page at $dpi DPI" "Destination" drive text "$wizard_window" name:PanelHideTabs
  shot "$dpi-wizard-3-destination"
  # Installed once, the second install asks before it replaces: the message form.
  drive click "$wizard_window" name:BtnNext >/dev/null
  e2e_wait_exit
  e2e_start "$e2e_work/Scales.exe"
  e2e_wait_window "$wizard_window" || { e2e_fail "no second wizard at $dpi DPI"; return; }
  drive click "$wizard_window" name:BtnNext >/dev/null
  drive click "$wizard_window" name:CheckBoxAgree >/dev/null
  drive click "$wizard_window" name:BtnNext >/dev/null
  e2e_expect_soon "target page again at $dpi DPI" "Destination" drive text "$wizard_window" name:PanelHideTabs
  drive click "$wizard_window" name:BtnNext >/dev/null
  e2e_expect_soon "question at $dpi DPI" "A screen saver of this name is already installed in this folder.\\nDo you want to replace it?" \
    drive text "$wizard" name:LabelMsg
  echo "message $(size "$wizard")" >>"$sizes"
  shot "$dpi-message"
  drive click "$wizard" "text:&No" >/dev/null
  drive click "$wizard_window" name:BtnCancel >/dev/null
  e2e_wait_exit

  e2e_start "$e2e_work/Scales.scr" /c
  e2e_wait_window "$config_title" || { e2e_fail "no configuration dialog at $dpi DPI"; return; }
  echo "config $(size "$config_title")" >>"$sizes"
  # The closed picture list: its width, and the height of its field (Windows adds its own frame).
  echo "ComboBoxPics $(control_size "$config_title" ComboBoxPics | cut -d' ' -f1) $(drive state "$config_title" name:ComboBoxPics | sed -n 's/.* field=\([0-9]*\).*/\1/p')" >>"$sizes"
  for page in BtnTab1 BtnTab2 BtnTab3 BtnTab6 BtnTab5; do
    drive click "$config_title" "$page" >/dev/null
    e2e_expect_soon "$page down at $dpi DPI" 1 e2e_component "$config_title" "$page" checked
    shot "$dpi-config-$page"
  done
  drive click "$config_title" name:BtnCancel >/dev/null
  e2e_wait_exit
}

set_dpi() {  # DPI
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  e2e_restart_wineserver
}

set_dpi 96
dialogs_at 96
rm -rf "$WINEPREFIX/drive_c/users/$(id -un)/Documents/My ScreenSavers"
set_dpi 144
dialogs_at 144

# At 144 DPI each measure is one and a half of its 96-DPI value, give or take a pixel of rounding.
while read -r what width height; do
  read -r _ width144 height144 < <(grep "^$what " "$e2e_work/sizes-144.txt")
  for pair in "$width:${width144:-0}" "$height:${height144:-0}"; do
    expected=$(( ${pair%%:*} * 3 / 2 )) actual=${pair#*:}
    [ $((actual - expected)) -ge -1 ] && [ $((actual - expected)) -le 1 ] ||
      e2e_fail "$what at 144 DPI: $actual pixels where 96 DPI has ${pair%%:*}"
  done
  e2e_log "$what: $width x $height at 96 DPI, $width144 x $height144 at 144 DPI"
done <"$e2e_work/sizes-96.txt"
e2e_end
