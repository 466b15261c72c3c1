// A window that holds controls: the form itself, and the panels, tab sheets and group boxes on
// it. It paints its colour, bevels or group frame and its graphic children in creation order
// (later over earlier), gives them the mouse (clicks, double clicks, button presses, entry and
// exit, the hand cursor), lays out its aligned children when it is resized, and reflects the
// notifications of its windowed children back to their objects.
#pragma once

#include <windows.h>

#include "forms/component.h"
#include "forms/win32/control_object.h"
#include "forms/win32/window.h"

namespace saverkit {

class ContainerWindow : public Window {
 public:
  // `self` is the container's component; null for the form.
  ContainerWindow(ControlHost& host, Component* self) : host_(host), self_(self) {}

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientArea) override;
  // Colour, bevels or frame under the children; the form paints only its colour.
  virtual void PaintBackground(HDC dc, const RECT& clientArea);
  // The controls are going: no mouse state may point at them any more.
  void ForgetControls() { hovered_ = pressed_ = nullptr; }

  ControlHost& host_;
  Component* self_;

 private:
  bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  GraphicControl* GraphicAt(int x, int y) const;
  void OnMouseMove(int x, int y);
  void OnMouseLeave();
  void OnButton(UINT message, int x, int y);
  bool OnSetCursor();
  void OnSize();

  ControlObject* hovered_ = nullptr;
  ControlObject* pressed_ = nullptr;
  bool trackingLeave_ = false;
};

// A panel, tab sheet or group box: a container window that is also a control of the form.
class PanelControl : public ControlObject {
 public:
  PanelControl(ControlHost& host, Component& component, int id);
  ~PanelControl() override;
  HWND Handle() const override { return window_.Handle(); }
  HWND ChildHost() const override { return window_.Handle(); }

 private:
  class PanelWindow : public ContainerWindow {
   public:
    using ContainerWindow::ContainerWindow;
    bool CreateIn(HWND parent, Component& component, int id);

   protected:
    void PaintBackground(HDC dc, const RECT& clientArea) override;
  };
  PanelWindow window_;
};

}  // namespace saverkit
