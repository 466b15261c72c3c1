// The drawing surface of a device context as the flat painter's portable half sees it: colour
// depth, nearest colours, the system colours, the logical DPI and the system's thumb size.
#pragma once

#include <windows.h>

#include "controls/xp_control_painters.h"

namespace saverkit {

XPMetrics MetricsOf(HDC dc);
// Surface, working colours and metrics for drawing on `dc` with `settings`. `dc` must outlive
// the context: the surface's nearest-colour lookup asks the device.
XPPaintContext PaintContextOf(HDC dc, const XPMenuSettings& settings);

// Draws `plan` on `dc`; text ops use `font` (the control's own font, or the DC's when null).
void ReplayPlan(HDC dc, const PaintPlan& plan, HFONT font);

}  // namespace saverkit
