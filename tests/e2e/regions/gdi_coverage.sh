#!/usr/bin/env bash
# The portable rounded-rectangle, polygon and combined regions cover exactly GDI's pixels: the
# Windows program builds its table of shapes both ways and lists every difference.
source "$(dirname "$0")/../lib/harness.sh"
e2e_begin

program="$SAVERKIT_WIN64_DIR/tests/e2e/regions/region_compare.exe"
[ -f "$program" ] || { echo "FAIL: the win64 build has no $program" >&2; exit 1; }

code=0
e2e_run 240 "$program" >"$e2e_work/compare.txt" 2>"$e2e_work/stderr.txt" || code=$?
cat "$e2e_work/compare.txt"
grep -q ' shapes compared, 0 differ' "$e2e_work/compare.txt" || e2e_fail "some shapes differ from GDI"
e2e_expect_eq "exit code" 0 "$code"
e2e_end
