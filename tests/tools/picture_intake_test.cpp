// The picture intake on pictures made at test time: photos turned upright in their pixels, PNG and
// WebP converted, large pictures shrunk only when asked, damaged pictures refused with a reason.
#include "tools/scrpack/intake/picture_intake.h"

#include <gtest/gtest.h>

#include "photo_fixture.h"
#include "raster/jpeg_codec.h"
#include "tools/scrpack/intake/exif_facts.h"

namespace saverkit {
namespace {

using testing::JpegWithExif;
using testing::Quadrants;
using testing::ShowsQuadrants;
using testing::StoredForOrientation;

Bitmap Decoded(const std::vector<uint8_t>& jpeg) {
  Bitmap picture;
  EXPECT_TRUE(DecodeJpeg(jpeg, 0, picture));
  return picture;
}

TEST(PictureIntakeTest, PhotosComeOutUprightWithTheOrientationCleared) {
  // A portrait photo whose sides are whole 16-pixel blocks, so nothing is trimmed.
  const Bitmap upright = Quadrants(48, 64);
  for (int orientation : {1, 3, 6, 8}) {
    const std::vector<uint8_t> file =
        JpegWithExif(StoredForOrientation(upright, orientation), orientation, "2023:07:14 18:32:05");
    PreparedPicture out;
    std::string error;
    ASSERT_TRUE(PreparePicture(file, IntakeOptions{}, out, error)) << orientation << ": " << error;
    EXPECT_EQ(out.size, (PictureSize{48, 64})) << orientation;
    const Bitmap shown = Decoded(out.jpeg);
    EXPECT_EQ(shown.Width(), 48) << orientation;
    EXPECT_TRUE(ShowsQuadrants(shown)) << "orientation " << orientation << " is not upright";
    EXPECT_EQ(out.Rotated(), orientation != 1);
    EXPECT_FALSE(out.resized);
    EXPECT_FALSE(out.Converted());
    EXPECT_EQ(out.dateTaken, "2023:07:14 18:32:05");
    // No viewer turns it again, and the rest of the EXIF block stays.
    const ExifFacts after = ReadExifFacts(out.jpeg);
    EXPECT_EQ(after.orientation, 1) << orientation;
    EXPECT_EQ(after.dateTaken, "2023:07:14 18:32:05") << orientation;
    if (orientation == 1) {
      EXPECT_EQ(out.jpeg, file) << "an upright JPEG is kept byte for byte";
    }
  }
}

TEST(PictureIntakeTest, TurningTrimsOnlyPartialEdgeBlocks) {
  const Bitmap upright = Quadrants(50, 70);
  const std::vector<uint8_t> file = JpegWithExif(StoredForOrientation(upright, 6), 6);
  PreparedPicture out;
  std::string error;
  ASSERT_TRUE(PreparePicture(file, IntakeOptions{}, out, error)) << error;
  EXPECT_GE(out.size.width, 50 - 15);
  EXPECT_LE(out.size.width, 50);
  EXPECT_EQ(out.size.height, 70);
  EXPECT_TRUE(ShowsQuadrants(Decoded(out.jpeg)));
}

TEST(PictureIntakeTest, PngAndWebpAreStoredAsJpeg) {
  const Bitmap picture = Quadrants(40, 30);
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    PictureFormat format;
  } cases[] = {{"png", testing::PngOf(picture), PictureFormat::kPng},
               {"webp", testing::WebpOf(picture), PictureFormat::kWebp}};
  for (const auto& c : cases) {
    PreparedPicture out;
    std::string error;
    ASSERT_TRUE(PreparePicture(c.bytes, IntakeOptions{}, out, error)) << c.name << ": " << error;
    EXPECT_EQ(out.source, c.format) << c.name;
    EXPECT_TRUE(out.Converted()) << c.name;
    EXPECT_EQ(SniffPictureFormat(out.jpeg), PictureFormat::kJpeg) << c.name;
    EXPECT_EQ(out.size, (PictureSize{40, 30})) << c.name;
    EXPECT_TRUE(ShowsQuadrants(Decoded(out.jpeg))) << c.name;
  }
}

TEST(PictureIntakeTest, TransparencyLiesOverTheBackgroundColour) {
  IntakeOptions options;
  options.background = Rgb{0, 200, 200};
  PreparedPicture out;
  std::string error;
  ASSERT_TRUE(PreparePicture(testing::PngOf(Quadrants(32, 32), true), options, out, error)) << error;
  const Rgb corner = Decoded(out.jpeg).Pixel(4, 4);
  EXPECT_LT(corner.r, 40);
  EXPECT_GT(corner.g, 160);
  EXPECT_GT(corner.b, 160);
}

TEST(PictureIntakeTest, LargePhotosAreShrunkOnlyWhenAsked) {
  const std::vector<uint8_t> photo = EncodeJpeg(Quadrants(4000, 3000), 85);
  PreparedPicture kept, shrunk;
  std::string error;
  ASSERT_TRUE(PreparePicture(photo, IntakeOptions{}, kept, error)) << error;
  EXPECT_EQ(kept.jpeg, photo);
  EXPECT_FALSE(kept.resized);

  IntakeOptions options;
  options.maxSize = {1920, 1080};
  ASSERT_TRUE(PreparePicture(photo, options, shrunk, error)) << error;
  EXPECT_TRUE(shrunk.resized);
  EXPECT_EQ(shrunk.size, (PictureSize{1440, 1080}));
  EXPECT_EQ(shrunk.uprightSize, (PictureSize{4000, 3000})) << "layout goes by the picture, not by its stored copy";
  const Bitmap shown = Decoded(shrunk.jpeg);
  EXPECT_EQ(shown.Width(), 1440);
  EXPECT_EQ(shown.Height(), 1080);
  EXPECT_TRUE(ShowsQuadrants(shown));
}

TEST(PictureIntakeTest, FitInsideKeepsProportionsAndNeverGrows) {
  const struct {
    PictureSize picture, box, expected;
  } cases[] = {
      {{4000, 3000}, {1920, 1080}, {1440, 1080}},  // landscape photo, wide screen: the height limits
      {{600, 900}, {1024, 768}, {512, 768}},       // the demo's portrait picture
      {{3000, 1000}, {1024, 768}, {1024, 341}},    // a panorama: the width limits
      {{800, 600}, {1024, 768}, {800, 600}},       // smaller than the screen: its own size
      {{1024, 768}, {1024, 768}, {1024, 768}},     // exactly the screen
      {{10000, 1}, {100, 100}, {100, 1}},          // never below one pixel
      {{800, 600}, {0, 0}, {800, 600}},            // no box: unchanged
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitInside(c.picture, c.box), c.expected) << c.picture.width << "x" << c.picture.height;
    // Turned a quarter, the picture fits the turned box the same way.
    const PictureSize turned = FitInside({c.picture.height, c.picture.width}, {c.box.height, c.box.width});
    EXPECT_EQ(turned, (PictureSize{c.expected.height, c.expected.width}));
  }
}

