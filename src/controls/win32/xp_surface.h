// The drawing surface of a device context as the flat painter's portable half sees it: colour
// depth, nearest colours, the system colours, the form's DPI and the system's thumb size.
#pragma once

#include <windows.h>

#include "controls/xp_control_painters.h"

namespace saverkit {

// The measures of a form drawn at `dpi` (its window's, which may differ from the screen's).
XPMetrics MetricsAt(int dpi);
// Surface, working colours and metrics for drawing on `dc` with `settings` for a form drawn at
// `dpi`. `dc` must outlive the context: the surface's nearest-colour lookup asks the device.
XPPaintContext PaintContextOf(HDC dc, const XPMenuSettings& settings, int dpi);

// Draws `plan` on `dc`; text ops use `font` (the control's own font, or the DC's when null).
void ReplayPlan(HDC dc, const PaintPlan& plan, HFONT font);

}  // namespace saverkit
