// Caption labels on the show window: measured and drawn with GDI fonts.
#pragma once

#include <windows.h>

#include <string>

#include "forms/component.h"
#include "forms/caption_label_controls.h"

namespace saverkit {

class GdiCaptionPainter : public TextMeasurer {
 public:
  explicit GdiCaptionPainter(HWND window) : window_(window) {}
  TextExtent Measure(const ControlFont& font, const std::string& text) override;
  // Draws every visible label of `components`, transparent or on its fill colour.
  void Paint(HDC dc, const ComponentOwner& components) const;

 private:
  HWND window_;
};

}  // namespace saverkit
