// The value types of the transition engine.
#pragma once

#include <cstdint>

namespace saverkit {

// The effect number: 0..127 select an effect; a byte above 127 selects none (the frame stays
// the old picture).
using TShowStyle = uint8_t;
// Progress of a transition in percent, 0..100.
using TPercent = uint8_t;

enum TBackgroundMode : uint8_t { bmNone = 0, bmTiled = 1, bmStretched = 2, bmCentered = 3 };

// The framework's thread priorities, lowest to highest, for the transition's worker.
enum TThreadPriority : uint8_t { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

constexpr int kEffectCount = 128;
constexpr TShowStyle kDefaultStyle = 51;

}  // namespace saverkit
