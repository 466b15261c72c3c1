// The picture-transition control: shows one picture and replaces it by a new one through an
// animated effect. Frames are composed off screen from a snapshot of what the control showed
// (FOldPic) and the new picture (FPic); `Progress` 0..100 selects the frame.
//
// The control has no window: its host invalidates and repaints the parent, whose paint calls
// PaintControl and presents the returned buffer at the control's position. Everything here runs
// on the user-interface thread except TAnimateThread, which only keeps time.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "pictrans/effect_random.h"
#include "pictrans/main_thread_calls.h"
#include "pictrans/pic_trans_host.h"
#include "pictrans/transition_types.h"
#include "raster/bitmap.h"
#include "base/rect.h"

namespace saverkit {

class TAnimateThread;
class TCustomPic_Trans;

using TNotifyEvent = std::function<void(TCustomPic_Trans& sender)>;
// Receives the control, the new picture (FPic) and the frame being composed (FScreen).
using TCustomDrawEvent = std::function<void(TCustomPic_Trans& sender, const Bitmap& picture, Bitmap& screen)>;

class TCustomPic_Trans {
 public:
  explicit TCustomPic_Trans(PicTransHost& host);
  ~TCustomPic_Trans();
  TCustomPic_Trans(const TCustomPic_Trans&) = delete;
  TCustomPic_Trans& operator=(const TCustomPic_Trans&) = delete;

  // ---- Operations ----
  void Execute();
  void Stop();
  void Clear();

  // ---- Properties ----
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TBackgroundMode BgMode() const { return bgMode_; }
  void SetBgMode(TBackgroundMode value);
  const Bitmap& BgPicture() const { return bgPicture_; }
  void SetBgPicture(const Bitmap* picture);  // copies; nullptr clears
  bool Center() const { return center_; }
  void SetCenter(bool value);
  uint16_t Delay() const { return delay_; }
  void SetDelay(uint16_t value) { delay_ = value; }
  bool Manual() const { return manual_; }
  void SetManual(bool value);
  const Bitmap& Picture() const;
  void SetPicture(const Bitmap* picture);  // copies; nullptr clears
  // Takes the picture over without copying it; an empty one clears.
  void SetPicture(Bitmap picture);
  bool Reverse() const { return reverse_; }
  void SetReverse(bool value) { reverse_ = value; }
  uint16_t Step() const { return step_; }
  void SetStep(uint16_t value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool StretchFine() const { return stretchFine_; }
  void SetStretchFine(bool value);
  TShowStyle Style() const { return style_; }
  void SetStyle(TShowStyle value) { style_ = value; }
  bool Threaded() const { return threaded_; }
  void SetThreaded(bool value) { threaded_ = value; }
  // Applied by the host to each worker as it starts (std::thread has no portable priority).
  TThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(TThreadPriority value) { threadPriority_ = value; }

  TPercent Progress() const { return progress_; }
  void SetProgress(int value);
  bool Empty() const { return Picture().Empty(); }
  bool Busy() const { return busy_; }

  // The framework's control geometry: the position in the parent and the client size.
  Rect BoundsRect() const { return Rect{left_, top_, left_ + width_, top_ + height_}; }
  void SetBounds(int left, int top, int width, int height);
  Rgb Color() const { return color_; }
  void SetColor(Rgb value) { color_ = value; }

  // The generator the random effects draw from; seeded from the clock at construction.
  EffectRandom& Random() { return random_; }

  // ---- Events ----
  TCustomDrawEvent OnAfterNewFrame, OnBeforeNewFrame, OnCustomDraw;
  TNotifyEvent OnChange, OnComplete, OnProgress, OnMouseEnter, OnMouseLeave;

  // ---- Called by the host ----
  // Composes the control's client area (background and frame) and returns it; the host draws it
  // at the control's position. Not re-entrant: a nested call returns the buffer as it is.
  const Bitmap& PaintControl();
  // Runs the step a worker is waiting to have run on this (the user-interface) thread.
  void RunSynchronizedCalls() { mainThreadCalls_.RunPending(); }
  void MouseEnter();
  void MouseLeave();
  // The mouse is at (x, y) of the parent's client area, or has left the parent: the control
  // reports entering and leaving its bounds through MouseEnter and MouseLeave.
  void MouseAt(int x, int y);
  void MouseGone();
  // The frame as composed now (FScreen) and where it sits in the client area.
  const Bitmap& Screen() const { return screen_; }
  Rect PicRect() const { return picRect_; }

 private:
  friend class TAnimateThread;

  void Prepare();
  void Animate();
  bool StepProgress();  // one automatic step; true when the run has reached its end
  void AnimationComplete();
  void UpdateDisplay();
  void CalculatePicRect();
  void InvalidateArea(const Rect& r);
  void PictureChange();
  void BgPictureChange();
  void AdjustClientSize();
  void Repaint();
  void ReleaseTransitionBitmaps();
  void ReleaseWorker();
  void StopWorker();
  Rect ClientRect() const { return Rect{0, 0, width_, height_}; }

  PicTransHost& host_;
  MainThreadCalls mainThreadCalls_;
  EffectRandom random_;

  bool autoSize_ = true;
  TBackgroundMode bgMode_ = bmTiled;
  Bitmap bgPicture_;
  bool center_ = false;
  std::atomic<uint16_t> delay_{40};
  std::atomic<bool> manual_{false};
  // Shared with pic_ while a run shows it, so the run needs no copy; never changed in place.
  std::shared_ptr<const Bitmap> picture_;
  bool reverse_ = false;
  uint16_t step_ = 4;
  bool stretch_ = false;
  bool stretchFine_ = false;
  TShowStyle style_ = kDefaultStyle;
  bool threaded_ = true;
  TThreadPriority threadPriority_ = tpNormal;
  TPercent progress_ = 0;

  int left_ = 0, top_ = 0, width_ = 100, height_ = 100;
  Rgb color_{255, 255, 255};

  Bitmap screen_;     // FScreen
  Rect picRect_;      // FPicRect
  Bitmap offScreen_;  // FOffScreen
  std::unique_ptr<Bitmap> oldPic_;  // FOldPic, only while busy
  std::shared_ptr<const Bitmap> pic_;  // FPic, only while busy: the picture as it was at Execute
  std::unique_ptr<TAnimateThread> thread_;
  std::mutex screenLock_;  // the screen canvas: Clear never replaces it while it is drawn

  bool busy_ = false;
  bool drawing_ = false;
  std::atomic<bool> stopping_{false};
  bool destroying_ = false;
  bool mouseInside_ = false;
};

// The published form of the control; it adds nothing.
using TPic_Trans = TCustomPic_Trans;

}  // namespace saverkit
