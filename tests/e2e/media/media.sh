#!/usr/bin/env bash
# The media pieces of the runtime under Wine, driven by the media probe (programs/):
#   flash-fallback  the Flash host with no player installed shows the install request
#   flash-player    the host with our stand-in control registered in a prefix of the test's own
#   registry        RegWriteInt / RegReadInt against what `wine reg` sees
#   music           a music window created, opened with a generated WAV, played and destroyed,
#                   never on screen
#   hover           the hover image reports the mouse leaving it
#   resources       raw-data resources read whole and decoded as JPEG at two scales
source "$(dirname "$0")/../lib/harness.sh"

probe="$SAVERKIT_WIN64_DIR/tests/e2e/media/programs/media_probe.exe"
flash_key='HKCR\CLSID\{D27CDB6E-AE6D-11CF-96B8-444553540000}'

# report_value FILE KEY: the value of "KEY=..." in a probe report (empty when absent).
report_value() { sed -n "s/^$2=//p" "$1" | tr -d '\r' | head -n 1; }

# run_probe ARGS...: runs the probe and fails the test when it crashes or hangs.
run_probe() {
  local code=0
  e2e_run "$E2E_PATIENCE" "$probe" "$@" || code=$?
  e2e_expect_eq "media_probe $1 exit code" 0 "$code"
}

# A movie file for the player to load; the stand-in only checks that it exists.
make_movie() { printf 'FWS\x06' >"$1"; }

check_fallback() {
  local report="$e2e_work/fallback.txt" movie="$e2e_work/movie.swf"
  make_movie "$movie"
  if wine reg query "$flash_key" >/dev/null 2>&1; then
    echo "FAIL: the session prefix has a Flash control registered" >&2
    exit 1
  fi
  run_probe flash "$(e2e_winpath "$movie")" "$(e2e_winpath "$e2e_work")\\fallback.txt"
  e2e_expect_eq "host made" 1 "$(report_value "$report" host)"
  e2e_expect_eq "player" 0 "$(report_value "$report" player)"
  e2e_expect_eq "hidden when made" 0 "$(report_value "$report" visible_at_creation)"
  e2e_expect_eq "install request" 'Please install the\nAdobe Flash Player...' "$(report_value "$report" label)"
  e2e_expect_eq "movie after a write" "" "$(report_value "$report" movie)"
  e2e_expect_eq "total frames" 0 "$(report_value "$report" total)"
  e2e_expect_eq "frame" 0 "$(report_value "$report" frame_b)"
  e2e_expect_eq "playing" 0 "$(report_value "$report" playing)"
  e2e_expect_eq "mouse move on the request" "20 30 left" "$(report_value "$report" event_mousemove)"
  e2e_expect_eq "click on the request" 1 "$(report_value "$report" event_click)"
  e2e_expect_eq "popup without a menu" 0 "$(report_value "$report" popups_without_menu)"
  e2e_expect_eq "popup with a menu" 1 "$(report_value "$report" popups_with_menu)"
  e2e_expect_eq "probe finished" 1 "$(report_value "$report" done)"
}

check_player() {
  local report="$e2e_work/player.txt" movie="$e2e_work/movie.swf" log="$e2e_work/standin.log"
  make_movie "$movie"
  e2e_use_standin_flash
  SAVERKIT_STANDIN_FLASH_LOG="$(e2e_winpath "$e2e_work")\\standin.log" \
    run_probe flash "$(e2e_winpath "$movie")" "$(e2e_winpath "$e2e_work")\\player.txt"

  e2e_expect_eq "player" 1 "$(report_value "$report" player)"
  e2e_expect_eq "movie path" "$(e2e_winpath "$movie")" "$(report_value "$report" movie)"
  e2e_expect_eq "total frames" 40 "$(report_value "$report" total)"
  local a b
  a=$(report_value "$report" frame_a)
  b=$(report_value "$report" frame_b)
  if [ -z "$a" ] || [ -z "$b" ] || [ "$b" -le "$a" ]; then e2e_fail "frames do not advance: $a then $b"; else e2e_log "frames advance: $a then $b"; fi
  e2e_expect_eq "playing" 1 "$(report_value "$report" playing)"
  e2e_expect_eq "mouse move event" "20 30 left" "$(report_value "$report" event_mousemove)"
  e2e_expect_eq "click event" 1 "$(report_value "$report" event_click)"
  e2e_expect_eq "popup without a menu" 0 "$(report_value "$report" popups_without_menu)"
  e2e_expect_eq "popup with a menu" 1 "$(report_value "$report" popups_with_menu)"
  e2e_expect_eq "moved by" "40 50" "$(report_value "$report" moved_by)"
  e2e_expect_eq "movie finished" 1 "$(report_value "$report" finished)"
  e2e_expect_eq "last frame" 39 "$(report_value "$report" end_frame)"

  # What reached the control: loop and menu off at creation, the mouse after the host saw it,
  # never a right button press, the right button release only while the host has no popup
  # menu, one new layout for the one change of size only, and the movie's end before the host
  # let it go.
  local expected_log actual_log
  expected_log=$(printf '%s\n' "activated 0 0 0 0" "Loop 0" "Menu 0" "rects 0 0 320 240" "movie loaded, 40 frames" \
    "play" "control mousemove 20 30" "control lbuttonup" "control rbuttonup" "rects 0 0 400 300" \
    "last frame 39" "deactivated")
  actual_log=$(tr -d '\r' <"$log")
  e2e_expect_eq "control log" "$expected_log" "$actual_log"
}

