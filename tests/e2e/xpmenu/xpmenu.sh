#!/bin/bash
# The flat XP-style painter under Wine, on a host form with one control of each kind it takes:
#   switching  the painter's window procedure is on every control it takes while active, on
#              none once switched off (the edits' sunken edges back), on them again when switched
#              on, and never on a control tagged 999 or inside a panel tagged 999;
#   look       the flat form beside the plain one: idle (focus in the first edit, disabled
#              controls), a hot button, a pressed button, a hot check box, combo box and tool
#              button, the owner-drawn pop-up menu; screenshots kept in the test's work folder;
#   message    the program's message form (Yes, No, Cancel) with its painter switched off and
#              left on, side by side: idle, the No button hot and pressed; Cancel answers 2;
#   schemes    the same side by side under a dark colour scheme and at 144 DPI (the session's
#              registry is put back afterwards).
# shellcheck source=../lib/harness.sh
source "$(dirname "$0")/../lib/harness.sh"
e2e_begin

readonly host="$SAVERKIT_WIN64_DIR/tests/e2e/xpmenu/host/xp_form_host.exe"
[ -f "$host" ] || { echo "FAIL: the win64 build has no host form at $host" >&2; exit 1; }
readonly flat_title="XP painter flat" plain_title="XP painter plain"
readonly flat_x=520 plain_x=10 top=10

# The controls the painter takes on the host form, and those it must leave alone.
readonly painted="PanelMain EditName EditOff ComboPics ComboOff CheckMute CheckOff GroupMusic CheckRandom
  BtnOk BtnOff SpeedPictures SpeedMusic PanelInfo"
readonly untouched="BtnPlain PanelKeep EditKeep BtnToggle BtnMenu"

start_host() {  # X on|off REPORT TITLE
  : >"$3"
  e2e_start "$host" "$1" "$top" "$2" "$(e2e_winpath "$3")"
  e2e_wait_window "$4" || { e2e_fail "no window '$4'"; e2e_end; }
}

# reports_done REPORT N: true once the report holds N complete blocks.
reports_done() { [ "$(grep -c '^end$' "$1" 2>/dev/null)" -ge "$2" ]; }

# report_block REPORT N: the N-th report (1-based), once it is complete.
report_block() {
  local report=$1 n=$2
  e2e_wait_until "$E2E_PATIENCE" reports_done "$report" "$n" || true
  awk -v n="$n" '/^active/ {block++} block == n' "$report"
}

field() {  # BLOCK NAME KEY
  grep "^$2 " <<<"$1" | tr ' ' '\n' | sed -n "s/^$3=//p"
}

check_block() {  # WHAT BLOCK ACTIVE
  local what=$1 block=$2 active=$3 name
  e2e_expect_eq "$what: active" "active $active" "$(head -1 <<<"$block")"
  for name in $painted; do
    e2e_expect_eq "$what: $name subclassed" "$active" "$(field "$block" "$name" subclassed)"
  done
  for name in $untouched; do
    e2e_expect_eq "$what: $name (tag 999) subclassed" 0 "$(field "$block" "$name" subclassed)"
  done
  # The painter's edits are flat; off again they have their sunken edge back.
  e2e_expect_eq "$what: EditName sunken edge" "$((1 - active))" "$(field "$block" EditName clientedge)"
  e2e_expect_eq "$what: EditKeep sunken edge" 1 "$(field "$block" EditKeep clientedge)"
}

case_switching() {
  local report="$e2e_work/flat-report.txt"
  start_host "$flat_x" on "$report" "$flat_title"
  check_block "switched on at start" "$(report_block "$report" 1)" 1
  e2e_drive click "$flat_title" BtnToggle >/dev/null || e2e_fail "the driver could not click Toggle"
  check_block "switched off" "$(report_block "$report" 2)" 0
  e2e_drive click "$flat_title" BtnToggle >/dev/null || e2e_fail "the driver could not click Toggle"
  check_block "switched on again" "$(report_block "$report" 3)" 1
  e2e_drive close "$flat_title" >/dev/null
  e2e_wait_exit
  e2e_expect_eq "host exit after close" 0 "$e2e_exit_code"
}

# --- look --------------------------------------------------------------------------------------

