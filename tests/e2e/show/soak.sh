#!/bin/bash
# A screen saver runs for hours: shows many 1920 x 1080 pictures through random effects at the
# shortest display time and compares the process's resident memory, read from outside, after the
# first items with what it is at the end.
#   soak.sh [ITEMS [EARLY]]   defaults 500 and 50 (the full run takes about ten minutes)
# The ctest entry e2e.show.soak runs a short version; tests/e2e/show/CMakeLists.txt tells how
# to make it the full run.
# shellcheck source=../lib/harness.sh
source "$(dirname "$0")/../lib/harness.sh"
e2e_begin

items=${1:-500}
early=${2:-50}
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
cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Soak", "description": "Many large pictures.", "designWidth": 1920, "designHeight": 1080,
  "randomOrder": true, "cursorVisible": true, "items": [ $entries ] }
JSON
"$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Soak.scr" --edition S >/dev/null

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

e2e_mouse_move 500 400
timeout -k 5 $(( items * item_ms / 1000 + 120 )) wine "$e2e_work/Soak.scr" /s &
e2e_pid=$!
e2e_wait_window "saverkit: show" || e2e_fail "no show window"
# The Windows program is the process whose command line starts with the package's path.
saver=$(pgrep -f "^$e2e_work/Soak.scr /s" | head -1 || true)
[ -n "$saver" ] || { e2e_fail "cannot find the saver's process"; e2e_end; }

sleep $(( early * item_ms / 1000 ))
early_rss=$(rss_kb "$saver")
e2e_log "after about $early items: VmRSS $early_rss kB"
sleep $(( (items - early) * item_ms / 1000 ))
late_rss=$(rss_kb "$saver")
e2e_log "after about $items items: VmRSS $late_rss kB"
kill -0 "$saver" 2>/dev/null || e2e_fail "the show ended by itself"

e2e_key Escape
e2e_wait_exit 10
e2e_expect_eq "the show ended on Escape" 0 "$e2e_exit_code"
limit=$(( early_rss + early_rss / 10 ))
if [ "$late_rss" -gt "$limit" ]; then
  e2e_fail "resident memory grew from $early_rss kB to $late_rss kB (more than 10%)"
else
  e2e_log "resident memory within 10%: $early_rss kB -> $late_rss kB"
fi
leftovers=$(find "$WINEPREFIX/drive_c" -path '*Temp*' \( -name '~F_*' -o -name '~S_*' \) 2>/dev/null | wc -l)
e2e_expect_eq "temporary files left behind" 0 "$leftovers"
e2e_end
