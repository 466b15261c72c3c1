// Small services around pictures and the transition control that the forms share.
#pragma once

#include "pictrans/pic_trans.h"
#include "raster/bitmap.h"

namespace saverkit {

// Resizes `picture` to w x h with half-tone (area-averaging) stretching. Nothing happens when
// w or h is 0 or less, when the picture already has that size, or when the size is larger than
// a bitmap may be (then the result is false).
bool StretchBitmap(Bitmap& picture, int w, int h);

// Shows the control's picture at once, without an effect, on this thread whatever `Threaded` says.
void ShowAtOnce(TCustomPic_Trans& control);

// Paints the control's picture with `colour` over the control's size (clipped to the picture).
void FillPicture(TCustomPic_Trans& control, Rgb colour);

void StopIfBusy(TCustomPic_Trans& control);

}  // namespace saverkit