shot() {  # NAME: the screen, and the two forms cut out side by side (plain left, flat right)
  local full="$e2e_work/full-$1.png"
  e2e_wait_still "$full"
  convert "$full" -crop 480x300+"$plain_x"+"$top" +repage "$e2e_work/plain-$1.png"
  convert "$full" -crop 480x300+"$flat_x"+"$top" +repage "$e2e_work/flat-$1.png"
  convert "$e2e_work/plain-$1.png" "$e2e_work/flat-$1.png" +append "$e2e_work/side-by-side-$1.png"
}

# Both forms, plain at the left and flat at the right; close_both ends them.
start_both() {  # REPORT-SUFFIX
  start_host "$plain_x" off "$e2e_work/plain-$1.txt" "$plain_title"
  plain_pid=$e2e_pid
  start_host "$flat_x" on "$e2e_work/flat-$1.txt" "$flat_title"
  flat_pid=$e2e_pid
}

close_both() {
  e2e_drive close "$flat_title" >/dev/null
  e2e_drive close "$plain_title" >/dev/null
  e2e_pid=$flat_pid
  e2e_wait_exit
  e2e_pid=$plain_pid
  e2e_wait_exit
}

channels() { tr -dc '0-9,' <<<"$1"; }

# lighter COLOUR PERCENT: the colour lightened toward white as the painter does it.
lighter() {
  local -a c
  IFS=',' read -r -a c <<<"$(channels "$1")"
  local out=() v
  for v in "${c[@]}"; do out+=($((v + ((255 - v) * $2 + 50) / 100))); done
  echo "${out[0]},${out[1]},${out[2]}"
}

channels_are() { [ "$(channels "$(e2e_pixel "$1" "$2" "$3")")" = "$4" ]; }  # SHOT X Y R,G,B

expect_pixel() {  # WHAT EXPECTED-R,G,B SHOT X Y
  local got
  got=$(channels "$(e2e_pixel "$3" "$4" "$5")")
  e2e_expect_eq "$1" "$2" "$got"
}

case_look() {
  start_both report
  e2e_mouse_move 1000 700
  shot idle

  # The form's background is the system's button face (a themed plain button may be lighter);
  # the flat button's face is the icon column colour (16 % lighter) at rest and 60 % lighter
  # under the mouse. BtnOk is at 16, 160, 100 x 29.
  local face
  face=$(channels "$(e2e_pixel "$e2e_work/plain-idle.png" 470 150)")
  expect_pixel "flat button at rest" "$(lighter "$face" 16)" "$e2e_work/flat-idle.png" 20 185
  # A control tagged 999 looks the same on both forms.
  convert "$e2e_work/plain-idle.png" -crop 100x29+240+200 +repage "$e2e_work/plain-999.png"
  convert "$e2e_work/flat-idle.png" -crop 100x29+240+200 +repage "$e2e_work/flat-999.png"
  e2e_expect_eq "button tagged 999 unchanged" 0 \
    "$(compare -metric AE "$e2e_work/plain-999.png" "$e2e_work/flat-999.png" null: 2>&1 || true)"

  e2e_mouse_move $((flat_x + 66)) $((top + 174))
  e2e_wait_screen "$e2e_work/full-hot-button.png" channels_are $((flat_x + 20)) $((top + 185)) "$(lighter "$face" 60)" ||
    true
  shot hot-button
  expect_pixel "flat button under the mouse" "$(lighter "$face" 60)" "$e2e_work/flat-hot-button.png" 20 185
  xdotool mousedown 1
  shot pressed-button
  xdotool mouseup 1
  e2e_mouse_move $((plain_x + 66)) $((top + 174))
  shot hot-plain-button
  e2e_mouse_move $((flat_x + 40)) $((top + 90))
  shot hot-check-box
  e2e_mouse_move $((flat_x + 250)) $((top + 26))
  shot hot-combo
  # The tool bar's first button (at 240, 256 in a bar of 28-pixel buttons) lit by custom draw.
  e2e_mouse_move $((flat_x + 254)) $((top + 270))
  shot hot-tool-button

  # The owner-drawn pop-up menu opens under the Menu button.
  e2e_mouse_move $((flat_x + 176)) $((top + 270))
  e2e_click 1
  e2e_wait_until "$E2E_PATIENCE" e2e_menu_open || e2e_fail "no pop-up menu under the Menu button"
  e2e_mouse_move $((flat_x + 160)) $((top + 360))  # over "Stretch", below the separator
  shot menu
  convert "$e2e_work/full-menu.png" -crop 480x420+"$flat_x"+"$top" +repage "$e2e_work/flat-menu-open.png"
  e2e_key Escape
  close_both
  e2e_log "screenshots in $e2e_work"
}

