#include "forms/win32/control_object.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "forms/control_geometry.h"
#include "raster/win32/bitmap_drawing.h"
#include "forms/win32/form_inspection.h"
#include "base/win32/scoped_win.h"
#include "forms/win32/text_drawing.h"
#include "forms/win32/window.h"

namespace saverkit {
namespace {

// The form's own subclass of a control's window; the flat painter's has another id.
constexpr UINT_PTR kControlSubclassId = 1;

// The icons the dialogs show (the program's, the message form's) are 32 design pixels square.
constexpr int kDesignIconSize = 32;

RECT ToRect(const ControlBounds& b) { return RECT{b.left, b.top, b.left + b.width, b.top + b.height}; }

// A memo shows line breaks only as CR LF; the texts carry plain line feeds.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::string text(size_t(length > 0 ? length : 0) + 1, '\0');
  const int read = GetWindowTextA(hwnd, text.data(), int(text.size()));
  text.resize(size_t(read > 0 ? read : 0));
  return text;
}

}  // namespace

ControlObject::ControlObject(ControlHost& host, Component& component, int id)
    : host_(host), component_(component), id_(id) {
  component_.link = this;
}

ControlObject::~ControlObject() {
  if (component_.link == this) component_.link = nullptr;
}

void ControlObject::AttachWindow(HWND hwnd) {
  if (!hwnd) return;
  SetPropA(hwnd, kControlProperty, this);
  SetWindowSubclass(hwnd, SubclassProc, kControlSubclassId, reinterpret_cast<DWORD_PTR>(this));
  if (!component_.name.empty())
    SetPropA(hwnd, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomA(component_.name.c_str()))));
}

void ControlObject::DetachWindow(HWND hwnd) {
  if (!hwnd) return;
  RemoveWindowSubclass(hwnd, SubclassProc, kControlSubclassId);
  RemovePropA(hwnd, kControlProperty);
  if (HANDLE atom = RemovePropA(hwnd, kNameProperty)) GlobalDeleteAtom(ATOM(reinterpret_cast<UINT_PTR>(atom)));
}

HWND ControlObject::ParentWindow() const { return host_.ContainerOf(component_); }

RECT ControlObject::RealRect(const ControlBounds& bounds) const { return ToRect(host_.Scale().Bounds(bounds)); }

void ControlObject::InvalidateInContainer(const ControlBounds& bounds) const {
  const RECT box = RealRect(bounds);
  InvalidateRect(ParentWindow(), &box, FALSE);
}

void ControlObject::Rescaled() {
  Changed(component_, ComponentChange::kFont);
  Changed(component_, ComponentChange::kBounds);
}

