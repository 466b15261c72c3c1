# shellcheck shell=bash
# What the show's end-to-end scripts share: colour checks with JPEG's tolerance, the temporary
# files a show leaves, and test music.

# JPEG keeps a flat colour only to within a step or two per channel.
expect_colour() {  # WHAT EXPECTED ACTUAL
  local what=$1 expected=$2 actual=$3
  local -a e a
  IFS=', ' read -r -a e <<<"$(tr -dc '0-9,' <<<"$expected")"
  IFS=', ' read -r -a a <<<"$(tr -dc '0-9,' <<<"$actual")"
  for i in 0 1 2; do
    local d=$(( ${e[$i]:-0} - ${a[$i]:-999} ))
    if [ "${d#-}" -gt 3 ]; then
      e2e_fail "$what: expected about '$expected', got '$actual'"
      return
    fi
  done
  e2e_log "$what: $actual"
}

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
