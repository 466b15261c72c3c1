// The show's view of the world around it: the package, the picture control with the background
// behind it, movie hosts, the mover, and the window's timers and message pump.
// The Win32 show window implements these over real controls; tests use in-memory stand-ins.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/xfly.h"
#include "package/records.h"
#include "package/texts/caption_labels.h"
#include "raster/bitmap.h"
#include "base/rect.h"

namespace saverkit {

// What the show reads of the package.
class ShowPackage {
 public:
  virtual ~ShowPackage() = default;
  virtual int32_t ItemCount() const = 0;
  virtual int32_t OverlayCount() const = 0;
  // A copy of item `index`; the default record for an index out of range.
  virtual ItemRecord GetItem(int32_t index) const = 0;
  // Decodes at one of the reader's JPEG scales (XSCR::kFullScale .. kEighthScale); `picture` is
  // unchanged on failure.
  virtual bool LoadPicture(int32_t index, int scale, Bitmap& picture) = 0;
  // Decodes at the smallest scale that still gives at least shownWidth x shownHeight pixels.
  virtual bool LoadPictureToCover(int32_t index, int shownWidth, int shownHeight, Bitmap& picture) = 0;
  // The picture's full size, from its header.
  virtual bool PictureSize(int32_t index, int& width, int& height) = 0;
  // Writes a movie item to its temporary file.
  virtual bool ExtractMovie(int32_t index, std::string& path) = 0;
  virtual std::vector<CaptionLabel> Captions(int32_t index) const = 0;
};

// The picture control `XPicTrans1` over the show's background image. Execute and the picture it
// shows are the transition engine's; what the show decides is which picture, where, and how.
class PictureStage {
 public:
  virtual ~PictureStage() = default;
  virtual Rect Bounds() const = 0;
  virtual void SetBounds(const Rect& bounds) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  // The picture, resized to width x height with half-tone stretching first (not for a size <= 0
  // or the size it has), becomes the control's; the stage keeps no copy of it.
  virtual void SetPicture(Bitmap picture, int width, int height) = 0;
  // The picture becomes the part `area` of the window's current image (background, controls).
  virtual void GrabArea(const Rect& area) = 0;
  // Shows the picture at once, without an effect.
  virtual void ShowAtOnce() = 0;
  // Runs effect `style` into the picture; window messages are processed while it runs.
  virtual void Execute(int style, int16_t step, int16_t delay) = 0;
  virtual bool TransitionRunning() const = 0;
  virtual void StopTransition() = 0;
  // Paints the picture on screen onto the background image at the control's bounds, for good.
  virtual void LeavePictureOnBackground() = 0;
  // The picture becomes what the background image holds under the control's bounds.
  virtual void TakeBackgroundUnderPicture() = 0;
};

// A Flash movie host on the show window.
class ShowMovie {
 public:
  virtual ~ShowMovie() = default;
  virtual Rect Bounds() const = 0;
  // Clicks on the movie end the show; with `mouseMoves` its mouse movement is judged too.
  virtual void ConnectInput(bool mouseMoves) = 0;
  virtual void SetMovie(const std::string& path) = 0;
  virtual void SetLoop(bool loop) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void Play() = 0;
  virtual int32_t TotalFrames() = 0;
  virtual int32_t FrameNum() = 0;
  virtual bool Playing() = 0;
  // What the mover moves while this movie shows.
  virtual FlyTarget& MoverTarget() = 0;
};

// An overlay image: it lives on the window for the whole show and goes when released.
class ShowOverlay {
 public:
  virtual ~ShowOverlay() = default;
};

// The mover (`Fly`) that lets the current picture or movie drift across the show area.
class ShowMover {
 public:
  enum class Target { kNone, kPicture, kMovie };
  virtual ~ShowMover() = default;
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual void Tick() = 0;
  virtual void SetPos(int x, int y) = 0;
  virtual void SetSize(int width, int height) = 0;
  // `movie` is the movie host that shows, for Target::kMovie.
  virtual void SetTarget(Target target, ShowMovie* movie) = 0;
};

// The show window's services to the sequence.
class ShowWindowServices {
 public:
  virtual ~ShowWindowServices() = default;
  virtual void StartItemTimer(uint32_t milliseconds) = 0;
  virtual void KillItemTimer() = 0;
  virtual void ProcessPendingMessages() = 0;
  // Nothing when the host cannot be created.
  virtual std::unique_ptr<ShowMovie> CreateMovieHost(const Rect& bounds) = 0;
  virtual std::unique_ptr<ShowOverlay> CreateOverlayImage(Bitmap picture, const Rect& bounds) = 0;
  // The caption labels changed: their old and new places need painting.
  virtual void CaptionsChanged() = 0;
  virtual void TrimWorkingSet() = 0;
};

// Flags the show window and its sequence share. Long steps process messages while they run, so
// these keep a step from re-entering; `ending` is never cleared once set.
struct ShowFlags {
  bool advancing = false;
  bool ending = false;
  bool checkingPassword = false;
};

}  // namespace saverkit
