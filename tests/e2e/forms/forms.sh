#!/usr/bin/env bash
# The forms of the runtime under Wine, driven through the forms probe (programs/) and the e2e
# driver's dialog commands:
#   gallery   one control of every kind: clicks, rows, speed-button groups, tool buttons, link
#             labels, key preview; a nested modal form ends on Escape and gives the owner back;
#             Enter presses the default button
#   quit      a WM_QUIT posted inside a nested modal loop ends it and reaches the outer loop
#   exception a handler's exception ends the modal loop and reaches the caller
#   frame     the skinned frame: its pictures, the inactive caption while another window is
#             active, the close button lit under the mouse, a left-button drag on the caption
#             moves the window and a right-button drag does not, the close button closes (2)
#   message-35     MessageBoxForm style 35 with the package's texts: three buttons spread over
#                  the panel, Escape answers 2; message-35-enter: Enter answers the default (6)
#   message-4      style 4: Escape does nothing, closing the frame answers 2
#   resources the runtime carries every frame picture, icon, the movie picture and the texts
source "$(dirname "$0")/../lib/harness.sh"

probe="$SAVERKIT_WIN64_DIR/tests/e2e/forms/programs/forms_probe.exe"
gallery="saverkit e2e gallery"
nested="saverkit e2e nested"

report_has() {  # WHAT FILE LINE
  if e2e_wait_line "$2" "^$3\$"; then e2e_log "$1: $3"; else e2e_fail "$1: no line '$3' in $(tr '\n' ' ' <"$2")"; fi
}

start_gallery() {  # REPORT
  e2e_start "$probe" gallery "$(e2e_winpath "$1")"
  e2e_drive wait "$gallery" >/dev/null || { e2e_fail "no gallery form"; e2e_wait_exit; e2e_end; }
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
  e2e_expect_eq "first speed button up" 0 "$(e2e_component "$gallery" SBtnA checked)"
  e2e_expect_eq "second speed button down" 1 "$(e2e_component "$gallery" SBtnB checked)"
  e2e_drive click "$gallery" LabelLink >/dev/null
  report_has "link label" "$report" "link=clicked"
  e2e_drive click "$gallery" TBtnRed >/dev/null
  report_has "tool button" "$report" "tool=red"
  e2e_drive key "$gallery" F1 >/dev/null
  report_has "key preview" "$report" "preview=F1"
  e2e_expect_eq "hidden tab's sheet" 0 "$(e2e_component "$gallery" Sheet2 visible)"
  # The second tab is the third sheet's: the hidden one has none. Pages at 12,182 in the panel
  # at 8,8 of the form; tabs 80 wide.
  local rect left top
  rect=$(e2e_drive wait "$gallery" | tr -d '\r' | sed -n 's/^rect=\([-0-9]*\),\([-0-9]*\),.*/\1 \2/p')
  read -r left top <<<"$rect"
  xdotool mousemove $((left + 8 + 12 + 130)) $((top + 8 + 182 + 12)) click 1
  report_has "a click on the second tab shows the third sheet" "$report" "page=2"
  e2e_expect_eq "third sheet shown" 1 "$(e2e_component "$gallery" Sheet3 visible)"
  # A right click on the first label opens the pop-up menu; its second item is disabled.
  xdotool mousemove $((left + 48)) $((top + 23)) click 3
  e2e_wait_until "$E2E_PATIENCE" e2e_menu_open || e2e_fail "no pop-up menu"
  e2e_wait_still "$e2e_work/menu.png"
  xdotool key Down Return
  report_has "pop-up menu item" "$report" "menu=first"
  e2e_expect_eq "label text read from the form" "Every kind of control" "$(e2e_drive text "$gallery" LabelInfo | tr -d '\r')"
  # The tool bar sits on the white panel and shows its first image (red) at its left.
  e2e_expect_pixel_soon "tool bar background" "srgb(255,255,255)" "$e2e_work/gallery.png" 745 410

  e2e_drive click "$gallery" BtnNested >/dev/null
  e2e_drive wait "$nested" >/dev/null || e2e_fail "no nested form"
  e2e_expect_eq "owner disabled under the nested form" "enabled=0" "$(e2e_drive wait "$gallery" | tr -d '\r' | sed 's/.* //')"
  e2e_drive key "$nested" Escape >/dev/null
  report_has "nested form ends on Escape, owner enabled again" "$report" "nested=2 owner-enabled=1"
  e2e_drive key "$gallery" Return >/dev/null
  e2e_wait_exit
  e2e_expect_eq "Enter presses the default button: exit code" 1 "$e2e_exit_code"
  report_has "modal result" "$report" "result=1"
}

