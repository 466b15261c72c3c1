#!/bin/bash
# After a ctest run that failed: runs again only the failed tests whose output shows that Wine's
# loader killed a process (ld.so's "_dl_fini" assertion, at a program's start or exit), which is
# Wine's fault and not the program's. Any other failure stands: a check of ours never gets a
# second chance, so a test that passes only now and then fails the run.
#   rerun-wine-loader-crashes.sh BUILD_DIR [CTEST OPTIONS...]
set -euo pipefail

dir=$1
shift
failed="$dir/Testing/Temporary/LastTestsFailed.log"
log="$dir/Testing/Temporary/LastTest.log"
readonly loader_crash='Inconsistency detected by ld\.so'

# No list of failed tests: ctest itself failed, nothing to retry.
[ -s "$failed" ] && [ -f "$log" ] || exit 1

# The output of test NAME in ctest's log: from its "N/M Test: NAME" line to its end of output.
test_output() {
  awk -v title="Test: $1" '
    /^[0-9]+\/[0-9]+ Test: / { inside = (substr($0, index($0, "Test: ")) == title) }
    inside { print }
    /^<end of output>$/ { inside = 0 }' "$log"
}

retry=()
while IFS=: read -r _ name; do
  [ -n "$name" ] || continue
  if test_output "$name" | grep -Eq "$loader_crash"; then
    echo "rerun-wine-loader-crashes: $name: Wine's loader crashed; running it again"
    retry+=("$(sed 's/[.[\]*^$+?(){}|\\]/\\&/g' <<<"$name")")
  else
    echo "rerun-wine-loader-crashes: $name failed by itself; no second run" >&2
    exit 1
  fi
done <"$failed"
[ "${#retry[@]}" -gt 0 ] || exit 1

ctest --test-dir "$dir" "$@" -R "^($(IFS='|'; echo "${retry[*]}"))\$"
