#include "forms/win32/composite_controls.h"

#include <memory>
#include <string>
#include <type_traits>

#include "raster/win32/bitmap_drawing.h"
#include "base/win32/scoped_win.h"

namespace saverkit {
namespace {

DWORD VisibilityStyle(const Component& c) { return (c.visible ? WS_VISIBLE : 0) | (c.enabled ? 0 : WS_DISABLED); }

}  // namespace

// --- page control ---------------------------------------------------------------------------------

PageControl::PageControl(ControlHost& host, Component& component, int id) : ControlObject(host, component, id) {
  const ControlBounds b = host_.Scale().Bounds(component.bounds);
  const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_BUTTONS | TCS_FLATBUTTONS |
                      (component.tabWidth > 0 ? TCS_FIXEDWIDTH : 0) | VisibilityStyle(component);
  hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, WC_TABCONTROLA, "", style, b.left, b.top, b.width, b.height,
                          ParentWindow(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                          nullptr);
  if (!hwnd_) return;
  AttachWindow(hwnd_);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.FontFor(component.EffectiveFont())), FALSE);
  SetTabSize();
}

void PageControl::SetTabSize() {
  if (component_.tabWidth <= 0 && component_.tabHeight <= 0) return;
  const DpiScale& scale = host_.Scale();
  SendMessageA(hwnd_, TCM_SETITEMSIZE, 0, MAKELPARAM(scale.Length(component_.tabWidth), scale.Length(component_.tabHeight)));
}

void PageControl::Rescaled() {
  if (!hwnd_) return;
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.FontFor(component_.EffectiveFont())), FALSE);
  SetTabSize();
  Changed(component_, ComponentChange::kBounds);
}

PageControl::~PageControl() {
  if (!hwnd_) return;
  DetachWindow(hwnd_);
  DestroyWindow(hwnd_);
}

std::vector<Component*> PageControl::Sheets() const {
  std::vector<Component*> sheets;
  for (Component* child : component_.owner->ChildrenOf(&component_)) {
    if (child->Kind() == ComponentKind::kTabSheet) sheets.push_back(child);
  }
  return sheets;
}

RECT PageControl::PageArea() const {
  RECT area;
  GetClientRect(hwnd_, &area);
  TabCtrl_AdjustRect(hwnd_, FALSE, &area);
  return area;
}

void PageControl::SheetsChanged() {
  if (!hwnd_) return;
  const std::vector<Component*> sheets = Sheets();
  TabCtrl_DeleteAllItems(hwnd_);
  int tab = 0, activeTab = -1;
  for (size_t i = 0; i < sheets.size(); ++i) {
    if (!sheets[i]->tabVisible) continue;
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(sheets[i]->caption.c_str());
    item.lParam = LPARAM(i);
    SendMessageA(hwnd_, TCM_INSERTITEMA, WPARAM(tab), reinterpret_cast<LPARAM>(&item));
    if (int32_t(i) == component_.itemIndex) activeTab = tab;
    ++tab;
  }
  TabCtrl_SetCurSel(hwnd_, activeTab);
  // The sheets' bounds are design pixels, like every other component's.
  const RECT area = PageArea();
  const DpiScale& scale = host_.Scale();
  const ControlBounds page{scale.ToDesign(area.left), scale.ToDesign(area.top), scale.ToDesign(area.right - area.left),
                           scale.ToDesign(area.bottom - area.top)};
  for (size_t i = 0; i < sheets.size(); ++i) {
    sheets[i]->SetBounds(page);
    sheets[i]->SetVisible(int32_t(i) == component_.itemIndex);
  }
}

bool PageControl::Reflect(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  const auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code != TCN_SELCHANGE) return false;
  TCITEMA item = {};
  item.mask = TCIF_PARAM;
  if (SendMessageA(hwnd_, TCM_GETITEMA, WPARAM(TabCtrl_GetCurSel(hwnd_)), reinterpret_cast<LPARAM>(&item))) {
    component_.SetItemIndex(int32_t(item.lParam));
    if (component_.events.onChange) component_.events.onChange(component_);
  }
  result = 0;
  return true;
}

