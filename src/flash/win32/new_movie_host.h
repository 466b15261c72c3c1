// Makes the Flash host the show and the configuration preview play movies in.
#pragma once

#include <windows.h>

#include <memory>

#include "flash/win32/flash_host_panel.h"

namespace saverkit {

// A hidden host inside `parent` at (left, top, right, bottom); null when it cannot be made.
std::unique_ptr<FlashHostPanel> NewMovieHost(HWND parent, int left, int top, int right, int bottom);

}  // namespace saverkit
