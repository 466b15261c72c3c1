#include "controls/xp_menu_settings.h"

namespace saverkit {

namespace {

// The dialogs share their painter's set-up; only the icon column, the gradient and the
// containers differ.
XPMenuSettings DialogSettings(int iconWidth, bool gradient, XPContainerSet containers) {
  XPMenuSettings s;
  s.fontName = "Tahoma";
  s.fontHeight = 11;
  s.iconWidth = iconWidth;
  s.gradient = gradient;
  s.containers = containers;
  s.controls = {xcPopupMenu, xcToolbar, xcCombo, xcEdit, xcCheckBox, xcButton, xcSpeedButton};
  return s;
}

}  // namespace

XPMenuSettings ConfigurationDialogXPSettings() {
  return DialogSettings(20, true, {xccPanel, xccGroupBox});
}

XPMenuSettings SetupWizardXPSettings() {
  return DialogSettings(10, false, {xccPanel, xccGroupBox, xccTabSheet, xccPageScroller});
}

XPMenuSettings MessageFormXPSettings() { return XPMenuSettings{}; }

XPWorkingColors SetGlobalColor(const XPMenuSettings& s, const DrawingSurface& surface) {
  const SystemColors& sys = surface.system;
  const auto rgb = [&sys](ColorRef c) { return ColorToRGB(c, sys); };
  const auto lighter = [&surface](ColorRef c, int p) { return TowardBackground(surface, c, p); };
  const ColorRef paper = surface.Background();

  XPWorkingColors w;
  w.highColor = surface.HighColor();
  w.menu = rgb(s.color);
  w.iconColumn = rgb(s.iconBackColor);
  w.selectionBorder = rgb(s.selectBorderColor);
  w.selectionFont = rgb(s.selectFontColor);
  w.menuBar = rgb(s.menuBarColor);
  w.disabled = rgb(s.disabledColor);
  w.checked = rgb(s.checkedColor);
  w.separator = rgb(s.separatorColor);
  w.fontColor = rgb(s.fontColor);
  if (w.highColor) {
    w.selection = lighter(s.selectColor, 68);
    w.checkedArea = lighter(s.selectColor, 80);
    w.checkedAreaSelected = lighter(s.selectColor, 50);
    w.menuBorder = AwayFromBackground(surface, clBtnFace, 90);
    w.menuShadow = AwayFromBackground(surface, clBtnFace, 76);
  } else {
    w.selection = rgb(s.selectColor);
    w.checkedArea = paper;
    w.checkedAreaSelected = kSilver;
    w.menuBorder = rgb(clBtnShadow);
    w.menuShadow = rgb(clBtnShadow);
  }
  if (!s.useSystemColors) return w;

  // The system menu font is reloaded, and with it comes the menu text colour.
  w.fontColor = rgb(clMenuText);
  w.selectionFont = w.fontColor;
  w.selectionBorder = rgb(clHighlight);
  w.menuBar = rgb(clBtnFace);
  w.checked = rgb(clHighlight);
  if (w.highColor) {
    w.menu = lighter(clBtnFace, 86);
    w.iconColumn = lighter(clBtnFace, 16);
    w.selection = lighter(clHighlight, 68);
    w.disabled = lighter(clBtnShadow, 10);
    w.separator = lighter(clBtnShadow, 25);
    w.checkedArea = lighter(clHighlight, 80);
    w.checkedAreaSelected = lighter(clHighlight, 50);
  } else {
    w.menu = paper;
    w.iconColumn = rgb(clBtnFace);
    w.selection = paper;
    w.disabled = rgb(clBtnShadow);
    w.separator = rgb(clBtnShadow);
    w.checkedArea = paper;
    w.checkedAreaSelected = paper;
  }
  return w;
}

}  // namespace saverkit
