#!/usr/bin/env bash
# The configuration dialog under Wine, through the real runtime with a package appended:
#   pages          /c opens it captioned from the package, every page with the package's captions
#   music-options  OK stores "MROP", "MRA", "Mute" only with music; Cancel and Escape store nothing
#   saving         one picture saved as JPEG; a name no format fits and a folder that cannot take
#                  the pictures show the message form with the package's texts, and the dialog goes on
#   no-saving      a package that forbids saving disables the four saving controls
#   wallpaper      a picture becomes the wallpaper: "SCR Wallpaper.bmp" in the user's own folder;
#                  Remove takes it away again
#   flash-preview  a movie item plays in the preview panel, or shows the install request
#   host-window    /c:<window> keeps that window disabled while the dialog lives
source "$(dirname "$0")/../lib/harness.sh"
e2e_begin

readonly name="E2E Config"
readonly config_title="$name Settings"
readonly settings_key="HKCU\\Software\\Varnimo\\$name"

# make_saver OUT [MUSIC-JSON] [EXTRA-JSON]: two pictures and a movie with the dialog's texts.
make_saver() {
  local out=$1 music=${2-'[{"path": "tone.wav", "name": "Tone.wav"}, {"path": "tone.wav", "name": "Second"}]'}
  local extra=${3:-}
  local dir="$e2e_work/package"
  mkdir -p "$dir"
  convert -size 320x240 gradient:'#C82828-#2828C8' "$dir/red.jpg"
  convert -size 200x150 xc:'#28C828' "$dir/green.jpg"
  convert -size 64x64 xc:'#202020' "$dir/back.jpg"
  e2e_standin_movie "$dir/movie.swf"
  e2e_tone_wav "$dir/tone.wav"
  echo "You may share this screen saver freely." >"$dir/licence.txt"
  cat >"$dir/manifest.json" <<JSON
{ "name": "$name", "description": "A package for the configuration dialog's end-to-end tests.",
  "author": {"name": "Ada Painter", "email": "ada@example.org", "homePage": "http://example.org/lights"},
  "designWidth": 1024, "designHeight": 768, "backgroundColor": "#102060", "background": "back.jpg",
  "licence": "licence.txt", $extra
  "texts": {
    "dynamic": ["Pictures not saved", "Not every picture could be saved.", "The music could not be saved.",
      "Music file ", "Save Music As", "Save Failed", "The picture could not be saved here.",
      "JPEG picture (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp|Any file|*.*", "Save As", "", "", "Hello", "", "Settings",
      "", "", "No author information.", "", "", "", "", "", "", "", "", "Flash movie (*.swf)|*.swf"],
    "static": {"FS_0": {"S_1001": "Info", "S_1002": "Pics", "S_1003": "Tunes", "S_1006": "Maker",
      "S_1017": "Save one", "S_1018": "Save every", "S_1023": "Fine", "S_1024": "Abort", "S_1032": "Terms",
      "S_1019": "Shuffle", "S_1020": "Loop", "S_1021": "Silent", "S_1028": "Middle"}}
  },
  "items": [
    { "picture": "red.jpg", "fixedPosition": true, "x": 100, "y": 100, "width": 640, "height": 480 },
    { "picture": "green.jpg" },
    { "movie": "movie.swf" } ],
  "music": $music
}
JSON
  "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$out" --edition S >/dev/null
}

# field SELECTOR KEY: one value of the dialog's description of a component.
# hint_of NAME: rests the mouse on the control; the tooltip that shows, if any.
hint_of() { e2e_drive hint "$config_title" "$1" | tr -d '\r'; }

field() { e2e_drive describe "$config_title" "$1" | tr -d '\r' | sed -n "s/^$2=//p"; }

open_dialog() {  # SAVER ARGS...
  e2e_start "$@"
  # The first program in a fresh prefix takes a while to start.
  if ! e2e_wait_window "$config_title" || ! e2e_drive wait "$config_title" >/dev/null; then
    e2e_fail "no window '$config_title'"
    e2e_wait_exit
    e2e_end
  fi
}

# Ends the dialog with a button; the program must end cleanly and leave no temporary file.
close_with() {  # BUTTON
  e2e_drive click "$config_title" "$1" >/dev/null
  e2e_wait_exit
  e2e_expect_eq "closed with $1, exit code" 0 "$e2e_exit_code"
  local temp
  temp=$(find "$WINEPREFIX/drive_c/users" -name '~[FS]_*' 2>/dev/null | tr '\n' ' ')
  e2e_expect_eq "temporary files left" "" "$temp"
}

