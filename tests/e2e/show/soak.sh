#!/bin/bash
# A screen saver runs for hours: shows many 1920 x 1080 pictures through random effects at the
# shortest display time, with a movie item (the stand-in Flash control, registered in a prefix of
# this test's own) and music that is opened again every few seconds, and checks that memory
# stays flat and no temporary file is left.
#   soak.sh [ITEMS [WINDOW]]   defaults 500 and 50 (the full run takes about twelve minutes)
# Resident memory is read from outside twice a second. Within one item it swings by a quarter
# (transition buffers come and go), so single readings prove nothing: the check compares the peak
# of a window of WINDOW items after a warm-up of WINDOW items with the peak of the last WINDOW
# items. A leak raises the late peak; a buffer that meets its largest picture late does not,
# since every picture is met in the warm-up.
# The ctest entry e2e.show.soak runs a short version; tests/e2e/show/CMakeLists.txt tells how
# to make it the full run.
# shellcheck source=../lib/harness.sh
source "$(dirname "$0")/../lib/harness.sh"
# shellcheck source=show_lib.sh
source "$(dirname "$0")/show_lib.sh"
e2e_begin

items=${1:-500}
window=${2:-50}
readonly pictures=12
# One second on screen plus a fast transition in and out.
readonly item_ms=1250

dir="$e2e_work/package"
mkdir -p "$dir"
entries=""
for i in $(seq 1 "$pictures"); do
  convert -size 1920x1080 "gradient:hsl($((i * 30)),80%,40%)-hsl($((i * 30 + 90)),80%,70%)" \
    -swirl $((i * 40)) -quality 85 "$dir/p$i.jpg"
  entries+="${entries:+,} { \"picture\": \"p$i.jpg\", \"seconds\": 1, \"effect\": -1, \"step\": 25, \"delay\": 5,
      \"outEffect\": -1, \"outStep\": 25, \"outDelay\": 5 }"
done
printf 'FWS\x06 a movie' >"$dir/movie.swf"
entries+=", { \"movie\": \"movie.swf\", \"seconds\": 1, \"fixedPosition\": true, \"x\": 100, \"y\": 100,
    \"width\": 640, \"height\": 360 }"
make_wav "$dir/tone.wav" 1
cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Soak", "description": "Many large pictures.", "designWidth": 1920, "designHeight": 1080,
  "randomOrder": true, "cursorVisible": true, "items": [ $entries ],
  "music": [ { "path": "tone.wav", "name": "Tone" } ] }
JSON
"$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Soak.scr" --edition S >/dev/null

e2e_use_standin_flash
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

e2e_mouse_move 500 400
timeout -k 5 $(( items * item_ms / 1000 + 180 )) wine "$e2e_work/Soak.scr" /s &
e2e_pid=$!
e2e_wait_window "saverkit: show" 60 || e2e_fail "no show window"
# The Windows program is the process whose command line starts with the package's path.
saver=$(pgrep -f "^$e2e_work/Soak.scr /s" | head -1 || true)
[ -n "$saver" ] || { e2e_fail "cannot find the saver's process"; e2e_end; }

# Half-second readings: "elapsed-ms rss-kB" per line.
samples="$e2e_work/rss.txt"
: >"$samples"
started=$(date +%s%N)
run_ms=$(( items * item_ms ))
while :; do
  elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
  [ "$elapsed" -ge "$run_ms" ] && break
  echo "$elapsed $(rss_kb "$saver")" >>"$samples"
  sleep 0.5
done
kill -0 "$saver" 2>/dev/null || e2e_fail "the show ended by itself"
temp_during=$(temp_files)

e2e_key Escape
e2e_wait_exit 10
e2e_expect_eq "the show ended on Escape" 0 "$e2e_exit_code"

window_ms=$(( window * item_ms ))
peak() { awk -v from="$1" -v to="$2" '$1 >= from && $1 < to && $2 > peak { peak = $2 } END { print peak + 0 }' "$samples"; }
warm_peak=$(peak "$window_ms" $(( 2 * window_ms )))
late_peak=$(peak $(( run_ms - window_ms )) "$run_ms")
e2e_log "resident memory, peak of items $window-$((2 * window)): $warm_peak kB; of the last $window items: $late_peak kB"
e2e_log "readings: $(wc -l <"$samples"), lowest $(sort -n -k2 "$samples" | head -1 | cut -d' ' -f2) kB, highest $(sort -n -k2 "$samples" | tail -1 | cut -d' ' -f2) kB"
if [ "$warm_peak" -le 0 ] || [ "$late_peak" -le 0 ]; then
  e2e_fail "no memory readings"
elif [ "$late_peak" -gt $(( warm_peak + warm_peak / 10 )) ]; then
  e2e_fail "resident memory grew: peak $warm_peak kB after the warm-up, $late_peak kB at the end (more than 10%)"
else
  e2e_log "resident memory flat after the warm-up: peak $warm_peak kB -> $late_peak kB"
fi
e2e_log "temporary files while the show ran: $temp_during"
e2e_expect_eq "temporary files left behind" 0 "$(temp_files)"
e2e_end
