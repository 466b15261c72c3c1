// `TXPMenu`: the flat XP-style look of one form. Switched on, it subclasses the form's standard
// controls (one `TControlSubClass` each), owner-draws the items of the form's pop-up menus and
// custom-draws its tool bars' buttons; switched off (or destroyed) it gives every control its own
// window procedure and borders back. A form makes it after its controls exist:
//
//   xpMenu_ = std::make_unique<TXPMenu>(*this, ConfigurationDialogXPSettings());
//   xpMenu_->SetActive(true);
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/win32/control_subclass.h"
#include "controls/xp_menu_settings.h"
#include "forms/win32/control_host.h"

namespace saverkit {

class TXPMenu {
 public:
  TXPMenu(ControlHost& host, XPMenuSettings settings);
  ~TXPMenu();
  TXPMenu(const TXPMenu&) = delete;
  TXPMenu& operator=(const TXPMenu&) = delete;

  // Attaches (true) or detaches (false) everything when the value changes.
  void SetActive(bool active);
  bool Active() const { return active_; }
  const XPMenuSettings& Settings() const { return settings_; }

  // Called by a subclass whose control is being destroyed: frees it.
  void Forget(TControlSubClass* subclass);
  HFONT FontOf(const Component& component) { return host_.FontFor(component.EffectiveFont()); }
  // The DPI the form is drawn at.
  int Dpi() const { return host_.Scale().Dpi(); }

 private:
  struct MenuEntry {
    std::string caption;
    bool enabled = true;
    bool checked = false;
    bool radio = false;
  };

  void InitItems(bool attach, bool redraw);
  void AttachControl(Component& component, bool redraw);
  void HookWindow(HWND hwnd);
  void UnhookWindows();

  static LRESULT CALLBACK ContainerSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR self);
  void OnInitMenuPopup(HMENU menu);
  void MeasureItem(MEASUREITEMSTRUCT& measure);
  void DrawItem(const DRAWITEMSTRUCT& draw);
  LRESULT ToolBarDrawButton(NMTBCUSTOMDRAW& draw);
  bool IsOurToolBar(HWND hwnd) const;

  ControlHost& host_;
  XPMenuSettings settings_;
  bool active_ = false;
  std::vector<std::unique_ptr<TControlSubClass>> subclasses_;
  std::vector<HWND> hookedWindows_;  // the form and the parents of its tool bars
  std::vector<HWND> toolBars_;
  std::vector<MenuEntry> menuEntries_;  // the items of the menus open now (a submenu adds its own)
};

}  // namespace saverkit
