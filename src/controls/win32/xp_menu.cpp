#include "controls/win32/xp_menu.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "controls/win32/xp_surface.h"
#include "controls/xp_attach_rules.h"
#include "controls/xp_menu_painter.h"
#include "forms/win32/control_object.h"
#include "base/win32/scoped_win.h"

namespace saverkit {

namespace {

// The painter's subclass of the form and of tool bars' parents; distinct from the controls' one.
constexpr UINT_PTR kContainerSubclassId = 0x5851;

XPCandidate CandidateOf(const Component& c) {
  XPCandidate candidate;
  candidate.kind = c.Kind();
  candidate.tag = c.tag;
  if (c.parent) {
    candidate.parentKind = c.parent->Kind();
    candidate.parentTag = c.parent->tag;
  }
  return candidate;
}

HWND WindowOf(ControlHost& host, const Component& c) {
  ControlObject* object = host.ObjectOf(c);
  return object ? object->Handle() : nullptr;
}

// The menu font: the system's, reloaded before each drawing while the system colours are used
// (so it follows large fonts and DPI changes), else the one the settings name.
HFONT CreateMenuFont(const XPMenuSettings& settings) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTA font = metrics.lfMenuFont;
  if (!settings.useSystemColors && !settings.fontName.empty()) {
    lstrcpynA(font.lfFaceName, settings.fontName.c_str(), LF_FACESIZE);
    font.lfHeight = -settings.fontHeight;
  }
  return CreateFontIndirectA(&font);
}

}  // namespace

TXPMenu::TXPMenu(ControlHost& host, XPMenuSettings settings) : host_(host), settings_(std::move(settings)) {}

TXPMenu::~TXPMenu() { SetActive(false); }

void TXPMenu::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  InitItems(active, true);
  if (host_.FormHandle()) DrawMenuBar(host_.FormHandle());
}

void TXPMenu::Forget(TControlSubClass* subclass) {
  auto it = std::find_if(subclasses_.begin(), subclasses_.end(), [subclass](const auto& s) { return s.get() == subclass; });
  if (it != subclasses_.end()) subclasses_.erase(it);
}

void TXPMenu::InitItems(bool attach, bool redraw) {
  if (!attach) {
    subclasses_.clear();  // each gives its control its procedure and frame back
    UnhookWindows();
    for (HWND bar : toolBars_)
      if (redraw) InvalidateRect(bar, nullptr, TRUE);
    toolBars_.clear();
    return;
  }
  if (host_.FormHandle() && settings_.controls.Has(xcPopupMenu)) HookWindow(host_.FormHandle());
  ComponentOwner& components = host_.Components();
  for (int i = 0; i < components.Count(); ++i) {
    Component& c = components.At(i);
    if (c.Kind() == ComponentKind::kToolBar) {
      const HWND bar = WindowOf(host_, c);
      if (!bar || !settings_.controls.Has(xcToolbar)) continue;
      SetWindowLongPtrA(bar, GWL_STYLE, GetWindowLongPtrA(bar, GWL_STYLE) | TBSTYLE_FLAT);
      if (TakesOwnerDraw(c.tag, false, settings_)) {
        toolBars_.push_back(bar);
        HookWindow(GetParent(bar));
      }
      if (redraw) InvalidateRect(bar, nullptr, TRUE);
      continue;
    }
    AttachControl(c, redraw);
  }
}

void TXPMenu::AttachControl(Component& c, bool redraw) {
  if (!ShouldSubclass(CandidateOf(c), settings_)) return;
  const HWND hwnd = WindowOf(host_, c);
  if (!hwnd || TControlSubClass::IsSubclassed(hwnd)) return;
  subclasses_.push_back(std::make_unique<TControlSubClass>(*this, c, hwnd, *XPControlOf(c.Kind())));
  if (redraw) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TXPMenu::HookWindow(HWND hwnd) {
  if (!hwnd || std::find(hookedWindows_.begin(), hookedWindows_.end(), hwnd) != hookedWindows_.end()) return;
  if (SetWindowSubclass(hwnd, ContainerSubclass, kContainerSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    hookedWindows_.push_back(hwnd);
}

void TXPMenu::UnhookWindows() {
  for (HWND hwnd : hookedWindows_)
    if (IsWindow(hwnd)) RemoveWindowSubclass(hwnd, ContainerSubclass, kContainerSubclassId);
  hookedWindows_.clear();
  menuEntries_.clear();
}

bool TXPMenu::IsOurToolBar(HWND hwnd) const {
  return std::find(toolBars_.begin(), toolBars_.end(), hwnd) != toolBars_.end();
}

LRESULT CALLBACK TXPMenu::ContainerSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
  auto& menu = *reinterpret_cast<TXPMenu*>(self);
  switch (message) {
    case WM_INITMENUPOPUP: {
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      menu.OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return result;
    }
    case WM_EXITMENULOOP:
      // Every menu of the loop is closed: their items' entries are no longer asked for.
      menu.menuEntries_.clear();
      break;
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure.CtlType != ODT_MENU || measure.itemData == 0) break;
      menu.MeasureItem(measure);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (draw.CtlType != ODT_MENU || draw.itemData == 0) break;
      menu.DrawItem(draw);
      return TRUE;
    }
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.code == UINT(NM_CUSTOMDRAW) && menu.IsOurToolBar(header.hwndFrom))
        return menu.ToolBarDrawButton(*reinterpret_cast<NMTBCUSTOMDRAW*>(lParam));
      break;
    }
    case WM_NCDESTROY: {
      RemoveWindowSubclass(hwnd, ContainerSubclass, kContainerSubclassId);
      auto& hooked = menu.hookedWindows_;
      hooked.erase(std::remove(hooked.begin(), hooked.end(), hwnd), hooked.end());
      break;
    }
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The form's pop-up menus are built afresh each time they open: their items become ours here,
// with what they show kept aside, since an owner-drawn item's text is ours to draw.
void TXPMenu::OnInitMenuPopup(HMENU menu) {
  if (!active_ || !settings_.controls.Has(xcPopupMenu)) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, UINT(i), TRUE, &info)) continue;
    if (info.fType & MFT_OWNERDRAW) continue;  // drawn by someone else already
    ControlObject* object = host_.ObjectById(int(info.wID));
    const int tag = object ? object->Model().tag : 0;
    if (!TakesOwnerDraw(tag, false, settings_)) continue;
    MenuEntry entry;
    entry.caption = (info.fType & MFT_SEPARATOR) ? "-" : text;
    entry.enabled = !(info.fState & MFS_DISABLED);
    entry.checked = (info.fState & MFS_CHECKED) != 0;
    entry.radio = (info.fType & MFT_RADIOCHECK) != 0;
    menuEntries_.push_back(entry);
    MENUITEMINFOA owner = {};
    owner.cbSize = sizeof owner;
    owner.fMask = MIIM_FTYPE | MIIM_DATA;
    owner.fType = info.fType | MFT_OWNERDRAW;
    owner.dwItemData = menuEntries_.size();  // 1-based: 0 is no item of ours
    SetMenuItemInfoA(menu, UINT(i), TRUE, &owner);
  }
}

void TXPMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
  if (measure.itemData > menuEntries_.size()) return;
  const MenuEntry& entry = menuEntries_[measure.itemData - 1];
  const HWND form = host_.FormHandle();
  const ScopedWindowDc windowDc(form);
  const HDC dc = windowDc.Dc();
  if (!dc) return;
  ScopedFont font(CreateMenuFont(settings_));
  ScopedSelect select(dc, font.Get());
  const std::string text = MenuItemMeasureText(entry.caption, "");
  SIZE size = {0, 0}, ampersand = {0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
  GetTextExtentPoint32A(dc, "&", 1, &ampersand);
  TEXTMETRICA tm = {};
  GetTextMetricsA(dc, &tm);
  MenuItemMeasure item;
  item.caption = entry.caption;
  item.textWidth = int(size.cx);
  item.textHeight = int(tm.tmHeight);
  item.ampersandWidth = int(ampersand.cx);
  const MenuItemSize got =
      saverkit::MeasureItem(settings_, MetricsAt(Dpi()), item, {int(measure.itemWidth), int(measure.itemHeight)});
  measure.itemWidth = UINT(got.width);
  measure.itemHeight = UINT(got.height);
}

void TXPMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
  if (draw.itemData > menuEntries_.size()) return;
  const MenuEntry& entry = menuEntries_[draw.itemData - 1];
  const XPPaintContext c = PaintContextOf(draw.hDC, settings_, Dpi());
  MenuItemLook item;
  item.row = Rect{int(draw.rcItem.left), int(draw.rcItem.top), int(draw.rcItem.right), int(draw.rcItem.bottom)};
  item.caption = entry.caption;
  item.selected = (draw.itemState & ODS_SELECTED) != 0;
  item.enabled = entry.enabled && !(draw.itemState & (ODS_GRAYED | ODS_DISABLED));
  item.checked = entry.checked || (draw.itemState & ODS_CHECKED);
  item.radio = entry.radio;
  ScopedFont font(CreateMenuFont(settings_));
  ReplayPlan(draw.hDC, MenueDrawItem(c, settings_, item), font.Get());
}

// The bar's buttons get the speed buttons' flat faces; the tool bar then draws their images and
// texts over them, without its own edges.
LRESULT TXPMenu::ToolBarDrawButton(NMTBCUSTOMDRAW& draw) {
  NMCUSTOMDRAW& cd = draw.nmcd;
  if (cd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (cd.dwDrawStage != CDDS_ITEMPREPAINT || !active_) return CDRF_DODEFAULT;
  const XPPaintContext c = PaintContextOf(cd.hdc, settings_, Dpi());
  ControlLook look;
  look.client = Rect{int(cd.rc.left), int(cd.rc.top), int(cd.rc.right), int(cd.rc.bottom)};
  look.enabled = !(cd.uItemState & (CDIS_DISABLED | CDIS_GRAYED));
  look.mouseIn = (cd.uItemState & CDIS_HOT) != 0;
  look.leftPressed = (cd.uItemState & CDIS_SELECTED) != 0;
  look.mouseIn = look.mouseIn || look.leftPressed;
  SpeedButtonLook button;
  button.down = (cd.uItemState & CDIS_CHECKED) != 0;
  button.flat = true;
  ReplayPlan(cd.hdc, PaintSpeedButton(c, look, button), nullptr);
  return TBCDRF_NOEDGES | TBCDRF_NOOFFSET | TBCDRF_NOMARK | TBCDRF_NOBACKGROUND;
}

}  // namespace saverkit
