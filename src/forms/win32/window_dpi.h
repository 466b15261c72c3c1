// The DPI a dialog is drawn at: its window's where the system knows one per window (Windows 10
// 1607 on), else the screen's.
#pragma once

#include <windows.h>

namespace saverkit {

// The window's DPI; the screen's for a null window or where there is no per-window DPI.
int WindowDpi(HWND window);

}  // namespace saverkit
