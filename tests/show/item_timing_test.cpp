#include "show/item_timing.h"

#include <gtest/gtest.h>

#include <climits>

#include "show_fakes.h"

namespace saverkit {
namespace {

using testing::ScriptedRandom;

TEST(ItemDisplayTimeMs, FollowsSecondsThenDefaultThenOneSecond) {
  struct Case {
    int32_t kind;
    int32_t seconds;
    int32_t defaultSeconds;
    uint32_t expected;
  };
  const Case cases[] = {
      {kKindPicture, 3, 9, 3000},
      {kKindPicture, 0, 9, 9000},
      {kKindPicture, 0, 0, 1000},
      {kKindPicture, -7, 0, 1000},  // only movies stay for a negative time
      {kKindPicture, -7, 2, 2000},
      {kKindMovie, -7, 2, 7000},
      {kKindMovie, 0, 2, 2000},
      {kKindMovie, 0, -3, 1000},
      {2, 5, 0, 5000},  // an unknown kind still runs its own time
      // Times a window timer cannot hold stop at its longest period instead of wrapping around.
      {kKindPicture, INT_MAX, 0, kLongestItemTimerMs},
      {kKindMovie, INT_MIN, 0, kLongestItemTimerMs},
      {kKindPicture, 0, INT_MAX, kLongestItemTimerMs},
  };
  for (const Case& c : cases) {
    ItemRecord item;
    item.Kind = c.kind;
    item.Seconds = c.seconds;
    EXPECT_EQ(ItemDisplayTimeMs(item, c.defaultSeconds), c.expected)
        << "kind " << c.kind << " seconds " << c.seconds << " default " << c.defaultSeconds;
  }
}

TEST(ChooseEffect, KeepsTheEffectsAndDrawsForEverythingElse) {
  ScriptedRandom random;
  EXPECT_EQ(ChooseEffect(0, random), 0);
  EXPECT_EQ(ChooseEffect(127, random), 127);
  random.values = {300, 300, 300, 5};
  EXPECT_EQ(ChooseEffect(-1, random), 300 % 128);
  EXPECT_EQ(ChooseEffect(128, random), 300 % 128);
  EXPECT_EQ(ChooseEffect(INT_MIN, random), 300 % 128);
  EXPECT_EQ(ChooseEffect(-2, random), 5);  // the caller decides what -2 means; here it is just random
  EXPECT_TRUE(random.values.empty());
}

}  // namespace
}  // namespace saverkit
