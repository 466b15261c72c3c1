# Cross-compiles for i686 Windows with Debian's mingw-w64 (posix thread model, for std::thread).
set(CMAKE_SYSTEM_PROCESSOR X86)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
