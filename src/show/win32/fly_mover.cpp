#include "show/win32/fly_mover.h"

namespace saverkit {

void PictureFlyTarget::SetBounds(int x, int y, int width, int height) {
  const Rect old = control_.BoundsRect();
  control_.SetBounds(x, y, width, height);
  host_.InvalidateParent(old);
  host_.InvalidateParent(control_.BoundsRect());
}

FlyMover::FlyMover(TimerHost& timers, RandomSource& random, PictureFlyTarget& picture, const Rect& area)
    : picture_(picture), fly_(timers, random, picture, area.left, area.top, area.right, area.bottom) {}

void FlyMover::SetTarget(Target target, ShowMovie* movie) {
  switch (target) {
    case Target::kPicture:
      fly_.SetTarget(&picture_);
      break;
    case Target::kMovie:
      fly_.SetTarget(movie ? &movie->MoverTarget() : nullptr);
      break;
    case Target::kNone:
      fly_.SetTarget(nullptr);
      break;
  }
}

}  // namespace saverkit
