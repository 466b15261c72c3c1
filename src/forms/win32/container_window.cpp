#include "forms/win32/container_window.h"

#include <windowsx.h>

#include "forms/layout.h"
#include "base/win32/scoped_win.h"

namespace saverkit {
namespace {

UINT EdgeFor(Bevel bevel) { return bevel == Bevel::kRaised ? BDR_RAISEDINNER : BDR_SUNKENINNER; }
UINT OuterEdgeFor(Bevel bevel) { return bevel == Bevel::kRaised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER; }

// The window whose object a reflected notification concerns.
HWND NotifyingWindow(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      return draw->CtlType == ODT_MENU ? nullptr : draw->hwndItem;
    }
    case WM_MEASUREITEM: {
      const auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      return measure->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, int(measure->CtlID));
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lParam);
  }
  return nullptr;
}

bool IsReflected(UINT message) {
  return message == WM_COMMAND || message == WM_NOTIFY || message == WM_DRAWITEM || message == WM_MEASUREITEM ||
         (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

}  // namespace

bool ContainerWindow::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  ControlObject* control = NativeControl::FromHandle(NotifyingWindow(Handle(), message, wParam, lParam));
  // WM_MEASUREITEM comes while the control's window is being made, before it is known by handle.
  if (!control && message == WM_MEASUREITEM) {
    const auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    ControlObject* creating = host_.Creating();
    if (measure->CtlType != ODT_MENU && creating && creating->Id() == int(measure->CtlID)) control = creating;
  }
  return control && control->Reflect(message, wParam, lParam, result);
}

