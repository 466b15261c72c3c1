#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need, only those that are missing.
# Idempotent; run as root on Debian 12. Never installs wine32: with it present the
# `wine` command picks the 32-bit loader, which this kind of machine cannot run.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  gcc-mingw-w64-x86-64-posix gcc-mingw-w64-i686-posix
  nasm dpkg-dev
  libjpeg-dev libturbojpeg0-dev libexif-dev libpng-dev libwebp-dev libz-mingw-w64-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  clang libclang-rt-14-dev
  wine wine64 xvfb imagemagick xdotool x11-utils
  libjpeg-turbo-progs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# The Windows builds compile their picture libraries from Debian's source packages.
enable_deb_src() {
  local f=/etc/apt/sources.list.d/debian.sources
  if [ -f "$f" ] && ! grep -q '^Types:.*deb-src' "$f"; then
    sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
    return 0
  fi
  return 1
}

need_update=0
enable_deb_src && need_update=1
[ ${#missing[@]} -gt 0 ] && need_update=1
if [ "$need_update" = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q 'install ok installed'; then
  echo "setup: wine32 is installed; removing it so that wine runs the 64-bit loader"
  apt-get remove -y -qq wine32 >/dev/null
fi
