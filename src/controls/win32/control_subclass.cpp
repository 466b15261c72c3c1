#include "controls/win32/control_subclass.h"

#include <commctrl.h>

#include "controls/win32/xp_menu.h"
#include "controls/win32/xp_surface.h"
#include "base/win32/scoped_win.h"

namespace saverkit {

namespace {

// The painter's subclass id: one per window, distinct from the form's own (1).
constexpr UINT_PTR kPainterSubclassId = 0x5850;  // "XP"

SubclassEvent EventOf(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_NCDESTROY:
      return SubclassEvent::Destroy;
    case WM_SETFOCUS:
      return SubclassEvent::FocusGained;
    case WM_KILLFOCUS:
      return SubclassEvent::FocusLost;
    case WM_PAINT:
    case WM_NCPAINT:
      return SubclassEvent::Paint;
    case BM_SETCHECK:
      return SubclassEvent::CheckStateChanged;
    case BM_SETSTATE:
      return SubclassEvent::ButtonStateChanged;
    case WM_KEYDOWN:
      return wParam == VK_SPACE ? SubclassEvent::SpaceDown : SubclassEvent::Other;
    case WM_KEYUP:
      return wParam == VK_SPACE ? SubclassEvent::SpaceUp : SubclassEvent::Other;
    case WM_LBUTTONDOWN:
      return SubclassEvent::LeftDown;
    case WM_LBUTTONUP:
      return SubclassEvent::LeftUp;
    case WM_LBUTTONDBLCLK:
      return SubclassEvent::LeftDoubleClick;
    case WM_ENABLE:
      return SubclassEvent::EnabledChanged;
    case WM_SETTEXT:
      return SubclassEvent::TextChanged;
    case WM_SYSCOLORCHANGE:
      return SubclassEvent::ParentColorChanged;
    case WM_STYLECHANGING:
      return SubclassEvent::Ctl3DChanged;
    case WM_MOUSEMOVE:
      return SubclassEvent::MouseMove;
    case WM_MOUSELEAVE:
      return SubclassEvent::MouseLeave;
    default:
      return SubclassEvent::Other;
  }
}

PanelBevel BevelOf(Bevel b) {
  return b == Bevel::kLowered ? PanelBevel::Lowered : b == Bevel::kRaised ? PanelBevel::Raised : PanelBevel::None;
}

bool HasBorder(LONG_PTR style, LONG_PTR exStyle) { return (style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE); }

}  // namespace

TControlSubClass::TControlSubClass(TXPMenu& owner, Component& control, HWND hwnd, TXPControl kind)
    : owner_(owner), control_(control), hwnd_(hwnd), kind_(kind), state_(SubclassKindOf(control.Kind())) {
  SetWindowSubclass(hwnd_, ControlSubClass, kPainterSubclassId, reinterpret_cast<DWORD_PTR>(this));
  if (state_.Kind() == SubclassKind::Edit) SwitchEditFrameFlat();
}

TControlSubClass::~TControlSubClass() {
  if (!IsWindow(hwnd_)) return;
  RemoveWindowSubclass(hwnd_, ControlSubClass, kPainterSubclassId);
  RestoreEditFrame();
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool TControlSubClass::IsSubclassed(HWND hwnd) {
  // comctl32 exports GetWindowSubclass by ordinal only, and the import libraries lack it.
  using GetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
  static const auto getWindowSubclass = reinterpret_cast<GetWindowSubclassFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("comctl32.dll"), MAKEINTRESOURCEA(411))));
  DWORD_PTR data = 0;
  return getWindowSubclass && getWindowSubclass(hwnd, ControlSubClass, kPainterSubclassId, &data) != FALSE;
}

void TControlSubClass::SwitchEditFrameFlat() {
  savedStyle_ = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  savedExStyle_ = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
  hadBorder_ = HasBorder(savedStyle_, savedExStyle_);
  if (!(savedExStyle_ & WS_EX_CLIENTEDGE)) return;
  // The sunken 3-D edge becomes a one-pixel border, which the painter then colours.
  state_.SetBuilding(true);
  SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, savedExStyle_ & ~LONG_PTR(WS_EX_CLIENTEDGE));
  SetWindowLongPtrA(hwnd_, GWL_STYLE, savedStyle_ | WS_BORDER);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  editFrameChanged_ = true;
  state_.SetBuilding(false);
}

void TControlSubClass::RestoreEditFrame() {
  if (!editFrameChanged_) return;
  SetWindowLongPtrA(hwnd_, GWL_STYLE, savedStyle_);
  SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, savedExStyle_);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  editFrameChanged_ = false;
}

LRESULT CALLBACK TControlSubClass::ControlSubClass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                   DWORD_PTR self) {
  return reinterpret_cast<TControlSubClass*>(self)->OnMessage(message, wParam, lParam);
}

