#include "package/helpers/picture_helpers.h"

#include <algorithm>

namespace saverkit {

void ShowAtOnce(TCustomPic_Trans& control) {
  const bool threaded = control.Threaded();
  control.SetThreaded(false);
  control.SetStyle(0);
  control.SetStep(100);
  control.SetDelay(0);
  control.Execute();
  control.SetThreaded(threaded);
}

void FillPicture(TCustomPic_Trans& control, Rgb colour) {
  const Bitmap& current = control.Picture();
  const Rect client = control.BoundsRect();
  const int w = std::min(client.Width(), current.Width());
  const int h = std::min(client.Height(), current.Height());
  if (w <= 0 || h <= 0) return;
  Bitmap filled = current.Clone();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) filled.SetPixel(x, y, colour);
  control.SetPicture(&filled);
}

void StopIfBusy(TCustomPic_Trans& control) {
  if (control.Busy()) control.Stop();
}

}  // namespace saverkit
