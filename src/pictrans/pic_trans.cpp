#include "pictrans/pic_trans.h"

#include <algorithm>
#include <chrono>

#include "pictrans/animate_thread.h"
#include "pictrans/frame_composer.h"
#include "pictrans/transition_drawing.h"
#include "raster/muldiv.h"
#include "raster/stretch.h"
#include "raster/tile_bitmap.h"

namespace saverkit {

TCustomPic_Trans::TCustomPic_Trans(PicTransHost& host)
    : host_(host),
      mainThreadCalls_([&host] { host.WakeMainThread(); }),
      random_(uint32_t(std::chrono::steady_clock::now().time_since_epoch().count())) {}

TCustomPic_Trans::~TCustomPic_Trans() {
  destroying_ = true;
  StopWorker();
}

// ---- Operations ----

void TCustomPic_Trans::Execute() {
  if (busy_ || Empty()) return;
  busy_ = true;
  try {
    Prepare();
    if (!manual_) Animate();
  } catch (...) {
    ReleaseTransitionBitmaps();
    busy_ = false;
    throw;
  }
}

void TCustomPic_Trans::Stop() {
  if (!busy_ || stopping_) return;
  stopping_ = true;
  if (thread_) {
    StopWorker();
  }
  // A worker that ended earlier (Manual was set) has already run its completion, which a manual
  // run ignores: the run is still busy, so complete it here.
  if (busy_) AnimationComplete();
  stopping_ = false;
}

void TCustomPic_Trans::Clear() {
  if (busy_ || screen_.Empty()) return;
  std::unique_lock<std::mutex> lock(screenLock_, std::try_to_lock);
  if (!lock.owns_lock()) return;
  screen_ = Bitmap();
  lock.unlock();
  Repaint();
}

// ---- Property writers ----

void TCustomPic_Trans::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  if (value) AdjustClientSize();
}

void TCustomPic_Trans::SetBgMode(TBackgroundMode value) {
  if (bgMode_ == value) return;
  bgMode_ = value;
  if (!bgPicture_.Empty() && !drawing_) Repaint();
}

void TCustomPic_Trans::SetBgPicture(const Bitmap* picture) {
  bgPicture_ = picture ? picture->Clone() : Bitmap();
  BgPictureChange();
}

void TCustomPic_Trans::SetCenter(bool value) {
  if (center_ == value) return;
  center_ = value;
  if (!Empty()) {
    CalculatePicRect();
    if (!screen_.Empty() && !drawing_) Repaint();
  }
}

void TCustomPic_Trans::SetManual(bool value) {
  if (manual_ == value) return;
  manual_ = value;
  if (!busy_) {
    progress_ = reverse_ ? 100 : 0;
  } else if (!value) {
    Animate();
  }
}

const Bitmap& TCustomPic_Trans::Picture() const {
  static const Bitmap kNoPicture;
  return picture_ ? *picture_ : kNoPicture;
}

void TCustomPic_Trans::SetPicture(const Bitmap* picture) { SetPicture(picture ? picture->Clone() : Bitmap()); }

void TCustomPic_Trans::SetPicture(Bitmap picture) {
  picture_ = picture.Empty() ? nullptr : std::make_shared<const Bitmap>(std::move(picture));
  PictureChange();
}

void TCustomPic_Trans::SetStep(uint16_t value) { step_ = std::clamp<uint16_t>(value, 1, 100); }

void TCustomPic_Trans::SetStretch(bool value) {
  if (stretch_ == value) return;
  stretch_ = value;
  if (!screen_.Empty() && !drawing_) Repaint();
}

void TCustomPic_Trans::SetStretchFine(bool value) {
  if (stretchFine_ == value) return;
  stretchFine_ = value;
  if (!screen_.Empty() && !drawing_) Repaint();
}

void TCustomPic_Trans::SetProgress(int value) {
  value = std::min(value, 100);
  if (!busy_ || value == progress_) return;
  // Going back returns parts of the frame to the old picture, outside any effect's rectangle.
  if (value < progress_ && !drawing_) InvalidateArea(Rect{0, 0, screen_.Width(), screen_.Height()});
  progress_ = TPercent(std::max(value, 0));
  UpdateDisplay();
  if (!destroying_ && OnProgress) OnProgress(*this);
}

void TCustomPic_Trans::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (!resized) return;
  if (!Empty()) CalculatePicRect();
  if (!screen_.Empty() && !drawing_) Repaint();
}

