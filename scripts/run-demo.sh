#!/usr/bin/env bash
# Plays the demo screen saver (build/demo/Demo.scr /S) under Wine: on the user's display when
# DISPLAY is set, otherwise on an Xvfb of its own. Saves a few screenshots, ends the show with a
# mouse move as a user would, and says where everything is.
# Usage: run-demo.sh DEMO_DIR
set -euo pipefail

demo_dir=$(readlink -f "${1:-build/demo}")
scr="$demo_dir/Demo.scr"
shots="$demo_dir/shots"
[ -f "$scr" ] || { echo "demo: $scr is missing; build the demo-package target first" >&2; exit 1; }

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="
export WINEPREFIX="$demo_dir/wineprefix"
export WINEARCH=win64

xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 120 250); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  setsid timeout 900 Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  echo "demo: playing on an Xvfb of its own ($DISPLAY)"
else
  echo "demo: playing on $DISPLAY"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "demo: preparing the Wine prefix (once, about 10 s)"
  timeout 180 wineboot -i </dev/null >/dev/null 2>&1
fi

rm -rf "$shots"
mkdir -p "$shots"
xdotool mousemove 512 384
timeout -k 5 120 wine "$scr" /S &
show=$!
for i in 1 2 3 4; do
  sleep 3
  import -window root "$shots/shot-$i.png"
done
xdotool mousemove 600 450  # more than 5 pixels: the show ends
code=0
for _ in $(seq 100); do kill -0 "$show" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$show" 2>/dev/null; then
  echo "demo: the show did not end on a mouse move" >&2
  kill "$show" 2>/dev/null || true
  code=1
fi
wait "$show" 2>/dev/null || true

echo "demo: setup program      $demo_dir/Demo.exe"
echo "demo: screen saver       $demo_dir/Demo.scr"
echo "demo: screenshots        $shots/"
exit "$code"
