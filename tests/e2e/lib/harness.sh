# shellcheck shell=bash
# The end-to-end harness: the x86_64 Windows programs under Wine on an X display of their own.
#
# A ctest run shares one session (display, Wine prefix, persistent wineserver) between its e2e
# tests: the fixture test session.sh start prepares it, session.sh stop ends it. Tests source
# this file and call e2e_begin first. Environment (set by tests/e2e/CMakeLists.txt):
#   SAVERKIT_WIN64_DIR   the x86_64 Windows build folder (runtime and e2e driver)
#   SAVERKIT_E2E_STATE   the session's folder (display, prefix, process ids)
#   SAVERKIT_E2E_WORK    a folder of the test's own for packages and screenshots
#   SAVERKIT_SCRPACK     the native package writer
#   SAVERKIT_E2E_DISPLAY optional: use this X display instead of starting Xvfb
set -euo pipefail

readonly E2E_SKIP=77
# The package trailer's size in bytes: the last bytes of every package, after its items.
readonly E2E_TRAILER_SIZE=400
# How long a wait goes on before it counts as failed. It only keeps a failing test from using up
# its whole ctest time limit: on a busy machine a program's start under Wine can take over ten
# seconds, so no wait asserts how fast anything happens.
readonly E2E_PATIENCE=60
# How long a test watches for something that must not happen (a window that must stay, a window
# that must not move): nothing tells when it would have happened.
readonly E2E_WATCH=1
e2e_runtime="$SAVERKIT_WIN64_DIR/src/app/saverkit.exe"
e2e_driver="$SAVERKIT_WIN64_DIR/tests/e2e/driver/e2e_driver.exe"
e2e_state="$SAVERKIT_E2E_STATE"
e2e_failures=0

e2e_log() { echo "e2e: $*"; }
e2e_fail() {
  echo "FAIL: $*" >&2
  e2e_failures=$((e2e_failures + 1))
}

# Skips the test (ctest's SKIP_RETURN_CODE) when there is no Windows build to test.
e2e_require_runtime() {
  if [ ! -f "$e2e_runtime" ]; then
    echo "skipped: no x86_64 runtime at $e2e_runtime (build the win64 preset first)"
    exit "$E2E_SKIP"
  fi
  [ -f "$e2e_driver" ] || { echo "FAIL: the win64 build has no e2e driver at $e2e_driver" >&2; exit 1; }
}

e2e_wine_env() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="
  export WINEPREFIX="$e2e_state/prefix"
  export WINEARCH=win64
}

# The server stays up between the tests' programs (each start then takes milliseconds) and
# ends by itself a minute after the last one, should the stop fixture never run. Its output
# goes nowhere, so that no test's pipe stays open behind it. Wine's system services start with
# the first program a new server runs and live as long as the server: started by a test's
# program they would hold that test's output pipe, and ctest would wait for the server's last
# minute before the test counts as ended. So a new server starts them here, with no output.
e2e_keep_wineserver() {
  if wineserver -p60 </dev/null >/dev/null 2>&1; then
    wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
  fi
}

# --- session -------------------------------------------------------------------------------

e2e_free_display() {
  local n
  for n in $(seq 90 250); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo "$n"; return 0; }
  done
  return 1
}

# e2e_display_settled N PID: the display answers, or its server has ended.
e2e_display_settled() { xdpyinfo -display ":$1" >/dev/null 2>&1 || ! kill -0 "$2" 2>/dev/null; }

e2e_start_xvfb() {
  local attempt n pid
  for attempt in 1 2 3 4 5; do
    n=$(e2e_free_display) || break
    # Bounded by timeout, so an interrupted run cannot leave it behind for long.
    setsid timeout 3600 Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    pid=$!
    e2e_wait_until 5 e2e_display_settled "$n" "$pid" || true
    if xdpyinfo -display ":$n" >/dev/null 2>&1; then
      echo "export DISPLAY=:$n" >>"$e2e_state/session.env"
      echo "e2e_xvfb_pid=$pid" >>"$e2e_state/session.env"
      e2e_log "Xvfb on :$n (process $pid)"
      return 0
    fi
    kill "$pid" 2>/dev/null || true
  done
  echo "FAIL: could not start Xvfb" >&2
  return 1
}

