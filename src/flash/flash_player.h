// The movie player the Flash host drives: the Shockwave Flash control on Windows, reached
// through its dispatch interface. Only the operations the host uses are here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace saverkit {

class FlashPlayer {
 public:
  virtual ~FlashPlayer() = default;
  // nullopt when the player raises an error.
  virtual std::optional<int32_t> TotalFrames() = 0;
  virtual std::optional<int32_t> FrameNum() = 0;
  virtual bool Playing() = 0;
  virtual void SetPlaying(bool playing) = 0;
  virtual bool Loop() = 0;
  virtual void SetLoop(bool loop) = 0;
  virtual bool Menu() = 0;
  virtual void SetMenu(bool menu) = 0;
  // The path of the loaded movie, in the system's 8-bit code page.
  virtual std::string Movie() = 0;
  virtual void SetMovie(const std::string& path) = 0;
  virtual void Play() = 0;
  // Lays the movie out to a new size of the host: the in-place rectangle (0, 0, width, height).
  virtual void SetPlacement(int width, int height) = 0;
};

}  // namespace saverkit