# --- message form ---------------------------------------------------------------------------------

case_message() {
  local plain_pid flat_pid
  e2e_start "$host" message "$plain_x" "$top" off
  plain_pid=$e2e_pid
  e2e_wait_window "XP message plain" || { e2e_fail "no plain message form"; e2e_end; }
  e2e_start "$host" message "$flat_x" "$top" on
  flat_pid=$e2e_pid
  e2e_wait_window "XP message flat" || { e2e_fail "no flat message form"; e2e_end; }
  e2e_mouse_move 1000 700
  shot message-idle
  # The No button: the content panel sits at 10, 49 in the frame, the button at 146, 130 in it.
  local no_x=$((10 + 146 + 50)) no_y=$((top + 49 + 130 + 14))
  e2e_mouse_move $((flat_x + no_x)) "$no_y"
  shot message-hot
  xdotool mousedown 1
  shot message-pressed
  e2e_mouse_move 1000 700  # leave before letting go: no answer yet
  xdotool mouseup 1
  e2e_mouse_move $((plain_x + no_x)) "$no_y"
  shot message-plain-hot
  e2e_drive click "XP message flat" Btn3 >/dev/null || e2e_fail "the driver could not press Cancel"
  e2e_pid=$flat_pid
  e2e_wait_exit
  e2e_expect_eq "flat message form: Cancel answers" 2 "$e2e_exit_code"
  e2e_drive close "XP message plain" >/dev/null
  e2e_pid=$plain_pid
  e2e_wait_exit
  e2e_expect_eq "plain message form: closing answers" 2 "$e2e_exit_code"
  e2e_log "screenshots in $e2e_work"
}

# --- schemes ------------------------------------------------------------------------------------

readonly colours_key='HKCU\Control Panel\Colors' desktop_key='HKCU\Control Panel\Desktop'

both_hosts_shot() {  # NAME
  start_both "$1"
  # The flat OK button under the mouse.
  e2e_mouse_move $((flat_x + 66)) $((top + 174))
  shot "$1"
  close_both
}

# The running server keeps the system colours it read at its start: a new scheme takes effect
# when the session's server starts again (it saves the registry as it ends).
restart_wineserver() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  e2e_keep_wineserver
}

luma() {  # R,G,B
  local -a c
  IFS=',' read -r -a c <<<"$(channels "$1")"
  echo $(((c[0] * 299 + c[1] * 587 + c[2] * 114) / 1000))
}

case_schemes() {
  local saved="$e2e_work/colours.reg" kv
  wine reg export "$colours_key" "$(e2e_winpath "$e2e_work")\\colours.reg" /y >/dev/null 2>&1 ||
    { e2e_fail "could not save the colour scheme"; e2e_end; }
  for kv in "Window=30 30 30" "WindowText=230 230 230" "ButtonFace=45 45 48" "ButtonText=230 230 230" \
    "ButtonShadow=20 20 20" "ButtonHilight=90 90 90" "ButtonLight=70 70 70" "ButtonDkShadow=10 10 10" \
    "Menu=45 45 48" "MenuText=230 230 230" "Hilight=0 120 215" "GrayText=130 130 130"; do
    wine reg add "$colours_key" /v "${kv%%=*}" /d "${kv#*=}" /f >/dev/null 2>&1
  done
  restart_wineserver
  both_hosts_shot dark
  wine reg import "$(e2e_winpath "$saved")" >/dev/null 2>&1 || e2e_fail "could not put the colour scheme back"
  restart_wineserver
  # Dark faces keep light text readable: the hot flat button stays dark.
  local hot
  hot=$(e2e_pixel "$e2e_work/flat-dark.png" 20 185)
  [ "$(luma "$hot")" -lt 128 ] || e2e_fail "the hot button of a dark scheme is light: $hot"

  wine reg add "$desktop_key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
  both_hosts_shot dpi144
  wine reg delete "$desktop_key" /v LogPixels /f >/dev/null 2>&1 || e2e_fail "could not put the DPI back"
  e2e_log "screenshots in $e2e_work"
}

case "${1:-}" in
  switching) case_switching ;;
  look) case_look ;;
  message) case_message ;;
  schemes) case_schemes ;;
  *) echo "usage: $0 switching|look|message|schemes" >&2; exit 2 ;;
esac
e2e_end
