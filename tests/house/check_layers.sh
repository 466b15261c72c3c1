#!/usr/bin/env bash
# Holds the house to its plan: the folders of src/ form layers, and a file includes only its own
# folder and the folders below it; every Windows resource is released by its owner in
# base/win32/scoped_win.h and nowhere else by hand. Prints each breach; exits 1 when there is one.
set -u
src="${1:?usage: check_layers.sh SRC_DIR}"
# From the bottom up; the order the README's layout section gives.
layers=(base raster package pictrans forms controls flash music setup show startup app)

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

breaches=0
while IFS= read -r line; do
  file=${line%%:*}
  rest=${line#*:}
  rest=${rest#*:}
  from=${file#"$src"/}
  from=${from%%/*}
  to=$(sed -E 's/^#include "([a-z0-9_]+)\/.*/\1/' <<<"$rest")
  [ -n "${rank[$from]:-}" ] || { echo "not a layer: $file"; breaches=$((breaches + 1)); continue; }
  [ -n "${rank[$to]:-}" ] || continue  # a header of the tools or tests, not of the program
  if [ "${rank[$to]}" -gt "${rank[$from]}" ]; then
    echo "includes a higher layer: $line"
    breaches=$((breaches + 1))
  fi
done < <(grep -rnE '^#include "[a-z0-9_]+/' "$src" --include='*.h' --include='*.cpp')

# Releasing by hand belongs to the owners only.
while IFS= read -r line; do
  echo "released by hand: $line"
  breaches=$((breaches + 1))
done < <(grep -rnE '\b(FreeLibrary|ReleaseDC|DeleteDC|RestoreDC|CoTaskMemFree|ImageList_Destroy|RegCloseKey|OleUninitialize|CoUninitialize)\(|->Release\(\)' \
           "$src" --include='*.h' --include='*.cpp' | grep -v '^'"$src"'/base/win32/scoped_win\.h:')

[ "$breaches" -eq 0 ] && echo "the house holds: ${layers[*]}"
[ "$breaches" -eq 0 ]
