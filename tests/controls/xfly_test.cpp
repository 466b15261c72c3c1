#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "controls/xfly.h"
#include "base/scripted_random.h"

namespace saverkit {
namespace {

struct Bounds {
  int x, y, w, h;
  bool operator==(const Bounds& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

class FakeTarget : public FlyTarget {
 public:
  FakeTarget(int w, int h) : w_(w), h_(h) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  void SetBounds(int x, int y, int w, int h) override { moves.push_back({x, y, w, h}); }
  std::vector<Bounds> moves;

 private:
  int w_, h_;
};

class FakeTimers : public TimerHost {
 public:
  uintptr_t SetTimer(uintptr_t id, uint32_t periodMs) override {
    ++created;
    running[id] = periodMs;
    return id;
  }
  void KillTimer(uintptr_t id) override { running.erase(id); }
  std::map<uintptr_t, uint32_t> running;
  int created = 0;
};

TEST(XFly, ConstructionDrawsDirectionsStepsAndPlaceInOrder) {
  struct Case {
    std::deque<int32_t> draws;
    int left, top, right, bottom;
    bool right_, down;
    int stepX, stepY, x, y;
  } cases[] = {
      {{1, 2, 3, 4, 75, 107}, 10, 20, 110, 220, true, false, 2, 1, 10 + 75 % 50, 20 + 107 % 100},
      {{0, 5, 0, 1, 9, 9}, 0, 0, 640, 480, false, true, 1, 2, 9, 9},
      // A rectangle less than two pixels across leaves the start at its edge.
      {{0, 0, 0, 0, 99, 99}, 10, 20, 11, 21, false, false, 1, 1, 10, 20},
      // An inverted rectangle must not divide by zero or wrap.
      {{0, 0, 0, 0, 99, 99}, 300, 300, 100, 100, false, false, 1, 1, 300, 300},
  };
  for (const Case& c : cases) {
    ScriptedRandom random(c.draws);
    FakeTimers timers;
    FakeTarget target(40, 30);
    XFly fly(timers, random, target, c.left, c.top, c.right, c.bottom);
    EXPECT_EQ(random.seeds, 1);
    EXPECT_EQ(random.draws, 6);
    EXPECT_EQ(fly.MovingRight(), c.right_);
    EXPECT_EQ(fly.MovingDown(), c.down);
    EXPECT_EQ(fly.StepX(), c.stepX);
    EXPECT_EQ(fly.StepY(), c.stepY);
    EXPECT_EQ(target.moves, (std::vector<Bounds>{{c.x, c.y, 40, 30}}));
    EXPECT_EQ(timers.created, 0);  // no timer until Start
  }
}

TEST(XFly, ATurningTickHoldsThatAxisAndTheNextMovesWithTheNewStep) {
  // Moving right and down, steps 2 and 1, starting at (0, 0) in a 100 x 100 rectangle.
  ScriptedRandom random({1, 1, 1, 0, 0, 0});
  FakeTimers timers;
  FakeTarget target(40, 30);
  XFly fly(timers, random, target, 0, 0, 100, 100);
  fly.SetPos(58, 10);  // 58 + 40 < 100: one more step right
  fly.Start();
  fly.Tick();
  EXPECT_EQ(target.moves.back(), (Bounds{60, 11, 40, 30}));
  random = ScriptedRandom({0});  // the step drawn at the turn
  fly.Tick();  // 60 + 40 reaches the edge: x turns and stays
  EXPECT_EQ(target.moves.back(), (Bounds{60, 12, 40, 30}));
  EXPECT_FALSE(fly.MovingRight());
  EXPECT_EQ(fly.StepX(), 1);
  fly.Tick();
  EXPECT_EQ(target.moves.back(), (Bounds{59, 13, 40, 30}));
}

TEST(XFly, TurnsAtTheTopAndLeftEdges) {
  ScriptedRandom random({0, 0, 1, 1, 0, 0});  // left, up, steps 2 and 2
  FakeTimers timers;
  FakeTarget target(10, 10);
  XFly fly(timers, random, target, 5, 5, 100, 100);
  fly.SetPos(6, 5);
  fly.Start();
  random = ScriptedRandom({0});  // new step y when the top edge turns it
  fly.Tick();                    // x: 5 < 6 so x = 4 (overshoots by less than a step); y: at the top, turns
  EXPECT_EQ(target.moves.back(), (Bounds{4, 5, 10, 10}));
  EXPECT_TRUE(fly.MovingDown());
  EXPECT_EQ(fly.StepY(), 1);
  random = ScriptedRandom({1});  // new step x when the left edge turns it
  fly.Tick();
  EXPECT_EQ(target.moves.back(), (Bounds{4, 6, 10, 10}));
  EXPECT_TRUE(fly.MovingRight());
  EXPECT_EQ(fly.StepX(), 2);
}

TEST(XFly, StopThenStartResumesWithTheSameStateAndOneTimerAtATime) {
  ScriptedRandom random({1, 1, 0, 1, 3, 4});
  FakeTimers timers;
  FakeTarget target(10, 10);
  auto fly = std::make_unique<XFly>(timers, random, target, 0, 0, 300, 300);
  fly->Tick();  // not running: nothing moves
  EXPECT_EQ(target.moves.size(), 1u);
  fly->Start();
  fly->Start();
  EXPECT_EQ(timers.created, 1);
  EXPECT_EQ(timers.running, (std::map<uintptr_t, uint32_t>{{kFlyTimerId, kFlyTimerPeriodMs}}));
  fly->Tick();
  const Bounds before = target.moves.back();
  fly->Stop();
  EXPECT_TRUE(timers.running.empty());
  fly->Tick();
  EXPECT_EQ(target.moves.back(), before);
  fly->Start();
  fly->Tick();
  EXPECT_EQ(target.moves.back(), (Bounds{before.x + 1, before.y + 2, 10, 10}));
  fly->SetTarget(nullptr);
  fly->Tick();  // no target: nothing moves
  EXPECT_EQ(target.moves.size(), 3u);
  fly.reset();  // destruction stops the timer
  EXPECT_TRUE(timers.running.empty());
}

TEST(XFly, StaysWithinOneStepOfItsRectangleOverALongDrift) {
  ScriptedRandom random;
  FakeTimers timers;
  FakeTarget target(50, 40);
  XFly fly(timers, random, target, 20, 10, 220, 130);
  fly.Start();
  for (int i = 0; i < 5000; ++i) {
    fly.Tick();
    const Bounds& b = target.moves.back();
    ASSERT_GE(b.x, 20 - 2);
    ASSERT_LE(b.x + 50, 220 + 2);
    ASSERT_GE(b.y, 10 - 2);
    ASSERT_LE(b.y + 40, 130 + 2);
  }
}

}  // namespace
}  // namespace saverkit
