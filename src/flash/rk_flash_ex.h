// `RkFlashEx`: the Flash host. It plays one movie through a player when one could be created and
// otherwise shows the install request in its place; either way it answers every property, so
// callers never check which. The Win32 panel window around it only adapts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "flash/flash_player.h"
#include "base/rect.h"

namespace saverkit {

// The text shown when no player is available.
constexpr const char* kInstallRequest = "Please install the\nAdobe Flash Player...";

// The keys and buttons held during a mouse event.
struct ShiftState {
  bool shift = false, ctrl = false, alt = false, left = false, middle = false, right = false;
  bool operator==(const ShiftState& o) const {
    return shift == o.shift && ctrl == o.ctrl && alt == o.alt && left == o.left && middle == o.middle &&
           right == o.right;
  }
};

struct FlashEvents {
  std::function<void(ShiftState shift, int x, int y)> onMouseMove;
  std::function<void()> onClick;
};

class RkFlashEx {
 public:
  // A null player makes the install-request host; a player starts with Loop and Menu off.
  explicit RkFlashEx(std::unique_ptr<FlashPlayer> player);

  bool HasPlayer() const { return player_ != nullptr; }

  // 0 without a player or when the player fails to answer.
  int32_t TotalFrames() const;
  int32_t FrameNum() const;
  bool Playing() const;
  void SetPlaying(bool playing);
  bool Loop() const;
  void SetLoop(bool loop);
  std::string Movie() const;
  void SetMovie(const std::string& path);
  void Play();

  // Takes the new bounds; the player is laid out anew only when the size changed.
  void SetMovieRect(const Rect& bounds);
  const Rect& Bounds() const { return bounds_; }

  // Events of the player's window, or of the install request without a player.
  FlashEvents& Events() { return events_; }
  // Whether the player's own context menu is on (false at creation; never without a player).
  bool PlayerMenu() const;

 private:
  std::unique_ptr<FlashPlayer> player_;
  Rect bounds_;
  FlashEvents events_;
};

// A movie with more than one frame has finished at its last frame or when it stopped playing.
bool MovieFinished(int32_t totalFrames, int32_t frameNum, bool playing);

}  // namespace saverkit
