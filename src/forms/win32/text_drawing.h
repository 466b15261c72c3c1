// GDI fonts and text for controls and captions: one way to make a font from a component's font,
// and one way to draw a block of text placed vertically in its box, which DrawText does by
// itself only for a single line.
#pragma once

#include <windows.h>

#include <string>

#include "forms/component.h"
#include "forms/dpi_scale.h"

namespace saverkit {

// A new font (the caller owns it) with the font's character height, or else its point size at
// the device's vertical resolution; its name is taken as it is.
HFONT CreateControlFont(const ControlFont& font, HDC dc);
// The same for a dialog drawn at `scale`: the character height in design pixels, scaled.
HFONT CreateControlFont(const ControlFont& font, const DpiScale& scale);

// Draws `text` in `box` with the DrawText `format`, its block of lines starting at the top of
// the box, in its middle or at its bottom as `layout` says.
void DrawAlignedText(HDC dc, const std::string& text, RECT box, UINT format, VerticalAlign layout);

}  // namespace saverkit
