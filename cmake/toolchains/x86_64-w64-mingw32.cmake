# Cross-compiles for x86_64 Windows with Debian's mingw-w64 (posix thread model, for std::thread).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
