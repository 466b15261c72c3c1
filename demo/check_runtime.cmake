# Stops the demo build with a clear message when the Windows runtime has not been built yet.
if(NOT EXISTS "${RUNTIME}")
  message(FATAL_ERROR "demo-package needs the Windows runtime ${RUNTIME}. Build it first: "
                      "cmake --preset win64 && cmake --build build/win64 (or set SAVERKIT_WIN64_DIR).")
endif()
