#!/usr/bin/env bash
# The transition control in a real window: a non-threaded and a threaded run complete, then a
# manual run paused at 50 % shows the new picture on the left half and the old on the right; the
# mouse entering and leaving the control reaches its OnMouseEnter and OnMouseLeave.
source "$(dirname "$0")/../lib/harness.sh"
e2e_begin

program="$SAVERKIT_WIN64_DIR/tests/e2e/pictrans/program/pictrans_e2e_window.exe"
[ -f "$program" ] || { echo "FAIL: the win64 build has no $program" >&2; exit 1; }

readonly blue="srgb(30,60,200)" green="srgb(30,160,60)"

e2e_mouse_move 700 600
e2e_start "$program"
if e2e_wait_window "pictrans-e2e: paused"; then
  # The window's client area is (100, 100) to (500, 300) on the screen; the wipe has reached x = 300.
  e2e_expect_pixel_soon "left edge" "$blue" "$e2e_work/paused.png" 101 150
  e2e_expect_eq "just left of the middle" "$blue" "$(e2e_pixel "$e2e_work/paused.png" 299 299)"
  e2e_expect_eq "just right of the middle" "$green" "$(e2e_pixel "$e2e_work/paused.png" 300 101)"
  e2e_expect_eq "right edge" "$green" "$(e2e_pixel "$e2e_work/paused.png" 498 250)"
  e2e_mouse_move 300 200
  e2e_wait_window "pictrans-e2e: mouse in" || e2e_fail "OnMouseEnter did not come"
  e2e_mouse_move 700 600
  e2e_wait_window "pictrans-e2e: mouse out" || e2e_fail "OnMouseLeave did not come"
  e2e_drive close "pictrans-e2e: mouse out" >/dev/null || e2e_drive close "pictrans-e2e: mouse in" >/dev/null ||
    e2e_drive close "pictrans-e2e: paused" >/dev/null || true
else
  e2e_fail "the window never paused: $(xdotool search --name '^pictrans-e2e' getwindowname 2>/dev/null || echo 'no window')"
fi
e2e_wait_exit
e2e_expect_eq "exit code" 0 "$e2e_exit_code"
e2e_end
