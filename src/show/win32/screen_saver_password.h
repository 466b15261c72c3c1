// The Windows 9x screen-saver password asked before a show may end; the /a mode changes it
// (change_password.h).
#pragma once

#include <windows.h>

namespace saverkit {

// Asks for the password through PASSWORD.CPL, owned by `window`. True when it was right, or when
// the system has no PASSWORD.CPL or no check in it.
bool AskScreenSaverPassword(HWND window);

}  // namespace saverkit
