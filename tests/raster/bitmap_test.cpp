#include "raster/bitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>

namespace saverkit {
namespace {

TEST(Bitmap, PixelBytesIsTheCheckedProductOfPaddedRowsAndHeight) {
  // The largest sides need 1.4e19 bytes: more than a 64-bit size_t's half, less than all of it.
  const std::optional<size_t> largestOn64Bit =
      sizeof(size_t) == 8 ? std::optional<size_t>(size_t(INT_MAX * 3ull + 3) * size_t(INT_MAX)) : std::nullopt;
  constexpr size_t kWin32Addressable = size_t(INT32_MAX);  // what a 32-bit build can address
  constexpr size_t kWin64Addressable = size_t(INT64_MAX);
  const struct {
    int width, height;
    size_t addressable;
    std::optional<size_t> expected;
  } cases[] = {
      {1, 1, kWin64Addressable, 4},
      {5, 3, kWin64Addressable, 16 * 3},
      {4, 2, kWin64Addressable, 12 * 2},
      // Fits the side limit yet not a 32-bit address space: 3 GB.
      {32768, 32768, kWin32Addressable, std::nullopt},
      {32768, 32768, kWin64Addressable, size_t(98304) * 32768},
      // The largest sides: the product passes what any build can address.
      {INT_MAX, INT_MAX, kWin64Addressable, std::nullopt},
      {INT_MAX, INT_MAX, SIZE_MAX, largestOn64Bit},
      {INT_MAX, 1, kWin32Addressable, std::nullopt},
      {0, 10, kWin64Addressable, std::nullopt},
      {10, -1, kWin64Addressable, std::nullopt},
      {INT_MIN, INT_MIN, kWin64Addressable, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Bitmap::PixelBytes(c.width, c.height, c.addressable), c.expected)
        << c.width << " x " << c.height << " within " << c.addressable;
}

TEST(Bitmap, SizeThatDoesNotFitLeavesTheDefinedEmptyBitmap) {
  const struct {
    int width, height;
  } cases[] = {{INT_MAX, INT_MAX}, {INT_MAX, 1}, {1, INT_MAX}, {Bitmap::kMaxSide + 1, 1}, {-5, 7}, {0, 0}};
  for (const auto& c : cases) {
    Bitmap bitmap(c.width, c.height, Rgb{1, 2, 3});
    EXPECT_TRUE(bitmap.Empty()) << c.width << " x " << c.height;
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    EXPECT_EQ(bitmap.Stride(), 0u);
    bitmap.Fill(Rgb{9, 9, 9});  // harmless on the empty bitmap
    EXPECT_EQ(bitmap.Pixel(0, 0), Rgb{});
  }
  // A bitmap that had pixels loses them all when resized past what fits.
  Bitmap resized(4, 4, Rgb{5, 5, 5});
  resized.Reset(INT_MAX, INT_MAX);
  EXPECT_TRUE(resized.Empty());
  EXPECT_EQ(resized.Stride(), 0u);
}

}  // namespace
}  // namespace saverkit
