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
  # The optimised programs are optimised whole at link time too: it inlines and drops across the
  # libraries, about 60 KB of the runtime (README.md, "Size"). Their debugging information goes
  # into the separate symbol file of each shipped program (saverkit_shipped_program), so that a
  # crash address names its function and line; the programs users get carry none. (-g1 would do,
  # but GCC 12's link-time optimiser fails on it.)
  if(CMAKE_BUILD_TYPE MATCHES "^(Release|MinSizeRel)$")
    set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)
    add_compile_options(-g)
    add_link_options(-g)
  endif()
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

# Where the Windows programs are built, for the end-to-end tests (x86_64) and the size checks (both)
# of the native build.
set(SAVERKIT_WIN64_DIR "${CMAKE_SOURCE_DIR}/build/win64" CACHE PATH "x86_64 Windows build folder")
set(SAVERKIT_WIN32_DIR "${CMAKE_SOURCE_DIR}/build/win32" CACHE PATH "i686 Windows build folder")

# saverkit_shipped_program(TARGET): a Windows program that users get. An optimised build strips it
# after the link; its symbols and any debugging sections stay beside it in TARGET.exe.debug, which
# the stripped program names (a GNU debug link), so that a crash report's addresses can still be
# resolved: `x86_64-w64-mingw32-addr2line -f -e saverkit.exe.debug ADDRESS`.
function(saverkit_shipped_program target)
  if(NOT WIN32 OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|MinSizeRel)$")
    return()
  endif()
  set(program $<TARGET_FILE_NAME:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${program} ${program}.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${program}.debug ${program}
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()