TEST(PictureIntakeTest, DamagedPicturesAreRefusedWithAReason) {
  std::vector<uint8_t> jpeg = EncodeJpeg(Quadrants(64, 48), 90);
  std::vector<uint8_t> truncated(jpeg.begin(), jpeg.end() - 40);
  // A start-of-frame claiming 65000 x 65000 pixels: refused before anything is allocated.
  std::vector<uint8_t> huge = jpeg;
  for (size_t i = 0; i + 8 < huge.size(); ++i)
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = 0xFD, huge[i + 6] = 0xE8, huge[i + 7] = 0xFD, huge[i + 8] = 0xE8;
      break;
    }
  std::vector<uint8_t> png = testing::PngOf(Quadrants(16, 16));
  std::vector<uint8_t> brokenPng = png;
  brokenPng[brokenPng.size() / 2] ^= 0xFF;  // a chunk's CRC no longer matches
  std::vector<uint8_t> webpHeader{'R', 'I', 'F', 'F', 20, 0, 0, 0, 'W', 'E', 'B', 'P', 'V', 'P', '8', ' ', 1, 2, 3};
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* reason;
  } cases[] = {
      {"empty", {}, "not a picture"},
      {"text", {'h', 'e', 'l', 'l', 'o'}, "not a picture"},
      {"JPEG cut short", truncated, "cut short"},
      {"JPEG header only", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 20), "JPEG"},
      {"huge JPEG", huge, "larger than a screen saver can show"},
      {"PNG with a bad CRC", brokenPng, "PNG"},
      {"PNG cut short", std::vector<uint8_t>(png.begin(), png.begin() + 40), "PNG"},
      {"WebP without data", webpHeader, "WebP"},
  };
  for (const auto& c : cases) {
    PreparedPicture out;
    std::string error;
    EXPECT_FALSE(PreparePicture(c.bytes, IntakeOptions{}, out, error)) << c.name;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
  }
}

TEST(PictureIntakeTest, DamagedExifLeavesThePictureAsItIs) {
  std::vector<uint8_t> jpeg = EncodeJpeg(Quadrants(32, 32), 90);
  const std::vector<uint8_t> junk{0xFF, 0xE1, 0x00, 0x10, 'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0xFF, 0xFF, 0xFF, 0xFF};
  jpeg.insert(jpeg.begin() + 2, junk.begin(), junk.end());
  PreparedPicture out;
  std::string error;
  ASSERT_TRUE(PreparePicture(jpeg, IntakeOptions{}, out, error)) << error;
  EXPECT_FALSE(out.Rotated());
  EXPECT_EQ(out.jpeg, jpeg);
}

TEST(PictureIntakeTest, DateCaptionsReadEveryMonth) {
  EXPECT_EQ(DateCaption("2023:07:14 18:32:05"), "14 July 2023");
  EXPECT_EQ(DateCaption("1999:12:01 00:00:00"), "1 December 1999");
  EXPECT_EQ(DateCaption("    :  :     :  :  "), "");
  EXPECT_EQ(DateCaption("2023:13:01 00:00:00"), "");
  EXPECT_EQ(DateCaption(""), "");
}

}  // namespace
}  // namespace saverkit
