#include "music/shuffle_indexes.h"

#include <vector>

namespace saverkit {

bool ShuffleIndexes(int32_t* values, int32_t count, RandomSource& random) {
  if (!values || count < 1) return false;
  std::vector<int32_t> pool(values, values + count);
  random.SeedFromClock();
  // Fill from the back, each time drawing one of the entries still in the pool.
  for (int32_t k = count - 1; k >= 0; --k) {
    const int32_t j = random.Next() % (k + 1);
    values[k] = pool[j];
    pool[j] = pool[k];
  }
  return true;
}

}  // namespace saverkit
