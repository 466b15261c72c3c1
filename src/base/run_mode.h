// The six roles the program can play. Which one it plays is decided once at start; the show and
// its music ask only whether they run full screen or as a preview.
#pragma once

#include <cstdint>

namespace saverkit {

enum class RunMode : uint8_t {
  Show = 0,            // full screen
  Preview = 1,         // inside the host window
  Configure = 2,       // configuration dialog
  ChangePassword = 3,  // the Windows 9x screen-saver password
  Setup = 4,           // setup wizard of the distributed .exe
  Uninstall = 5,
};

}  // namespace saverkit
