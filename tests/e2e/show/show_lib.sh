# shellcheck shell=bash
# What the show's end-to-end scripts share: colour checks with JPEG's tolerance, the temporary
# files a show leaves, and test music.

# JPEG keeps a flat colour only to within a step or two per channel.
colour_near() {  # EXPECTED ACTUAL
  local -a e a
  IFS=', ' read -r -a e <<<"$(tr -dc '0-9,' <<<"$1")"
  IFS=', ' read -r -a a <<<"$(tr -dc '0-9,' <<<"$2")"
  for i in 0 1 2; do
    local d=$(( ${e[$i]:-0} - ${a[$i]:-999} ))
    [ "${d#-}" -le 3 ] || return 1
  done
}

expect_colour() {  # WHAT EXPECTED ACTUAL
  if colour_near "$2" "$3"; then e2e_log "$1: $3"; else e2e_fail "$1: expected about '$2', got '$3'"; fi
}

pixel_near() { colour_near "$4" "$(e2e_pixel "$1" "$2" "$3")"; }  # SHOT X Y EXPECTED

# expect_colour_soon WHAT EXPECTED SHOT X Y: waits until the screen shows about EXPECTED at X, Y.
expect_colour_soon() {
  e2e_wait_screen "$3" pixel_near "$4" "$5" "$2" || true
  expect_colour "$1" "$2" "$(e2e_pixel "$3" "$4" "$5")"
}

# has_temp_files: true once the package reader has written a movie or music copy.
has_temp_files() { [ "$(temp_files)" -gt 0 ]; }

# The movie and music copies the package reader wrote and has not removed.
temp_files() {
  find "$WINEPREFIX/drive_c" -path '*Temp*' \( -name '~F_*' -o -name '~S_*' \) 2>/dev/null | wc -l
}

# Tests share the session's prefix: one that failed must not fail the next by its leftovers.
clear_temp_files() {
  find "$WINEPREFIX/drive_c" -path '*Temp*' \( -name '~F_*' -o -name '~S_*' \) -delete 2>/dev/null || true
}

# make_wav OUT SECONDS: a quiet 8 kHz tone.
make_wav() {
  python3 - "$1" "$2" <<'PY'
import math, struct, sys, wave
seconds = float(sys.argv[2])
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000)
    w.writeframes(b"".join(struct.pack("<h", int(2000 * math.sin(2 * math.pi * 440 * i / 8000)))
                           for i in range(int(8000 * seconds))))
PY
}
