// Where a picture appears in the configuration dialog's preview panel: the panel stands for the
// design screen, so the picture keeps its size and place relative to the screen it was made for.
#pragma once

#include <cstdint>

#include "forms/component.h"
#include "package/records.h"

namespace saverkit {

// The preview image's bounds inside an available area of availableWidth x availableHeight for
// `item`, whose picture is bitmapWidth x bitmapHeight. A design width of 0 or less stands for the
// screen's width; with neither known the panel shows the picture at its own size.
ControlBounds FitPreview(const ItemRecord& item, int32_t bitmapWidth, int32_t bitmapHeight, int32_t designWidth,
                         int32_t screenWidth, int32_t availableWidth, int32_t availableHeight);

}  // namespace saverkit
