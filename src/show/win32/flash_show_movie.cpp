#include "show/win32/flash_show_movie.h"

namespace saverkit {

FlashShowMovie::FlashShowMovie(std::unique_ptr<FlashHostPanel> panel, const Rect& bounds,
                               std::function<void()> onMouseMove, std::function<void()> onClick)
    : panel_(std::move(panel)), bounds_(bounds), onMouseMove_(std::move(onMouseMove)), onClick_(std::move(onClick)) {}

FlashShowMovie::~FlashShowMovie() {
  // The host may still deliver an event while it goes; it must not reach a handler of ours.
  panel_->Host().Events() = FlashEvents{};
}

void FlashShowMovie::ConnectInput(bool mouseMoves) {
  FlashEvents& events = panel_->Host().Events();
  events.onClick = onClick_;
  if (mouseMoves) {
    events.onMouseMove = [move = onMouseMove_](ShiftState, int, int) { move(); };
  } else {
    events.onMouseMove = nullptr;
  }
}

void FlashShowMovie::SetBounds(int x, int y, int width, int height) {
  bounds_ = Rect{x, y, x + width, y + height};
  panel_->SetMovieRect(bounds_);
}

}  // namespace saverkit
