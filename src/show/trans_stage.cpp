#include "show/trans_stage.h"

#include <algorithm>
#include <cstring>

#include "package/helpers/picture_helpers.h"
#include "raster/stretch.h"
#include "show/item_placement.h"

namespace saverkit {

void CopyPixels(const Bitmap& source, int sourceX, int sourceY, Bitmap& target, int x, int y, int width, int height) {
  // Clip against the source, then against the target, moving both origins together.
  auto clip = [&](int& from, int& to, int& length, int fromLimit, int toLimit) {
    if (from < 0) { length += from; to -= from; from = 0; }
    if (to < 0) { length += to; from -= to; to = 0; }
    length = std::min({length, fromLimit - from, toLimit - to});
  };
  clip(sourceX, x, width, source.Width(), target.Width());
  clip(sourceY, y, height, source.Height(), target.Height());
  if (width <= 0 || height <= 0) return;
  for (int row = 0; row < height; ++row) {
    std::memcpy(target.Row(y + row) + size_t(x) * 3, source.Row(sourceY + row) + size_t(sourceX) * 3,
                size_t(width) * 3);
  }
}

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
  CopyPixels(background_, area.left, area.top, image, 0, 0, size.width, size.height);
  if (visible_ && !control_.Empty()) {
    const Rect bounds = control_.BoundsRect();
    const Bitmap& shown = control_.PaintControl();
    CopyPixels(shown, 0, 0, image, bounds.left - area.left, bounds.top - area.top, shown.Width(), shown.Height());
  }
  for (const StageOverlay* overlay : overlays_) {
    const Bitmap& picture = overlay->Picture();
    CopyPixels(picture, 0, 0, image, overlay->Bounds().left - area.left, overlay->Bounds().top - area.top,
               picture.Width(), picture.Height());
  }
  control_.SetPicture(std::move(image));
}

void TransStage::ShowAtOnce() { saverkit::ShowAtOnce(control_); }

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
  CopyPixels(control_.Picture(), 0, 0, background_, bounds.left, bounds.top, bounds.Width(), bounds.Height());
  host_.InvalidateParent(bounds);
}

void TransStage::TakeBackgroundUnderPicture() {
  const Rect bounds = control_.BoundsRect();
  Bitmap under(std::max(bounds.Width(), 0), std::max(bounds.Height(), 0), backgroundColour_);
  CopyPixels(background_, bounds.left, bounds.top, under, 0, 0, under.Width(), under.Height());
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
