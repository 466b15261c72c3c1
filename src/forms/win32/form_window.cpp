#include "forms/win32/form_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include <stdexcept>

#include "forms/component_description.h"
#include "forms/win32/composite_controls.h"
#include "forms/win32/form_inspection.h"
#include "forms/win32/text_drawing.h"
#include "forms/win32/window_dpi.h"

namespace saverkit {
namespace {

std::string FontKey(const ControlFont& font) {
  return font.name + '|' + std::to_string(font.size) + '|' + std::to_string(font.height) + '|' +
         char('0' + font.style.bold) + char('0' + font.style.italic) + char('0' + font.style.underline) +
         char('0' + font.style.strikeOut);
}

}  // namespace

FormWindow::FormWindow() : ContainerWindow(*this, nullptr) {
  components_.font.name = "Arial";
  components_.font.height = -13;
}

FormWindow::~FormWindow() {
  // Controls first, while the form's window (their parent, their timers' owner) still exists;
  // the last made goes first, so children go before their containers.
  ForgetControls();
  while (!controls_.empty()) controls_.pop_back();
  if (tooltip_) DestroyWindow(tooltip_);
}

Component& FormWindow::Item(const std::string& name) {
  Component* component = components_.Find(name);
  if (!component) throw std::out_of_range("the form has no component " + name);
  return *component;
}

bool FormWindow::CreateForm(HWND owner, int clientWidth, int clientHeight, const std::string& caption) {
  scale_ = DpiScale(WindowDpi(nullptr));
  designClient_ = {clientWidth, clientHeight};
  WindowPlacement placement;
  placement.style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
  placement.exStyle = WS_EX_CONTROLPARENT;
  placement.x = 0;
  placement.y = 0;
  placement.width = scale_.Length(clientWidth);
  placement.height = scale_.Length(clientHeight);
  placement.parent = owner;
  WindowClass windowClass;
  windowClass.name = "SaverkitForm";
  if (!Create(windowClass, caption, placement)) return false;
  // The window may sit on a monitor of its own scale; no control is made yet.
  const DpiScale own(WindowDpi(Handle()));
  if (own != scale_) {
    scale_ = own;
    SetClientSize(clientWidth, clientHeight);
  }
  CenterOnScreen();
  CreateControls();
  return true;
}

std::unique_ptr<ControlObject> FormWindow::MakeControl(Component& component, int id) {
  ControlObject* parent = component.parent ? ObjectOf(*component.parent) : nullptr;
  switch (component.Kind()) {
    case ComponentKind::kTabSheet:
      return std::make_unique<TabSheet>(*this, component, id, dynamic_cast<PageControl*>(parent));
    case ComponentKind::kPanel:
    case ComponentKind::kGroupBox:
      return std::make_unique<PanelControl>(*this, component, id);
    case ComponentKind::kButton:
    case ComponentKind::kSpeedButton:
    case ComponentKind::kCheckBox:
    case ComponentKind::kEdit:
    case ComponentKind::kMemo:
    case ComponentKind::kComboBox:
      return std::make_unique<NativeControl>(*this, component, id);
    case ComponentKind::kLabel:
    case ComponentKind::kImage:
    case ComponentKind::kHoverImage:
    case ComponentKind::kBevel:
      return std::make_unique<GraphicControl>(*this, component, id);
    case ComponentKind::kPageControl:
      return std::make_unique<PageControl>(*this, component, id);
    case ComponentKind::kToolBar:
      return std::make_unique<ToolBar>(*this, component, id);
    case ComponentKind::kToolButton:
      return std::make_unique<ToolButton>(*this, component, id, dynamic_cast<ToolBar*>(parent));
    case ComponentKind::kPopupMenu:
      return std::make_unique<PopupMenu>(*this, component, id);
    case ComponentKind::kMenuItem:
      return std::make_unique<MenuItem>(*this, component, id);
    case ComponentKind::kTimer:
      return std::make_unique<FormTimer>(*this, component, id);
    default:
      return nullptr;  // a component without a control of its own (an image list, a painter)
  }
}

void FormWindow::CreateControls() {
  if (!Handle()) return;
  for (int i = 0; i < components_.Count(); ++i) {
    Component& component = components_.At(i);
    if (component.link) continue;
    const int id = nextId_;
    // The control registers itself as the component's link in its constructor; the Win32 half
    // asks for it while its window is made (WM_MEASUREITEM), so it is known as being made.
    struct CreatingScope {
      ControlObject*& slot;
      ~CreatingScope() { slot = nullptr; }
    } scope{creating_};
    std::unique_ptr<ControlObject> control = MakeControl(component, id);
    if (!control) continue;
    ++nextId_;
    controls_.push_back(std::move(control));
  }
}

ControlObject* FormWindow::ObjectOf(const Component& component) {
  return component.link ? static_cast<ControlObject*>(component.link) : nullptr;
}

ControlObject* FormWindow::ObjectById(int id) {
  for (const auto& control : controls_) {
    if (control->Id() == id) return control.get();
  }
  return nullptr;
}

ControlObject* FormWindow::Control(const std::string& name) {
  Component* component = components_.Find(name);
  return component ? ObjectOf(*component) : nullptr;
}

HWND FormWindow::ControlHandle(const std::string& name) {
  ControlObject* control = Control(name);
  return control ? control->Handle() : nullptr;
}

HWND FormWindow::ContainerOf(const Component& component) {
  for (const Component* parent = component.parent; parent; parent = parent->parent) {
    ControlObject* object = ObjectOf(*parent);
    if (object && object->ChildHost()) return object->ChildHost();
  }
  return Handle();
}

bool FormWindow::SetPicture(const std::string& image, Bitmap picture) {
  auto* control = dynamic_cast<GraphicControl*>(Control(image));
  if (!control) return false;
  control->SetPicture(std::move(picture));
  return true;
}

bool FormWindow::SetIcon(const std::string& image, HICON icon) {
  auto* control = dynamic_cast<GraphicControl*>(Control(image));
  if (!control) return false;
  control->SetIcon(icon);
  return true;
}

bool FormWindow::SetImages(const std::string& toolBar, const std::vector<Bitmap>& images,
                           const std::vector<Bitmap>& disabledImages, int width, int height) {
  auto* control = dynamic_cast<ToolBar*>(Control(toolBar));
  if (!control) return false;
  control->SetImages(images, disabledImages, width, height);
  return true;
}

bool FormWindow::SetDrawItem(const std::string& list, std::function<void(const DRAWITEMSTRUCT&)> draw) {
  ControlObject* control = Control(list);
  if (!control) return false;
  control->onDrawItem = std::move(draw);
  return true;
}

bool FormWindow::Popup(const std::string& menu, int screenX, int screenY) {
  auto* control = dynamic_cast<PopupMenu*>(Control(menu));
  return control && control->Open(screenX, screenY);
}

HFONT FormWindow::FontFor(const ControlFont& font) {
  const std::string key = FontKey(font);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.Get();
  // A form's controls without a font of their own anywhere up their parents write in Arial.
  ControlFont named = font;
  if (named.name.empty()) named.name = "Arial";
  HFONT created = CreateControlFont(named, scale_);
  if (!created) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return fonts_.emplace(key, ScopedFont(created)).first->second.Get();
}

HBRUSH FormWindow::BrushFor(uint32_t color) {
  if ((color & kSystemColorFlag) == kSystemColorFlag) return GetSysColorBrush(int(color & 0xFF));
  auto found = brushes_.find(color);
  if (found != brushes_.end()) return found->second.Get();
  return brushes_.emplace(color, ScopedBrush(CreateSolidBrush(ToColorRef(color)))).first->second.Get();
}

void FormWindow::UpdateHint(ControlObject& control) {
  if (!Handle()) return;
  const Component& model = control.Model();
  if (!tooltip_) {
    if (!model.showHint || model.hint.empty()) return;
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                               0, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tooltip_) return;
    SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
  }
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  if (control.Handle()) {
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ContainerOf(model);
    tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  } else {
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = ContainerOf(model);
    tool.uId = UINT_PTR(control.Id());
    const ControlBounds real = scale_.Bounds(model.bounds);
    tool.rect = {real.left, real.top, real.left + real.width, real.top + real.height};
  }
  SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (!model.showHint || model.hint.empty()) return;
  tool.lpszText = const_cast<char*>(model.hint.c_str());
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormWindow::SetTitle(const std::string& title) {
  if (Handle()) SetWindowTextA(Handle(), title.c_str());
}

void FormWindow::SetClientSize(int width, int height) {
  if (!Handle()) return;
  designClient_ = {width, height};
  RECT frame = {0, 0, scale_.Length(width), scale_.Length(height)};
  AdjustWindowRectEx(&frame, DWORD(GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                     DWORD(GetWindowLongA(Handle(), GWL_EXSTYLE)));
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::CenterOnScreen() {
  RECT rc;
  GetWindowRect(Handle(), &rc);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - (rc.right - rc.left)) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - (rc.bottom - rc.top)) / 2;
  SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Component* FormWindow::ButtonWithRole(bool cancel) {
  for (int i = 0; i < components_.Count(); ++i) {
    Component& c = components_.At(i);
    if (c.Kind() != ComponentKind::kButton || !(cancel ? c.isCancel : c.isDefault)) continue;
    if (c.visible && c.enabled) return &c;
  }
  return nullptr;
}

void FormWindow::PressButton(bool cancel) {
  Component* button = ButtonWithRole(cancel);
  if (ControlObject* control = button ? ObjectOf(*button) : nullptr) control->Command();
}

void FormWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam != 0) return;  // a control's own notification that no object took
  const int id = LOWORD(wParam);
  // Escape and Enter, as IsDialogMessage reports them, press the cancel and the default button.
  if (id == IDCANCEL) return PressButton(true);
  if (id == IDOK) return PressButton(false);
  if (ControlObject* control = ObjectById(id)) control->Command();
}

