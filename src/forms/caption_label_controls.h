// Caption labels turned into label controls named "xlabel_" + index on the show window, scaled
// with the show area.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/component.h"
#include "package/texts/caption_labels.h"

namespace saverkit {

struct TextExtent {
  int32_t width = 0;
  int32_t height = 0;
};

// Measures a text in pixels with a font; the Win32 side asks GDI, tests give fixed extents.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual TextExtent Measure(const ControlFont& font, const std::string& text) = 0;
};

// Style from the stored bits; bits above 8 are ignored.
FontStyleSet ApplyFontStyle(uint8_t styleBits);

// Creates or updates label "xlabel_" + i for every label i, centred on its (scaled) centre.
// Labels of higher indexes are left alone: call RemoveCaptionLabels with the new count first.
void ShowCaptionLabels(ComponentOwner& showWindow, const std::vector<CaptionLabel>& labels, double scale,
                       TextMeasurer& measurer);

// Frees the caption labels whose index is `first` or more (all of them when `first` <= 0).
void RemoveCaptionLabels(ComponentOwner& showWindow, int first);

}  // namespace saverkit
