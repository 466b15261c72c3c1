// The dialogs are laid out in design pixels, the pixels of a 96-DPI screen. On a screen of
// another scale every position, size, font height and picture is drawn that many times larger;
// the layouts, the component model and its rules stay in design pixels.
#pragma once

#include <cstdint>

#include "forms/component.h"

namespace saverkit {

class DpiScale {
 public:
  static constexpr int kDesignDpi = 96;

  // A DPI of 0 or less (a system that gives none) counts as the design DPI.
  explicit DpiScale(int dpi = kDesignDpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

  int Dpi() const { return dpi_; }
  bool IsDesign() const { return dpi_ == kDesignDpi; }

  // Design pixels to real pixels, rounded to the nearest (halves away from zero).
  int32_t Length(int32_t designPixels) const;
  // Real pixels back to design pixels, rounded the same way.
  int32_t ToDesign(int32_t pixels) const;
  // The edges are scaled, not the sizes, so that controls that touch at 96 DPI still touch.
  ControlBounds Bounds(const ControlBounds& design) const;

  bool operator==(const DpiScale& other) const { return dpi_ == other.dpi_; }
  bool operator!=(const DpiScale& other) const { return dpi_ != other.dpi_; }

 private:
  int dpi_;
};

}  // namespace saverkit
