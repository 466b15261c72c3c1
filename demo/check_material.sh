#!/usr/bin/env bash
# The demo's material as the generator writes it: every file the manifest names, and a licence
# whose paragraphs are single lines (the memos wrap them; lines broken by hand end raggedly there).
# Usage: check_material.sh GENERATOR MANIFEST WORK_FOLDER
set -euo pipefail
generator=$1 manifest=$2 work=$3
rm -rf "$work"
"$generator" "$work/material" >/dev/null
status=0
for file in $(grep -o '"material/[^"]*"' "$manifest" | tr -d '"' | sort -u); do
  [ -s "$work/$file" ] || { echo "FAIL: $file is missing or empty"; status=1; }
done
# A paragraph broken by hand shows as two lines of text one after the other.
if awk 'prev != "" && $0 != "\r" && $0 != "" { found = 1 } { prev = ($0 == "\r" ? "" : $0) } END { exit !found }' \
  "$work/material/licence.txt"; then
  echo "FAIL: the licence has a paragraph broken over several lines"
  status=1
fi
exit $status
