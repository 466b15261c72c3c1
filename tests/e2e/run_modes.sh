#!/usr/bin/env bash
# The runtime decides its role from its extension, its edition byte and its command line.
# Usage: run_modes.sh CASE (one ctest test per case; see CMakeLists.txt).
source "$(dirname "$0")/lib/harness.sh"
e2e_begin

readonly show_colour="srgb(0,0,0)"  # the show window's fill: the package's background colour, black when none is given

# A show covers the whole screen and ends on the given input; "small-move" first proves that
# a move of at most 5 pixels does not end it.
expect_show_until() {  # INPUT PROGRAM ARGS...
  local input=$1
  shift
  e2e_mouse_move 500 400
  e2e_start "$@"
  if ! e2e_wait_window "saverkit: show"; then
    e2e_fail "$(basename "$1") ${*:2}: no show window"
    e2e_wait_exit
    return
  fi
  e2e_expect_pixel_soon "show colour at the top left" "$show_colour" "$e2e_work/show.png" 2 2
  e2e_expect_pixel_soon "show colour at the bottom right" "$show_colour" "$e2e_work/show.png" 1021 765
  e2e_expect_eq "show window" "owned=1 taskbar=0 topmost=1 rect=0,0,1024,768" "$(e2e_drive inspect "saverkit: show" | tr -d '\r')"
  e2e_mouse_move 504 396
  if e2e_window_goes "saverkit: show"; then e2e_fail "a move of 4 pixels ended the show"; fi
  case "$input" in
    mouse) e2e_mouse_move 540 400 ;;
    key) e2e_key Escape ;;
    click) e2e_click 1 ;;
  esac
  e2e_wait_exit
  e2e_expect_eq "show ended by $input, exit code" 0 "$e2e_exit_code"
}

# Ends by itself (it is not stopped at the time limit), without any window.
expect_quiet_exit() {  # PROGRAM ARGS...
  local code=0
  e2e_run "$E2E_PATIENCE" "$@" || code=$?
  e2e_expect_eq "$(basename "$1") ${*:2}: exit code" 0 "$code"
  e2e_no_window "^saverkit" || e2e_fail "$(basename "$1") ${*:2} left a window"
}

# A dialog-like window appears; the test closes it as a user would and the program ends.
expect_dialog() {  # TITLE TASKBAR PROGRAM ARGS...
  local title=$1 taskbar=$2
  shift 2
  e2e_start "$@"
  if e2e_wait_window "$title"; then
    e2e_expect_eq "$title: taskbar button" "taskbar=$taskbar" \
      "$(e2e_drive inspect "$title" | tr -d '\r' | grep -o 'taskbar=[01]')"
    e2e_drive close "$title" >/dev/null
  else
    e2e_fail "$(basename "$1") ${*:2}: no window '$title'"
  fi
  e2e_wait_exit
  e2e_expect_eq "$title closed, exit code" 0 "$e2e_exit_code"
}

case "${1:-}" in
  exe-setup-copy)
    e2e_package "$e2e_work/Saver.exe" E
    # The wizard's title: dynamic text 21 (the package has no texts, so the program's own), one
    # blank and the screen saver's name.
    expect_dialog "Screen Saver Setup E2E Saver" 1 "$e2e_work/Saver.exe"
    cp "$e2e_work/Saver.exe" "$e2e_work/LOUD.EXE"
    expect_dialog "Screen Saver Setup E2E Saver" 1 "$e2e_work/LOUD.EXE" /s
    ;;
  exe-installed-copy)
    e2e_package "$e2e_work/Saver.exe" S
    expect_show_until mouse "$e2e_work/Saver.exe"
    ;;
  exe-damaged-trailer)
    e2e_package "$e2e_work/Saver.exe" E
    e2e_damage_trailer "$e2e_work/Saver.exe"
    expect_show_until key "$e2e_work/Saver.exe"
    cp "$e2e_runtime" "$e2e_work/Bare.exe"  # no package at all
    expect_show_until click "$e2e_work/Bare.exe"
    ;;
  scr-setup-copy)
    e2e_package "$e2e_work/Setup.scr" E
    expect_quiet_exit "$e2e_work/Setup.scr" /s
    expect_quiet_exit "$e2e_work/Setup.scr" /p 1234
    expect_quiet_exit "$e2e_work/Setup.scr"
    expect_dialog "Uninstall" 1 "$e2e_work/Setup.scr" /u
    ;;
  scr-show)
    e2e_package "$e2e_work/Saver.scr" S
    expect_show_until click "$e2e_work/Saver.scr" /s
    expect_show_until key "$e2e_work/Saver.scr" -S
    expect_show_until mouse "$e2e_work/Saver.scr" /p:x
    ;;
  scr-password)
    e2e_package "$e2e_work/Saver.scr" S
    expect_quiet_exit "$e2e_work/Saver.scr" /a
    expect_quiet_exit "$e2e_work/Saver.scr" /a 1234
    ;;
  scr-configure)
    # The dialog's title is the package's name, a blank and dynamic text 13, here the program's
    # own, as this package carries no texts.
    e2e_package "$e2e_work/Saver.scr" S
    expect_dialog "E2E Saver Settings" 1 "$e2e_work/Saver.scr"
    expect_dialog "E2E Saver Settings" 1 "$e2e_work/Saver.scr" /c
    out=$(e2e_drive owned-config "$(e2e_winpath "$e2e_work/Saver.scr")" "E2E Saver Settings" | tr -d '\r') ||
      e2e_fail "configuration owned by a host: $out"
    e2e_log "$out"
    ;;
  scr-preview)
    # Wine does not draw a child window that belongs to another process, so the screen cannot
    # show the preview; the driver checks that it is the host's child filling its client area,
    # and that it ends when the host window is destroyed.
    e2e_package "$e2e_work/Saver.scr" S
    code=0
    out=$(e2e_drive preview "$(e2e_winpath "$e2e_work/Saver.scr")" 2>&1 | tr -d '\r') || code=$?
    echo "$out"
    e2e_expect_eq "preview filled its host and ended with it" 0 "$code"
    ;;
  scr-uninstall)
    e2e_package "$e2e_work/Saver.scr" S
    # The uninstaller's question, closed: nothing is removed.
    expect_dialog "Uninstall" 1 "$e2e_work/Saver.scr" /u
    [ -f "$e2e_work/Saver.scr" ] || e2e_fail "closing the question removed the screen saver"
    ;;
  *)
    echo "unknown case '${1:-}'" >&2
    exit 2
    ;;
esac
e2e_end