// ---- The run ----

void TCustomPic_Trans::Prepare() {
  const int w = picture_->Width(), h = picture_->Height();
  // The last frame stays where the new size covers it, so a paint before the first step shows
  // what was on screen; only new area takes the control's colour.
  if (screen_.Width() != w || screen_.Height() != h) {
    Bitmap resized(w, h, color_);
    DrawBitmap(screen_, 0, 0, resized);
    std::lock_guard<std::mutex> lock(screenLock_);
    screen_ = std::move(resized);
  }
  CalculatePicRect();

  // The snapshot: the part of the last painted client area where the picture will appear.
  Rect from = picRect_;
  if (stretch_) from = stretchFine_ ? ScaleImageToRect(picRect_, ClientRect()) : ClientRect();
  oldPic_ = std::make_unique<Bitmap>(w, h, color_);
  StretchCopy(offScreen_, from, *oldPic_, Rect{0, 0, w, h});

  pic_ = picture_;
  SetProgress(reverse_ ? 100 : 0);
}

void TCustomPic_Trans::Animate() {
  if (threaded_) {
    ReleaseWorker();
    thread_ = std::make_unique<TAnimateThread>(*this);
    return;
  }
  bool finished = false;
  do {
    const uint32_t start = host_.TickCount();
    finished = StepProgress();
    if (!finished) {
      do {
        host_.ProcessMessages();
      } while (uint32_t(host_.TickCount() - start) <= delay_ && busy_ && !manual_ && !stopping_);
    }
  } while (!finished && busy_ && !manual_ && !stopping_);
  // A handler run inside the step may already have stopped the run.
  if (finished && busy_) AnimationComplete();
}

bool TCustomPic_Trans::StepProgress() {
  if (reverse_) SetProgress(progress_ < step_ ? 0 : progress_ - step_);
  else SetProgress(progress_ + step_);
  return reverse_ ? progress_ == 0 : progress_ == 100;
}

void TCustomPic_Trans::AnimationComplete() {
  if (manual_ && !stopping_) return;  // a manual run ends only through Stop
  if (!busy_) return;
  busy_ = false;
  ReleaseTransitionBitmaps();
  if (!destroying_ && !stopping_ && OnComplete) OnComplete(*this);
}

void TCustomPic_Trans::UpdateDisplay() {
  if (!oldPic_ || !pic_) return;
  // Every frame starts from the old picture. A before-frame handler must see it in the frame;
  // otherwise the composer restores it, or lets an effect that writes every pixel read it.
  const Bitmap* restoreFrom = oldPic_.get();
  // A control being destroyed still composes its worker's last step, but calls no handler.
  if (OnBeforeNewFrame && !destroying_) {
    DrawBitmap(*oldPic_, 0, 0, screen_);
    restoreFrom = nullptr;
    OnBeforeNewFrame(*this, *pic_, screen_);
  }

  const std::function<void(const Bitmap&, Bitmap&)> customDraw =
      OnCustomDraw && !destroying_ ? std::function<void(const Bitmap&, Bitmap&)>(
                         [this](const Bitmap& picture, Bitmap& screen) { OnCustomDraw(*this, picture, screen); })
                   : nullptr;
  const std::function<void(const Rect&)> invalidate = [this](const Rect& r) { InvalidateArea(r); };
  const FrameOutcome outcome =
      ComposeFrame(FrameRequest{*pic_, screen_, style_, progress_, step_, reverse_, random_, customDraw, invalidate,
                                restoreFrom});
  if (!outcome.drawn) return;
  progress_ = TPercent(outcome.progress);
  if (OnAfterNewFrame && !destroying_) OnAfterNewFrame(*this, *pic_, screen_);
  if (!drawing_) host_.Update();
}

// ---- Geometry and painting ----

void TCustomPic_Trans::CalculatePicRect() {
  if (screen_.Empty()) return;
  picRect_ = Rect{0, 0, screen_.Width(), screen_.Height()};
  if (center_) picRect_ = picRect_.Offset((width_ - picRect_.Width()) / 2, (height_ - picRect_.Height()) / 2);
}

