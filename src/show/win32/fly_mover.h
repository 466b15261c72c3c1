// The show's mover on Win32: `XFly` moving the picture control, or the movie host that shows.
#pragma once

#include "controls/xfly.h"
#include "base/random_source.h"
#include "base/timer_host.h"
#include "pictrans/pic_trans.h"
#include "pictrans/pic_trans_host.h"
#include "show/show_seams.h"

namespace saverkit {

// The picture control as the mover's target; what it uncovers and covers is painted again.
class PictureFlyTarget : public FlyTarget {
 public:
  PictureFlyTarget(TCustomPic_Trans& control, PicTransHost& host) : control_(control), host_(host) {}
  int Width() const override { return control_.BoundsRect().Width(); }
  int Height() const override { return control_.BoundsRect().Height(); }
  void SetBounds(int x, int y, int width, int height) override;

 private:
  TCustomPic_Trans& control_;
  PicTransHost& host_;
};

// `XFly` behind the show's mover seam.
class FlyMover : public ShowMover {
 public:
  // The mover keeps its target inside `area`; it starts on the picture control.
  FlyMover(TimerHost& timers, RandomSource& random, PictureFlyTarget& picture, const Rect& area);
  void Start() override { fly_.Start(); }
  void Stop() override { fly_.Stop(); }
  void Tick() override { fly_.Tick(); }
  void SetPos(int x, int y) override { fly_.SetPos(x, y); }
  void SetSize(int width, int height) override { fly_.SetSize(width, height); }
  void SetTarget(Target target, ShowMovie* movie) override;

 private:
  PictureFlyTarget& picture_;
  XFly fly_;
};

}  // namespace saverkit