LRESULT CALLBACK ControlObject::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
  auto* control = reinterpret_cast<ControlObject*>(self);
  try {
    LRESULT result = 0;
    if (message == WM_NCDESTROY) {
      DetachWindow(hwnd);
      control->WindowGone();
    } else if (control->OwnMessage(message, wParam, lParam, result)) {
      return result;
    }
  } catch (...) {
    KeepPendingException();
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool ControlObject::EraseWithParentColour(WPARAM dc) {
  RECT area;
  GetClientRect(Handle(), &area);
  FillRect(reinterpret_cast<HDC>(dc), &area, host_.BrushFor(component_.parent ? component_.parent->EffectiveColor()
                                                                               : component_.EffectiveColor()));
  return true;
}

void ControlObject::Click() {
  // The handler may close the form or change the model; the modal result is read after it.
  if (component_.events.onClick) component_.events.onClick(component_);
  if (component_.modalResult != kModalNone) host_.SetModalResult(component_.modalResult);
}

void ControlObject::Changed(Component& component, ComponentChange change) {
  HWND hwnd = Handle();
  if (!hwnd) return;
  switch (change) {
    case ComponentChange::kCaption:
      SetWindowTextA(hwnd, component.caption.c_str());
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case ComponentChange::kBounds: {
      const ControlBounds b = host_.Scale().Bounds(component.bounds);
      SetWindowPos(hwnd, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case ComponentChange::kVisible:
      ShowWindow(hwnd, component.visible ? SW_SHOWNA : SW_HIDE);
      break;
    case ComponentChange::kEnabled:
      EnableWindow(hwnd, component.enabled);
      break;
    case ComponentChange::kHint:
      host_.UpdateHint(*this);
      break;
    case ComponentChange::kZOrder: {
      // The model's order among siblings: the last is in front.
      const auto siblings = component.owner->ChildrenOf(component.parent);
      const bool front = !siblings.empty() && siblings.back() == &component;
      SetWindowPos(hwnd, front ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    }
    case ComponentChange::kFont:
    case ComponentChange::kRepaint:
      InvalidateRect(hwnd, nullptr, TRUE);
      UpdateWindow(hwnd);
      break;
    default:
      break;
  }
}

// --- standard controls --------------------------------------------------------------------------

NativeControl::NativeControl(ControlHost& host, Component& component, int id) : ControlObject(host, component, id) {
  const ComponentKind kind = component.Kind();
  const char* windowClass = "BUTTON";
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  std::string text = component.caption;
  if (kind == ComponentKind::kButton) {
    style |= WS_TABSTOP | (component.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  } else if (kind == ComponentKind::kSpeedButton) {
    // A group keeps exactly one button down: a push-like radio button the model checks itself.
    style |= component.groupIndex > 0 ? (BS_RADIOBUTTON | BS_PUSHLIKE) : BS_PUSHBUTTON;
  } else if (kind == ComponentKind::kCheckBox) {
    style |= WS_TABSTOP | BS_AUTOCHECKBOX;
  } else if (kind == ComponentKind::kEdit) {
    windowClass = "EDIT";
    style |= WS_TABSTOP | ES_AUTOHSCROLL | (component.readOnly ? ES_READONLY : 0);
    exStyle |= WS_EX_CLIENTEDGE;
  } else if (kind == ComponentKind::kMemo) {
    windowClass = "EDIT";
    style |= WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | (component.readOnly ? ES_READONLY : 0) |
             (component.verticalScrollBar ? WS_VSCROLL : 0);
    exStyle |= WS_EX_CLIENTEDGE;
    text = WithCrLf(text);
  } else if (kind == ComponentKind::kComboBox) {
    windowClass = "COMBOBOX";
    style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST |
             (component.ownerDraw ? (CBS_OWNERDRAWFIXED | CBS_HASSTRINGS) : 0);
    text.clear();
  }
  if (component.visible) style |= WS_VISIBLE;
  if (!component.enabled) style |= WS_DISABLED;
  const ControlBounds b = WindowBounds();
  hwnd_ = CreateWindowExA(exStyle, windowClass, text.c_str(), style, b.left, b.top, b.width, b.height,
                          ParentWindow(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                          nullptr);
  if (!hwnd_) return;
  AttachWindow(hwnd_);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.FontFor(component.EffectiveFont())), FALSE);
  if (IsEditKind() && component.maxLength > 0) SendMessageA(hwnd_, EM_SETLIMITTEXT, WPARAM(component.maxLength), 0);
  if (kind == ComponentKind::kComboBox) {
    SetOwnerDrawRowHeights();
    FillItems();
  }
  if (component.checked) SendMessageA(hwnd_, BM_SETCHECK, BST_CHECKED, 0);
  if (component.showHint) host_.UpdateHint(*this);
}

// A combo box's window reaches down over its open list.
ControlBounds NativeControl::WindowBounds() const {
  ControlBounds b = component_.bounds;
  b.height = ControlWindowHeight(component_);
  return host_.Scale().Bounds(b);
}

void NativeControl::Rescaled() {
  ControlObject::Rescaled();
  if (component_.Kind() == ComponentKind::kComboBox) SetOwnerDrawRowHeights();
}

// Windows measures an owner-drawn box's rows while creating it, before it reaches us: the heights
// are set again now, or the closed box keeps a field one text line high that cuts its rows off.
void NativeControl::SetOwnerDrawRowHeights() {
  for (const bool field : {true, false}) {
    const std::optional<int32_t> height = OwnerDrawRowHeight(component_, field);
    if (height) SendMessageA(hwnd_, CB_SETITEMHEIGHT, field ? WPARAM(-1) : 0, LPARAM(host_.Scale().Length(*height)));
  }
}

NativeControl::~NativeControl() {
  if (!hwnd_) return;
  DetachWindow(hwnd_);
  DestroyWindow(hwnd_);
}

ControlObject* NativeControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<ControlObject*>(GetPropA(hwnd, kControlProperty)) : nullptr;
}

bool NativeControl::IsButtonKind() const {
  const ComponentKind kind = component_.Kind();
  return kind == ComponentKind::kButton || kind == ComponentKind::kSpeedButton || kind == ComponentKind::kCheckBox;
}

bool NativeControl::IsEditKind() const {
  return component_.Kind() == ComponentKind::kEdit || component_.Kind() == ComponentKind::kMemo;
}

void NativeControl::FillItems() {
  SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
  for (const std::string& row : component_.items) SendMessageA(hwnd_, CB_ADDSTRING, 0, LPARAM(row.c_str()));
  SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(component_.itemIndex), 0);
}

void NativeControl::Clicked() {
  if (component_.Kind() == ComponentKind::kCheckBox) {
    // The box has toggled itself; the model follows without telling the box again.
    component_.checked = SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  } else if (component_.Kind() == ComponentKind::kSpeedButton && component_.groupIndex > 0) {
    component_.SetChecked(true);
  }
  Click();
}

void NativeControl::Command() {
  if (IsButtonKind() && component_.visible && component_.enabled) Clicked();
}

bool NativeControl::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      const WORD code = HIWORD(wParam);
      if (IsButtonKind() && code == BN_CLICKED) {
        Clicked();
      } else if (component_.Kind() == ComponentKind::kEdit && code == EN_CHANGE) {
        component_.caption = WindowText(hwnd_);
        if (component_.events.onChange) component_.events.onChange(component_);
      } else if (component_.Kind() == ComponentKind::kComboBox && code == CBN_SELCHANGE) {
        component_.itemIndex = int32_t(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
        if (component_.events.onChange) component_.events.onChange(component_);
      } else {
        return false;
      }
      result = 0;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      // Row -1 is the selection field of the closed box.
      const std::optional<int32_t> height = OwnerDrawRowHeight(component_, measure->itemID == UINT(-1));
      if (!height) return false;
      measure->itemHeight = UINT(host_.Scale().Length(*height));
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (onDrawItem) {
        onDrawItem(draw);
      } else {
        // Without a handler of the form's own: the row's text, highlighted when selected.
        const bool selected = (draw.itemState & ODS_SELECTED) != 0;
        FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (draw.itemID < component_.items.size()) {
          SetBkMode(draw.hDC, TRANSPARENT);
          SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
          RECT box = draw.rcItem;
          const std::string& row = component_.items[draw.itemID];
          DrawTextA(draw.hDC, row.c_str(), int(row.size()), &box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
      }
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Check boxes and read-only memos take the colour of what they sit on, or white for a memo.
      const uint32_t colour = IsEditKind() ? kColorWindow : component_.EffectiveColor();
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, ToColorRef(colour));
      SetTextColor(dc, ToColorRef(component_.EffectiveFont().color));
      result = reinterpret_cast<LRESULT>(host_.BrushFor(colour));
      return true;
    }
  }
  return false;
}

void NativeControl::Changed(Component& component, ComponentChange change) {
  if (!hwnd_) return;
  switch (change) {
    case ComponentChange::kCaption:
      SetWindowTextA(hwnd_, (component.Kind() == ComponentKind::kMemo ? WithCrLf(component.caption) : component.caption).c_str());
      return;
    case ComponentChange::kBounds: {
      const ControlBounds b = WindowBounds();
      SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
      return;
    }
    case ComponentChange::kChecked:
      SendMessageA(hwnd_, BM_SETCHECK, component.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      return;
    case ComponentChange::kItems:
      FillItems();
      return;
    case ComponentChange::kItemIndex:
      SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(component.itemIndex), 0);
      return;
    case ComponentChange::kFont:
      SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.FontFor(component.EffectiveFont())), TRUE);
      return;
    default:
      ControlObject::Changed(component, change);
  }
}

