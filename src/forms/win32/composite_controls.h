// Controls made of parts: the page control with its tab sheets, the flat tool bar with its
// buttons and image list, the pop-up menu with its items, and the form's timers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "base/win32/scoped_win.h"
#include "forms/win32/container_window.h"
#include "forms/win32/control_object.h"
#include "raster/bitmap.h"

namespace saverkit {

// A tab control whose sheets (panels) are its children. Only the sheets with a visible tab have
// one; the model's itemIndex is the active sheet among all sheets, and only that sheet shows.
class PageControl : public ControlObject {
 public:
  PageControl(ControlHost& host, Component& component, int id);
  ~PageControl() override;
  HWND Handle() const override { return hwnd_; }
  HWND ChildHost() const override { return hwnd_; }
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Changed(Component& component, ComponentChange change) override;
  void Rescaled() override;
  // A sheet was made or changed its tab: the tab row and the shown sheet follow the model.
  void SheetsChanged();

 protected:
  void WindowGone() override { hwnd_ = nullptr; }

 private:
  std::vector<Component*> Sheets() const;
  RECT PageArea() const;
  void SetTabSize();
  HWND hwnd_ = nullptr;
};

// A tab sheet: a panel that its page control sizes, shows and hides.
class TabSheet : public PanelControl {
 public:
  TabSheet(ControlHost& host, Component& component, int id, PageControl* pages);
  void Changed(Component& component, ComponentChange change) override;

 private:
  PageControl* pages_;
};

// A flat tool bar; its TToolButton children are its buttons (by their image index), clicked
// through the bar's WM_COMMAND.
class ToolBar : public ControlObject {
 public:
  ToolBar(ControlHost& host, Component& component, int id);
  ~ToolBar() override;
  HWND Handle() const override { return hwnd_; }
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The pictures of the buttons, and of the buttons while they are disabled, by image index.
  void SetImages(const std::vector<Bitmap>& images, const std::vector<Bitmap>& disabledImages, int width, int height);
  void AddButton(ControlObject& button);
  void Rescaled() override;

 protected:
  // A flat bar shows what it sits on.
  bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void WindowGone() override { hwnd_ = nullptr; }

 private:
  void ApplyImages();
  void SetButtonSize();

  HWND hwnd_ = nullptr;
  // In design pixels; kept so that a change of scale can draw them again.
  std::vector<Bitmap> pictures_, disabledPictures_;
  ControlBounds pictureSize_;
  ControlBounds buttonSize_;
  ScopedImageList images_;
  ScopedImageList disabledImages_;
};

class ToolButton : public ControlObject {
 public:
  ToolButton(ControlHost& host, Component& component, int id, ToolBar* bar);
  void Command() override;
  void Changed(Component& component, ComponentChange change) override;

 private:
  ToolBar* bar_;
};

// A pop-up menu; its TMenuItem children are built into a fresh menu each time it opens, so that
// captions, enabled and checked states are always the model's.
class PopupMenu : public ControlObject {
 public:
  PopupMenu(ControlHost& host, Component& component, int id) : ControlObject(host, component, id) {}
  bool Open(int screenX, int screenY);
};

class MenuItem : public ControlObject {
 public:
  MenuItem(ControlHost& host, Component& component, int id) : ControlObject(host, component, id) {}
  void Command() override;
};

// A window timer of the form with the component's id; it runs while enabled, with its interval.
class FormTimer : public ControlObject {
 public:
  FormTimer(ControlHost& host, Component& component, int id);
  ~FormTimer() override;
  void Changed(Component& component, ComponentChange change) override;
  void Tick();

 private:
  void Apply();
};

}  // namespace saverkit
