// The music window on Windows: a hidden MCIWnd window of the multimedia library.
#pragma once

#include <windows.h>

#include <memory>

#include "music/media_window.h"

namespace saverkit {

// An MCIWnd child of `parent` with `style` and no file open yet; null when it cannot be made.
std::unique_ptr<MediaWindow> MusicWndCreate(HWND parent, DWORD style);

}  // namespace saverkit
