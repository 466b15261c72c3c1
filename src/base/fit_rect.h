// Places a picture's rectangle inside a frame: centred when it fits, otherwise scaled down
// (or, when forced, scaled either way) keeping its proportions.
#pragma once

#include "base/rect.h"

namespace saverkit {

// Without `force`, an inner rectangle that fits is only centred. Otherwise the result keeps the
// inner proportions and touches the outer rectangle on two sides; an empty outer rectangle or an
// empty inner one gives the empty rectangle at the outer top-left corner.
Rect FitRect(const Rect& inner, const Rect& outer, bool force);

// A `width` x `height` rectangle centred in `outer`; a larger one overhangs it equally on both
// sides (odd differences halved toward zero).
Rect CentreRect(int width, int height, const Rect& outer);

}  // namespace saverkit
