#!/usr/bin/env bash
# Builds libjpeg-turbo for the Windows targets from Debian's own source package into a
# cache outside the source tree, once: a prefix that already holds the library is kept.
# Usage: build-libjpeg-mingw.sh TRIPLE...   (x86_64-w64-mingw32, i686-w64-mingw32)
set -euo pipefail

cache="${SAVERKIT_CACHE:-$HOME/.cache/saverkit}"
src_root="$cache/src"
toolchains="$(cd "$(dirname "$0")/../cmake/toolchains" && pwd)"

fetch_source() {
  local dir
  dir=$(find "$src_root" -maxdepth 1 -type d -name 'libjpeg-turbo-*' 2>/dev/null | head -n 1)
  if [ -z "$dir" ]; then
    mkdir -p "$src_root"
    (cd "$src_root" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1) ||
      { echo "libjpeg: 'apt-get source libjpeg-turbo' failed (is deb-src enabled?)" >&2; exit 1; }
    dir=$(find "$src_root" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  fi
  echo "$dir"
}

for triple in "$@"; do
  prefix="$cache/libjpeg-turbo/$triple"
  if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
    continue
  fi
  src=$(fetch_source)
  tc="$toolchains/$triple.cmake"
  [ -f "$tc" ] || { echo "libjpeg: unknown target $triple" >&2; exit 1; }
  work="$cache/build/libjpeg-$triple"
  rm -rf "$work"
  mkdir -p "$(dirname "$work")"
  echo "libjpeg: building libjpeg-turbo for $triple into $prefix"
  cmake -S "$src" -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
    -DREQUIRE_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm >"$work.log" 2>&1 ||
    { tail -n 30 "$work.log" >&2; exit 1; }
  cmake --build "$work" --target install >>"$work.log" 2>&1 || { tail -n 30 "$work.log" >&2; exit 1; }
done
