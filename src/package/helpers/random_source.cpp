#include "package/helpers/random_source.h"

#include <ctime>

namespace saverkit {

void ClockSeededRandom::SeedFromClock() { engine_.seed(uint32_t(std::time(nullptr))); }

int32_t ClockSeededRandom::Next() { return int32_t(engine_() >> 1); }

}  // namespace saverkit