check_quit() {
  local report="$e2e_work/quit.txt"
  start_gallery "$report"
  e2e_drive click "$gallery" BtnNested >/dev/null
  e2e_drive wait "$nested" >/dev/null || e2e_fail "no nested form"
  e2e_drive click "$nested" BtnQuit >/dev/null
  e2e_wait_exit
  report_has "nested loop ended by WM_QUIT" "$report" "nested=2 owner-enabled=1"
  report_has "WM_QUIT handed on to the outer loop" "$report" "quit=7"
  e2e_expect_eq "exit code" 2 "$e2e_exit_code"
}

check_exception() {
  local report="$e2e_work/exception.txt"
  start_gallery "$report"
  e2e_drive click "$gallery" BtnThrow >/dev/null
  e2e_wait_exit
  report_has "exception reaches the caller" "$report" "exception=thrown by a handler"
  e2e_expect_eq "exit code" 3 "$e2e_exit_code"
}

frame="saverkit e2e frame"
message="saverkit e2e message"

# window_rect TITLE: "left,top,right,bottom" of the window.
window_rect() { e2e_drive wait "$1" | tr -d '\r' | sed -n 's/^rect=\([-0-9,]*\) .*/\1/p'; }
window_moved_from() { [ "$(window_rect "$frame")" != "$1" ]; }  # RECT

# A dialog moved onto a monitor of 144 DPI takes one and a half times its size, its controls and
# its fonts with it, and moved back it is as it was.
check_rescale() {
  local report="$e2e_work/rescale.txt" code=0
  e2e_run "$E2E_PATIENCE" "$probe" rescale "$(e2e_winpath "$report")" || code=$?
  e2e_expect_eq "rescale probe exit code" 0 "$code"
  local design large back
  design=$(sed -n 's/^design=//p' "$report" | tr -d '\r')
  large=$(sed -n 's/^large=//p' "$report" | tr -d '\r')
  back=$(sed -n 's/^back=//p' "$report" | tr -d '\r')
  e2e_log "client, button and font at 96 DPI: $design; at 144 DPI: $large"
  e2e_expect_eq "the frame's client area, button and font at 96 DPI" "415 244 100 29 -13" "$design"
  e2e_expect_eq "the same at 144 DPI" "623 366 150 44 -20" "$large"
  e2e_expect_eq "back at 96 DPI" "$design" "$back"
}

check_frame() {
  local report="$e2e_work/frame.txt" rect left top
  e2e_start "$probe" frame "$(e2e_winpath "$report")"
  rect=$(window_rect "$frame")
  e2e_expect_eq "frame fitted around the 392 x 183 panel, centred" "304,262,719,506" "$rect"
  left=${rect%%,*}
  top=$(echo "$rect" | cut -d, -f2)
  e2e_mouse_move 5 5
  e2e_expect_pixel_soon "active caption bar (dark blue)" "srgb(36,53,72)" "$e2e_work/frame-active.png" $((left + 260)) $((top + 30))
  e2e_expect_eq "left border" "srgb(34,50,74)" "$(e2e_pixel "$e2e_work/frame-active.png" $((left + 5)) $((top + 100)))"
  e2e_expect_eq "content panel" "srgb(255,255,255)" "$(e2e_pixel "$e2e_work/frame-active.png" $((left + 200)) $((top + 150)))"

  # Another window takes the activation until the test closes it.
  e2e_drive other-window >/dev/null &
  local other=$!
  e2e_expect_pixel_soon "inactive caption bar (grey), middle" "srgb(110,116,122)" "$e2e_work/frame-inactive.png" \
    $((left + 260)) $((top + 30))
  # The caps are JPEG pictures: their grey is one step off the middle's.
  e2e_expect_eq "inactive caption bar, left cap" "srgb(111,116,122)" \
    "$(e2e_pixel "$e2e_work/frame-inactive.png" $((left + 60)) $((top + 30)))"
  e2e_expect_eq "inactive caption bar, right cap" "srgb(111,116,122)" \
    "$(e2e_pixel "$e2e_work/frame-inactive.png" $((left + 340)) $((top + 30)))"
  e2e_drive close "saverkit e2e other" >/dev/null || e2e_fail "no other window to close"
  wait "$other" || true

  # The close button at the bar's right, 38 from the edge: lit under the mouse.
  e2e_mouse_move $((left + 415 - 38 + 8)) $((top + 14))
  e2e_expect_pixel_soon "close button lit" "srgb(232,85,63)" "$e2e_work/frame-lit.png" $((left + 415 - 38 + 3)) $((top + 8))

  xdotool mousemove $((left + 150)) $((top + 18)) mousedown 3
  sleep 0.3
  xdotool mousemove $((left + 190)) $((top + 48))
  sleep 0.3
  xdotool mouseup 3
  e2e_wait_until "$E2E_WATCH" window_moved_from "$rect" || true  # watched: it must not move
  e2e_expect_eq "a right-button drag leaves the window" "$rect" "$(window_rect "$frame")"
  xdotool mousemove $((left + 150)) $((top + 18)) mousedown 1
  sleep 0.3
  xdotool mousemove $((left + 180)) $((top + 38))
  sleep 0.3
  xdotool mousemove $((left + 210)) $((top + 58))
  sleep 0.3
  xdotool mouseup 1
  e2e_expect_soon "a left-button drag on the caption moves the window" "364,302,779,546" window_rect "$frame"

  e2e_drive click "$frame" ImageClose >/dev/null
  e2e_wait_exit
  e2e_expect_eq "the close button closes the frame: modal result" 2 "$e2e_exit_code"
}