e2e_session_start() {
  mkdir -p "$e2e_state"
  [ -f "$e2e_state/session.env" ] && e2e_session_stop
  : >"$e2e_state/session.env"
  if [ -n "${SAVERKIT_E2E_DISPLAY:-}" ]; then
    echo "export DISPLAY=$SAVERKIT_E2E_DISPLAY" >>"$e2e_state/session.env"
  else
    e2e_start_xvfb
  fi
  # shellcheck disable=SC1091
  source "$e2e_state/session.env"
  e2e_wine_env
  rm -rf "$WINEPREFIX"
  timeout 180 wineboot -i </dev/null >/dev/null 2>&1 || { echo "FAIL: wineboot could not prepare $WINEPREFIX" >&2; return 1; }
  e2e_keep_wineserver
  e2e_log "Wine prefix ready at $WINEPREFIX"
}

e2e_session_stop() {
  [ -f "$e2e_state/session.env" ] || return 0
  local e2e_xvfb_pid=""
  # shellcheck disable=SC1091
  source "$e2e_state/session.env"
  e2e_wine_env
  wineserver -k 2>/dev/null || true
  if [ -n "$e2e_xvfb_pid" ]; then
    kill "$e2e_xvfb_pid" 2>/dev/null || true
    wait "$e2e_xvfb_pid" 2>/dev/null || true
  fi
  rm -f "$e2e_state/session.env"
  rm -rf "$WINEPREFIX"
}

# Every test starts here: skip without a Windows build, join the session, get a clean folder.
e2e_begin() {
  e2e_require_runtime
  [ -f "$e2e_state/session.env" ] || { echo "FAIL: no e2e session (run the e2e.session.start fixture)" >&2; exit 1; }
  # shellcheck disable=SC1091
  source "$e2e_state/session.env"
  e2e_wine_env
  e2e_keep_wineserver
  rm -rf "$SAVERKIT_E2E_WORK"
  mkdir -p "$SAVERKIT_E2E_WORK"
  e2e_work="$SAVERKIT_E2E_WORK"
}

# Ends the test: 0 when no check failed.
e2e_end() {
  if [ "$e2e_failures" -gt 0 ]; then
    echo "$e2e_failures check(s) failed" >&2
    exit 1
  fi
  e2e_log "all checks passed"
  exit 0
}

# --- programs ------------------------------------------------------------------------------

# The Windows path of a file: Wine maps the root of the Linux file system to drive Z:.
e2e_winpath() {
  local p
  p=$(readlink -f "$1")
  echo "Z:${p//\//\\}"
}

# --- waiting ---------------------------------------------------------------------------------

