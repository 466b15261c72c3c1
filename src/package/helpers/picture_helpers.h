// Small services around pictures and the transition control that the forms share.
#pragma once

#include "pictrans/pic_trans.h"
#include "raster/bitmap.h"
#include "raster/stretch.h"  // StretchBitmap, which the forms use beside these

namespace saverkit {

// Shows the control's picture at once, without an effect, on this thread whatever `Threaded` says.
void ShowAtOnce(TCustomPic_Trans& control);

// Paints the control's picture with `colour` over the control's size (clipped to the picture).
void FillPicture(TCustomPic_Trans& control, Rgb colour);

void StopIfBusy(TCustomPic_Trans& control);

}  // namespace saverkit
