// The real control behind a component. Windowed controls are standard Windows controls made
// with an id and subclassed (SetWindowSubclass), so that the notifications their parent gets
// (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*) come back to the object of
// the control they concern; graphic controls (labels, images, bevels) have no window and are
// painted and hit-tested by the window that contains them, as the framework's graphic controls are.
#pragma once

#include <windows.h>

#include <functional>

#include "forms/component.h"
#include "forms/win32/control_host.h"
#include "raster/bitmap.h"

namespace saverkit {

class ControlObject : public ControlLink {
 public:
  ControlObject(ControlHost& host, Component& component, int id);
  ~ControlObject() override;
  ControlObject(const ControlObject&) = delete;
  ControlObject& operator=(const ControlObject&) = delete;

  Component& Model() { return component_; }
  int Id() const { return id_; }
  // The control's own window; null for graphic controls and non-visual components.
  virtual HWND Handle() const { return nullptr; }
  // The window the control's children go into (panels, sheets, group boxes); null when it takes none.
  virtual HWND ChildHost() const { return nullptr; }
  // A notification its parent received about it; true when handled, with the result to return.
  virtual bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }
  // WM_COMMAND carrying its id without a window: a menu choice, or Enter/Escape pressing a button.
  virtual void Command() {}
  // Paints a graphic control into its container's device context (client coordinates of the container).
  virtual void Paint(HDC dc) {}
  bool IsGraphic() const { return Handle() == nullptr && ChildHost() == nullptr && paintsInContainer_; }

  void Changed(Component& component, ComponentChange change) override;
  // The form's scale changed: the control takes its font, place and measures at the new one.
  virtual void Rescaled();

  // The Win32-only event of owner-drawn lists: draws one row.
  std::function<void(const DRAWITEMSTRUCT&)> onDrawItem;

 protected:
  // Presses the control: its click event, then its modal result ends a modal form.
  void Click();
  // Fills the background with the colour of what the control sits on.
  bool EraseWithParentColour(WPARAM dc);
  // Marks a window made for this control (object and name properties) and subclasses it so that
  // OwnMessage sees its messages first; DetachWindow undoes both.
  void AttachWindow(HWND hwnd);
  static void DetachWindow(HWND hwnd);
  // A message of the control's own window; true when handled, with the result to return.
  virtual bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }
  // The window went away under the object (its parent was destroyed first).
  virtual void WindowGone() {}
  // The window of the component's parent, where this control's window goes.
  HWND ParentWindow() const;
  void InvalidateInContainer(const ControlBounds& bounds) const;
  // Bounds in design pixels as the rectangle they take on the screen, in the container's pixels.
  RECT RealRect(const ControlBounds& bounds) const;

  ControlHost& host_;
  Component& component_;
  const int id_;
  bool paintsInContainer_ = false;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
};

// A standard Windows control (button, check box, edit, memo, combo box, speed button).
class NativeControl : public ControlObject {
 public:
  NativeControl(ControlHost& host, Component& component, int id);
  ~NativeControl() override;

  HWND Handle() const override { return hwnd_; }
  bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Command() override;
  void Changed(Component& component, ComponentChange change) override;
  void Rescaled() override;

  // The object of a control window made by a form; null for any other window.
  static ControlObject* FromHandle(HWND hwnd);

 protected:
  bool OwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void WindowGone() override { hwnd_ = nullptr; }

 private:
  bool IsButtonKind() const;
  bool IsEditKind() const;  // edits and memos
  void Clicked();
  void FillItems();
  void SetOwnerDrawRowHeights();
  ControlBounds WindowBounds() const;

  HWND hwnd_ = nullptr;
};

// A label, image or bevel: painted by the window of its parent.
class GraphicControl : public ControlObject {
 public:
  GraphicControl(ControlHost& host, Component& component, int id);
  void Command() override;
  void Paint(HDC dc) override;
  void Changed(Component& component, ComponentChange change) override;

  // An image's picture, drawn from its top-left corner, centred or stretched by its properties;
  // with automatic size the image takes the picture's size.
  void SetPicture(Bitmap picture);
  // An image's icon (not owned: a shared system or resource icon), drawn in place of a picture.
  void SetIcon(HICON icon);

 private:
  void PaintLabel(HDC dc, const RECT& box);
  void PaintImage(HDC dc, const RECT& box);
  void PaintBevel(HDC dc, const RECT& box);

  Bitmap picture_;
  HICON icon_ = nullptr;
};

// Stores a window's control object under this property name.
inline constexpr char kControlProperty[] = "saverkit.control";

}  // namespace saverkit