LRESULT TControlSubClass::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_;
  lastMessage_ = message;
  const SubclassEvent event = EventOf(message, wParam);
  const SubclassReaction reaction = state_.OnEvent(event, IsWindowEnabled(hwnd) != FALSE);

  // The control's own procedure first; a double click on a button is a second press to it.
  const LRESULT result = reaction.forwardAsLeftDown ? DefSubclassProc(hwnd, WM_LBUTTONDOWN, wParam, lParam)
                                                    : DefSubclassProc(hwnd, message, wParam, lParam);
  if (reaction.restoreAndFree) {
    RemoveWindowSubclass(hwnd, ControlSubClass, kPainterSubclassId);
    hwnd_ = nullptr;      // the window is going: nothing of it to restore
    owner_.Forget(this);  // frees this object
    return result;
  }
  if (reaction.trackMouseLeave) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
  }
  if (reaction.repaint && owner_.Active()) PaintControlXP();
  return result;
}

ColorRef TControlSubClass::ParentColor(const SystemColors& system) const {
  const uint32_t color = control_.parent ? control_.parent->EffectiveColor()
                                         : (control_.owner ? control_.owner->color : kColorBtnFace);
  return ColorToRGB(color, system);
}

PaintPlan TControlSubClass::PlanFor(const XPPaintContext& c, HDC dc, ControlLook& look) {
  if (state_.Kind() == SubclassKind::Other) return {};
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  switch (kind_) {
    case xcCombo:
      look.color = c.Sys(kSysWindow);
      return PaintCombo(c, look, SendMessageA(hwnd_, CB_GETDROPPEDSTATE, 0, 0) != 0);
    case xcEdit:
    case xcMaskEdit:
    case xcMemo:
    case xcRichEdit:
      return PaintEdit(c, look, hadBorder_);
    case xcCheckBox: {
      const LRESULT check = SendMessageA(hwnd_, BM_GETCHECK, 0, 0);
      const CheckState state = check == BST_CHECKED         ? CheckState::Checked
                               : check == BST_INDETERMINATE ? CheckState::Grayed
                                                            : CheckState::Unchecked;
      return PaintCheckBox(c, look, state, (style & BS_LEFTTEXT) != 0);
    }
    case xcRadioButton:
      return PaintRadio(c, look, SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED, (style & BS_LEFTTEXT) != 0);
    case xcButton:
    case xcBitBtn:
      return PaintButton(c, look);
    case xcSpeedButton: {
      SpeedButtonLook button;
      button.down = control_.checked;
      button.transparent = control_.transparent;
      return PaintSpeedButton(c, look, button);
    }
    case xcPanel:
      return PaintPanel(c, look, {BevelOf(control_.bevelOuter), BevelOf(control_.bevelInner), 1, control_.borderWidth});
    case xcGroupBox: {
      ScopedSelect font(dc, owner_.FontOf(control_));
      SIZE text = {0, 0};
      if (!control_.caption.empty())
        GetTextExtentPoint32A(dc, control_.caption.c_str(), int(control_.caption.size()), &text);
      else
        GetTextExtentPoint32A(dc, "X", 1, &text);
      return PaintGroupBox(c, look, control_.caption.empty() ? 0 : int(text.cx), int(text.cy));
    }
    default:
      return {};
  }
}

void TControlSubClass::PaintControlXP() {
  if (state_.Building() || !IsWindowVisible(hwnd_)) return;
  // The window's whole area: an edit's border is outside its client area.
  const ScopedWindowDc windowDc(hwnd_, true);
  HDC dc = windowDc.Dc();
  if (!dc) return;
  RECT window;
  GetWindowRect(hwnd_, &window);

  const XPPaintContext c = PaintContextOf(dc, owner_.Settings(), owner_.Dpi());

  ControlLook look;
  look.client = Rect{0, 0, int(window.right - window.left), int(window.bottom - window.top)};
  look.enabled = IsWindowEnabled(hwnd_) != FALSE;
  look.mouseIn = state_.MouseInControl();
  const HWND focus = GetFocus();
  look.focused = focus == hwnd_ || (focus && IsChild(hwnd_, focus));
  look.leftPressed = state_.LeftPressed();
  look.spacePressed = state_.SpacePressed();
  look.rightToLeft = (GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING)) != 0;
  look.color = ColorToRGB(control_.EffectiveColor(), c.surface.system);
  look.parentColor = ParentColor(c.surface.system);
  if (kind_ == xcButton || kind_ == xcBitBtn || kind_ == xcSpeedButton) {
    char text[256] = {};
    GetWindowTextA(hwnd_, text, int(sizeof text));
    look.caption = text;
  }
  const PaintPlan plan = PlanFor(c, dc, look);
  ReplayPlan(dc, plan, owner_.FontOf(control_));
}

}  // namespace saverkit
