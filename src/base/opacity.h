// The translucency of a form given in percent, as the layered-window settings it maps to.
#pragma once

#include <cstdint>
#include <optional>

namespace saverkit {

struct Opacity {
  bool layered = false;  // alpha blending on
  uint8_t alpha = 255;
};

// 1..99 blends with alpha percent * 255 / 100, 100 switches blending off; any other value
// leaves the form as it is (nullopt).
std::optional<Opacity> OpacityForPercent(int percent);

}  // namespace saverkit
