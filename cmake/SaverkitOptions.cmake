# Build-wide settings shared by every target: warnings, the portable/Win32 split and the
# static linking of the Windows programs.
if(WIN32)
  set(SAVERKIT_NATIVE OFF)
  # One self-contained executable: no MinGW runtime DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Each function and datum in a section of its own, so that the linker keeps only what is
  # reached: the static libraries hold much that a program never calls.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections)
else()
  set(SAVERKIT_NATIVE ON)
endif()

option(SAVERKIT_FUZZ "Build the libFuzzer harnesses (needs clang)" OFF)
option(SAVERKIT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# The raster layer's self-checks (each region operation asserts its result's invariants) stay
# live in the native trees even where the build type defines NDEBUG, so that the unit tests and
# the fuzzers run them; the shipped Windows programs leave them out, and so does the bench preset,
# so that the benchmarks measure the product.
if(WIN32)
  option(SAVERKIT_SELF_CHECKS "Keep the raster layer's debug self-checks in optimised builds" OFF)
else()
  option(SAVERKIT_SELF_CHECKS "Keep the raster layer's debug self-checks in optimised builds" ON)
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)
if(SAVERKIT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Where the Windows programs are built, for the end-to-end tests of the native build.
set(SAVERKIT_WIN64_DIR "${CMAKE_SOURCE_DIR}/build/win64" CACHE PATH "x86_64 Windows build folder")
