#include "show/show_setup.h"

#include "raster/tile_bitmap.h"
#include "show/show_area.h"

namespace saverkit {

ShowSetup DecideShowSetup(RunMode mode, const ShowScreen& screen, XSCR& reader) {
  ShowSetup setup;
  setup.mode = mode == RunMode::Preview ? RunMode::Preview : RunMode::Show;
  setup.window = screen.window;
  const bool preview = setup.Preview();

  // The preview shows everything in the host's client area; the full-screen show on the primary
  // monitor, wherever it lies on the desktop.
  const Rect area = preview ? Rect{0, 0, screen.window.Width(), screen.window.Height()}
                            : ShowAreaInWindow(screen.window, screen.primaryWidth, screen.primaryHeight);
  ShowLayout& layout = setup.layout;
  layout.preview = preview;
  layout.areaLeft = area.left;
  layout.areaTop = area.top;
  layout.areaWidth = area.Width();
  layout.areaHeight = area.Height();
  layout.screenWidth = screen.primaryWidth;
  layout.screenHeight = screen.primaryHeight;
  const int32_t designWidth = reader.DesignWidth();
  layout.scale = designWidth > 0 ? double(layout.areaWidth) / designWidth : 1.0;
  layout.randomOrder = reader.RandomOrder();
  layout.defaultSeconds = reader.DefaultSeconds();
  layout.ignoreMouseMove = reader.Info().IgnoreMouseMove;
  layout.backgroundColour = RgbFromColorRef(uint32_t(reader.BackgroundColor()));

  const bool hasShowItems = reader.ItemCount() - reader.OverlayCount() > 0;
  setup.mover = hasShowItems && reader.Info().MotionMode == kMotionModeFly;

  if (!preview) {
    setup.hideCursor = reader.Extension().CursorVisible == 0;
    const int32_t opacity = reader.Extension().Opacity;
    if (opacity >= kLeastShowOpacity && opacity <= kMostShowOpacity) setup.opacityPercent = opacity;
  }
  return setup;
}

Bitmap ShowBackground(const XSCR& reader, int width, int height) {
  Bitmap background(width, height, RgbFromColorRef(uint32_t(reader.BackgroundColor())));
  if (const Bitmap* tile = reader.Background()) TileBitmap(*tile, Rect{0, 0, width, height}, background);
  return background;
}

}  // namespace saverkit
