# What both Windows toolchains share; each sets `triple` and the processor, then includes this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# The picture libraries (libjpeg-turbo with TurboJPEG, libexif, libpng, libwebp) are built for this
# target by scripts/build-mingw-libs.sh into this cache; zlib is Debian's mingw package.
if(DEFINED ENV{SAVERKIT_CACHE})
  set(saverkit_cache "$ENV{SAVERKIT_CACHE}")
else()
  set(saverkit_cache "$ENV{HOME}/.cache/saverkit")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${triple} "${saverkit_cache}/mingw-libs/${triple}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
