// The identifiers of the show window's timers. They all arrive as the window's WM_TIMER, so each
// needs its own.
#pragma once

#include <cstdint>

namespace saverkit {

inline constexpr uintptr_t kFlyTimerId = 303;        // the mover's step (XFly)
inline constexpr uintptr_t kItemTimerId = 555;       // the show's next item
inline constexpr uintptr_t kMusicTimerId = 666;      // the music player's step
inline constexpr uintptr_t kHostCheckTimerId = 777;  // the preview looks for its host window

}  // namespace saverkit
