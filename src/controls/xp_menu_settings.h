// The published properties of `TXPMenu`, with the values its constructor gives, and the working
// colours `SetGlobalColor` derives from them before each drawing.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "controls/xp_colors.h"

namespace saverkit {

// Parents whose children are painted (bits 0 to 9).
enum TXPContainer : int {
  xccForm,
  xccFrame,
  xccToolbar,
  xccCoolbar,
  xccControlbar,
  xccPanel,
  xccScrollBox,
  xccGroupBox,
  xccTabSheet,
  xccPageScroller,
};

// Kinds of control painted (bits 0 to 15).
enum TXPControl : int {
  xcMainMenu,
  xcPopupMenu,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcEdit,
  xcMaskEdit,
  xcMemo,
  xcRichEdit,
  xcCheckBox,
  xcRadioButton,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcPanel,
  xcGroupBox,
};

// A small set of enumerators stored as bits, as the layouts store these properties.
template <typename E>
class BitSet {
 public:
  constexpr BitSet() = default;
  constexpr BitSet(std::initializer_list<E> members) {
    for (E m : members) bits_ |= Bit(m);
  }
  static constexpr BitSet FromBits(uint32_t bits) {
    BitSet s;
    s.bits_ = bits;
    return s;
  }
  constexpr bool Has(E m) const { return (bits_ & Bit(m)) != 0; }
  constexpr uint32_t Bits() const { return bits_; }

 private:
  static constexpr uint32_t Bit(E m) { return 1u << unsigned(m); }
  uint32_t bits_ = 0;
};

using XPContainerSet = BitSet<TXPContainer>;
using XPControlSet = BitSet<TXPControl>;

struct XPMenuSettings {
  std::string fontName;        // empty: the system menu font
  int fontHeight = 0;          // pixels; 0: the system menu font's
  ColorRef fontColor = clMenuText;
  ColorRef color = clBtnFace;
  ColorRef iconBackColor = clBtnFace;
  ColorRef menuBarColor = clBtnFace;
  ColorRef selectColor = clHighlight;
  ColorRef selectBorderColor = clHighlight;
  ColorRef selectFontColor = clMenuText;
  ColorRef disabledColor = clInactiveCaption;
  ColorRef separatorColor = clBtnFace;
  ColorRef checkedColor = clHighlight;
  int iconWidth = 24;
  int dimLevel = 30;
  int grayLevel = 10;
  bool drawSelect = true;
  bool useSystemColors = true;
  bool overrideOwnerDraw = false;
  bool gradient = false;
  bool flatMenu = false;
  bool autoDetect = false;
  XPContainerSet containers = XPContainerSet::FromBits(0x3FF);
  XPControlSet controls = XPControlSet::FromBits(0xFFFF);
};

// What the dialogs store: the configuration dialog (switched on at the end of its construction),
// the setup wizard (on in its layout) and the message form (all containers and controls).
XPMenuSettings ConfigurationDialogXPSettings();
XPMenuSettings SetupWizardXPSettings();
XPMenuSettings MessageFormXPSettings();

struct XPWorkingColors {
  ColorRef menu = 0;
  ColorRef iconColumn = 0;
  ColorRef selection = 0;
  ColorRef selectionBorder = 0;
  ColorRef selectionFont = 0;
  ColorRef menuBar = 0;
  ColorRef disabled = 0;
  ColorRef separator = 0;
  ColorRef checked = 0;
  ColorRef checkedArea = 0;
  ColorRef checkedAreaSelected = 0;
  ColorRef menuBorder = 0;
  ColorRef menuShadow = 0;
  ColorRef fontColor = 0;  // the menu font's colour, resolved
  bool highColor = true;
};

// Every working colour as a plain RGB value for `surface`.
XPWorkingColors SetGlobalColor(const XPMenuSettings& settings, const DrawingSurface& surface);

}  // namespace saverkit
