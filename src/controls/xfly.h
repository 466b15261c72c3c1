// `XFly` lets a control drift across a rectangle of its parent, one or two pixels per axis every
// 100 ms, turning where it meets an edge. It starts at a random place in the rectangle's upper-left
// quarter with random directions and steps.
#pragma once

#include <cstdint>

#include "base/random_source.h"
#include "base/timer_host.h"
#include "base/timer_ids.h"

namespace saverkit {

constexpr uint32_t kFlyTimerPeriodMs = 100;

// The control being moved, in its parent's coordinates.
class FlyTarget {
 public:
  virtual ~FlyTarget() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetBounds(int x, int y, int width, int height) = 0;
};

class XFly {
 public:
  // `timers` belongs to the window whose timer handler calls Tick for timer 303.
  XFly(TimerHost& timers, RandomSource& random, FlyTarget& target, int left, int top, int right, int bottom);
  ~XFly();
  XFly(const XFly&) = delete;
  XFly& operator=(const XFly&) = delete;

  void Start();
  void Stop();
  void Tick();
  void SetPos(int x, int y);
  void SetSize(int width, int height);
  // The owner points the mover at whichever control shows the current item; null pauses moving.
  void SetTarget(FlyTarget* target) { target_ = target; }

  bool Running() const { return running_; }
  int X() const { return x_; }
  int Y() const { return y_; }
  int StepX() const { return stepX_; }
  int StepY() const { return stepY_; }
  bool MovingRight() const { return movingRight_; }
  bool MovingDown() const { return movingDown_; }

 private:
  int DrawStep();
  // Moves one axis by a step, or turns it (without moving) at an edge.
  void StepAxis(int& position, int size, int low, int high, bool& forward, int& step);

  TimerHost& timers_;
  RandomSource& random_;
  FlyTarget* target_;
  uintptr_t timer_ = 0;
  int width_ = 0, height_ = 0;
  int left_, top_, right_, bottom_;
  bool running_ = false;
  int x_ = 0, y_ = 0;
  bool movingRight_ = false, movingDown_ = false;
  int stepX_ = 1, stepY_ = 1;
};

}  // namespace saverkit
