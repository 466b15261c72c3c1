#!/bin/bash
# A folder of photos as a camera leaves it, packed with `scrpack build --pictures` and shown under
# Wine: a 3000 x 2000 photo stored lying on its side with EXIF orientation 6 must come up upright
# (red above blue) and whole, fitted inside the 1024 x 768 screen with its proportions.
# shellcheck source=../lib/harness.sh
source "$(dirname "$0")/../lib/harness.sh"
e2e_begin

dir="$e2e_work/photos"
mkdir -p "$dir"
# Upright the photo is 2000 x 3000, red in its upper half and blue in its lower half; the camera
# stores it turned a quarter anticlockwise and writes orientation 6 ("turn clockwise to show").
convert -size 2000x1500 xc:'#C82828' -size 2000x1500 xc:'#2828C8' -append -rotate -90 -quality 90 "$dir/IMG_0001.jpg"
python3 - "$dir/IMG_0001.jpg" <<'PY'
import struct, sys
path = sys.argv[1]
jpeg = open(path, "rb").read()
# A big-endian TIFF block with one IFD0 entry: Orientation (0x0112), SHORT, 1 value, 6.
tiff = b"MM\x00\x2a" + struct.pack(">I", 8) + struct.pack(">H", 1) + struct.pack(">HHIHH", 0x0112, 3, 1, 6, 0) + struct.pack(">I", 0)
payload = b"Exif\x00\x00" + tiff
segment = b"\xff\xe1" + struct.pack(">H", len(payload) + 2) + payload
open(path, "wb").write(jpeg[:2] + segment + jpeg[2:])
PY
echo "not a picture" >"$dir/notes.txt"

"$SAVERKIT_SCRPACK" build --pictures "$dir" --name "E2E Photos" --runtime "$e2e_runtime" --out "$e2e_work/Photos.scr" \
  >"$e2e_work/build.txt" 2>&1 || e2e_fail "scrpack failed: $(cat "$e2e_work/build.txt")"
e2e_log "$(tr '\n' ' ' <"$e2e_work/build.txt")"
grep -q "rotated upright (1): IMG_0001.jpg" "$e2e_work/build.txt" || e2e_fail "the summary does not name the turned photo"

e2e_mouse_move 500 400
e2e_start "$e2e_work/Photos.scr" /s
e2e_wait_window "saverkit: show" || e2e_fail "no show window"
# The picture is what is not the black background; the default design screen 1920 x 1080 maps to
# 1024 x 576 on this screen, so the photo (720 x 1080 in design pixels) is 384 x 576.
red_first() { local -a c; IFS=', ' read -r -a c <<<"$(tr -dc '0-9,' <<<"$1")"; [ "${c[0]}" -gt 150 ] && [ "${c[2]}" -lt 90 ]; }
blue_first() { local -a c; IFS=', ' read -r -a c <<<"$(tr -dc '0-9,' <<<"$1")"; [ "${c[2]}" -gt 150 ] && [ "${c[0]}" -lt 90 ]; }
# One look at the screen: where the photo is, and whether it stands upright and whole there.
look() {  # SHOT
  read -r width height left top < <(convert "$1" -fuzz 20% -trim -format '%w %h %X %Y\n' info: | tr -d '+')
  upper=$(e2e_pixel "$1" $((left + width / 2)) $((top + height / 4)))
  lower=$(e2e_pixel "$1" $((left + width / 2)) $((top + 3 * height / 4)))
  [ "$width" -ge 376 ] && [ "$height" -ge 568 ] && red_first "$upper" && blue_first "$lower"
}
# Shown once its transition is over: upright and whole, or what it showed last. Both sides count:
# a wipe that uncovers the photo column by column is full height and upright long before it is
# whole.
e2e_wait_screen "$e2e_work/photo.png" look || true
e2e_log "the photo on screen: ${width}x${height} at $left,$top"
[ "$width" -ge 376 ] && [ "$width" -le 392 ] || e2e_fail "photo width $width, expected about 384"
[ "$height" -ge 568 ] && [ "$height" -le 584 ] || e2e_fail "photo height $height, expected about 576"
[ $((left + width)) -le 1024 ] && [ $((top + height)) -le 768 ] || e2e_fail "the photo runs off the screen"
e2e_log "upper half $upper, lower half $lower"
red_first "$upper" && blue_first "$lower" || e2e_fail "the photo is not upright: upper $upper, lower $lower"
e2e_key Escape
e2e_wait_exit
e2e_end
