// Caption labels: the texts an author placed over a picture, as the package stores them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace saverkit {

inline constexpr char kCaptionLabelPrefix[] = "xlabel_";

// The fields of one stored caption label that drawing it needs.
struct CaptionLabel {
  std::string fontName;
  int32_t fontSize = 0;   // points, design scale
  uint8_t fontStyle = 0;  // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
  uint32_t fontColor = 0;
  bool transparent = false;
  uint32_t backColor = 0;
  int32_t centerX = 0;  // design pixels
  int32_t centerY = 0;
  std::string text;
};

}  // namespace saverkit