void PageControl::Changed(Component& component, ComponentChange change) {
  if (change == ComponentChange::kItemIndex || change == ComponentChange::kBounds) {
    if (change == ComponentChange::kBounds) ControlObject::Changed(component, change);
    SheetsChanged();
    return;
  }
  ControlObject::Changed(component, change);
}

TabSheet::TabSheet(ControlHost& host, Component& component, int id, PageControl* pages)
    : PanelControl(host, component, id), pages_(pages) {
  if (pages_) pages_->SheetsChanged();
}

void TabSheet::Changed(Component& component, ComponentChange change) {
  PanelControl::Changed(component, change);
  if (pages_ && (change == ComponentChange::kTabVisible || change == ComponentChange::kCaption)) pages_->SheetsChanged();
}

// --- tool bar ---------------------------------------------------------------------------------------

ToolBar::ToolBar(ControlHost& host, Component& component, int id) : ControlObject(host, component, id) {
  const ControlBounds b = host_.Scale().Bounds(component.bounds);
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                      CCS_NOPARENTALIGN | VisibilityStyle(component);
  hwnd_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", style, b.left, b.top, b.width, b.height, ParentWindow(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) return;
  AttachWindow(hwnd_);
  SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

ToolBar::~ToolBar() {
  if (hwnd_) {
    DetachWindow(hwnd_);
    DestroyWindow(hwnd_);
  }
}

void ToolBar::AddButton(ControlObject& button) {
  if (!hwnd_) return;
  const Component& model = button.Model();
  TBBUTTON entry = {};
  entry.iBitmap = model.separator ? 0 : model.imageIndex;
  entry.idCommand = button.Id();
  entry.fsState = BYTE((model.enabled ? TBSTATE_ENABLED : 0) | (model.visible ? 0 : TBSTATE_HIDDEN));
  entry.fsStyle = BYTE(model.separator ? BTNS_SEP : BTNS_BUTTON);
  entry.iString = -1;
  SendMessageA(hwnd_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&entry));
  if (!model.separator) buttonSize_ = model.bounds;
  SetButtonSize();
}

void ToolBar::SetButtonSize() {
  if (buttonSize_.width <= 0 || buttonSize_.height <= 0) return;
  const DpiScale& scale = host_.Scale();
  SendMessageA(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(scale.Length(buttonSize_.width), scale.Length(buttonSize_.height)));
}

void ToolBar::Rescaled() {
  if (!hwnd_) return;
  Changed(component_, ComponentChange::kBounds);
  if (!pictures_.empty() || !disabledPictures_.empty()) ApplyImages();
  SetButtonSize();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

namespace {

// An image list of copies of the pictures, drawn `width` x `height`; empty when it cannot be made.
ScopedImageList ImageListOf(const std::vector<Bitmap>& images, int width, int height) {
  HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR24, int(images.size()), 0);
  if (!list) return ScopedImageList();
  ScopedWindowDc screen(nullptr);
  for (const Bitmap& image : images) {
    MemoryDc memory(screen.Dc(), width, height);
    if (!memory) continue;
    if (image.Width() == width && image.Height() == height) {
      DrawBitmap(image, 0, 0, memory.Dc());
    } else {
      StretchDrawBitmap(image, memory.Dc(), Rect{0, 0, width, height});
    }
    // The image list copies the bitmap; it must not stay selected into a device context.
    ScopedBitmap copy(CreateCompatibleBitmap(screen.Dc(), width, height));
    {
      const ScopedCreatedDc copyDc(CreateCompatibleDC(screen.Dc()));
      const ScopedSelect selected(copyDc.Get(), copy.Get());
      BitBlt(copyDc.Get(), 0, 0, width, height, memory.Dc(), 0, 0, SRCCOPY);
    }
    ImageList_Add(list, copy.Get(), nullptr);
  }
  return ScopedImageList(list);
}

}  // namespace

// Without pictures of its own for disabled buttons a tool bar embosses the enabled ones, which
// for pictures without a mask gives grey squares.
void ToolBar::SetImages(const std::vector<Bitmap>& images, const std::vector<Bitmap>& disabledImages, int width,
                        int height) {
  const auto copies = [](const std::vector<Bitmap>& from) {
    std::vector<Bitmap> to;
    for (const Bitmap& picture : from) to.push_back(picture.Clone());
    return to;
  };
  pictures_ = copies(images);
  disabledPictures_ = copies(disabledImages);
  pictureSize_ = {0, 0, width, height};
  ApplyImages();
}

