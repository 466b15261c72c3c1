// The pseudo-random numbers effects draw (ragged edges, dissolves): a seeded generator, so that a
// frame can be reproduced. The engine seeds it from the clock, tests and the frame tool seed it.
#pragma once

#include "base/random_source.h"

namespace saverkit {

using EffectRandom = SeededRandom;

}  // namespace saverkit
