// The painters of `TControlSubClass`: each turns a control's state into the flat frame and face
// drawn over what the control painted itself.
#pragma once

#include <string>

#include "controls/xp_menu_settings.h"
#include "controls/xp_paint_plan.h"

namespace saverkit {

// Everything a painter draws with.
struct XPPaintContext {
  DrawingSurface surface;
  XPWorkingColors colors;
  XPMetrics metrics;
  ColorRef Lighter(ColorRef c, int percent) const { return TowardBackground(surface, c, percent); }
  ColorRef Shade(ColorRef c, int amount) const { return AwayFromBackground(surface, c, amount); }
  ColorRef Sys(int index) const { return surface.system.At(index); }
  // Black marks on the light faces of a light scheme, the button text colour on a dark one.
  ColorRef Ink() const { return surface.DarkScheme() ? Sys(kSysBtnText) : kBlack; }
  // White marks of a disabled control, grey text on a dark scheme.
  ColorRef DisabledInk() const { return surface.DarkScheme() ? Sys(kSysGrayText) : kWhite; }
};

// One control's state when it is painted; colours are plain RGB.
struct ControlLook {
  Rect client;
  bool enabled = true;
  bool mouseIn = false;
  bool focused = false;
  bool leftPressed = false;
  bool spacePressed = false;
  bool rightToLeft = false;
  ColorRef color = kWhite;        // the control's own colour
  ColorRef parentColor = kWhite;  // the parent's brush colour
  std::string caption;

  bool Hot() const { return mouseIn; }
  bool HotOrFocused() const { return mouseIn || focused; }
  bool Pressed() const { return (leftPressed && mouseIn) || spacePressed; }
};

PaintPlan PaintEdit(const XPPaintContext& c, const ControlLook& look, bool singleBorder);

PaintPlan PaintCombo(const XPPaintContext& c, const ControlLook& look, bool droppedDown);
// The drop-down arrow: rows of 5, 3 and 1 pixels (at 96 DPI) below the top of `client`.
PaintPlan ComboArrow(const XPMetrics& m, const Rect& client, bool rightToLeft, ColorRef color);

enum class CheckState { Unchecked, Checked, Grayed };
// `captionLeft`: the caption is on the left of the box, so the box sits at the right edge.
PaintPlan PaintCheckBox(const XPPaintContext& c, const ControlLook& look, CheckState state, bool captionLeft);
// Three strokes of a tick whose lower left corner is (x, y).
PaintPlan DrawCheckMark(const XPMetrics& m, int x, int y, ColorRef pen);
PaintPlan PaintRadio(const XPPaintContext& c, const ControlLook& look, bool checked, bool captionLeft);

PaintPlan PaintButton(const XPPaintContext& c, const ControlLook& look);

struct SpeedButtonLook {
  bool down = false;
  bool flat = false;
  bool transparent = false;
};
PaintPlan PaintSpeedButton(const XPPaintContext& c, const ControlLook& look, const SpeedButtonLook& button);

enum class PanelBevel { None, Lowered, Raised };
struct PanelLook {
  PanelBevel outer = PanelBevel::Raised;
  PanelBevel inner = PanelBevel::None;
  int bevelWidth = 1;
  int borderWidth = 0;
};
PaintPlan PaintPanel(const XPPaintContext& c, const ControlLook& look, const PanelLook& panel);

// `captionWidth` and `textHeight`: the caption as the control's font measures it.
PaintPlan PaintGroupBox(const XPPaintContext& c, const ControlLook& look, int captionWidth, int textHeight);

}  // namespace saverkit
