#include "raster/jpeg_codec.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

Bitmap Quadrants(int width, int height) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.SetPixel(x, y, (x < width / 2) == (y < height / 2) ? Rgb{220, 30, 30} : Rgb{20, 40, 200});
  return picture;
}

TEST(JpegCodec, RoundTripKeepsSizeAndColours) {
  const Bitmap original = Quadrants(64, 48);
  const std::vector<uint8_t> encoded = EncodeJpeg(original, 90);
  ASSERT_FALSE(encoded.empty());
  Bitmap decoded;
  ASSERT_TRUE(DecodeJpeg(encoded, 0, decoded));
  EXPECT_EQ(decoded.Width(), 64);
  EXPECT_EQ(decoded.Height(), 48);
  const Rgb topLeft = decoded.Pixel(8, 8);
  EXPECT_NEAR(topLeft.r, 220, 12);
  EXPECT_NEAR(topLeft.b, 30, 12);
  const Rgb topRight = decoded.Pixel(56, 8);
  EXPECT_NEAR(topRight.b, 200, 12);
}

TEST(JpegCodec, ScaledDecodingDividesTheSize) {
  const std::vector<uint8_t> encoded = EncodeJpeg(Quadrants(160, 96), 85);
  const struct { int scale, width, height; } cases[] = {{0, 160, 96}, {1, 80, 48}, {2, 40, 24}, {3, 20, 12}};
  for (const auto& c : cases) {
    Bitmap decoded;
    ASSERT_TRUE(DecodeJpeg(encoded, c.scale, decoded)) << c.scale;
    EXPECT_EQ(decoded.Width(), c.width) << c.scale;
    EXPECT_EQ(decoded.Height(), c.height) << c.scale;
  }
}

TEST(JpegCodec, ScaleToCoverIsTheLargestReductionStillAtLeastTheShownSize) {
  const struct {
    int width, height, shownWidth, shownHeight, scale;
  } cases[] = {
      {4000, 3000, 1920, 1080, 1},  // 2000 x 1500
      {4000, 3000, 2000, 1500, 1},
      {4000, 3000, 2001, 1500, 0},
      {4000, 3000, 1920, 1501, 0},
      {4000, 3000, 1000, 750, 2},
      {4000, 3000, 999, 751, 1},
      {4000, 3000, 500, 375, 3},
      {4000, 3000, 16, 16, 3},       // an eighth is the smallest there is
      {4000, 3000, 8000, 6000, 0},   // enlarged: the whole picture
      {4001, 3001, 2001, 1501, 1},   // libjpeg rounds reduced sides up
      {4002, 3000, 2002, 1500, 0},
      {4000, 3000, 0, 0, 0},         // no shown size: full size, as before
      {4000, 3000, -5, 100, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleToCover(c.width, c.height, c.shownWidth, c.shownHeight), c.scale)
        << c.width << "x" << c.height << " shown at " << c.shownWidth << "x" << c.shownHeight;
  }
}

TEST(JpegCodec, DecodesToCoverTheShownSizeAndReadsTheFullSizeFromTheHeader) {
  const std::vector<uint8_t> encoded = EncodeJpeg(Quadrants(160, 96), 85);
  const struct {
    int shownWidth, shownHeight, width, height;
  } cases[] = {{40, 24, 40, 24}, {41, 24, 80, 48}, {15, 10, 20, 12}, {160, 96, 160, 96}, {0, 0, 160, 96}};
  for (const auto& c : cases) {
    Bitmap decoded;
    ASSERT_TRUE(DecodeJpegToCover(encoded.data(), encoded.size(), c.shownWidth, c.shownHeight, decoded));
    EXPECT_EQ(decoded.Width(), c.width) << c.shownWidth << "x" << c.shownHeight;
    EXPECT_EQ(decoded.Height(), c.height) << c.shownWidth << "x" << c.shownHeight;
  }
  int width = 0, height = 0;
  ASSERT_TRUE(ReadJpegSize(encoded.data(), encoded.size(), width, height));
  EXPECT_EQ(width, 160);
  EXPECT_EQ(height, 96);

  Bitmap kept(3, 3);
  EXPECT_FALSE(DecodeJpegToCover(encoded.data(), 20, 40, 24, kept)) << "cut inside the header";
  EXPECT_FALSE(DecodeJpegToCover(nullptr, 0, 40, 24, kept));
  EXPECT_EQ(kept.Width(), 3);
  width = height = -1;
  EXPECT_FALSE(ReadJpegSize(encoded.data(), 20, width, height));
  EXPECT_FALSE(ReadJpegSize(nullptr, 0, width, height));
  EXPECT_EQ(width, -1);
}

TEST(JpegCodec, DamagedInputFailsWithoutTouchingTheResult) {
  std::vector<uint8_t> encoded = EncodeJpeg(Quadrants(32, 32), 80);
  Bitmap kept(3, 3, Rgb{1, 2, 3});
  const std::vector<uint8_t> notJpeg = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
  EXPECT_FALSE(DecodeJpeg(notJpeg, 0, kept));
  EXPECT_FALSE(DecodeJpeg(encoded.data(), 20, 0, kept));  // cut inside the header
  EXPECT_FALSE(DecodeJpeg(nullptr, 0, 0, kept));
  EXPECT_FALSE(DecodeJpeg(encoded, 4, kept));  // no such scale
  EXPECT_EQ(kept.Width(), 3);
  EXPECT_EQ(kept.Pixel(1, 1), (Rgb{1, 2, 3}));
}

TEST(JpegCodec, HeaderClaimingAHugePictureIsRefused) {
  std::vector<uint8_t> encoded = EncodeJpeg(Quadrants(16, 16), 80);
  // Rewrite the frame header (SOF0: FF C0, length, precision, height, width) to 60000 x 60000.
  for (size_t i = 0; i + 9 < encoded.size(); ++i) {
    if (encoded[i] == 0xFF && encoded[i + 1] == 0xC0) {
      encoded[i + 5] = 0xEA; encoded[i + 6] = 0x60;
      encoded[i + 7] = 0xEA; encoded[i + 8] = 0x60;
      break;
    }
  }
  Bitmap decoded;
  EXPECT_FALSE(DecodeJpeg(encoded, 0, decoded));
}

TEST(JpegCodec, EncodingNothingFails) {
  EXPECT_TRUE(EncodeJpeg(Bitmap(), 90).empty());
  EXPECT_TRUE(EncodeJpeg(Bitmap(4, 4), 0).empty());
}

}  // namespace
}  // namespace saverkit
