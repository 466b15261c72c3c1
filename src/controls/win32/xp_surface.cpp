#include "controls/win32/xp_surface.h"

#include "base/win32/scoped_win.h"

namespace saverkit {

namespace {

DrawingSurface SurfaceOf(HDC dc) {
  DrawingSurface s;
  s.bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  for (int i = 0; i < kSysColorCount; ++i) s.system.values[size_t(i)] = GetSysColor(i);
  if (s.bitsPerPixel <= 16) s.nearest = [dc](ColorRef c) { return ColorRef(GetNearestColor(dc, c)); };
  return s;
}

}  // namespace

XPMetrics MetricsAt(int dpi) {
  XPMetrics m;
  m.dpi = dpi > 0 ? dpi : 96;
  m.thumbSize = GetSystemMetrics(SM_CXHTHUMB);
  return m;
}

XPPaintContext PaintContextOf(HDC dc, const XPMenuSettings& settings, int dpi) {
  XPPaintContext c;
  c.surface = SurfaceOf(dc);
  c.colors = SetGlobalColor(settings, c.surface);
  c.metrics = MetricsAt(dpi);
  return c;
}

namespace {

HPEN PenOrNull(const std::optional<ColorRef>& c) { return c ? CreatePen(PS_SOLID, 1, *c) : nullptr; }
HBRUSH BrushOrNull(const std::optional<ColorRef>& c) { return c ? CreateSolidBrush(*c) : nullptr; }

void DrawShape(HDC dc, const PlanOp& op) {
  ScopedGdiObject<HPEN> pen(PenOrNull(op.pen));
  ScopedBrush brush(BrushOrNull(op.brush));
  ScopedSelect selectPen(dc, pen ? static_cast<HGDIOBJ>(pen.Get()) : GetStockObject(NULL_PEN));
  ScopedSelect selectBrush(dc, brush ? static_cast<HGDIOBJ>(brush.Get()) : GetStockObject(NULL_BRUSH));
  const Rect& r = op.rect;
  switch (op.shape) {
    case PlanShape::Rectangle:
      if (!op.pen) {
        const RECT rc{r.left, r.top, r.right, r.bottom};
        FillRect(dc, &rc, brush.Get());
      } else {
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
      }
      break;
    case PlanShape::RoundRect:
      RoundRect(dc, r.left, r.top, r.right, r.bottom, op.corner, op.corner);
      break;
    case PlanShape::Ellipse:
      Ellipse(dc, r.left, r.top, r.right, r.bottom);
      break;
    case PlanShape::Polyline:
      if (op.points.size() >= 2) {
        MoveToEx(dc, op.points[0].x, op.points[0].y, nullptr);
        for (size_t i = 1; i < op.points.size(); ++i) LineTo(dc, op.points[i].x, op.points[i].y);
      }
      break;
    default:
      break;
  }
}

void DrawTint(HDC dc, const PlanOp& op) {
  const Rect& r = op.rect;
  ScopedBrush brush(CreateSolidBrush(op.brush.value_or(kWhite)));
  ScopedSelect select(dc, brush.Get());
  PatBlt(dc, r.left, r.top, r.Width(), r.Height(), 0x00A000C9);  // PATAND: destination AND brush
}

void DrawPlanText(HDC dc, const PlanOp& op, HFONT font) {
  ScopedSelect selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetCurrentObject(dc, OBJ_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, op.pen.value_or(kBlack));
  RECT rc{op.rect.left, op.rect.top, op.rect.right, op.rect.bottom};
  UINT format = DT_SINGLELINE | DT_VCENTER;
  format |= op.align == PlanAlign::Center ? DT_CENTER : op.align == PlanAlign::Right ? DT_RIGHT : DT_LEFT;
  if (op.rightToLeft) format |= DT_RTLREADING;
  DrawTextA(dc, op.text.c_str(), int(op.text.size()), &rc, format);
}

}  // namespace

void ReplayPlan(HDC dc, const PaintPlan& plan, HFONT font) {
  for (const PlanOp& op : plan) {
    if (op.shape == PlanShape::Tint)
      DrawTint(dc, op);
    else if (op.shape == PlanShape::Text)
      DrawPlanText(dc, op, font);
    else
      DrawShape(dc, op);
  }
}

}  // namespace saverkit