check_registry() {
  local key='Software\Varnimo\saverkit e2e media' report="$e2e_work/registry.txt"
  wine reg delete "HKCU\\$key" /f >/dev/null 2>&1 || true
  run_probe registry-write "\\$key" MRA 0
  run_probe registry-write "\\$key" Mute -2
  e2e_expect_eq "MRA as wine reg sees it" "REG_DWORD 0x0" \
    "$(wine reg query "HKCU\\$key" /v MRA 2>/dev/null | tr -d '\r' | awk '$1 == "MRA" {print $2, $3}')"
  e2e_expect_eq "Mute as wine reg sees it" "REG_DWORD 0xfffffffe" \
    "$(wine reg query "HKCU\\$key" /v Mute 2>/dev/null | tr -d '\r' | awk '$1 == "Mute" {print $2, $3}')"
  wine reg add "HKCU\\$key" /v MROP /t REG_DWORD /d 7 /f >/dev/null 2>&1
  wine reg add "HKCU\\$key" /v Text /t REG_SZ /d 5 /f >/dev/null 2>&1
  local name expected
  for name_expected in "MRA 0" "Mute -2" "MROP 7" "Text 9" "Missing 9"; do
    read -r name expected <<<"$name_expected"
    run_probe registry-read "\\$key" "$name" 9 "$(e2e_winpath "$e2e_work")\\registry.txt"
    e2e_expect_eq "RegReadInt $name" "$expected" "$(report_value "$report" value)"
  done
  run_probe registry-read "\\Software\\Varnimo\\no such key" MRA 1 "$(e2e_winpath "$e2e_work")\\registry.txt"
  e2e_expect_eq "RegReadInt without the key" 1 "$(report_value "$report" value)"
  wine reg delete "HKCU\\$key" /f >/dev/null 2>&1 || true
}

check_music() {
  local report="$e2e_work/music.txt" wav="$e2e_work/tone.wav"
  python3 - "$wav" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
    w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / 8000))) for i in range(8000)))
PY
  # Without a sound card the device may refuse to play: the mode is whatever Wine reports.
  run_probe music "$(e2e_winpath "$wav")" "$(e2e_winpath "$e2e_work")\\music.txt"
  e2e_expect_eq "music window created" 1 "$(report_value "$report" created)"
  e2e_expect_eq "window alive before destroy" 1 "$(report_value "$report" window_before_destroy)"
  e2e_expect_eq "window gone after destroy" 0 "$(report_value "$report" window_after_destroy)"
  e2e_expect_eq "the player's window never on screen" 0 "$(report_value "$report" seen)"
  e2e_log "opened $(report_value "$report" opened), modes $(report_value "$report" mode_after_open) / $(report_value "$report" mode_after_play)"
  run_probe music "$(e2e_winpath "$e2e_work")\\missing.wav" "$(e2e_winpath "$e2e_work")\\music.txt"
  e2e_expect_eq "missing file not opened" 0 "$(report_value "$report" opened)"
  e2e_expect_eq "window gone after a failed open" 0 "$(report_value "$report" window_after_destroy)"
}

check_hover() {
  local report="$e2e_work/hover.txt"
  run_probe hover "$(e2e_winpath "$e2e_work")\\hover.txt"
  e2e_expect_eq "inside after entering" 1 "$(report_value "$report" inside)"
  e2e_expect_eq "outside after leaving" 0 "$(report_value "$report" inside_after_leave)"
  e2e_expect_eq "OnMouseOut without OnMouseIn" 1 "$(report_value "$report" mouse_outs)"
}

check_resources() {
  local report="$e2e_work/resources.txt"
  run_probe resources "$(e2e_winpath "$e2e_work")" "$(e2e_winpath "$e2e_work")\\resources.txt"
  e2e_expect_eq "stream of a resource" 1 "$(report_value "$report" stream_picture)"
  e2e_expect_eq "stream holds the resource's bytes" 1 "$(report_value "$report" stream_same_bytes)"
  e2e_expect_eq "stream of a missing resource" 0 "$(report_value "$report" stream_missing)"
  e2e_expect_eq "stream emptied first" 1 "$(report_value "$report" stream_emptied)"
  e2e_expect_eq "JPEG at full size" "1 48x32" "$(report_value "$report" jpeg_scale0)"
  e2e_expect_eq "JPEG at an eighth" "1 6x4" "$(report_value "$report" jpeg_scale3)"
  e2e_expect_eq "a resource that is no JPEG" 0 "$(report_value "$report" jpeg_not_a_picture)"
  e2e_expect_eq "a missing JPEG resource" 0 "$(report_value "$report" jpeg_missing)"
  e2e_expect_eq "picture kept after failures" 5x5 "$(report_value "$report" kept_size)"
}

e2e_begin
[ -f "$probe" ] || { echo "FAIL: the win64 build has no media probe at $probe" >&2; exit 1; }
case "${1:-}" in
  flash-fallback) check_fallback ;;
  flash-player) check_player ;;
  registry) check_registry ;;
  music) check_music ;;
  hover) check_hover ;;
  resources) check_resources ;;
  *) echo "usage: media.sh flash-fallback|flash-player|registry|music|hover|resources" >&2; exit 2 ;;
esac
e2e_end
