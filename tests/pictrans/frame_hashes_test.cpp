// Every effect's frames, held byte for byte: a hash of the frames each effect composes at a few
// progress values and sizes, against the hashes of the frames as they were when this test was
// written. Speeding an effect up must not move one pixel or change one rounding; a deliberate
// change of an effect's look updates its line here (the failure prints the new value).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "pictrans/frame_composer.h"

namespace saverkit {
namespace {

constexpr int kEffects = 128;

// Pictures in which neighbouring pixels and channels differ irregularly, so that a pixel taken
// from the wrong place or a blend rounded another way changes the hash.
Bitmap ScrambledPicture(int width, int height, uint32_t salt) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint32_t v = (uint32_t(x) * 2654435761u) ^ (uint32_t(y) * 40503u + salt);
      v ^= v >> 13;
      v *= 0x5bd1e995u;
      v ^= v >> 15;
      picture.SetPixel(x, y, Rgb{uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16)});
    }
  return picture;
}

// FNV-1a over the visible bytes of each row (the padding at a row's end is no part of the frame),
// folded into `hash`.
uint64_t HashFrame(const Bitmap& frame, uint64_t hash) {
  for (int y = 0; y < frame.Height(); ++y) {
    const uint8_t* row = frame.Row(y);
    for (size_t i = 0; i < size_t(frame.Width()) * 3; ++i) hash = (hash ^ row[i]) * 0x100000001b3u;
  }
  return hash;
}

struct FrameSize {
  int width, height;
  std::vector<int> progresses;
};

// Each effect's frames at every progress of `size`, composed as the engine does (the old picture
// handed to the composer, the frame left stale), hashed in order into one value.
uint64_t HashEffect(int style, const FrameSize& size, const Bitmap& old, const Bitmap& pic) {
  const std::function<void(const Bitmap&, Bitmap&)> noCustomDraw;
  const std::function<void(const Rect&)> ignore = [](const Rect&) {};
  uint64_t hash = 0xcbf29ce484222325u;
  Bitmap frame(size.width, size.height, Rgb{1, 2, 3});
  for (const int progress : size.progresses) {
    EffectRandom random(7);
    ComposeFrame(FrameRequest{pic, frame, style, progress, 4, false, random, noCustomDraw, ignore, &old});
    hash = HashFrame(frame, hash);
  }
  return hash;
}

void ExpectFrames(const FrameSize& size, const uint64_t (&expected)[kEffects]) {
  const Bitmap old = ScrambledPicture(size.width, size.height, 11);
  const Bitmap pic = ScrambledPicture(size.width, size.height, 12345);
  for (int style = 0; style < kEffects; ++style) {
    const uint64_t actual = HashEffect(style, size, old, pic);
    char line[64];
    std::snprintf(line, sizeof line, "0x%016llxu", static_cast<unsigned long long>(actual));
    EXPECT_EQ(actual, expected[style]) << "effect " << style << " at " << size.width << " x " << size.height
                                       << " now hashes to " << line;
  }
}

// An even size and an odd one (rows with padding, odd halves and centres), at the first and last
// frames of a run and between.
constexpr uint64_t kSmallEvenFrames[kEffects] = {
#include "pictrans/frame_hashes_320x240.inc"
};
constexpr uint64_t kSmallOddFrames[kEffects] = {
#include "pictrans/frame_hashes_317x239.inc"
};
// The full-screen size the benchmark measures, where rounding over long rows and many bands shows.
constexpr uint64_t kScreenFrames[kEffects] = {
#include "pictrans/frame_hashes_1920x1080.inc"
};

TEST(FrameHashes, SmallEvenFramesOfEveryEffectStayTheSame) {
  ExpectFrames(FrameSize{320, 240, {0, 1, 25, 50, 75, 99, 100}}, kSmallEvenFrames);
}

TEST(FrameHashes, SmallOddFramesOfEveryEffectStayTheSame) {
  ExpectFrames(FrameSize{317, 239, {1, 13, 50, 87, 99}}, kSmallOddFrames);
}

TEST(FrameHashes, FullScreenFramesOfEveryEffectStayTheSame) {
  ExpectFrames(FrameSize{1920, 1080, {3, 50, 97}}, kScreenFrames);
}

}  // namespace
}  // namespace saverkit
