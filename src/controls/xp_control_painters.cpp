#include "controls/xp_control_painters.h"

#include <algorithm>
#include <utility>

namespace saverkit {

void AddFill(PaintPlan& plan, const Rect& r, ColorRef brush) {
  PlanOp op;
  op.rect = r;
  op.brush = brush;
  plan.push_back(std::move(op));
}

void AddFrame(PaintPlan& plan, const Rect& r, ColorRef pen) {
  PlanOp op;
  op.rect = r;
  op.pen = pen;
  plan.push_back(std::move(op));
}

void AddRectangle(PaintPlan& plan, const Rect& r, ColorRef pen, std::optional<ColorRef> brush) {
  PlanOp op;
  op.rect = r;
  op.pen = pen;
  op.brush = brush;
  plan.push_back(std::move(op));
}

void AddLine(PaintPlan& plan, std::vector<PlanPoint> points, ColorRef pen) {
  PlanOp op;
  op.shape = PlanShape::Polyline;
  op.points = std::move(points);
  op.pen = pen;
  plan.push_back(std::move(op));
}

namespace {

void Append(PaintPlan& plan, PaintPlan more) {
  for (auto& op : more) plan.push_back(std::move(op));
}

void AddShape(PaintPlan& plan, PlanShape shape, const Rect& r, std::optional<ColorRef> pen,
              std::optional<ColorRef> brush, int corner = 0) {
  PlanOp op;
  op.shape = shape;
  op.rect = r;
  op.pen = pen;
  op.brush = brush;
  op.corner = corner;
  plan.push_back(std::move(op));
}

void AddCaption(PaintPlan& plan, const Rect& r, const std::string& text, ColorRef color) {
  if (text.empty()) return;
  PlanOp op;
  op.shape = PlanShape::Text;
  op.rect = r;
  op.text = text;
  op.pen = color;
  plan.push_back(std::move(op));
}

ColorRef CaptionColor(const XPPaintContext& c, const ControlLook& look) {
  return look.enabled ? c.Sys(kSysBtnText) : c.colors.disabled;
}

// The raised line of a flat button: along the left and top edges when pressed, along the right
// and bottom edges otherwise, one pixel inside the outline.
void AddButtonEdge(PaintPlan& plan, const Rect& r, bool pressed, ColorRef pen) {
  if (pressed)
    AddLine(plan, {{r.left + 1, r.bottom - 2}, {r.left + 1, r.top + 1}, {r.right - 1, r.top + 1}}, pen);
  else
    AddLine(plan, {{r.right - 2, r.top + 1}, {r.right - 2, r.bottom - 2}, {r.left, r.bottom - 2}}, pen);
}

// The box of a check box or radio button: `side` square, centred vertically in the client area
// less `margin` at top and bottom, at the right edge when the caption is on its left.
Rect ButtonBox(const ControlLook& look, int side, int margin, bool captionLeft) {
  // At high DPI the thumb can outgrow a control laid out in fixed pixels: the box then fills
  // the control's height, so that it still covers the box the control drew itself.
  side = std::min(side, look.client.Height());
  const Rect area = side <= look.client.Height() - 2 * margin ? Inset(look.client, 0, margin) : look.client;
  const int top = area.top + (area.Height() - side) / 2;
  const bool atRight = captionLeft;
  const int left = atRight ? look.client.right - side : look.client.left;
  return Rect{left, top, left + side, top + side};
}

// A 3-D frame `width` pixels wide: `topLeft` along the top and left, `bottomRight` along the
// bottom and right. Returns the rectangle inside it.
Rect AddFrame3D(PaintPlan& plan, Rect r, ColorRef topLeft, ColorRef bottomRight, int width) {
  for (int k = 0; k < width && !r.IsEmpty(); ++k) {
    AddFill(plan, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    AddFill(plan, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    AddFill(plan, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    AddFill(plan, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    r = Inset(r, 1, 1);
  }
  return r;
}

}  // namespace

PaintPlan PaintEdit(const XPPaintContext& c, const ControlLook& look, bool singleBorder) {
  ColorRef frame;
  if (look.HotOrFocused())
    frame = c.Lighter(c.colors.selectionBorder, singleBorder ? 60 : 80);
  else
    frame = singleBorder ? c.Shade(look.parentColor, 60) : look.parentColor;
  PaintPlan plan;
  AddFrame(plan, look.client, frame);
  return plan;
}

PaintPlan ComboArrow(const XPMetrics& m, const Rect& client, bool rightToLeft, ColorRef color) {
  PaintPlan plan;
  int width = m.Scaled(5) | 1;  // odd, so the rows narrow to one pixel
  const int startX = rightToLeft ? client.left + m.Scaled(5) : client.right - m.Scaled(10);
  for (int row = 0; width > 0; ++row, width -= 2) {
    const int y = client.top + m.Scaled(10) + row;
    AddLine(plan, {{startX + row, y}, {startX + row + width, y}}, color);
  }
  return plan;
}

PaintPlan PaintCombo(const XPPaintContext& c, const ControlLook& look, bool droppedDown) {
  const XPWorkingColors& w = c.colors;
  ColorRef arrow = look.enabled ? c.Ink() : c.DisabledInk();
  ColorRef frame = look.color;
  ColorRef face = c.Sys(kSysBtnFace);
  if (look.Hot()) {
    frame = w.selectionBorder;
    face = w.selection;
  } else if (look.focused) {
    frame = c.Lighter(w.selectionBorder, 60);
    face = w.checkedArea;
  }
  if (droppedDown) {
    frame = w.selectionBorder;
    arrow = kWhite;
    face = w.checkedAreaSelected;
  }
  const bool lifted = look.HotOrFocused();

  PaintPlan plan;
  const Rect& client = look.client;
  AddFrame(plan, client, look.parentColor);
  Rect inner = Inset(client, 1, 1);
  AddLine(plan, {{inner.left, inner.top}, {inner.right, inner.top}}, look.parentColor);
  inner = Inset(inner, 0, 1);
  if (lifted) inner = Inset(inner, -1, -1);
  AddFrame(plan, inner, look.color);
  AddFrame(plan, {inner.left, inner.top, inner.right, inner.bottom + 1}, frame);

  const int buttonWidth = c.metrics.thumbSize + 1 + (lifted ? 1 : 0);
  Rect button = Inset(client, 1, 1);
  if (look.rightToLeft)
    button.right = button.left + buttonWidth;
  else
    button.left = button.right - buttonWidth;
  AddFill(plan, button, face);
  // The strip between the text and the button face, closed by the button's edge.
  const int strip = c.metrics.Scaled(5);
  const Rect gap = look.rightToLeft ? Rect{button.right - strip, button.top, button.right, button.bottom}
                                    : Rect{button.left, button.top, button.left + strip, button.bottom};
  AddFill(plan, gap, look.color);
  const int edgeX = look.rightToLeft ? gap.left - 1 : gap.right;
  AddLine(plan, {{edgeX, button.top}, {edgeX, button.bottom}}, frame);
  Append(plan, ComboArrow(c.metrics, client, look.rightToLeft, arrow));
  return plan;
}

PaintPlan DrawCheckMark(const XPMetrics& m, int x, int y, ColorRef pen) {
  PaintPlan plan;
  const int strokes = m.Scaled(3);
  for (int i = 0; i < strokes; ++i)
    AddLine(plan,
            {{x + m.Scaled(2), y - i - m.Scaled(5)},
             {x + m.Scaled(4), y - i - m.Scaled(3)},
             {x + m.Scaled(9), y - i - m.Scaled(8)}},
            pen);
  return plan;
}

namespace {

// The colours of a check box's square or a radio button's circle: the window colour in a
// shadow frame, the selection colour inside when `selected`, its border around when `framed`.
struct ChoiceBoxColors {
  ColorRef fill, frame;
};

ChoiceBoxColors ChoiceBox(const XPPaintContext& c, bool selected, bool framed) {
  return ChoiceBoxColors{selected ? c.colors.selection : c.Sys(kSysWindow),
                         framed ? c.colors.selectionBorder : c.Sys(kSysBtnShadow)};
}

}  // namespace

PaintPlan PaintCheckBox(const XPPaintContext& c, const ControlLook& look, CheckState state, bool captionLeft) {
  const XPWorkingColors& w = c.colors;
  auto [fill, frame] = ChoiceBox(c, look.HotOrFocused(), look.HotOrFocused());
  const bool pressed = look.spacePressed || look.leftPressed;
  if (pressed) fill = w.checkedAreaSelected;
  if (state == CheckState::Grayed) fill = kSilver;

  PaintPlan plan;
  const Rect box = ButtonBox(look, c.metrics.thumbSize, 3, captionLeft);
  AddFill(plan, box, look.color);
  const Rect square = Inset(box, 2, 2);
  AddRectangle(plan, square, frame, fill);
  if (state != CheckState::Unchecked) {
    ColorRef pen = c.Sys(kSysHighlight);
    if (!look.enabled)
      pen = w.disabled;
    else if (pressed)
      pen = c.Sys(kSysWindow);
    else if (state == CheckState::Grayed)
      pen = kGray;
    // The tick stands on the drawn square's lower left corner, inside its frame.
    Append(plan, DrawCheckMark(c.metrics, square.left, square.bottom, pen));
  }
  return plan;
}

PaintPlan PaintRadio(const XPPaintContext& c, const ControlLook& look, bool checked, bool captionLeft) {
  const XPWorkingColors& w = c.colors;
  // Unlike the check box, the focus alone colours the inside but not the frame.
  const auto [fill, frame] = ChoiceBox(c, look.HotOrFocused(), look.Hot());
  PaintPlan plan;
  const Rect box = ButtonBox(look, c.metrics.thumbSize - 1, 4, captionLeft);
  AddFill(plan, box, look.color);
  AddShape(plan, PlanShape::Ellipse, Inset(box, 2, 2), frame, fill);
  if (checked) {
    const ColorRef dot = look.enabled ? c.Sys(kSysHighlight) : w.disabled;
    AddShape(plan, PlanShape::Ellipse, Inset(box, 4, 4), dot, dot);
  }
  return plan;
}

PaintPlan PaintButton(const XPPaintContext& c, const ControlLook& look) {
  ColorRef face = c.colors.iconColumn;
  ColorRef base = c.Sys(kSysBtnShadow);
  if (look.Hot() || look.spacePressed) {
    face = c.Lighter(c.Sys(kSysBtnFace), 60);
    base = c.Lighter(c.colors.selectionBorder, 60);
  } else if (look.focused) {
    base = c.Lighter(c.colors.selectionBorder, 60);
  }
  PaintPlan plan;
  AddFill(plan, look.client, look.parentColor);
  AddShape(plan, PlanShape::RoundRect, look.client, c.Lighter(base, 30), face, c.metrics.Scaled(4));
  if (look.enabled) AddButtonEdge(plan, look.client, look.Pressed(), c.Shade(base, 50));
  AddCaption(plan, look.client, look.caption, CaptionColor(c, look));
  return plan;
}

PaintPlan PaintSpeedButton(const XPPaintContext& c, const ControlLook& look, const SpeedButtonLook& button) {
  const XPWorkingColors& w = c.colors;
  ColorRef face = w.iconColumn;
  ColorRef frame = c.Sys(kSysBtnShadow);
  if (look.Hot()) {
    face = w.selection;
    frame = w.selectionBorder;
  }
  if (button.down) {
    face = look.Hot() ? w.checkedAreaSelected : w.checkedArea;
    frame = w.selectionBorder;
  }
  if (!look.enabled) frame = c.Sys(kSysBtnShadow);
  const bool lit = button.down || look.Hot();

  PaintPlan plan;
  if (button.transparent && lit) {
    PlanOp tint;
    tint.shape = PlanShape::Tint;
    tint.rect = look.client;
    tint.brush = c.Lighter(w.selection, c.surface.bitsPerPixel <= 16 ? 40 : 20);
    plan.push_back(std::move(tint));
  }
  const std::optional<ColorRef> brush = button.transparent ? std::nullopt : std::optional<ColorRef>(face);
  if (!(button.flat && button.transparent && !lit)) {
    const ColorRef pen = button.flat && !button.transparent && !lit ? face : c.Lighter(frame, 30);
    AddRectangle(plan, look.client, pen, brush);
  }
  if (!button.flat && look.enabled)
    AddButtonEdge(plan, look.client, look.Pressed() || button.down, c.Shade(frame, 50));
  AddCaption(plan, look.client, look.caption, CaptionColor(c, look));
  return plan;
}

PaintPlan PaintPanel(const XPPaintContext& c, const ControlLook& look, const PanelLook& panel) {
  const ColorRef shade = c.Shade(look.color, 60);
  const ColorRef light = c.Lighter(look.color, 60);
  PaintPlan plan;
  Rect r = look.client;
  const auto bevel = [&](PanelBevel b) {
    if (b == PanelBevel::None) return;
    const bool lowered = b == PanelBevel::Lowered;
    r = AddFrame3D(plan, r, lowered ? shade : light, lowered ? light : shade, panel.bevelWidth);
  };
  bevel(panel.outer);
  r = Inset(r, panel.borderWidth, panel.borderWidth);
  bevel(panel.inner);
  return plan;
}

PaintPlan PaintGroupBox(const XPPaintContext& c, const ControlLook& look, int captionWidth, int textHeight) {
  const ColorRef frame = c.Shade(look.parentColor, 60);
  const Rect r{look.client.left, look.client.top + textHeight / 2, look.client.right, look.client.bottom};
  const XPMetrics& m = c.metrics;
  // The caption interrupts the top edge where the control wrote it.
  int gapLeft = r.left, gapRight = r.left;
  if (captionWidth > 0) {
    const int gapWidth = captionWidth + m.Scaled(4);
    gapLeft = look.rightToLeft ? r.right - m.Scaled(8) - gapWidth : r.left + m.Scaled(8);
    gapRight = gapLeft + gapWidth;
  }
  PaintPlan plan;
  // The control's own etched edge is two pixels wide; clear it before the one-pixel flat line.
  AddFill(plan, {r.left, r.top, r.left + 2, r.bottom}, look.parentColor);
  AddFill(plan, {r.right - 2, r.top, r.right, r.bottom}, look.parentColor);
  AddFill(plan, {r.left, r.bottom - 2, r.right, r.bottom}, look.parentColor);
  AddFill(plan, {r.left, r.top, gapLeft, r.top + 2}, look.parentColor);
  AddFill(plan, {gapRight, r.top, r.right, r.top + 2}, look.parentColor);
  AddLine(plan,
          {{gapRight, r.top},
           {r.right - 1, r.top},
           {r.right - 1, r.bottom - 1},
           {r.left, r.bottom - 1},
           {r.left, r.top},
           {gapLeft, r.top}},
          frame);
  return plan;
}

}  // namespace saverkit
