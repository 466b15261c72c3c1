#include "forms/dpi_scale.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

TEST(DpiScale, NinetySixIsTheDesignAndChangesNothing) {
  const DpiScale design;
  for (int32_t v : {-13, 0, 1, 49, 529, 100000}) {
    EXPECT_EQ(design.Length(v), v);
    EXPECT_EQ(design.ToDesign(v), v);
  }
  EXPECT_EQ(design.Bounds({7, 322, 585, 78}), (ControlBounds{7, 322, 585, 78}));
  EXPECT_EQ(DpiScale(0).Dpi(), 96);
  EXPECT_EQ(DpiScale(-5).Dpi(), 96);
}

TEST(DpiScale, LengthsRoundToTheNearestPixelBothWays) {
  struct Case {
    int dpi;
    int32_t design, real;
  };
  const Case cases[] = {
      {144, 13, 20},  {144, -13, -20}, {144, 49, 74}, {144, 1, 2},    {120, 13, 16}, {120, -12, -15},
      {192, 529, 1058}, {168, 3, 5},   {144, 0, 0},   {288, -1, -3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DpiScale(c.dpi).Length(c.design), c.real) << c.dpi << " " << c.design;
    EXPECT_EQ(DpiScale(c.dpi).ToDesign(c.real), c.design) << c.dpi << " " << c.real;
  }
}

// Two controls that touch in the layout touch on the screen, whatever the rounding.
TEST(DpiScale, NeighboursStayNeighbours) {
  for (int dpi : {120, 144, 168, 192}) {
    const DpiScale scale(dpi);
    for (int32_t left = 0; left < 40; ++left) {
      const ControlBounds a = scale.Bounds({left, 3, 17, 11}), b = scale.Bounds({left + 17, 14, 5, 9});
      ASSERT_EQ(a.left + a.width, b.left) << dpi << " " << left;
      ASSERT_EQ(a.top + a.height, b.top) << dpi << " " << left;
    }
  }
}

}  // namespace
}  // namespace saverkit