bool NativeControl::OwnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_SETCURSOR || component_.cursor != CursorShape::kHand || LOWORD(lParam) != HTCLIENT) return false;
  SetCursor(LoadCursorA(nullptr, IDC_HAND));
  result = TRUE;
  return true;
}

// --- graphic controls ---------------------------------------------------------------------------

GraphicControl::GraphicControl(ControlHost& host, Component& component, int id) : ControlObject(host, component, id) {
  paintsInContainer_ = true;
  if (component.showHint) host_.UpdateHint(*this);
}

void GraphicControl::Command() {
  if (component_.visible && component_.enabled) Click();
}

void GraphicControl::SetPicture(Bitmap picture) {
  picture_ = std::move(picture);
  icon_ = nullptr;
  if (const auto sized = AutoSizedBounds(component_, picture_.Width(), picture_.Height())) {
    InvalidateInContainer(component_.bounds);
    component_.SetBounds(*sized);
  }
  InvalidateInContainer(component_.bounds);
}

void GraphicControl::SetIcon(HICON icon) {
  icon_ = icon;
  picture_ = Bitmap();
  InvalidateInContainer(component_.bounds);
}

void GraphicControl::Changed(Component& component, ComponentChange change) {
  switch (change) {
    case ComponentChange::kBounds:
      // The old place is repainted too; the container cannot know it any more.
      InvalidateRect(ParentWindow(), nullptr, FALSE);
      break;
    case ComponentChange::kHint:
      host_.UpdateHint(*this);
      break;
    case ComponentChange::kRepaint:
      InvalidateInContainer(component.bounds);
      UpdateWindow(ParentWindow());
      break;
    default:
      InvalidateInContainer(component.bounds);
      break;
  }
}

