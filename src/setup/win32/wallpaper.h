// Makes a bitmap file the desktop wallpaper, or takes the wallpaper away.
#pragma once

#include <cstdint>
#include <string>

namespace saverkit {

// Through the Active Desktop with the style code (1 centre, 2 tile, 3 stretch, other codes keep
// the current style); where there is no Active Desktop, or it refuses, through the system
// parameter, which keeps the current style. Failures are silent.
void ApplyWallpaper(const std::string& bitmapPath, int32_t style);

// Clears the wallpaper setting and has the Active Desktop apply it; nothing happens without one.
void RemoveWallpaper();

}  // namespace saverkit
