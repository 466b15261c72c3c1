// Where the show area lies in the full-screen window. The window covers the virtual desktop,
// which spans every monitor and starts at negative coordinates when a monitor lies left of or
// above the primary one; the show area is the primary monitor, whose top-left corner is the
// screen origin. The other monitors show the background.
#pragma once

#include <cstdint>

#include "base/rect.h"

namespace saverkit {

// The primary monitor's rectangle in the client coordinates of a window that covers
// `virtualDesktop` (screen coordinates). Metrics that do not put the primary monitor inside the
// desktop keep the area inside the window, at its nearest place.
Rect ShowAreaInWindow(const Rect& virtualDesktop, int32_t primaryWidth, int32_t primaryHeight);

}  // namespace saverkit
