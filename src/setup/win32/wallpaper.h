// Makes a bitmap file the desktop wallpaper, or takes the wallpaper away.
#pragma once

#include <cstdint>
#include <string>

namespace saverkit {

// Through the Active Desktop with the style code (1 centre, 2 tile, 3 stretch, other codes keep
// the current style); where there is no Active Desktop, or it refuses, through the system
// parameter, which keeps the current style. Failures are silent.
void ApplyWallpaper(const std::string& bitmapPath, int32_t style);

// The desktop's wallpaper file; empty when there is none.
std::string CurrentWallpaper();

// Takes the wallpaper away: the Active Desktop's setting, applied where there is one, and the
// desktop's own, for this session and the next.
void RemoveWallpaper();

}  // namespace saverkit
