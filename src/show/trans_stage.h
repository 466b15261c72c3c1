// The picture control of the show and the background image behind it, as the sequence sees
// them. The window paints the background, then the control where it is visible; grabbing an area
// composes the same two layers off screen.
#pragma once

#include "pictrans/pic_trans.h"
#include "pictrans/pic_trans_host.h"
#include "show/show_seams.h"

namespace saverkit {

class TransStage : public PictureStage {
 public:
  TransStage(TCustomPic_Trans& control, PicTransHost& host, Rgb backgroundColour);

  // The window's background image: the background colour with the package's picture tiled on it.
  void SetBackground(Bitmap background);
  const Bitmap& Background() const { return background_; }

  Rect Bounds() const override;
  void SetBounds(const Rect& bounds) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  void SetPicture(Bitmap picture) override;
  void GrabArea(const Rect& area) override;
  void StretchPicture(int width, int height) override;
  void ShowAtOnce() override;
  void Execute(int style, int16_t step, int16_t delay) override;
  bool TransitionRunning() const override;
  void StopTransition() override;
  void LeavePictureOnBackground() override;
  void TakeBackgroundUnderPicture() override;

 private:
  TCustomPic_Trans& control_;
  PicTransHost& host_;
  Rgb backgroundColour_;
  Bitmap background_;
  Bitmap picture_;
  bool visible_ = false;
};

// Copies the part of `source` starting at (sourceX, sourceY) to (x, y) of `target`, `width` x
// `height` pixels, clipped to both bitmaps.
void CopyPixels(const Bitmap& source, int sourceX, int sourceY, Bitmap& target, int x, int y, int width, int height);

}  // namespace saverkit
