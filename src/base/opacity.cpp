#include "base/opacity.h"

namespace saverkit {

std::optional<Opacity> OpacityForPercent(int percent) {
  if (percent == 100) return Opacity{false, 255};
  if (percent >= 1 && percent <= 99) return Opacity{true, uint8_t(percent * 255 / 100)};
  return std::nullopt;
}

}  // namespace saverkit
