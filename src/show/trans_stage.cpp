#include "show/trans_stage.h"

#include <algorithm>

#include "raster/stretch.h"
#include "show/item_placement.h"

namespace saverkit {

TransStage::TransStage(TCustomPic_Trans& control, PicTransHost& host, Rgb backgroundColour)
    : control_(control), host_(host), backgroundColour_(backgroundColour) {}

void TransStage::SetBackground(Bitmap background) {
  background_ = std::move(background);
  host_.InvalidateParent(Rect{0, 0, background_.Width(), background_.Height()});
}

Rect TransStage::Bounds() const { return control_.BoundsRect(); }

void TransStage::SetBounds(const Rect& bounds) {
  const Rect old = control_.BoundsRect();
  control_.SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  if (visible_) {
    host_.InvalidateParent(old);
    host_.InvalidateParent(bounds);
  }
}

void TransStage::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  host_.InvalidateParent(control_.BoundsRect());
}

void TransStage::SetPicture(Bitmap picture, int width, int height) {
  // A size larger than any picture the show puts up leaves the picture as it is.
  StretchBitmap(picture, width, height);
  control_.SetPicture(std::move(picture));
}

void TransStage::GrabArea(const Rect& area) {
  const ItemSize size = LimitItemPixels({std::max(area.Width(), 0), std::max(area.Height(), 0)});
  Bitmap image(size.width, size.height, backgroundColour_);
  DrawBitmap(background_, -area.left, -area.top, image);
  if (visible_ && !control_.Empty()) {
    const Rect bounds = control_.BoundsRect();
    const Bitmap& shown = control_.PaintControl();
    DrawBitmap(shown, bounds.left - area.left, bounds.top - area.top, image);
  }
  for (const StageOverlay* overlay : overlays_) {
    DrawBitmap(overlay->Picture(), overlay->Bounds().left - area.left, overlay->Bounds().top - area.top, image);
  }
  control_.SetPicture(std::move(image));
}

void TransStage::ShowAtOnce() {
  // Runs to its end on this thread whatever the control's own setting says, then keeps it.
  const bool threaded = control_.Threaded();
  control_.SetThreaded(false);
  control_.SetStyle(0);
  control_.SetStep(100);
  control_.SetDelay(0);
  control_.Execute();
  control_.SetThreaded(threaded);
}

void TransStage::Execute(int style, int16_t step, int16_t delay) {
  control_.SetStyle(TShowStyle(style));
  control_.SetStep(uint16_t(step));
  control_.SetDelay(uint16_t(delay));
  control_.Execute();
}

bool TransStage::TransitionRunning() const { return control_.Busy(); }

void TransStage::StopTransition() { control_.Stop(); }

void TransStage::LeavePictureOnBackground() {
  const Rect bounds = control_.BoundsRect();
  // Same size, never mirrored: an inverted rectangle copies nothing.
  if (!bounds.IsEmpty())
    StretchCopy(control_.Picture(), Rect{0, 0, bounds.Width(), bounds.Height()}, background_, bounds);
  host_.InvalidateParent(bounds);
}

void TransStage::TakeBackgroundUnderPicture() {
  const Rect bounds = control_.BoundsRect();
  Bitmap under(std::max(bounds.Width(), 0), std::max(bounds.Height(), 0), backgroundColour_);
  DrawBitmap(background_, -bounds.left, -bounds.top, under);
  control_.SetPicture(std::move(under));
}

}  // namespace saverkit

namespace saverkit {

void TransStage::AddOverlay(const StageOverlay& overlay) {
  overlays_.push_back(&overlay);
  host_.InvalidateParent(overlay.Bounds());
}

void TransStage::RemoveOverlay(const StageOverlay& overlay) {
  overlays_.erase(std::remove(overlays_.begin(), overlays_.end(), &overlay), overlays_.end());
  host_.InvalidateParent(overlay.Bounds());
}

StageOverlay::StageOverlay(TransStage& stage, Bitmap picture, const Rect& bounds)
    : stage_(stage), picture_(std::move(picture)), bounds_(bounds) {
  // A picture that did not load, an empty rectangle or one larger than any picture the show puts
  // up (a damaged record) shows nothing.
  const bool shows = !picture_.Empty() && bounds_.Width() > 0 && bounds_.Height() > 0 &&
                     StretchBitmap(picture_, bounds_.Width(), bounds_.Height());
  if (!shows) picture_ = Bitmap();
  stage_.AddOverlay(*this);
}

StageOverlay::~StageOverlay() { stage_.RemoveOverlay(*this); }

}  // namespace saverkit