void GraphicControl::Paint(HDC dc) {
  if (!component_.visible || component_.bounds.width <= 0 || component_.bounds.height <= 0) return;
  const RECT box = RealRect(component_.bounds);
  if (component_.Kind() == ComponentKind::kLabel) {
    PaintLabel(dc, box);
  } else if (component_.Kind() == ComponentKind::kBevel) {
    PaintBevel(dc, box);
  } else {
    PaintImage(dc, box);
  }
}

void GraphicControl::PaintLabel(HDC dc, const RECT& box) {
  if (!component_.transparent) FillRect(dc, &box, host_.BrushFor(component_.EffectiveColor()));
  const ControlFont& font = component_.EffectiveFont();
  ScopedSelect select(dc, host_.FontFor(font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(component_.enabled ? font.color : kSystemColorFlag | COLOR_GRAYTEXT));
  UINT format = component_.wordWrap ? DT_WORDBREAK : 0;
  if (!component_.showAccelChar) format |= DT_NOPREFIX;
  if (component_.alignment == TextAlign::kCenter) format |= DT_CENTER;
  if (component_.alignment == TextAlign::kRight) format |= DT_RIGHT;
  DrawAlignedText(dc, component_.caption, box, format, component_.layout);
}

void GraphicControl::PaintImage(HDC dc, const RECT& box) {
  const Rect area{box.left, box.top, box.right, box.bottom};
  const DpiScale& scale = host_.Scale();
  if (icon_) {
    const int size = scale.Length(kDesignIconSize);
    const Rect place = PicturePlace(area, size, size, component_.centred);
    DrawIconEx(dc, place.left, place.top, icon_, size, size, 0, nullptr, DI_NORMAL);
    return;
  }
  if (picture_.Empty()) return;
  if (component_.stretch) {
    StretchDrawBitmap(picture_, dc, area);
    return;
  }
  // A picture is as many design pixels large as it has pixels.
  const int width = scale.Length(picture_.Width()), height = scale.Length(picture_.Height());
  const Rect place = PicturePlace(area, width, height, component_.centred);
  const ScopedSavedDc saved(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  if (scale.IsDesign()) {
    DrawBitmap(picture_, place.left, place.top, dc);
  } else {
    StretchDrawBitmap(picture_, dc, place);
  }
}

void GraphicControl::PaintBevel(HDC dc, const RECT& box) {
  if (component_.bevelOuter == Bevel::kNone) return;  // a spacer
  RECT edge = box;
  const UINT kind = component_.bevelOuter == Bevel::kRaised ? EDGE_RAISED : EDGE_ETCHED;
  DrawEdge(dc, &edge, kind, IsSeparatorBevel(component_) ? BF_TOP : BF_RECT);
}

}  // namespace saverkit
