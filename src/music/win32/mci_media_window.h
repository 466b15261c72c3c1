// The music window on Windows: a hidden MCIWnd window of the multimedia library.
#pragma once

#include <windows.h>

#include <memory>

#include "music/media_window.h"

namespace saverkit {

// An MCIWnd window with `style` and no file open yet, kept out of sight inside a hidden child of
// `parent`; null when it cannot be made.
std::unique_ptr<MediaWindow> MusicWndCreate(HWND parent, DWORD style);

}  // namespace saverkit
