// The /a mode: the Windows 9x screen-saver password dialog of the password provider in mpr.dll.
#pragma once

#include <windows.h>

namespace saverkit {

// Shows the provider's change-password dialog for the screen-saver password, owned by `owner`,
// and returns when it closes. Only Windows 9x has that provider; elsewhere nothing happens.
void ChangePassword(HWND owner);

}  // namespace saverkit
