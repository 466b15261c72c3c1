#!/bin/bash
# A screen saver runs for hours: shows many 1920 x 1080 pictures through transition effects at the
# shortest display time, with a movie item (the stand-in Flash control, registered in a prefix of
# this test's own) and music that is opened again every few seconds, and checks that memory
# stays flat and no temporary file is left.
#   soak.sh [ITEMS [WINDOW]]   defaults 500 and 50 (the full run takes about twelve minutes)
# Resident memory is read from outside twice a second. Within one item it swings by a quarter
# (transition buffers come and go), and the peak of a stretch of items depends on which items
# and transitions meet in it (a run of 60 read 71, 69, 62, 62, 62 and 71 MB in steps of ten
# items), so single readings and single windows prove nothing. The check compares the peak of the
# last WINDOW items with the highest reading before them: a leak lifts the late peak above
# everything earlier; a buffer that meets its largest picture late does not, since every picture
# and every effect has been met before. Each picture carries a fixed pair of effects from every
# family, so that holds whatever the clock-seeded show draws: the shuffled order repeats.
# The ctest entry e2e.show.soak runs a short version; tests/e2e/show/CMakeLists.txt tells how
# to make it the full run.
# shellcheck source=../lib/harness.sh
source "$(dirname "$0")/../lib/harness.sh"
# shellcheck source=show_lib.sh
source "$(dirname "$0")/show_lib.sh"
e2e_begin

items=${1:-500}
window=${2:-50}
# In and out effects per picture: stretches, slides, wipes, curves, combs, ragged edges,
# triangles, the cross-fade, rotations, fringes and squares.
readonly in_effects=(51 7 58 65 86 100 110 118 119 121 123 127)
readonly out_effects=(1 30 60 70 80 105 115 120 122 124 126 45)
readonly pictures=${#in_effects[@]}
# One second on screen plus a fast transition in and out.
readonly item_ms=1250

dir="$e2e_work/package"
mkdir -p "$dir"
entries=""
for i in $(seq 1 "$pictures"); do
  convert -size 1920x1080 "gradient:hsl($((i * 30)),80%,40%)-hsl($((i * 30 + 90)),80%,70%)" \
    -swirl $((i * 40)) -quality 85 "$dir/p$i.jpg"
  entries+="${entries:+,} { \"picture\": \"p$i.jpg\", \"seconds\": 1, \"effect\": ${in_effects[i - 1]}, \"step\": 25,
      \"delay\": 5, \"outEffect\": ${out_effects[i - 1]}, \"outStep\": 25, \"outDelay\": 5 }"
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
e2e_wait_window "saverkit: show" || e2e_fail "no show window"
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
e2e_wait_exit
e2e_expect_eq "the show ended on Escape" 0 "$e2e_exit_code"

window_ms=$(( window * item_ms ))
peak() { awk -v from="$1" -v to="$2" '$1 >= from && $1 < to && $2 > peak { peak = $2 } END { print peak + 0 }' "$samples"; }
earlier_peak=$(peak 0 $(( run_ms - window_ms )))
late_peak=$(peak $(( run_ms - window_ms )) "$run_ms")
e2e_log "resident memory, peak before the last $window items: $earlier_peak kB; of the last $window items: $late_peak kB"
e2e_log "readings: $(wc -l <"$samples"), lowest $(sort -n -k2 "$samples" | head -1 | cut -d' ' -f2) kB, highest $(sort -n -k2 "$samples" | tail -1 | cut -d' ' -f2) kB"
if [ "$earlier_peak" -le 0 ] || [ "$late_peak" -le 0 ]; then
  e2e_fail "no memory readings"
elif [ "$late_peak" -gt $(( earlier_peak + earlier_peak / 10 )) ]; then
  e2e_fail "resident memory grew: peak $earlier_peak kB before, $late_peak kB at the end (more than 10%)"
else
  e2e_log "resident memory flat: peak $earlier_peak kB before the last items, $late_peak kB in them"
fi
e2e_log "temporary files while the show ran: $temp_during"
e2e_expect_eq "temporary files left behind" 0 "$(temp_files)"
e2e_end
