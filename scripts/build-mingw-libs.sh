#!/usr/bin/env bash
# Builds the picture libraries of the Windows targets from Debian's own source packages into a
# cache outside the source tree, once per library and target (a finished library is kept):
# libjpeg-turbo with TurboJPEG (the runtime's decoder, scrpack's lossless rotation and re-encoding),
# libexif (scrpack reads the orientation of photos), libpng on Debian's mingw zlib and libwebp
# (scrpack's PNG and WebP intake).
# Usage: build-mingw-libs.sh TRIPLE...   (x86_64-w64-mingw32, i686-w64-mingw32)
set -euo pipefail

cache="${SAVERKIT_CACHE:-$HOME/.cache/saverkit}"
src_root="$cache/src"
toolchains="$(cd "$(dirname "$0")/../cmake/toolchains" && pwd)"

# Unpacks Debian's source package PACKAGE once and prints its folder. The security mirror now and
# then lists a version it no longer serves; every version the index knows is tried in turn.
fetch_source() {
  local package=$1 folder_glob=$2 dir version
  dir=$(find "$src_root" -maxdepth 1 -type d -name "$folder_glob" 2>/dev/null | head -n 1)
  if [ -z "$dir" ]; then
    mkdir -p "$src_root"
    if ! (cd "$src_root" && apt-get source -qq "$package" >/dev/null 2>&1); then
      for version in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p'); do
        (cd "$src_root" && apt-get source -qq "$package=$version" >/dev/null 2>&1) && break
      done
    fi
    dir=$(find "$src_root" -maxdepth 1 -type d -name "$folder_glob" | head -n 1)
    [ -n "$dir" ] || { echo "mingw-libs: 'apt-get source $package' failed (is deb-src enabled?)" >&2; exit 1; }
  fi
  echo "$dir"
}

# cmake_library NAME SOURCE_DIR CMAKE_OPTIONS...: configures, builds and installs into $prefix.
cmake_library() {
  local name=$1 src=$2
  shift 2
  local work="$cache/build/mingw-libs/$triple/$name"
  rm -rf "$work"
  mkdir -p "$work"
  cmake -S "$src" -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" "$@" >"$work.log" 2>&1 &&
    cmake --build "$work" --target install >>"$work.log" 2>&1 || { tail -n 30 "$work.log" >&2; exit 1; }
}

build_libjpeg() {
  cmake_library libjpeg "$(fetch_source libjpeg-turbo 'libjpeg-turbo-*')" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=ON -DWITH_SIMD=ON -DREQUIRE_SIMD=ON \
    -DCMAKE_ASM_NASM_COMPILER=nasm
}

# libexif's release builds with autotools; its sources need only a config.h and the _stdint.h
# configure would write, so they are compiled directly with the cross compiler (no translations:
# messages stay English).
build_libexif() {
  local src work
  src=$(fetch_source libexif 'libexif-*')
  work="$cache/build/mingw-libs/$triple/libexif"
  rm -rf "$work"
  mkdir -p "$work" "$prefix/lib" "$prefix/include/libexif"
  printf '#define GETTEXT_PACKAGE "libexif-12"\n#define LOCALEDIR ""\n' >"$work/config.h"
  mkdir -p "$work/libexif"
  printf '#include <stdint.h>\n' >"$work/libexif/_stdint.h"
  (cd "$work" && for c in "$src"/libexif/*.c "$src"/libexif/*/*.c; do
    "$triple-gcc-posix" -O2 -c -I"$work" -I"$src" -I"$src/libexif" "$c" -o "$(basename "$(dirname "$c")")_$(basename "$c" .c).o"
  done && "$triple-ar" rcs "$prefix/lib/libexif.a" ./*.o) >"$work.log" 2>&1 || { tail -n 30 "$work.log" >&2; exit 1; }
  cp "$src"/libexif/*.h "$work/libexif/_stdint.h" "$prefix/include/libexif/"
}

build_libpng() {
  cmake_library libpng "$(fetch_source libpng1.6 'libpng1.6-*')" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF
}

build_libwebp() {
  cmake_library libwebp "$(fetch_source libwebp 'libwebp-*')" -DBUILD_SHARED_LIBS=OFF \
    -DWEBP_BUILD_ANIM_UTILS=OFF -DWEBP_BUILD_CWEBP=OFF -DWEBP_BUILD_DWEBP=OFF -DWEBP_BUILD_GIF2WEBP=OFF \
    -DWEBP_BUILD_IMG2WEBP=OFF -DWEBP_BUILD_VWEBP=OFF -DWEBP_BUILD_WEBPINFO=OFF -DWEBP_BUILD_WEBPMUX=OFF \
    -DWEBP_BUILD_EXTRAS=OFF -DWEBP_BUILD_LIBWEBPMUX=OFF
}

for triple in "$@"; do
  prefix="$cache/mingw-libs/$triple"
  tc="$toolchains/$triple.cmake"
  [ -f "$tc" ] || { echo "mingw-libs: unknown target $triple" >&2; exit 1; }
  for library in libjpeg libexif libpng libwebp; do
    stamp="$prefix/.built-$library"
    [ -f "$stamp" ] && continue
    echo "mingw-libs: building $library for $triple into $prefix"
    "build_$library"
    touch "$stamp"
  done
done