# e2e_wait_until SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds
# (true) or SECONDS (whole or with a fraction) have passed (false). COMMAND runs in this shell,
# so it may leave what it saw in variables.
e2e_wait_until() {
  local whole=${1%.*} fraction=0
  [[ $1 == *.* ]] && fraction=${1#*.}
  fraction="${fraction}000000"
  local deadline=$(( ${EPOCHREALTIME/[.,]/} + whole * 1000000 + 10#${fraction:0:6} ))
  shift
  while :; do
    "$@" && return 0
    [ "${EPOCHREALTIME/[.,]/}" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# e2e_output_is EXPECTED COMMAND...: true when COMMAND prints EXPECTED; what it printed stays in
# e2e_output.
e2e_output_is() {
  e2e_output=$("${@:2}") || true
  [ "$e2e_output" = "$1" ]
}

# e2e_expect_soon WHAT EXPECTED COMMAND...: a check of something the program does in its own
# time: waits until COMMAND prints EXPECTED, and fails with what it printed last.
e2e_expect_soon() {
  local what=$1 expected=$2
  shift 2
  e2e_wait_until "$E2E_PATIENCE" e2e_output_is "$expected" "$@" || true
  e2e_expect_eq "$what" "$expected" "$e2e_output"
}

# e2e_run SECONDS PROGRAM ARGS...: runs to the end; the exit code, 124 when it had to be stopped.
e2e_run() {
  local seconds=$1
  shift
  local code=0
  timeout -k 5 "$seconds" wine "$@" || code=$?
  return "$code"
}

# e2e_start PROGRAM ARGS...: runs in the background; e2e_pid holds its process.
e2e_start() {
  timeout -k 5 $((E2E_PATIENCE * 2)) wine "$@" &
  e2e_pid=$!
}

# e2e_exited: true once the background program has ended.
e2e_exited() { ! kill -0 "$e2e_pid" 2>/dev/null; }

# e2e_wait_exit [SECONDS]: waits for the background program (at most the patience); its exit
# code goes to e2e_exit_code (124 when it had to be stopped).
e2e_wait_exit() {
  e2e_exit_code=0
  if ! e2e_wait_until "${1:-$E2E_PATIENCE}" e2e_exited; then
    kill "$e2e_pid" 2>/dev/null || true
    wait "$e2e_pid" 2>/dev/null || true
    e2e_exit_code=124
    return 0
  fi
  wait "$e2e_pid" || e2e_exit_code=$?
}

# The driver (tests/e2e/driver) run to its end.
e2e_drive() { e2e_run "$E2E_PATIENCE" "$e2e_driver" "$@"; }

# e2e_component TITLE NAME KEY: one field (caption, visible, enabled, checked, itemIndex, items,
# bounds, parent, ...) of the form's own description of its component NAME.
e2e_component() { e2e_drive describe "$1" "$2" | tr -d '\r' | sed -n "s/^$3=//p"; }

# --- windows, screen and input -------------------------------------------------------------

# e2e_window TITLE: true when a window with exactly this title exists.
e2e_window() { xdotool search --name "^${1}\$" >/dev/null 2>&1; }

# e2e_wait_window TITLE [SECONDS]: true once a window with exactly this title exists.
e2e_wait_window() { e2e_wait_until "${2:-$E2E_PATIENCE}" e2e_window "$1"; }

# e2e_window_goes TITLE: watches the window for a while; true (a fault, where it must stay) as
# soon as it is gone.
e2e_window_goes() { e2e_wait_until "$E2E_WATCH" e2e_no_window "^${1}\$"; }

# e2e_wait_line FILE PATTERN [SECONDS]: true once a line of FILE matches the pattern.
e2e_wait_line() { e2e_wait_until "${3:-$E2E_PATIENCE}" grep -q "$2" "$1" 2>/dev/null; }

# e2e_no_window PATTERN: true when no window title matches the pattern.
e2e_no_window() { ! xdotool search --name "$1" >/dev/null 2>&1; }

e2e_screenshot() { import -display "$DISPLAY" -window root "$1"; }

# e2e_pixel SHOT X Y: the pixel as ImageMagick prints it, e.g. srgb(24,48,112). A screenshot
# with no colour in it would print as gray(0) without the true-colour type.
e2e_pixel() { convert "$1" -type TrueColor -format "%[pixel:p{$2,$3}]" info:; }

# e2e_pixel_is SHOT X Y COLOUR: true when the pixel is exactly COLOUR (as e2e_pixel prints it).
e2e_pixel_is() { [ "$(e2e_pixel "$1" "$2" "$3")" = "$4" ]; }

# e2e_shot_then SHOT COMMAND ARGS...: takes a screenshot into SHOT, then runs COMMAND SHOT ARGS...
e2e_shot_then() { e2e_screenshot "$1" && "$2" "$1" "${@:3}"; }

# e2e_wait_screen SHOT COMMAND ARGS...: takes screenshots into SHOT until COMMAND SHOT ARGS...
# sees what it looks for there; false after the patience. SHOT keeps the last screenshot.
e2e_wait_screen() { e2e_wait_until "$E2E_PATIENCE" e2e_shot_then "$@"; }

# e2e_expect_pixel_soon WHAT COLOUR SHOT X Y: waits until the screen shows COLOUR at X, Y; fails
# with the colour it showed last.
e2e_expect_pixel_soon() {
  e2e_wait_screen "$3" e2e_pixel_is "$4" "$5" "$2" || true
  e2e_expect_eq "$1" "$2" "$(e2e_pixel "$3" "$4" "$5")"
}

# e2e_shot_is_still SHOT: takes a screenshot into SHOT; true when it is the same as the one before.
e2e_shot_is_still() {
  local previous="$1.previous.png" same=1
  [ -f "$previous" ] && [ "$(compare -metric AE "$previous" "$1" null: 2>&1 || true)" = 0 ] && same=0
  cp "$1" "$previous"
  return "$same"
}

# e2e_wait_still SHOT: a screenshot once the screen has stopped changing (two in a row are the
# same): a window that has just appeared may still be painting, more so on a busy machine.
e2e_wait_still() {
  rm -f "$1.previous.png"
  e2e_wait_screen "$1" e2e_shot_is_still || true
  rm -f "$1.previous.png"
}

# e2e_menu_open: true while a pop-up menu shows.
e2e_menu_open() { e2e_drive menu >/dev/null; }

e2e_mouse_move() { xdotool mousemove "$1" "$2"; }
e2e_key() { xdotool key "$1"; }
e2e_click() { xdotool click "${1:-1}"; }

# --- packages ------------------------------------------------------------------------------

# e2e_package OUT EDITION: a screen saver of one picture (encoded now) written by scrpack.
e2e_package() {
  local out=$1 edition=$2 dir
  dir="$e2e_work/package"
  mkdir -p "$dir"
  [ -f "$dir/picture.jpg" ] || convert -size 64x48 xc:'#c03020' "$dir/picture.jpg"
  [ -f "$dir/manifest.json" ] || cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Saver", "description": "Made by the end-to-end tests.",
  "items": [ { "picture": "picture.jpg", "seconds": 3 } ] }
JSON
  "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$out" --edition "$edition" >/dev/null
}

# e2e_tone_wav FILE: a second of a quiet tone, 8 kHz mono, for a package's music.
e2e_tone_wav() {
  python3 - "$1" <<'PY'
import math, struct, sys, wave
w = wave.open(sys.argv[1], "wb")
w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
w.writeframes(b"".join(struct.pack("<h", int(6000 * math.sin(i * 0.1))) for i in range(8000)))
w.close()
PY
}

# e2e_standin_movie FILE: a file with a Flash movie's signature, for a package's movie item; no
# player is needed to pack or to list it.
e2e_standin_movie() { printf 'FWS\x06\x20\x00\x00\x00a stand-in movie' >"$1"; }

# e2e_damage_trailer FILE: breaks one byte of the signature in the file's trailer.
e2e_damage_trailer() {
  local size
  size=$(stat -c %s "$1")
  printf '\x00' | dd of="$1" bs=1 seek=$((size - E2E_TRAILER_SIZE + 25)) conv=notrunc status=none
}

# --- checks --------------------------------------------------------------------------------

e2e_expect_eq() {  # WHAT EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then e2e_fail "$1: expected '$2', got '$3'"; else e2e_log "$1: $3"; fi
}

# e2e_own_prefix: switches WINEPREFIX to a fresh prefix of this test, for settings no other test
# may see. Its server and folder go when the script ends.
e2e_own_prefix() {
  export WINEPREFIX="$e2e_work/prefix"
  trap 'WINEPREFIX="$e2e_work/prefix" wineserver -k 2>/dev/null || true; rm -rf "$e2e_work/prefix"' EXIT
  timeout 180 wineboot -i </dev/null >/dev/null 2>&1 || { echo "FAIL: wineboot for the test's prefix" >&2; exit 1; }
  e2e_keep_wineserver
}

# e2e_restart_wineserver: a registry value that Wine reads at start (the DPI, the monitors) takes
# effect in the next server; the test's programs then start it again.
e2e_restart_wineserver() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  e2e_keep_wineserver
}

# e2e_use_standin_flash: switches to a prefix of this test (e2e_own_prefix) with the stand-in
# Flash control (tests/e2e/media/programs) registered under the player's class id, so that no
# other test ever finds a "player".
e2e_use_standin_flash() {
  local key='HKCR\CLSID\{D27CDB6E-AE6D-11CF-96B8-444553540000}'
  cp "$SAVERKIT_WIN64_DIR/tests/e2e/media/programs/standin_flash.dll" "$e2e_work/standin_flash.dll"
  e2e_own_prefix
  wine reg add "$key\\InprocServer32" /ve /d "$(e2e_winpath "$e2e_work/standin_flash.dll")" /f >/dev/null 2>&1
  wine reg add "$key\\InprocServer32" /v ThreadingModel /d Apartment /f >/dev/null 2>&1
}
