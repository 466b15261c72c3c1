// What a flat painter draws, as a list of GDI-like shapes in plain RGB colours. The painters
// decide every rectangle, line and colour from a control's state; the Windows half only replays
// the list on the control's device context.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/xp_colors.h"
#include "raster/muldiv.h"
#include "base/rect.h"

namespace saverkit {

struct PlanPoint {
  int x = 0, y = 0;
  bool operator==(const PlanPoint& o) const { return x == o.x && y == o.y; }
};

enum class PlanShape {
  Rectangle,  // pen: one-pixel frame; brush: fill (either may be absent)
  RoundRect,  // corner: the ellipse's diameter
  Ellipse,
  Polyline,   // points joined by one-pixel lines; the last point is not drawn (as LineTo)
  Tint,       // the pixels under rect ANDed with brush (BitBlt SRCAND)
  Text,       // text in the control's own font, vertically centred in rect
};

enum class PlanAlign { Center, Left, Right };

struct PlanOp {
  PlanShape shape = PlanShape::Rectangle;
  Rect rect;
  std::optional<ColorRef> pen;
  std::optional<ColorRef> brush;
  int corner = 0;
  std::vector<PlanPoint> points;
  std::string text;
  PlanAlign align = PlanAlign::Center;
  bool rightToLeft = false;  // right-to-left reading order
};

using PaintPlan = std::vector<PlanOp>;

// The device's metrics the geometry follows: drawn sizes grow with the logical DPI; the check
// box and combo button follow the system's thumb size (SM_CXHTHUMB), which grows by itself.
struct XPMetrics {
  int dpi = 96;
  int thumbSize = 16;
  int Scaled(int pixelsAt96) const { return MulDiv(pixelsAt96, dpi, 96); }
};

inline Rect Inset(const Rect& r, int dx, int dy) { return Rect{r.left + dx, r.top + dy, r.right - dx, r.bottom - dy}; }

// Appenders, so that each painter reads as the list of what it draws.
void AddFill(PaintPlan& plan, const Rect& r, ColorRef brush);
void AddFrame(PaintPlan& plan, const Rect& r, ColorRef pen);
void AddRectangle(PaintPlan& plan, const Rect& r, ColorRef pen, std::optional<ColorRef> brush);
void AddLine(PaintPlan& plan, std::vector<PlanPoint> points, ColorRef pen);

}  // namespace saverkit
