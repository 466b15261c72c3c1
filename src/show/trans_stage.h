// The picture control of the show, the background image behind it and the overlay images above
// it, as the sequence sees them. The window paints the background, the control where it is
// visible, then the overlays; grabbing an area composes the same layers off screen, so a
// transition starts from what the screen shows.
#pragma once

#include <vector>

#include "pictrans/pic_trans.h"
#include "pictrans/pic_trans_host.h"
#include "show/show_seams.h"

namespace saverkit {

class StageOverlay;

class TransStage : public PictureStage {
 public:
  TransStage(TCustomPic_Trans& control, PicTransHost& host, Rgb backgroundColour);

  // The window's background image: the background colour with the package's picture tiled on it.
  void SetBackground(Bitmap background);
  const Bitmap& Background() const { return background_; }
  // The overlay images in the order they were made, the last one on top.
  const std::vector<const StageOverlay*>& Overlays() const { return overlays_; }

  Rect Bounds() const override;
  void SetBounds(const Rect& bounds) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  void SetPicture(Bitmap picture, int width, int height) override;
  void GrabArea(const Rect& area) override;
  void ShowAtOnce() override;
  void Execute(int style, int16_t step, int16_t delay) override;
  bool TransitionRunning() const override;
  void StopTransition() override;
  void LeavePictureOnBackground() override;
  void TakeBackgroundUnderPicture() override;

 private:
  friend class StageOverlay;
  void AddOverlay(const StageOverlay& overlay);
  void RemoveOverlay(const StageOverlay& overlay);

  TCustomPic_Trans& control_;
  PicTransHost& host_;
  Rgb backgroundColour_;
  Bitmap background_;
  bool visible_ = false;
  std::vector<const StageOverlay*> overlays_;
};

// An overlay image (a logo, a frame): made after the picture control, it stays above every picture
// of the show for as long as it lives. The picture is stretched to its rectangle once.
class StageOverlay : public ShowOverlay {
 public:
  StageOverlay(TransStage& stage, Bitmap picture, const Rect& bounds);
  ~StageOverlay() override;
  StageOverlay(const StageOverlay&) = delete;
  StageOverlay& operator=(const StageOverlay&) = delete;

  const Bitmap& Picture() const { return picture_; }
  const Rect& Bounds() const { return bounds_; }

 private:
  TransStage& stage_;
  Bitmap picture_;
  Rect bounds_;
};

}  // namespace saverkit
