#include "raster/tile_bitmap.h"

#include <gtest/gtest.h>

#include "pictrans/frame_pictures.h"

namespace saverkit {
namespace {

// Tiles are coordinate pictures, whose every pixel tells where in the tile it is.
// Each canvas pixel holds the tile pixel counted from the area's corner inside the area, and
// keeps `outside` beyond it.
void ExpectTiled(const Bitmap& canvas, const Bitmap& tile, const Rect& area, Rgb outside) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const bool inArea = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
      const Rgb expected = inArea ? tile.Pixel((x - area.left) % tile.Width(), (y - area.top) % tile.Height()) : outside;
      ASSERT_EQ(canvas.Pixel(x, y), expected) << x << "," << y;
    }
}

TEST(TileBitmap, PlacesCopiesRowByRowWithCutLastColumnAndRow) {
  // 200 x 100 with 64 x 64 tiles: three whole columns and one of 8 pixels, a whole row and one of 36.
  const Bitmap tile = CoordinatePicture(64, 64);
  Bitmap canvas(210, 110, Rgb{1, 1, 1});
  TileBitmap(tile, {0, 0, 200, 100}, canvas);
  ExpectTiled(canvas, tile, {0, 0, 200, 100}, Rgb{1, 1, 1});
  EXPECT_EQ(canvas.Pixel(199, 99), tile.Pixel(7, 35));
}

TEST(TileBitmap, PlacesNothingForEmptyTileOrArea) {
  const struct {
    Rect area;
    int tileWidth, tileHeight;
  } cases[] = {
      {{0, 0, 200, 100}, 0, 64}, {{0, 0, 200, 100}, 64, -1}, {{50, 0, 50, 100}, 8, 8}, {{0, 90, 10, 10}, 8, 8}};
  for (const auto& c : cases) {
    Bitmap canvas(200, 100, Rgb{1, 1, 1});
    TileBitmap(CoordinatePicture(c.tileWidth, c.tileHeight), c.area, canvas);
    EXPECT_TRUE(canvas.SamePixels(Bitmap(200, 100, Rgb{1, 1, 1})))
        << c.tileWidth << " x " << c.tileHeight << " over " << c.area.Width() << " x " << c.area.Height();
  }
}

TEST(TileBitmap, CopiesPixelsFromTheTileOriginAndClipsToTheCanvas) {
  const Bitmap tile = CoordinatePicture(3, 2);
  Bitmap canvas(10, 6, Rgb{1, 1, 1});
  TileBitmap(tile, {-2, 1, 40, 5}, canvas);  // starts left of the canvas, ends right of it
  ExpectTiled(canvas, tile, {-2, 1, 40, 5}, Rgb{1, 1, 1});
}

}  // namespace
}  // namespace saverkit
