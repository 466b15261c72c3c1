#!/usr/bin/env bash
# The setup wizard and the uninstaller under Wine: Demo.exe installs Demo.scr, the installed copy
# shows and uninstalls itself. Usage: setup.sh CASE (one ctest test per case; see CMakeLists.txt).
# shellcheck source=../lib/harness.sh
source "$(dirname "$0")/../lib/harness.sh"
e2e_begin

readonly wizard="Screen Saver Setup"  # dynamic text 21 of the package below: the wizard's caption
# The wizard window's own title, which the taskbar shows: the caption and the screen saver's name.
# Its messages are captioned with the caption alone.
readonly wizard_window="$wizard Demo"
readonly copy_failed="The screen saver could not be installed."
win_user=$(id -un)
users="$WINEPREFIX/drive_c/users/$win_user"
desktop="$users/Desktop"
target_folder="$users/Documents/My ScreenSavers"
chosen_folder="$desktop/Chosen Place"
installed="$chosen_folder/Demo.scr"
readonly key='HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Demo'

# Wine links the desktop and documents folders to the home folder; the tests write into folders
# of the prefix instead, which go with it. The cases share the prefix: each starts without an
# installed copy.
own_user_folders() {
  local folder
  for folder in "$desktop" "$users/Documents"; do
    if [ -L "$folder" ]; then rm "$folder"; fi
    mkdir -p "$folder"
  done
  rm -rf "$target_folder" "$chosen_folder" "$desktop"/*.lnk
  wine reg delete "$key" /f >/dev/null 2>&1 || true
}

# Demo.exe: a setup copy with the interface texts the wizard uses; with a licence unless "nolicence".
make_setup() {  # OUT [nolicence]
  local dir="$e2e_work/package" licence='"licence": "licence.txt",'
  mkdir -p "$dir"
  convert -size 320x240 xc:'#2060C0' "$dir/blue.jpg"
  printf 'Use it kindly.\r\nShare it freely.\r\n' >"$dir/licence.txt"
  [ "${2:-}" = nolicence ] && licence=""
  cat >"$dir/manifest.json" <<JSON
{ "name": "Demo", "description": "A blue screen saver made by the setup wizard's end-to-end tests.",
  $licence "backgroundColor": "#000000",
  "items": [ { "picture": "blue.jpg", "seconds": 5 } ],
  "texts": {
    "dynamic": ["","","","","","","","","","","","","","","","","","&Fine","&Stop","&Sure","&Nope",
                "$wizard", "", "Replace the installed screen saver?", "$copy_failed"],
    "static": { "FS_0": { "S_2009": "&Next >", "S_2008": "< &Back", "S_2011": "I &accept the agreement" } } } }
JSON
  "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$1" --edition E >/dev/null
}

drive() { e2e_drive "$@" | tr -d '\r'; }
# enabled=N of a control of the wizard.
enabled() { drive state "$wizard_window" "name:$1" | grep -o 'enabled=[01]'; }
page_title() { drive text "$wizard_window" name:PanelHideTabs; }
# The message form in front of the wizard, captioned with the wizard's caption: its text, empty
# once it has gone (asked --now, so that a form that is going is not waited for).
message_text() { drive --now text "$wizard" name:LabelMsg | grep -v '^no visible window'; }
# Clicks a control of the wizard; the wizard follows in its own time, so the checks after a
# press wait for what they expect (e2e_expect_soon).
press() { drive click "$wizard_window" "name:$1" >/dev/null; }
page_soon() { e2e_expect_soon "$1" "$2" page_title; }  # WHAT TITLE
enabled_soon() { e2e_expect_soon "$1" "$3" enabled "$2"; }  # WHAT CONTROL enabled=N

start_wizard() {  # SETUP
  e2e_start "$1"
  e2e_wait_window "$wizard_window" || { e2e_fail "no wizard titled '$wizard_window'"; return 1; }
  drive wait "$wizard_window" >/dev/null
}

# Steps through the licence page to the target page.
to_target_page() {
  press BtnNext
  page_soon "licence page" "License Agreement"
  press CheckBoxAgree
  enabled_soon "Next once the box is ticked" BtnNext "enabled=1"
  press BtnNext
  page_soon "target page" "Destination"
}

# Chooses "Chosen Place" on the desktop in the shell's folder browser and waits until it is gone.
choose_folder() {
  mkdir -p "$chosen_folder"
  drive click "$wizard_window" name:ButtonSelectDir >/dev/null
  e2e_wait_window "Browse for Folder" || { e2e_fail "no folder browser"; return; }
  # The tree's entries are picked by their texts, not by keys typed in time.
  drive choose-folder "Browse for Folder" "$(basename "$chosen_folder")" >/dev/null ||
    e2e_fail "no entry '$(basename "$chosen_folder")' in the folder browser"
  e2e_wait_until "$E2E_PATIENCE" e2e_no_window "^Browse for Folder\$" || e2e_fail "the folder browser stayed open"
}

# Starts the installed copy with -U and answers its question with Yes or No.
answer_uninstall() {  # FILE ANSWER
  e2e_start "$1" -U
  e2e_wait_window "Uninstall" || e2e_fail "no question titled Uninstall"
  e2e_wait_still "$e2e_work/uninstall-$2.png"
  drive click Uninstall "text:&$2" >/dev/null || e2e_fail "no $2 button"
  e2e_wait_exit
  e2e_expect_eq "uninstall answered $2, exit code" 0 "$e2e_exit_code"
}

# Waits for the batch file to delete the executable after its process has ended.
expect_deleted_later() {  # FILE
  e2e_wait_until "$E2E_PATIENCE" test ! -e "$1" || e2e_fail "$1 is still there"
}

# The installed copy differs from the setup only at its trailer's byte 137, where it holds 0xAC.
expect_patched_copy() {  # SETUP COPY
  local size diff
  size=$(stat -c %s "$1")
  e2e_expect_eq "installed size" "$size" "$(stat -c %s "$2" 2>/dev/null)"
  # cmp -l: 1-based offset, then both bytes in octal; 0xAC is 254.
  diff=$({ cmp -l "$1" "$2" 2>/dev/null || true; } | awk '{printf "%d:%s ", $1 - 1, $3}')
  e2e_expect_eq "bytes that differ" "$((size - E2E_TRAILER_SIZE + 137)):254 " "$diff"
}

# blue_shown SHOT: true when some of the screen is the package's blue; 1 or 0 in blue.
blue_shown() {
  blue=$(convert "$1" -fuzz 4% -fill black +opaque '#2060C0' -fill white -opaque '#2060C0' -format '%[fx:mean > 0.01]' info:)
  [ "$blue" = 1 ]
}

case "${1:-}" in
  install)
    own_user_folders
    make_setup "$e2e_work/Demo.exe"
    start_wizard "$e2e_work/Demo.exe" || e2e_end
    e2e_screenshot "$e2e_work/1-screen-saver.png"
    e2e_expect_eq "first page" "Screen Saver" "$(page_title)"
    e2e_expect_eq "the frame's caption" "$wizard" "$(drive text "$wizard_window" name:Label_XNeo_Caption)"
    e2e_expect_eq "Prev on the first page" "enabled=0" "$(enabled BtnPrev)"
    press BtnNext
    page_soon "licence page" "License Agreement"
    e2e_expect_eq "Next before the box is ticked" "enabled=0" "$(enabled BtnNext)"
    e2e_screenshot "$e2e_work/2-licence.png"
    press CheckBoxAgree
    enabled_soon "Next once the box is ticked" BtnNext "enabled=1"
    press CheckBoxAgree
    enabled_soon "Next once the box is cleared again" BtnNext "enabled=0"
    press BtnPrev
    page_soon "Prev from the licence page" "Screen Saver"
    to_target_page
    e2e_expect_eq "file name" "Demo" "$(drive text "$wizard_window" name:EditFileName)"
    e2e_expect_eq "default folder" "C:\\users\\$win_user\\Documents\\My ScreenSavers\\" "$(drive text "$wizard_window" name:LabelSysPath)"
    choose_folder
    e2e_expect_eq "chosen folder" "C:\\users\\$win_user\\Desktop\\Chosen Place\\" "$(drive text "$wizard_window" name:LabelSysPath)"
    e2e_expect_eq "prompt after the choice" "Your ScreenSaver will be installed to:" \
      "$(drive text "$wizard_window" name:LabelDirPrompt)"
    e2e_screenshot "$e2e_work/3-destination.png"
    drive click "$wizard_window" name:BtnNext >/dev/null
    e2e_wait_exit
    e2e_expect_eq "wizard closed after the install, exit code" 0 "$e2e_exit_code"

    expect_patched_copy "$e2e_work/Demo.exe" "$installed"
    [ -s "$desktop/Demo.lnk" ] || e2e_fail "no shortcut Demo.lnk on the desktop"
    entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
    e2e_log "uninstall entry: $(tr "\n" " " <<<"$entry")"
    grep -q 'DisplayName.*REG_SZ.*Demo$' <<<"$entry" || e2e_fail "no DisplayName Demo in $key"
    grep -qF "UninstallString    REG_SZ    \"C:\\users\\$win_user\\Desktop\\Chosen Place\\Demo.scr\" -U" <<<"$entry" ||
      e2e_fail "no quoted UninstallString in $key"

    # The installed copy is a screen saver now.
    e2e_mouse_move 500 400
    e2e_start "$installed" /s
    if e2e_wait_window "saverkit: show"; then
      # Somewhere on the black screen: the package's blue picture.
      e2e_wait_screen "$e2e_work/4-installed-show.png" blue_shown || true
      e2e_expect_eq "the package's picture on the screen" 1 "$blue"
      e2e_key Escape
    else
      e2e_fail "the installed copy shows no screen saver"
    fi
    e2e_wait_exit

    # A second install answered No leaves the first copy as it was.
    before=$(md5sum <"$installed")
    start_wizard "$e2e_work/Demo.exe"
    to_target_page
    choose_folder
    drive click "$wizard_window" name:BtnNext >/dev/null
    e2e_expect_soon "question" "Replace the installed screen saver?" message_text
    e2e_screenshot "$e2e_work/5-replace-question.png"
    # The package's own button texts: "&Nope" for No.
    drive click "$wizard" "text:&Nope" >/dev/null || e2e_fail "no question with the package's No button"
    e2e_expect_soon "the question gone after No" "" message_text
    e2e_expect_eq "wizard still on the target page after No" "Destination" "$(page_title)"
    drive click "$wizard_window" name:BtnCancel >/dev/null
    e2e_wait_exit
    e2e_expect_eq "first copy untouched" "$before" "$(md5sum <"$installed")"

    # The installed copy removes what the wizard made.
    answer_uninstall "$installed" Yes
    expect_deleted_later "$installed"
    [ ! -e "$desktop/Demo.lnk" ] || e2e_fail "the shortcut is still there"
    wine reg query "$key" >/dev/null 2>&1 && e2e_fail "the uninstall entry is still there"
    ;;
  no-licence)
    own_user_folders
    make_setup "$e2e_work/Demo.exe" nolicence
    start_wizard "$e2e_work/Demo.exe" || e2e_end
    press BtnNext
    page_soon "Next skips the missing licence" "Destination"
    e2e_expect_eq "Next on the target page" "enabled=1" "$(enabled BtnNext)"
    press BtnPrev
    page_soon "Prev back to the first page" "Screen Saver"
    drive click "$wizard_window" name:BtnCancel >/dev/null
    e2e_wait_exit
    e2e_expect_eq "cancelled, exit code" 0 "$e2e_exit_code"
    [ ! -e "$installed" ] || e2e_fail "a cancelled wizard installed"
    ;;
  unwritable)
    own_user_folders
    make_setup "$e2e_work/Demo.exe"
    mkdir -p "$target_folder"
    chattr +i "$target_folder" || { echo "skipped: chattr +i is not allowed here"; exit "$E2E_SKIP"; }
    trap 'chattr -i "$target_folder"' EXIT
    start_wizard "$e2e_work/Demo.exe" || e2e_end
    to_target_page
    drive click "$wizard_window" name:BtnNext >/dev/null
    # The message form, captioned like the wizard, in front of it.
    e2e_expect_soon "message" "$copy_failed" message_text
    e2e_wait_still "$e2e_work/copy-failed.png"
    drive key "$wizard" Return >/dev/null
    e2e_expect_soon "the message gone after Return" "" message_text
    e2e_expect_eq "wizard stays on the target page" "Destination" "$(page_title)"
    drive click "$wizard_window" name:BtnCancel >/dev/null
    e2e_wait_exit
    e2e_expect_eq "files left in the folder" "" "$(ls -A "$target_folder")"
    wine reg query "$key" >/dev/null 2>&1 && e2e_fail "an uninstall entry after a failed copy"
    ;;
  data-error)
    make_setup "$e2e_work/Demo.exe"
    # The trailer's package length (its first field, stored complemented) beyond the file: the
    # edition still reads "E", but there is no package to install.
    size=$(stat -c %s "$e2e_work/Demo.exe")
    printf '\x00\x00\x00\x80' | dd of="$e2e_work/Demo.exe" bs=1 seek=$((size - E2E_TRAILER_SIZE)) conv=notrunc status=none
    e2e_start "$e2e_work/Demo.exe"
    if e2e_wait_window "ScreenSaver Installer"; then
      e2e_wait_still "$e2e_work/data-error.png"
      e2e_expect_eq "error label" "Data Error..." "$(drive text "ScreenSaver Installer" name:LabelError)"
      drive click "ScreenSaver Installer" name:LabelError >/dev/null
    else
      e2e_fail "no window 'ScreenSaver Installer'"
    fi
    e2e_wait_exit
    e2e_expect_eq "a click on the error ends setup, exit code" 0 "$e2e_exit_code"
    ;;
  uninstall)
    # An installed copy as the wizard leaves it (file, shortcut, uninstall entry) beside another
    # program's shortcut and entry, which must survive.
    own_user_folders
    mkdir -p "$target_folder"
    e2e_package "$target_folder/Demo.scr" S  # named "E2E Saver"
    echo link >"$desktop/E2E Saver.lnk"
    echo other >"$desktop/Other.lnk"
    wine reg add "$key" /v DisplayName /d "E2E Saver" /f >/dev/null 2>&1
    wine reg add "${key}2" /v DisplayName /d "Another program" /f >/dev/null 2>&1

    answer_uninstall "$target_folder/Demo.scr" No
    [ -f "$target_folder/Demo.scr" ] || e2e_fail "No removed the screen saver"
    [ -f "$desktop/E2E Saver.lnk" ] || e2e_fail "No removed the shortcut"
    wine reg query "$key" >/dev/null 2>&1 || e2e_fail "No removed the uninstall entry"

    answer_uninstall "$target_folder/Demo.scr" Yes
    expect_deleted_later "$target_folder/Demo.scr"
    [ ! -e "$desktop/E2E Saver.lnk" ] || e2e_fail "the shortcut is still there"
    wine reg query "$key" >/dev/null 2>&1 && e2e_fail "the uninstall entry is still there"
    [ -f "$desktop/Other.lnk" ] || e2e_fail "another shortcut went too"
    wine reg query "${key}2" >/dev/null 2>&1 || e2e_fail "another uninstall entry went too"
    e2e_expect_eq "files left in the screen saver's folder" "" "$(ls -A "$target_folder")"
    ;;
  uninstall-odd-name)
    # Installed under a name that cmd would split or expand unless it is quoted and its '%'
    # doubled, beside files named like the pieces it would be split into.
    own_user_folders
    mkdir -p "$target_folder"
    odd="$target_folder/Tom & Jerry 100%.scr"
    e2e_package "$odd" S
    for other in "Tom" "Jerry 100%.scr" "Tom & Jerry 100.scr" "100%.scr" "Jerry.scr"; do echo keep >"$target_folder/$other"; done
    answer_uninstall "$odd" Yes
    expect_deleted_later "$odd"
    e2e_expect_eq "files left beside it" "100%.scr,Jerry 100%.scr,Jerry.scr,Tom,Tom & Jerry 100.scr" \
      "$(cd "$target_folder" && ls -A | LC_ALL=C sort | paste -sd,)"
    ;;
  *)
    echo "unknown case '${1:-}'" >&2
    exit 2
    ;;
esac
e2e_end