reg_value() {  # NAME: the stored number, or "none"
  local line
  line=$(wine reg query "$settings_key" /v "$1" 2>/dev/null | tr -d '\r' | grep -i "REG_DWORD") || { echo none; return; }
  echo $(( $(awk '{print $3}' <<<"$line") ))
}

shot() {  # NAME
  e2e_wait_still "$e2e_work/$1.png"
  e2e_log "screenshot $e2e_work/$1.png"
}

check_pages() {
  local saver="$e2e_work/Config.scr"
  make_saver "$saver"
  open_dialog "$saver" /c
  e2e_expect_eq "taskbar button without an owner" "taskbar=1" \
    "$(e2e_drive inspect "$config_title" | tr -d '\r' | grep -o 'taskbar=[01]')"
  local button caption
  for pair in BtnTab1:Info BtnTab2:Pics BtnTab3:Tunes BtnTab6:Terms BtnTab5:Maker BtnOK:Fine BtnCancel:Abort \
      LabelScrName:"$name" LabelEmail:ada@example.org; do
    button=${pair%%:*} caption=${pair#*:}
    e2e_expect_eq "$button caption" "$caption" "$(e2e_drive text "$config_title" "$button" | tr -d '\r')"
  done
  e2e_expect_eq "General down" 1 "$(field BtnTab1 checked)"
  shot general
  e2e_drive click "$config_title" BtnTab2 >/dev/null
  e2e_expect_soon "Pictures down" 1 field BtnTab2 checked
  e2e_expect_eq "picture rows" 3 "$(field ComboBoxPics items)"
  # The closed list shows its chosen row whole: 100 pixels, not a line of text.
  local field
  field=$(e2e_drive state "$config_title" name:ComboBoxPics | tr -d '\r' | sed -n 's/.* field=\([0-9]*\).*/\1/p')
  [ "${field:-0}" -ge 100 ] || e2e_fail "the closed picture list's field is $field pixels high, its rows 100"
  shot pictures
  e2e_drive click "$config_title" BtnTab3 >/dev/null
  e2e_expect_eq "Shuffle caption" Shuffle "$(e2e_drive text "$config_title" CheckBoxMusicROP | tr -d '\r')"
  shot musics
  e2e_drive click "$config_title" BtnTab6 >/dev/null
  shot license
  e2e_drive click "$config_title" BtnTab5 >/dev/null
  shot generator
  close_with BtnCancel
}

check_music_options() {
  local saver="$e2e_work/Config.scr"
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
  make_saver "$saver" '[]'
  open_dialog "$saver" /c
  e2e_expect_eq "no Musics button without music" 0 "$(field BtnTab3 visible)"
  close_with BtnOK
  e2e_expect_eq "OK without music stores nothing" none "$(reg_value MRA)"

  make_saver "$saver"
  open_dialog "$saver" /c
  e2e_drive click "$config_title" BtnTab3 >/dev/null
  e2e_expect_eq "Repeat all ticked by default" 1 "$(field CheckBoxMusicRA checked)"
  # The music list hints the name of its chosen row when the mouse rests on it.
  e2e_drive select "$config_title" ComboBoxMusics 1 >/dev/null
  e2e_expect_soon "the music list's hint" Second hint_of ComboBoxMusics
  shot music-hint
  e2e_drive click "$config_title" CheckBoxMusicROP >/dev/null
  e2e_drive click "$config_title" CheckBoxMusicMute >/dev/null
  shot musics-ticked
  close_with BtnOK
  for value in MROP MRA Mute; do e2e_expect_eq "$value after OK" 1 "$(reg_value $value)"; done

  # Unticked, then Cancel: the stored values stay; the same with Escape.
  open_dialog "$saver" /c
  e2e_drive click "$config_title" BtnTab3 >/dev/null
  e2e_expect_eq "stored Mute shown" 1 "$(field CheckBoxMusicMute checked)"
  e2e_drive click "$config_title" CheckBoxMusicMute >/dev/null
  close_with BtnCancel
  open_dialog "$saver" /c
  e2e_drive click "$config_title" BtnTab3 >/dev/null
  e2e_drive click "$config_title" CheckBoxMusicRA >/dev/null
  e2e_drive key "$config_title" Escape >/dev/null
  e2e_wait_exit
  e2e_expect_eq "closed with Escape, exit code" 0 "$e2e_exit_code"
  for value in MROP MRA Mute; do e2e_expect_eq "$value after Cancel and Escape" 1 "$(reg_value $value)"; done
}

# save_as TITLE PATH: types a file name into the open save dialog once it is in front with its
# name field holding the keyboard, and confirms it.
save_as() {
  e2e_drive wait "$1" >/dev/null || { e2e_fail "no save dialog '$1'"; return; }
  e2e_wait_until "$E2E_PATIENCE" e2e_output_is "foreground=1 focus=Edit" dialog_focus "$1" ||
    e2e_fail "the save dialog's name field never had the keyboard: $e2e_output"
  xdotool type --delay 20 "$2"
  e2e_key Return
}

dialog_focus() { e2e_drive focus "$1" | tr -d '\r'; }  # TITLE

wait_file() {  # PATH: the file dialog takes a while under Wine
  e2e_wait_until "$E2E_PATIENCE" test -s "$1" || e2e_fail "no file $1"
}

saved_files() { ls "$1" | tr '\n' ' ' | sed 's/ $//'; }  # FOLDER
picture_kind() { identify -format '%m %wx%h' "$1" 2>&1; }  # FILE

check_saving() {
  local saver="$e2e_work/Config.scr" out="$e2e_work/out"
  mkdir -p "$out"
  make_saver "$saver"
  open_dialog "$saver" /c
  e2e_drive click "$config_title" BtnTab2 >/dev/null
  e2e_drive click "$config_title" SBtnPSave >/dev/null
  save_as "Save As" "$(e2e_winpath "$out")\\first.jpg"
  wait_file "$out/first.jpg"
  e2e_expect_soon "saved picture" "JPEG 320x240" picture_kind "$out/first.jpg"

  e2e_drive click "$config_title" SBtnPSave >/dev/null
  save_as "Save As" "$(e2e_winpath "$out")\\first.png"
  if e2e_drive wait "Save Failed" >/dev/null; then
    shot save-failed
    e2e_expect_eq "failure text" "The picture could not be saved here." \
      "$(e2e_drive text "Save Failed" LabelMsg | tr -d '\r')"
    e2e_drive click "Save Failed" Btn1 >/dev/null
  else
    e2e_fail "no message after saving as PNG"
  fi
  [ -e "$out/first.png" ] && e2e_fail "a PNG file was written"
  e2e_expect_eq "dialog still there" 1 "$(field SBtnPSave enabled)"

  # "Save all" into a folder chosen in the folder chooser: one directly in /tmp, which the
  # chooser shows under "/". A file that cannot be written there fails the save.
  local mine
  mine=$(mktemp -d /tmp/saverkit-e2e-saveall.XXXXXX)
  trap 'rm -rf "'"$mine"'"' EXIT
  mkdir -p "$mine/Pic_1.jpg"
  save_all_into "$(basename "$mine")"
  if e2e_drive wait "Pictures not saved" >/dev/null; then
    e2e_expect_eq "failure text" "Not every picture could be saved." \
      "$(e2e_drive text "Pictures not saved" LabelMsg | tr -d '\r')"
    e2e_drive click "Pictures not saved" Btn1 >/dev/null
  else
    e2e_fail "no message after a failed save of all pictures"
  fi
  rm -rf "${mine:?}"/*
  save_all_into "$(basename "$mine")"
  e2e_expect_soon "saved files" "Flash_3.swf Pic_1.jpg Pic_2.jpg Pic_bk.jpg" saved_files "$mine"
  e2e_expect_soon "Pic_bk.jpg" "JPEG 64x64" picture_kind "$mine/Pic_bk.jpg"
  e2e_expect_soon "Pic_2.jpg" "JPEG 200x150" picture_kind "$mine/Pic_2.jpg"
  e2e_wait_until "$E2E_PATIENCE" cmp -s "$e2e_work/package/movie.swf" "$mine/Flash_3.swf" ||
    e2e_fail "Flash_3.swf differs from the movie"
  close_with BtnCancel
}

# save_all_into FOLDER: "Save all", then FOLDER in /tmp through the chooser's "/" entry.
save_all_into() {
  e2e_drive click "$config_title" SBtnPSaveAll >/dev/null
  e2e_drive choose-folder "Browse for Folder" / tmp "$1" >/dev/null || e2e_fail "no folder /tmp/$1 in the chooser"
}

check_no_saving() {
  local saver="$e2e_work/Config.scr"
  make_saver "$saver" '[{"path": "tone.wav", "name": "Tone.wav"}]' '"noSaving": true,'
  open_dialog "$saver" /c
  for control in SBtnPSave SBtnPSaveAll TBtnSaveM; do
    e2e_expect_eq "$control with no saving" 0 "$(field $control enabled)"
  done
  e2e_expect_eq "BtnWallpaper with no saving, for Remove" 1 "$(field BtnWallpaper enabled)"
  e2e_expect_eq "one music: Shuffle disabled" 0 "$(field CheckBoxMusicROP enabled)"
  e2e_drive click "$config_title" BtnTab2 >/dev/null
  shot no-saving
  close_with BtnCancel
}

wallpaper_value() {
  wine reg query 'HKCU\Control Panel\Desktop' /v Wallpaper 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'
}

# open_wallpaper_menu: the wallpaper button's menu, as a click opens it.
open_wallpaper_menu() {
  e2e_drive click "$config_title" BtnWallpaper >/dev/null
  e2e_wait_until "$E2E_PATIENCE" e2e_menu_open || e2e_fail "no wallpaper menu"
}

check_wallpaper() {
  local saver="$e2e_work/Config.scr" system="$WINEPREFIX/drive_c/windows/system32"
  local folder="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/saverkit"
  rm -f "$system/SCR Wallpaper.bmp" "$folder/SCR Wallpaper.bmp"
  make_saver "$saver"
  open_dialog "$saver" /c
  e2e_drive click "$config_title" BtnTab2 >/dev/null
  e2e_drive select "$config_title" ComboBoxPics 1 >/dev/null
  open_wallpaper_menu
  shot wallpaper-menu
  e2e_key Down
  e2e_key Return
  # An ordinary user's own folder, not the system folder, which only an administrator may write.
  e2e_expect_soon "wallpaper bitmap" "BMP3 200x150" picture_kind "$folder/SCR Wallpaper.bmp"
  e2e_expect_soon "desktop wallpaper value" "C:\\users\\$(id -un)\\AppData\\Local\\saverkit\\SCR Wallpaper.bmp" wallpaper_value
  [ -e "$system/SCR Wallpaper.bmp" ] && e2e_fail "a wallpaper bitmap in the system folder"

  # Remove takes away what it set, with a movie selected as well.
  e2e_drive select "$config_title" ComboBoxPics 2 >/dev/null
  open_wallpaper_menu
  e2e_expect_eq "styles offered for a movie" 0 "$(field PMICenter visible)"
  e2e_key r
  e2e_expect_soon "desktop wallpaper value after Remove" "" wallpaper_value
  e2e_wait_until "$E2E_PATIENCE" test ! -e "$folder/SCR Wallpaper.bmp" || e2e_fail "the wallpaper bitmap is still there"
  close_with BtnCancel
}

check_flash_preview() {
  local saver="$e2e_work/Config.scr" log="$e2e_work/standin.log"
  make_saver "$saver"
  # Without a player the preview panel shows the install request.
  open_dialog "$saver" /c
  e2e_drive click "$config_title" BtnTab2 >/dev/null
  e2e_drive select "$config_title" ComboBoxPics 2 >/dev/null
  e2e_expect_soon "no image preview for a movie" 0 field ImageFore visible
  shot flash-install-request
  close_with BtnCancel

  # With the stand-in control registered, the movie plays looping.
  e2e_use_standin_flash
  export SAVERKIT_STANDIN_FLASH_LOG
  SAVERKIT_STANDIN_FLASH_LOG="$(e2e_winpath "$e2e_work")\\standin.log"
  open_dialog "$saver" /c
  e2e_drive click "$config_title" BtnTab2 >/dev/null
  e2e_drive select "$config_title" ComboBoxPics 2 >/dev/null
  e2e_wait_line "$log" "^play" || e2e_fail "the movie did not start: $(tr '\n' ' ' <"$log" 2>/dev/null)"
  grep -q "^Loop 1" "$log" || e2e_fail "the movie does not loop: $(tr '\n' ' ' <"$log")"
  # A playing movie never holds still: the screen as it is.
  e2e_screenshot "$e2e_work/flash-playing.png"
  close_with BtnCancel
}

check_host_window() {
  local saver="$e2e_work/Config.scr"
  make_saver "$saver"
  local report
  report=$(e2e_drive owned-config "$(e2e_winpath "$saver")" "$config_title" | tr -d '\r') || e2e_fail "owned configuration: $report"
  e2e_log "$report"
}

case "${1:-}" in
  pages) check_pages ;;
  music-options) check_music_options ;;
  saving) check_saving ;;
  no-saving) check_no_saving ;;
  wallpaper) check_wallpaper ;;
  flash-preview) check_flash_preview ;;
  host-window) check_host_window ;;
  *) echo "usage: config.sh CASE" >&2; exit 2 ;;
esac
e2e_end
