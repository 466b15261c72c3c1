#include "show/item_placement.h"

#include <gtest/gtest.h>

#include <climits>

#include "show_fakes.h"

namespace saverkit {
namespace {

TEST(FitIntoHalfArea, ShrinksKeepingProportionsOnlyWhatIsTooLarge) {
  struct Case {
    ItemSize in;
    int32_t areaWidth, areaHeight;
    ItemSize out;
  };
  const Case cases[] = {
      {{512, 384}, 1024, 768, {512, 384}},     // exactly half fits
      {{1920, 1080}, 1024, 768, {512, 288}},   // wider than the area: width decides
      {{600, 1200}, 1024, 768, {192, 384}},    // taller: height decides
      {{1024, 768}, 1024, 768, {512, 384}},    // same ratio
      {{513, 10}, 1024, 768, {512, 9}},        // one axis too large
      {{400, 400}, 1, 768, {0, 0}},            // no half width: nothing to fit into
      {{0, 900}, 1024, 768, {0, 384}},
      {{900, 0}, 1024, 768, {512, 0}},
      {{100000, 100000}, 152, 112, {56, 56}},  // the preview
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitIntoHalfArea(c.in, c.areaWidth, c.areaHeight), c.out)
        << c.in.width << "x" << c.in.height << " in " << c.areaWidth << "x" << c.areaHeight;
  }
}

TEST(LimitItemPixels, BoundsWhatAHostileRecordCanAskFor) {
  EXPECT_EQ(LimitItemPixels({4000, 3000}), (ItemSize{4000, 3000}));
  EXPECT_EQ(LimitItemPixels({0, INT_MAX}), (ItemSize{0, INT_MAX}));  // nothing to allocate anyway
  for (ItemSize size : {ItemSize{INT_MAX, INT_MAX}, ItemSize{1, INT_MAX}, ItemSize{INT_MAX, 3}, ItemSize{20000, 20000}}) {
    const ItemSize limited = LimitItemPixels(size);
    EXPECT_GE(limited.width, 1);
    EXPECT_GE(limited.height, 1);
    EXPECT_LE(int64_t(limited.width) * limited.height, kMaxItemPixels) << size.width << "x" << size.height;
  }
  const ItemSize square = LimitItemPixels({20000, 20000});
  EXPECT_EQ(square.width, square.height);
}

TEST(ScaledPixels, TruncatesTowardZeroAndSaturates) {
  EXPECT_EQ(ScaledPixels(101, 0.5), 50);
  EXPECT_EQ(ScaledPixels(-101, 0.5), -50);
  EXPECT_EQ(ScaledPixels(INT_MAX, 4.0), INT_MAX);
  EXPECT_EQ(ScaledPixels(INT_MIN, 4.0), INT_MIN);
}

TEST(PlacedRect, StopsAtTheEndOfTheRange) {
  EXPECT_EQ(PlacedRect(10, 20, 30, 40), (Rect{10, 20, 40, 60}));
  EXPECT_EQ(PlacedRect(INT_MAX - 5, -3, 100, 0), (Rect{INT_MAX - 5, -3, INT_MAX, -3}));
}

TEST(RandomOffset, IsZeroWithoutRoomAndBelowTheRangeOtherwise) {
  testing::ScriptedRandom random;
  random.values = {7, 1000};
  EXPECT_EQ(RandomOffset(0, random), 0);
  EXPECT_EQ(RandomOffset(-40, random), 0);
  EXPECT_EQ(random.values.size(), 2u);  // nothing drawn without room
  EXPECT_EQ(RandomOffset(1, random), 0);
  EXPECT_EQ(RandomOffset(512, random), 1000 % 512);
}

}  // namespace
}  // namespace saverkit