void FormWindow::Close() {
  if (!Handle() || !CloseQuery()) return;
  if (modal_) {
    SetModalResult(kModalCancel);
  } else {
    DestroyWindow(Handle());
  }
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case DM_GETDEFID: {
      Component* button = ButtonWithRole(false);
      ControlObject* control = button ? ObjectOf(*button) : nullptr;
      return control ? MAKELRESULT(control->Id(), DC_HASDEFID) : 0;
    }
    case WM_COPYDATA:
      return AnswerDescribeRequest(reinterpret_cast<HWND>(wParam), *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_TIMER:
      if (auto* timer = dynamic_cast<FormTimer*>(ObjectById(int(wParam)))) {
        timer->Tick();
        return 0;
      }
      break;
    case WM_ACTIVATE: {
      const LRESULT result = ContainerWindow::HandleMessage(message, wParam, lParam);
      Activated(LOWORD(wParam));
      return result;
    }
    case WM_DPICHANGED:
      ChangeScale(DpiScale(HIWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
      return 0;
  }
  LRESULT result = ContainerWindow::HandleMessage(message, wParam, lParam);
  if (message == WM_COMMAND) OnCommand(wParam, lParam);
  return result;
}

// Moved to a monitor of another scale: fonts, controls and the window itself are made again at
// the new scale, the window where Windows suggests it.
void FormWindow::ChangeScale(const DpiScale& scale, const RECT& suggested) {
  if (scale == scale_) return;
  scale_ = scale;
  // The controls take the new fonts before the old ones go.
  std::map<std::string, ScopedFont> oldFonts;
  oldFonts.swap(fonts_);
  for (const auto& control : controls_) control->Rescaled();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetClientSize(designClient_.width, designClient_.height);
  if (tooltip_) {
    for (const auto& control : controls_) UpdateHint(*control);
  }
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

LRESULT FormWindow::AnswerDescribeRequest(HWND asker, const COPYDATASTRUCT& request) {
  if (request.dwData != kDescribeRequest || !IsWindow(asker) || !request.lpData || request.cbData > kMaxDescribeBytes)
    return FALSE;
  const std::string name(static_cast<const char*>(request.lpData), request.cbData);
  const Component* component = components_.Find(name);
  std::string text = component ? DescribeComponent(*component) : std::string();
  if (text.size() > kMaxDescribeBytes) text.resize(kMaxDescribeBytes);
  COPYDATASTRUCT answer = {kDescribeAnswer, DWORD(text.size()), text.data()};
  SendMessageA(asker, WM_COPYDATA, reinterpret_cast<WPARAM>(Handle()), reinterpret_cast<LPARAM>(&answer));
  return TRUE;
}

bool FormWindow::PreviewKey(const MSG& msg) {
  if (!keyPreview_ || msg.message != WM_KEYDOWN) return false;
  if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
  return KeyPreview(msg.wParam);
}

void FormWindow::FocusFirstControl() {
  Component* button = ButtonWithRole(false);
  HWND target = button && ObjectOf(*button) ? ObjectOf(*button)->Handle() : nullptr;
  if (!target) target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
  SetFocus(target ? target : Handle());
}

int FormWindow::ShowModal() {
  if (!Handle()) return kModalCancel;
  HWND owner = GetWindow(Handle(), GW_OWNER);
  const bool disabledOwner = owner && IsWindowEnabled(owner);
  if (disabledOwner) EnableWindow(owner, FALSE);
  modal_ = true;
  modalResult_ = kModalNone;
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  FocusFirstControl();

  bool quit = false;
  WPARAM quitCode = 0;
  MSG msg;
  while (modalResult_ == kModalNone && Handle() && !ExceptionPending()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = true;
      quitCode = msg.wParam;
      break;
    }
    if (PreviewKey(msg)) continue;
    if (IsDialogMessageA(Handle(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  modal_ = false;
  // The owner comes back before the form hides, so that Windows activates it and not another program.
  if (disabledOwner) EnableWindow(owner, TRUE);
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
  if (owner && disabledOwner) SetActiveWindow(owner);
  // The outer loop must see the WM_QUIT this loop took, unless it came from a kept exception.
  if (quit && !ExceptionPending()) PostQuitMessage(int(quitCode));
  RethrowPendingException();
  if (modalResult_ == kModalNone) modalResult_ = kModalCancel;  // the window went away
  return modalResult_;
}

std::string RunSaveDialog(HWND owner, const SaveDialogOptions& options) {
  // The filter's "|" separators become the NUL separators Windows wants, with a double NUL at the end.
  std::string filter = options.filter;
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  filter.append(2, '\0');
  char path[MAX_PATH] = {};
  lstrcpynA(path, options.fileName.c_str(), MAX_PATH);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
  dialog.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING | OFN_EXPLORER |
                 OFN_NOCHANGEDIR;
  return GetSaveFileNameA(&dialog) ? std::string(path) : std::string();
}

}  // namespace saverkit
