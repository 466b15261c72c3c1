#!/usr/bin/env bash
# The forms of the runtime under Wine, driven through the forms probe (programs/) and the e2e
# driver's dialog commands:
#   gallery   one control of every kind: clicks, rows, speed-button groups, tool buttons, link
#             labels, key preview; a nested modal form ends on Escape and gives the owner back;
#             Enter presses the default button
#   quit      a WM_QUIT posted inside a nested modal loop ends it and reaches the outer loop
#   exception a handler's exception ends the modal loop and reaches the caller
source "$(dirname "$0")/../lib/harness.sh"

probe="$SAVERKIT_WIN64_DIR/tests/e2e/forms/programs/forms_probe.exe"
gallery="saverkit e2e gallery"
nested="saverkit e2e nested"

report_has() {  # WHAT FILE LINE
  if e2e_wait_line "$2" "^$3\$" 5; then e2e_log "$1: $3"; else e2e_fail "$1: no line '$3' in $(tr '\n' ' ' <"$2")"; fi
}

start_gallery() {  # REPORT
  e2e_start "$probe" gallery "$(e2e_winpath "$1")"
  e2e_drive wait "$gallery" >/dev/null || { e2e_fail "no gallery form"; e2e_wait_exit 5; e2e_end; }
}

check_gallery() {
  local report="$e2e_work/gallery.txt"
  start_gallery "$report"
  report_has "timer" "$report" "timer=fired"
  e2e_drive click "$gallery" CheckAgree >/dev/null
  report_has "check box" "$report" "check=1"
  e2e_drive select "$gallery" ComboRows 2 >/dev/null
  report_has "combo row" "$report" "combo=2"
  e2e_drive click "$gallery" SBtnB >/dev/null
  report_has "speed button" "$report" "speed=SBtnB"
  e2e_expect_eq "first speed button up" "checked=0" "$(e2e_drive describe "$gallery" SBtnA | tr -d '\r' | grep '^checked')"
  e2e_expect_eq "second speed button down" "checked=1" "$(e2e_drive describe "$gallery" SBtnB | tr -d '\r' | grep '^checked')"
  e2e_drive click "$gallery" LabelLink >/dev/null
  report_has "link label" "$report" "link=clicked"
  e2e_drive click "$gallery" TBtnRed >/dev/null
  report_has "tool button" "$report" "tool=red"
  e2e_drive key "$gallery" F1 >/dev/null
  report_has "key preview" "$report" "preview=F1"
  e2e_expect_eq "hidden tab's sheet" "visible=0" "$(e2e_drive describe "$gallery" Sheet2 | tr -d '\r' | grep '^visible')"
  e2e_expect_eq "label text read from the form" "Every kind of control" "$(e2e_drive text "$gallery" LabelInfo | tr -d '\r')"
  sleep 0.5
  e2e_screenshot "$e2e_work/gallery.png"
  # The tool bar sits on the white panel and shows its first image (red) at its left.
  e2e_expect_eq "tool bar background" "srgb(255,255,255)" "$(e2e_pixel "$e2e_work/gallery.png" 745 410)"

  e2e_drive click "$gallery" BtnNested >/dev/null
  e2e_drive wait "$nested" >/dev/null || e2e_fail "no nested form"
  e2e_expect_eq "owner disabled under the nested form" "enabled=0" "$(e2e_drive wait "$gallery" | tr -d '\r' | sed 's/.* //')"
  e2e_drive key "$nested" Escape >/dev/null
  report_has "nested form ends on Escape, owner enabled again" "$report" "nested=2 owner-enabled=1"
  e2e_drive key "$gallery" Return >/dev/null
  e2e_wait_exit 10
  e2e_expect_eq "Enter presses the default button: exit code" 1 "$e2e_exit_code"
  report_has "modal result" "$report" "result=1"
}

check_quit() {
  local report="$e2e_work/quit.txt"
  start_gallery "$report"
  e2e_drive click "$gallery" BtnNested >/dev/null
  e2e_drive wait "$nested" >/dev/null || e2e_fail "no nested form"
  e2e_drive click "$nested" BtnQuit >/dev/null
  e2e_wait_exit 10
  report_has "nested loop ended by WM_QUIT" "$report" "nested=2 owner-enabled=1"
  report_has "WM_QUIT handed on to the outer loop" "$report" "quit=7"
  e2e_expect_eq "exit code" 2 "$e2e_exit_code"
}

check_exception() {
  local report="$e2e_work/exception.txt"
  start_gallery "$report"
  e2e_drive click "$gallery" BtnThrow >/dev/null
  e2e_wait_exit 10
  report_has "exception reaches the caller" "$report" "exception=thrown by a handler"
  e2e_expect_eq "exit code" 3 "$e2e_exit_code"
}

e2e_begin
[ -f "$probe" ] || { echo "FAIL: no forms probe at $probe" >&2; exit 1; }
case "$1" in
  gallery) check_gallery ;;
  quit) check_quit ;;
  exception) check_exception ;;
  *) echo "unknown case $1" >&2; exit 2 ;;
esac
e2e_end