# message_package OUT: the probe with a package whose dynamic texts name the buttons in French.
message_package() {
  local dir="$e2e_work/package"
  mkdir -p "$dir"
  convert -size 64x48 xc:'#c03020' "$dir/picture.jpg"
  cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Saver",
  "texts": {"dynamic": ["0","1","2","3","4","5","6","7","8","9","10","11","12","13","14","15","16",
                        "D'&accord","&Annuler","&Oui","&Non"]},
  "items": [ { "picture": "picture.jpg", "seconds": 3 } ] }
JSON
  "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$probe" --out "$1" --edition S >/dev/null
}

start_message() {  # STYLE
  message_package "$e2e_work/probe.exe"
  e2e_start "$e2e_work/probe.exe" message "$1" "$(e2e_winpath "$e2e_work/message.txt")"
  e2e_drive wait "$message" >/dev/null || e2e_fail "no message form"
}

check_message_35() {
  start_message 35
  local button left
  for button in "Btn1:&Oui:23" "Btn2:&Non:146" "Btn3:&Annuler:269"; do
    IFS=: read -r name text left <<<"$button"
    e2e_expect_eq "$name text" "$text" "$(e2e_drive text "$message" "$name" | tr -d '\r')"
    e2e_expect_eq "$name left" "$left" "$(e2e_component "$message" "$name" bounds | cut -d, -f1)"
  done
  e2e_wait_still "$e2e_work/message-35.png"
  e2e_drive key "$message" Escape >/dev/null
  e2e_wait_exit
  e2e_expect_eq "Escape answers" 2 "$e2e_exit_code"
}

check_message_35_enter() {
  start_message 35
  e2e_drive key "$message" Return >/dev/null
  e2e_wait_exit
  e2e_expect_eq "Enter answers the default button (Yes)" 6 "$e2e_exit_code"
}

check_message_4() {
  start_message 4
  e2e_expect_eq "no third button" 0 "$(e2e_component "$message" Btn3 visible)"
  e2e_drive key "$message" Escape >/dev/null
  if e2e_window_goes "$message"; then e2e_fail "Escape closed a message without a cancel button"; fi
  e2e_drive click "$message" ImageClose >/dev/null
  e2e_wait_exit
  e2e_expect_eq "closing the frame answers" 2 "$e2e_exit_code"
}

check_resources() {
  local report="$e2e_work/resources.txt" code=0
  e2e_run "$E2E_PATIENCE" "$probe" resources "$(e2e_winpath "$e2e_runtime")" "$(e2e_winpath "$report")" || code=$?
  e2e_expect_eq "every resource there" 0 "$code"
  e2e_expect_eq "left cap" "XTOP_0=81x49" "$(grep '^XTOP_0=' "$report")"
  e2e_expect_eq "right cap, inactive" "XTOP_3=94x49" "$(grep '^XTOP_3=' "$report")"
  e2e_expect_eq "close button" "XRKIMG_11=17x19" "$(grep '^XRKIMG_11=' "$report")"
  e2e_expect_eq "movie picture" "XJPEGXFLASH=120x90" "$(grep '^XJPEGXFLASH=' "$report")"
  e2e_expect_eq "no resource missing" "" "$(grep 'missing' "$report" || true)"
}

e2e_begin
[ -f "$probe" ] || { echo "FAIL: no forms probe at $probe" >&2; exit 1; }
case "$1" in
  gallery) check_gallery ;;
  quit) check_quit ;;
  exception) check_exception ;;
  frame) check_frame ;;
  rescale) check_rescale ;;
  message-35) check_message_35 ;;
  message-35-enter) check_message_35_enter ;;
  message-4) check_message_4 ;;
  resources) check_resources ;;
  *) echo "unknown case $1" >&2; exit 2 ;;
esac
e2e_end
