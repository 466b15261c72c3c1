// The drawing surface of a device context as the flat painter's portable half sees it: colour
// depth, nearest colours, the system colours, the logical DPI and the system's thumb size.
#pragma once

#include <windows.h>

#include "controls/xp_paint_plan.h"

namespace saverkit {

// `dc` must outlive the surface: its nearest-colour lookup asks the device.
DrawingSurface SurfaceOf(HDC dc);
XPMetrics MetricsOf(HDC dc);

// Draws `plan` on `dc`; text ops use `font` (the control's own font, or the DC's when null).
void ReplayPlan(HDC dc, const PaintPlan& plan, HFONT font);

}  // namespace saverkit
