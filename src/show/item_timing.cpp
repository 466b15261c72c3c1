#include "show/item_timing.h"

#include <algorithm>

#include "base/random_source.h"

namespace saverkit {

int ChooseEffect(int32_t effect, RandomSource& random) {
  if (effect >= 0 && effect < kEffectCount) return effect;
  return int(random.Next() % kEffectCount);
}

uint32_t ItemDisplayTimeMs(const ItemRecord& item, int32_t defaultSeconds) {
  int64_t seconds = 1;
  if (item.Kind == kKindMovie && item.Seconds < 0) {
    seconds = -int64_t(item.Seconds);
  } else if (item.Seconds > 0) {
    seconds = item.Seconds;
  } else if (defaultSeconds > 0) {
    seconds = defaultSeconds;
  }
  return uint32_t(std::min<int64_t>(seconds * 1000, kLongestItemTimerMs));
}

}  // namespace saverkit
