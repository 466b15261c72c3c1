#include "show/show_area.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

TEST(ShowArea, ThePrimaryMonitorWithinTheVirtualDesktop) {
  // The primary monitor is 1024 x 768 at the screen origin unless a case says otherwise.
  const struct {
    const char* arrangement;
    Rect desktop;
    int32_t width, height;
    Rect area;
  } cases[] = {
      {"one monitor", {0, 0, 1024, 768}, 1024, 768, {0, 0, 1024, 768}},
      {"second monitor to the right", {0, 0, 2304, 768}, 1024, 768, {0, 0, 1024, 768}},
      {"second monitor below", {0, 0, 1024, 1536}, 1024, 768, {0, 0, 1024, 768}},
      {"second monitor to the left", {-1280, 0, 1024, 1024}, 1024, 768, {1280, 0, 2304, 768}},
      {"second monitor above", {0, -1080, 1920, 768}, 1024, 768, {0, 1080, 1024, 1848}},
      {"taller monitor to the left, higher up", {-1920, -200, 1024, 1000}, 1024, 768, {1920, 200, 2944, 968}},
      {"larger primary, small monitor left and above", {-800, -600, 1920, 1080}, 1920, 1080, {800, 600, 2720, 1680}},
      {"three in a row, primary in the middle", {-1024, 0, 2048, 768}, 1024, 768, {1024, 0, 2048, 768}},
      // Metrics that contradict each other keep the area inside the window.
      {"primary beyond the desktop", {-5000, 0, -3000, 768}, 1024, 768, {976, 0, 2000, 768}},
      {"desktop right of the origin", {100, 100, 1124, 868}, 1024, 768, {0, 0, 1024, 768}},
      {"no primary size", {-1280, 0, 1024, 768}, 0, 0, {1280, 0, 1280, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShowAreaInWindow(c.desktop, c.width, c.height), c.area) << c.arrangement;
  }
}

}  // namespace
}  // namespace saverkit
