// A uniformly drawn permutation of an array, for the shuffled music order.
#pragma once

#include <cstdint>

#include "base/random_source.h"

namespace saverkit {

// Reseeds `random` from the clock, then permutes values[0..count-1] in place. False, with the
// array untouched, when count < 1.
bool ShuffleIndexes(int32_t* values, int32_t count, RandomSource& random);

}  // namespace saverkit
