#include "startup/pointer_gate.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

TEST(PointerGate, SmallStepsMoveTheReferenceAndOneJumpEnds) {
  PointerGate gate(100, 100);
  for (int i = 1; i <= 20; ++i) ASSERT_FALSE(gate.MovedBeyond(100 + 5 * i, 100 - 5 * i)) << i;
  EXPECT_FALSE(gate.MovedBeyond(200, 0));
  EXPECT_TRUE(gate.MovedBeyond(206, 0));
  EXPECT_TRUE(gate.MovedBeyond(200, -6));
}

TEST(PointerGate, ExtremeCoordinatesDoNotOverflow) {
  PointerGate gate(INT32_MIN, INT32_MAX);
  EXPECT_TRUE(gate.MovedBeyond(INT32_MAX, INT32_MAX));
}

}  // namespace
}  // namespace saverkit
