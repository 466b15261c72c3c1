// How long an item stays and which effect brings it in or takes it away.
#pragma once

#include <cstdint>

#include "package/records.h"
#include "pictrans/transition_types.h"

namespace saverkit {

class RandomSource;

// Window timers cannot run longer than this (USER_TIMER_MAXIMUM).
inline constexpr uint32_t kLongestItemTimerMs = 0x7FFFFFFF;

// `effect` itself when it names one of the 128 effects, otherwise a random one.
int ChooseEffect(int32_t effect, RandomSource& random);

// The item's display time: a movie with negative `Seconds` stays exactly -Seconds; otherwise
// `Seconds`, else `defaultSeconds`, else one second. Kept within what a window timer can run.
uint32_t ItemDisplayTimeMs(const ItemRecord& item, int32_t defaultSeconds);

}  // namespace saverkit
