// What the show window is made of, worked out once from the package and the screen before the
// window exists: its place, the show area and the layout the sequence runs with, whether the
// current item drifts, the cursor and the window's translucency. The Win32 window only creates
// and applies what this says.
#pragma once

#include <cstdint>
#include <optional>

#include "package/xscr.h"
#include "raster/bitmap.h"
#include "base/rect.h"
#include "show/show_sequencer.h"
#include "base/run_mode.h"

namespace saverkit {

// `MotionMode` 3: the show moves the current picture or movie around the show area.
inline constexpr uint8_t kMotionModeFly = 3;
// The show is made translucent only for an `Opacity` in this range.
inline constexpr int32_t kLeastShowOpacity = 20;
inline constexpr int32_t kMostShowOpacity = 99;

// The screen as the window finds it before it is made.
struct ShowScreen {
  // The full-screen show: the virtual desktop, in screen coordinates. The preview: the host
  // window's client area, from 0, 0.
  Rect window;
  int32_t primaryWidth = 0;  // the primary screen
  int32_t primaryHeight = 0;
};

struct ShowSetup {
  RunMode mode = RunMode::Show;  // Show or Preview
  Rect window;                   // where the window goes (see ShowScreen)
  ShowLayout layout;
  // The package asks for motion and has items to move; the mover keeps them in the show area.
  bool mover = false;
  bool hideCursor = false;
  // The translucency to give the window, in percent; nothing leaves it opaque.
  std::optional<int32_t> opacityPercent;

  bool Preview() const { return mode == RunMode::Preview; }
};

// The set-up of the show window in `mode` (Show or Preview) on `screen` for the package `reader`
// holds. The reader settles its design width here when the package gave none.
ShowSetup DecideShowSetup(RunMode mode, const ShowScreen& screen, XSCR& reader);

// The image behind everything the show puts on its window of `width` x `height`: the package's
// background colour, with its background picture, when it has one, tiled over it from the
// top-left corner.
Bitmap ShowBackground(const XSCR& reader, int width, int height);

}  // namespace saverkit