// The pictures are design pixels large: drawn larger on a screen of a larger scale.
void ToolBar::ApplyImages() {
  if (!hwnd_) return;
  const DpiScale& scale = host_.Scale();
  const int width = scale.Length(pictureSize_.width), height = scale.Length(pictureSize_.height);
  ScopedImageList enabled = ImageListOf(pictures_, width, height);
  ScopedImageList disabled = ImageListOf(disabledPictures_, width, height);
  // The bar takes the new lists before the ones it held go.
  SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(enabled.Get()));
  SendMessageA(hwnd_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled.Get()));
  images_ = std::move(enabled);
  disabledImages_ = std::move(disabled);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

bool ToolBar::OwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_ERASEBKGND) return false;
  result = EraseWithParentColour(wParam);
  return true;
}

bool ToolBar::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND) {
    if (ControlObject* button = host_.ObjectById(LOWORD(wParam))) button->Command();
    result = 0;
    return true;
  }
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    ControlObject* button = host_.ObjectById(int(info->hdr.idFrom));
    info->lpszText = button ? const_cast<char*>(button->Model().hint.c_str()) : const_cast<char*>("");
    result = 0;
    return true;
  }
  return false;
}

ToolButton::ToolButton(ControlHost& host, Component& component, int id, ToolBar* bar)
    : ControlObject(host, component, id), bar_(bar) {
  if (bar_) bar_->AddButton(*this);
}

void ToolButton::Command() {
  if (component_.enabled && component_.visible) Click();
}

void ToolButton::Changed(Component& component, ComponentChange change) {
  if (!bar_ || !bar_->Handle()) return;
  if (change == ComponentChange::kEnabled)
    SendMessageA(bar_->Handle(), TB_ENABLEBUTTON, WPARAM(id_), MAKELPARAM(component.enabled, 0));
  if (change == ComponentChange::kVisible)
    SendMessageA(bar_->Handle(), TB_HIDEBUTTON, WPARAM(id_), MAKELPARAM(!component.visible, 0));
}

// --- pop-up menu ----------------------------------------------------------------------------------

bool PopupMenu::Open(int screenX, int screenY) {
  if (component_.events.onPopup) component_.events.onPopup(component_);
  // Destroyed however this ends, also when a handler throws.
  std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)> owned(CreatePopupMenu(), &DestroyMenu);
  HMENU menu = owned.get();
  if (!menu) return false;
  for (Component* item : component_.owner->ChildrenOf(&component_)) {
    ControlObject* object = host_.ObjectOf(*item);
    if (!object || !item->visible) continue;
    if (item->separator || item->caption == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT flags = MF_STRING | (item->enabled ? 0 : MF_GRAYED) | (item->checked ? MF_CHECKED : 0);
    AppendMenuA(menu, flags, UINT_PTR(object->Id()), item->caption.c_str());
  }
  HWND owner = host_.FormHandle();
  SetForegroundWindow(owner);  // so that a click elsewhere closes the menu
  return TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenX, screenY, 0, owner, nullptr) !=
         FALSE;
}

void MenuItem::Command() {
  if (component_.enabled) Click();
}

// --- timer ------------------------------------------------------------------------------------------

FormTimer::FormTimer(ControlHost& host, Component& component, int id) : ControlObject(host, component, id) { Apply(); }

FormTimer::~FormTimer() {
  if (host_.FormHandle()) KillTimer(host_.FormHandle(), UINT_PTR(id_));
}

void FormTimer::Apply() {
  if (!host_.FormHandle()) return;
  if (component_.enabled && component_.interval > 0) {
    SetTimer(host_.FormHandle(), UINT_PTR(id_), UINT(component_.interval), nullptr);
  } else {
    KillTimer(host_.FormHandle(), UINT_PTR(id_));
  }
}

void FormTimer::Changed(Component&, ComponentChange change) {
  if (change == ComponentChange::kEnabled) Apply();
}

void FormTimer::Tick() {
  if (component_.enabled && component_.events.onTimer) component_.events.onTimer(component_);
}

}  // namespace saverkit
