#include <gtest/gtest.h>

#include <vector>

#include "base/fit_rect.h"
#include "base/opacity.h"

namespace saverkit {
namespace {

struct FitCase {
  Rect inner, outer;
  bool force;
  Rect expected;
};

TEST(FitRect, CentresOrScalesKeepingProportions) {
  const FitCase cases[] = {
      {RectAt(0, 0, 400, 300), {0, 0, 200, 200}, false, RectAt(0, 25, 200, 150)},
      {RectAt(0, 0, 100, 50), {0, 0, 200, 200}, false, RectAt(50, 75, 100, 50)},
      {RectAt(0, 0, 100, 50), {0, 0, 200, 200}, true, RectAt(0, 50, 200, 100)},
      {RectAt(0, 0, 50, 100), {0, 0, 200, 200}, true, RectAt(50, 0, 100, 200)},
      // The outer origin carries through; the inner origin does not matter.
      {RectAt(7, 9, 400, 300), {10, 20, 210, 220}, false, RectAt(10, 45, 200, 150)},
      // Odd differences are halved toward zero.
      {RectAt(0, 0, 10, 10), {0, 0, 15, 15}, false, RectAt(2, 2, 10, 10)},
      // Equal proportions fill the outer rectangle exactly.
      {RectAt(0, 0, 40, 30), {0, 0, 400, 300}, true, RectAt(0, 0, 400, 300)},
      // A degenerate outer or inner rectangle gives the empty rectangle at the outer corner.
      {RectAt(0, 0, 40, 30), {5, 6, 5, 100}, false, RectAt(5, 6, 0, 0)},
      {RectAt(0, 0, 0, 30), {5, 6, 100, 100}, true, RectAt(5, 6, 0, 0)},
      // Sizes whose products overflow 32 bits still scale correctly.
      {RectAt(0, 0, 100000, 50000), {0, 0, 60000, 60000}, false, RectAt(0, 15000, 60000, 30000)},
  };
  for (const FitCase& c : cases) {
    const Rect r = FitRect(c.inner, c.outer, c.force);
    EXPECT_EQ(r, c.expected) << "inner " << c.inner.Width() << "x" << c.inner.Height() << " force " << c.force
                             << " gave " << r.left << "," << r.top << " " << r.Width() << "x" << r.Height();
  }
}

TEST(CentreRect, CentresInsideOrOverhangsEqually) {
  const struct {
    int width, height;
    Rect outer, expected;
  } cases[] = {
      {32, 32, RectAt(16, 16, 100, 50), RectAt(50, 25, 32, 32)},
      {10, 10, RectAt(0, 0, 15, 15), RectAt(2, 2, 10, 10)},  // halved toward zero
      {120, 80, RectAt(10, 10, 100, 50), RectAt(0, -5, 120, 80)},
      {101, 51, RectAt(0, 0, 100, 50), RectAt(0, 0, 101, 51)},  // -1 / 2 is 0, not -1
      {0, 0, RectAt(0, 0, 100, 50), RectAt(50, 25, 0, 0)},
      {40, 30, RectAt(0, 0, 40, 30), RectAt(0, 0, 40, 30)},
  };
  for (const auto& c : cases) {
    const Rect r = CentreRect(c.width, c.height, c.outer);
    EXPECT_EQ(r, c.expected) << c.width << "x" << c.height << " gave " << r.left << "," << r.top;
  }
}

TEST(SetFormOpacity, MapsPercentToAlpha) {
  struct Case { int percent; std::optional<Opacity> expected; } cases[] = {
      {50, Opacity{true, 127}}, {1, Opacity{true, 2}}, {99, Opacity{true, 252}},
      {100, Opacity{false, 255}}, {0, std::nullopt}, {101, std::nullopt}, {-5, std::nullopt}};
  for (const Case& c : cases) {
    const auto got = OpacityForPercent(c.percent);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.percent;
    if (got) {
      EXPECT_EQ(got->layered, c.expected->layered) << c.percent;
      EXPECT_EQ(got->alpha, c.expected->alpha) << c.percent;
    }
  }
}

}  // namespace
}  // namespace saverkit
