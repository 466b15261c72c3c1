#include "raster/bmp_decoder.h"

#include <gtest/gtest.h>

#include "raster/save_bitmap.h"

namespace saverkit {
namespace {

Bitmap Sample() {
  Bitmap b(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) b.SetPixel(x, y, Rgb{uint8_t(x * 40), uint8_t(y * 80), 9});
  return b;
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = uint8_t(v >> (8 * i));
}

TEST(DecodeBmp, ReadsWhatOurEncoderWrites) {
  Bitmap decoded;
  ASSERT_TRUE(DecodeBmp(EncodeBmp(Sample()), decoded));
  EXPECT_TRUE(decoded.SamePixels(Sample()));
}

TEST(DecodeBmp, ReadsTopDownAndThirtyTwoBitPictures) {
  // A 2 x 2 top-down 32-bit picture written by hand.
  std::vector<uint8_t> bytes(54 + 16, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put32(bytes, 10, 54);
  Put32(bytes, 14, 40);
  Put32(bytes, 18, 2);
  Put32(bytes, 22, uint32_t(-2));
  bytes[28] = 32;
  const uint8_t pixels[] = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0};
  std::copy(std::begin(pixels), std::end(pixels), bytes.begin() + 54);
  Bitmap decoded;
  ASSERT_TRUE(DecodeBmp(bytes, decoded));
  EXPECT_EQ(decoded.Pixel(0, 0), (Rgb{3, 2, 1}));
  EXPECT_EQ(decoded.Pixel(1, 1), (Rgb{12, 11, 10}));
}

TEST(DecodeBmp, RefusesDamagedFilesAndKeepsTheResult) {
  const std::vector<uint8_t> good = EncodeBmp(Sample());
  auto damaged = [&](auto change) {
    std::vector<uint8_t> bytes = good;
    change(bytes);
    return bytes;
  };
  const std::vector<std::vector<uint8_t>> cases = {
      {},
      std::vector<uint8_t>(good.begin(), good.end() - 1),                                // truncated pixels
      std::vector<uint8_t>(good.begin(), good.begin() + 30),                            // truncated header
      damaged([](auto& b) { b[0] = 'X'; }),                                             // not a bitmap
      damaged([](auto& b) { b[28] = 8; }),                                              // palette depth
      damaged([](auto& b) { b[30] = 1; }),                                              // RLE compressed
      damaged([](auto& b) { Put32(b, 18, 0x7FFFFFFF); }),                               // huge width
      damaged([](auto& b) { Put32(b, 22, 0x80000000); }),                               // INT_MIN height
      damaged([](auto& b) { Put32(b, 10, 0xFFFFFFF0); }),                               // offset past the end
      damaged([](auto& b) { Put32(b, 14, 0xFFFFFFFF); }),                               // header size past the end
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    Bitmap kept(1, 1, Rgb{4, 4, 4});
    EXPECT_FALSE(DecodeBmp(cases[i], kept)) << i;
    EXPECT_EQ(kept.Width(), 1) << i;
  }
}

}  // namespace
}  // namespace saverkit
