#include "controls/xfly.h"

namespace saverkit {

namespace {
// A random offset into the first half of a span; the span's start when half of it is empty.
int OffsetInHalf(int32_t draw, int low, int high) {
  const int half = (high - low) / 2;
  return half > 0 ? low + draw % half : low;
}
}  // namespace

XFly::XFly(TimerHost& timers, RandomSource& random, FlyTarget& target, int left, int top, int right, int bottom)
    : timers_(timers), random_(random), target_(&target), left_(left), top_(top), right_(right), bottom_(bottom) {
  random_.SeedFromClock();
  movingRight_ = random_.Next() % 2 == 1;
  movingDown_ = random_.Next() % 2 == 1;
  stepX_ = DrawStep();
  stepY_ = DrawStep();
  width_ = target.Width();
  height_ = target.Height();
  x_ = OffsetInHalf(random_.Next(), left_, right_);
  y_ = OffsetInHalf(random_.Next(), top_, bottom_);
  target.SetBounds(x_, y_, width_, height_);
}

XFly::~XFly() { Stop(); }

int XFly::DrawStep() { return random_.Next() % 2 + 1; }

void XFly::Start() {
  running_ = true;
  if (timer_ == 0) timer_ = timers_.SetTimer(kFlyTimerId, kFlyTimerPeriodMs);
}

void XFly::Stop() {
  running_ = false;
  if (timer_ == 0) return;
  timers_.KillTimer(timer_);
  timer_ = 0;
}

void XFly::SetPos(int x, int y) {
  x_ = x;
  y_ = y;
}

void XFly::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
}

void XFly::StepAxis(int& position, int size, int low, int high, bool& forward, int& step) {
  if (forward) {
    if (position + size < high) {
      position += step;
    } else {
      forward = false;
      step = DrawStep();
    }
  } else if (low < position) {
    position -= step;
  } else {
    forward = true;
    step = DrawStep();
  }
}

void XFly::Tick() {
  if (!target_ || !running_) return;
  StepAxis(x_, width_, left_, right_, movingRight_, stepX_);
  StepAxis(y_, height_, top_, bottom_, movingDown_, stepY_);
  target_->SetBounds(x_, y_, width_, height_);
}

}  // namespace saverkit
