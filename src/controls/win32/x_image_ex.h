// `XImageEx`: a picture control that reports the mouse entering and leaving it (the frame
// window's close button lights up this way).
#pragma once

#include <windows.h>

#include <functional>

#include "forms/win32/window.h"
#include "raster/bitmap.h"

namespace saverkit {

class XImageEx : public Window {
 public:
  std::function<void()> OnMouseIn;
  std::function<void()> OnMouseOut;

  // A visible child of `parent` at the given bounds.
  bool Create(HWND parent, int x, int y, int width, int height);
  // Shows `picture` from the control's top-left corner.
  void SetPicture(Bitmap picture);
  bool MouseInside() const { return inside_; }

 protected:
  // Descendants may react otherwise; these call the events when they are assigned.
  virtual void MouseIn();
  virtual void MouseOut();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientArea) override;

 private:
  void OnMouseMove();
  void OnMouseLeave();

  Bitmap picture_;
  bool inside_ = false;
};

}  // namespace saverkit
