#include "package/complement.h"

namespace saverkit {

void Complement(uint8_t* data, int64_t count) {
  for (int64_t i = 0; i < count; ++i) data[i] ^= 0xFF;
}

}  // namespace saverkit