LRESULT ContainerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsReflected(message)) {
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, result)) return result;
  }
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // PaintContent covers everything, off screen
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnButton(message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void ContainerWindow::PaintBackground(HDC dc, const RECT& clientArea) {
  FillRect(dc, &clientArea, host_.BrushFor(host_.Components().color));
}

void ContainerWindow::PaintContent(HDC dc, const RECT& clientArea) {
  // Off screen first, so that the pictures of a caption bar do not flicker when it repaints.
  MemoryDc memory(dc, clientArea.right, clientArea.bottom);
  HDC target = memory ? memory.Dc() : dc;
  PaintBackground(target, clientArea);
  for (Component* child : host_.Components().ChildrenOf(self_)) {
    ControlObject* control = host_.ObjectOf(*child);
    if (control && control->IsGraphic()) control->Paint(target);
  }
  if (memory) BitBlt(dc, 0, 0, clientArea.right, clientArea.bottom, memory.Dc(), 0, 0, SRCCOPY);
}

GraphicControl* ContainerWindow::GraphicAt(int x, int y) const {
  const auto children = host_.Components().ChildrenOf(self_);
  for (auto it = children.rbegin(); it != children.rend(); ++it) {  // the front one first
    const Component& child = **it;
    if (!child.visible || !child.enabled) continue;
    const ControlBounds b = host_.Scale().Bounds(child.bounds);
    if (x < b.left || y < b.top || x >= b.left + b.width || y >= b.top + b.height) continue;
    ControlObject* control = host_.ObjectOf(child);
    if (control && control->IsGraphic()) return static_cast<GraphicControl*>(control);
  }
  return nullptr;
}

void ContainerWindow::OnMouseMove(int x, int y) {
  ControlObject* now = GraphicAt(x, y);
  if (now == hovered_) return;
  ControlObject* before = hovered_;
  hovered_ = now;
  if (before && before->Model().events.onMouseOut) before->Model().events.onMouseOut(before->Model());
  if (now && now->Model().events.onMouseIn) now->Model().events.onMouseIn(now->Model());
  if (now && !trackingLeave_) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Handle(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
}

void ContainerWindow::OnMouseLeave() {
  trackingLeave_ = false;
  ControlObject* before = hovered_;
  hovered_ = nullptr;
  if (before && before->Model().events.onMouseOut) before->Model().events.onMouseOut(before->Model());
}

void ContainerWindow::OnButton(UINT message, int x, int y) {
  GraphicControl* control = GraphicAt(x, y);
  if (message == WM_LBUTTONUP) {
    ControlObject* pressed = pressed_;
    pressed_ = nullptr;
    if (GetCapture() == Handle()) ReleaseCapture();
    if (pressed && pressed == control) pressed->Command();
    return;
  }
  if (!control) return;
  Component& model = control->Model();
  const DpiScale& scale = host_.Scale();
  const ControlBounds b = scale.Bounds(model.bounds);
  if (message == WM_LBUTTONDBLCLK) {
    if (model.events.onDblClick) {
      model.events.onDblClick(model);
      return;
    }
    message = WM_LBUTTONDOWN;  // without a double-click handler, the second press is a press
  }
  const MouseButton button = message == WM_LBUTTONDOWN   ? MouseButton::kLeft
                             : message == WM_RBUTTONDOWN ? MouseButton::kRight
                                                         : MouseButton::kMiddle;
  if (button == MouseButton::kLeft) {
    pressed_ = control;
    SetCapture(Handle());
  }
  // The handler may hand the mouse to Windows (a caption drag); the press then ends there.
  if (model.events.onMouseDown) model.events.onMouseDown(model, button, scale.ToDesign(x - b.left), scale.ToDesign(y - b.top));
  if (button == MouseButton::kLeft && GetCapture() != Handle()) pressed_ = nullptr;
}

bool ContainerWindow::OnSetCursor() {
  POINT at;
  GetCursorPos(&at);
  ScreenToClient(Handle(), &at);
  GraphicControl* control = GraphicAt(at.x, at.y);
  if (!control || control->Model().cursor != CursorShape::kHand) return false;
  SetCursor(LoadCursorA(nullptr, IDC_HAND));
  return true;
}

void ContainerWindow::OnSize() {
  RECT client;
  GetClientRect(Handle(), &client);
  AlignChildren(host_.Components(), self_, host_.Scale().ToDesign(client.right), host_.Scale().ToDesign(client.bottom));
}

// --- panels ---------------------------------------------------------------------------------------

bool PanelControl::PanelWindow::CreateIn(HWND parent, Component& component, int id) {
  WindowPlacement placement;
  placement.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (component.visible ? WS_VISIBLE : 0) |
                    (component.enabled ? 0 : WS_DISABLED);
  placement.exStyle = WS_EX_CONTROLPARENT;  // Tab walks into the panel's controls
  const ControlBounds real = host_.Scale().Bounds(component.bounds);
  placement.x = real.left;
  placement.y = real.top;
  placement.width = real.width;
  placement.height = real.height;
  placement.parent = parent;
  placement.childId = id;
  WindowClass windowClass;
  windowClass.name = "SaverkitPanel";
  windowClass.icon = nullptr;
  return Create(windowClass, component.caption, placement);
}

void PanelControl::PanelWindow::PaintBackground(HDC dc, const RECT& clientArea) {
  const Component& panel = *self_;
  FillRect(dc, &clientArea, host_.BrushFor(panel.EffectiveColor()));
  RECT edge = clientArea;
  if (panel.Kind() == ComponentKind::kGroupBox) {
    // An etched frame with the caption breaking its top line.
    ScopedSelect font(dc, host_.FontFor(panel.EffectiveFont()));
    SIZE text = {0, 0};
    GetTextExtentPoint32A(dc, panel.caption.c_str(), int(panel.caption.size()), &text);
    edge.top += text.cy / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (panel.caption.empty()) return;
    const DpiScale& scale = host_.Scale();
    RECT label = {scale.Length(8), 0, scale.Length(8) + text.cx + scale.Length(4), text.cy};
    FillRect(dc, &label, host_.BrushFor(panel.EffectiveColor()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(panel.EffectiveFont().color));
    label.left += scale.Length(2);
    DrawTextA(dc, panel.caption.c_str(), int(panel.caption.size()), &label, DT_SINGLELINE);
    return;
  }
  if (panel.bevelOuter != Bevel::kNone) {
    DrawEdge(dc, &edge, OuterEdgeFor(panel.bevelOuter), BF_RECT | BF_ADJUST);
  }
  const int border = host_.Scale().Length(panel.borderWidth);
  InflateRect(&edge, -border, -border);
  if (panel.bevelInner != Bevel::kNone) DrawEdge(dc, &edge, EdgeFor(panel.bevelInner), BF_RECT | BF_ADJUST);
  if (!panel.caption.empty() && panel.Kind() == ComponentKind::kPanel) {
    ScopedSelect font(dc, host_.FontFor(panel.EffectiveFont()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(panel.EffectiveFont().color));
    DrawTextA(dc, panel.caption.c_str(), int(panel.caption.size()), &edge, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

PanelControl::PanelControl(ControlHost& host, Component& component, int id)
    : ControlObject(host, component, id), window_(host, &component) {
  window_.CreateIn(ParentWindow(), component, id);
  AttachWindow(Handle());
  if (component.showHint) host_.UpdateHint(*this);
}

PanelControl::~PanelControl() {
  DetachWindow(Handle());
}

}  // namespace saverkit