void TCustomPic_Trans::InvalidateArea(const Rect& area) {
  Rect r = area;
  if (stretch_) {
    const Rect t = stretchFine_ ? ScaleImageToRect(picRect_, ClientRect()) : ClientRect();
    const int pw = picRect_.Width(), ph = picRect_.Height();
    r = Rect{t.left + MulDiv(area.left, t.Width(), pw), t.top + MulDiv(area.top, t.Height(), ph),
             t.left + MulDiv(area.right, t.Width(), pw), t.top + MulDiv(area.bottom, t.Height(), ph)};
  } else {
    if (center_) r = r.Offset(picRect_.left, picRect_.top);
    r = r.Intersect(picRect_);
  }
  if (destroying_ || r.IsEmpty()) return;
  host_.InvalidateParent(r.Offset(left_, top_));
}

const Bitmap& TCustomPic_Trans::PaintControl() {
  if (drawing_) return offScreen_;
  drawing_ = true;
  if (offScreen_.Width() != width_ || offScreen_.Height() != height_) offScreen_.Reset(width_, height_, color_);
  else offScreen_.Fill(color_);

  if (!bgPicture_.Empty()) {
    switch (bgMode_) {
      case bmTiled: TileBitmap(bgPicture_, ClientRect(), offScreen_); break;
      case bmStretched: StretchCopy(bgPicture_, Rect{0, 0, bgPicture_.Width(), bgPicture_.Height()}, offScreen_, ClientRect()); break;
      case bmCentered:
        DrawBitmap(bgPicture_, (width_ - bgPicture_.Width()) / 2, (height_ - bgPicture_.Height()) / 2, offScreen_);
        break;
      case bmNone: break;
    }
  }
  {
    std::lock_guard<std::mutex> lock(screenLock_);
    if (!screen_.Empty()) {
      const Rect whole{0, 0, screen_.Width(), screen_.Height()};
      if (!stretch_) DrawBitmap(screen_, picRect_.left, picRect_.top, offScreen_);
      else if (stretchFine_) StretchCopy(screen_, whole, offScreen_, ScaleImageToRect(picRect_, ClientRect()));
      else StretchCopy(screen_, whole, offScreen_, ClientRect());
    }
  }
  drawing_ = false;
  return offScreen_;
}

void TCustomPic_Trans::Repaint() {
  if (destroying_) return;
  host_.InvalidateParent(BoundsRect());
  host_.Update();
}

// ---- Change notifications ----

void TCustomPic_Trans::PictureChange() {
  if (destroying_) return;
  if (!Empty() && autoSize_) AdjustClientSize();
  if (OnChange) OnChange(*this);
}

void TCustomPic_Trans::BgPictureChange() {
  if (bgMode_ != bmNone && !drawing_) Repaint();
}

void TCustomPic_Trans::AdjustClientSize() {
  if (Empty()) return;
  SetBounds(left_, top_, picture_->Width(), picture_->Height());
}

void TCustomPic_Trans::MouseEnter() {
  if (OnMouseEnter && !destroying_) OnMouseEnter(*this);
}

void TCustomPic_Trans::MouseLeave() {
  if (OnMouseLeave && !destroying_) OnMouseLeave(*this);
}

void TCustomPic_Trans::MouseAt(int x, int y) {
  const Rect bounds = BoundsRect();
  const bool inside = x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom;
  if (inside == mouseInside_) return;
  mouseInside_ = inside;
  if (inside) MouseEnter();
  else MouseLeave();
}

void TCustomPic_Trans::MouseGone() {
  if (!mouseInside_) return;
  mouseInside_ = false;
  MouseLeave();
}

// ---- Worker and transition bitmaps ----

void TCustomPic_Trans::ReleaseTransitionBitmaps() {
  oldPic_.reset();
  pic_.reset();
}

void TCustomPic_Trans::ReleaseWorker() {
  // A worker switched off by Manual may still be waiting for its last step or its completion to
  // run here; joining it without serving those would wait for ever. Once it is no longer the
  // current worker, its completion is ignored: the run goes on with the next worker.
  std::unique_ptr<TAnimateThread> previous = std::move(thread_);
  if (!previous) return;
  previous->Terminate();
  TAnimateThread* worker = previous.get();
  mainThreadCalls_.WaitServicing([worker] { return worker->Finished(); });
}

void TCustomPic_Trans::StopWorker() {
  if (!thread_) return;
  thread_->Terminate();
  // Wait on this thread while running the worker's calls, so its last step and its completion
  // can finish.
  TAnimateThread* worker = thread_.get();
  mainThreadCalls_.WaitServicing([worker] { return worker->Finished(); });
  thread_.reset();
}

}  // namespace saverkit
