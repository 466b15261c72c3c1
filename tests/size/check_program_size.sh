#!/usr/bin/env bash
# Holds a shipped Windows program to its size budget: fails when the program is larger than the
# budget, skips (77) when that Windows build is absent.
#   check_program_size.sh PROGRAM BUDGET_BYTES
set -u
program="${1:?usage: check_program_size.sh PROGRAM BUDGET_BYTES}"
budget="${2:?usage: check_program_size.sh PROGRAM BUDGET_BYTES}"
if [ ! -f "$program" ]; then
  echo "no program at $program: that Windows build is absent"
  exit 77
fi
size=$(stat -c %s "$program")
if [ "$size" -gt "$budget" ]; then
  echo "$program is $size bytes, $((size - budget)) over its budget of $budget;" \
       "README.md (Size) tells how it is measured and what it is made of"
  exit 1
fi
echo "$program: $size bytes of $budget"
