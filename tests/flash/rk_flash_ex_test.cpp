#include <gtest/gtest.h>

#include <vector>

#include "flash/player_input.h"
#include "flash/rk_flash_ex.h"

namespace saverkit {
namespace {

struct PlayerState {
  bool loop = true, menu = true, playing = false, failFrames = false;
  int32_t total = 40, frame = 0;
  std::string movie;
  int plays = 0;
  std::vector<std::pair<int, int>> placements;
};

class FakePlayer : public FlashPlayer {
 public:
  explicit FakePlayer(PlayerState& s) : s_(s) {}
  std::optional<int32_t> TotalFrames() override { return s_.failFrames ? std::nullopt : std::optional(s_.total); }
  std::optional<int32_t> FrameNum() override { return s_.failFrames ? std::nullopt : std::optional(s_.frame); }
  bool Playing() override { return s_.playing; }
  void SetPlaying(bool p) override { s_.playing = p; }
  bool Loop() override { return s_.loop; }
  void SetLoop(bool l) override { s_.loop = l; }
  bool Menu() override { return s_.menu; }
  void SetMenu(bool m) override { s_.menu = m; }
  std::string Movie() override { return s_.movie; }
  void SetMovie(const std::string& path) override { s_.movie = path; }
  void Play() override {
    ++s_.plays;
    s_.playing = true;
  }
  void SetPlacement(int w, int h) override { s_.placements.emplace_back(w, h); }

 private:
  PlayerState& s_;
};

TEST(RkFlashEx, WithoutAPlayerEverythingReadsEmptyWhateverIsWritten) {
  RkFlashEx host(nullptr);
  EXPECT_FALSE(host.HasPlayer());
  host.SetMovie("C:\\Temp\\~F_1.swf");
  host.SetLoop(true);
  host.SetPlaying(true);
  host.Play();
  host.SetMovieRect({0, 0, 320, 240});
  EXPECT_EQ(host.Movie(), "");
  EXPECT_FALSE(host.Loop());
  EXPECT_FALSE(host.Playing());
  EXPECT_FALSE(host.PlayerMenu());
  EXPECT_EQ(host.TotalFrames(), 0);
  EXPECT_EQ(host.FrameNum(), 0);
  EXPECT_EQ(host.Bounds(), (Rect{0, 0, 320, 240}));
}

TEST(RkFlashEx, APlayerStartsWithLoopAndMenuOffAndGetsEveryProperty) {
  PlayerState s;
  RkFlashEx host(std::make_unique<FakePlayer>(s));
  EXPECT_FALSE(s.loop);
  EXPECT_FALSE(s.menu);
  host.SetLoop(true);
  host.SetMovie("C:\\Temp\\~F_1.swf");
  host.Play();
  EXPECT_TRUE(host.Loop());
  EXPECT_EQ(host.Movie(), "C:\\Temp\\~F_1.swf");
  EXPECT_TRUE(host.Playing());
  EXPECT_EQ(s.plays, 1);
  s.frame = 12;
  EXPECT_EQ(host.FrameNum(), 12);
  EXPECT_EQ(host.TotalFrames(), 40);
  s.failFrames = true;  // the player's errors read as 0
  EXPECT_EQ(host.FrameNum(), 0);
  EXPECT_EQ(host.TotalFrames(), 0);
}

TEST(RkFlashEx, OnlyASizeChangeLaysTheMovieOutAgain) {
  PlayerState s;
  RkFlashEx host(std::make_unique<FakePlayer>(s));
  host.SetMovieRect({10, 10, 330, 250});     // from the empty rectangle: a new size
  host.SetMovieRect({50, 60, 370, 300});     // moved only
  host.SetMovieRect({50, 60, 370, 301});     // one pixel higher
  host.SetMovieRect({0, 0, 0, 0});           // emptied
  EXPECT_EQ(s.placements, (std::vector<std::pair<int, int>>{{320, 240}, {320, 241}, {0, 0}}));
  EXPECT_EQ(host.Bounds(), (Rect{0, 0, 0, 0}));
}

TEST(MovieFinished, AtTheLastFrameOrWhenStoppedForMoviesOfMoreThanOneFrame) {
  struct Case { int32_t total, frame; bool playing, finished; } cases[] = {
      {40, 38, true, false}, {40, 39, true, true}, {40, 45, true, true}, {40, 3, false, true},
      {1, 0, false, false},  {0, 0, false, false}, {-5, 0, false, false}};
  for (const Case& c : cases)
    EXPECT_EQ(MovieFinished(c.total, c.frame, c.playing), c.finished) << c.total << " " << c.frame << " " << c.playing;
}

TEST(PlayerInput, KeyFlagsBecomeTheShiftStateWithoutAlt) {
  struct Case { uintptr_t flags; ShiftState expected; } cases[] = {
      {0x00, {}},
      {0x01, {false, false, false, true, false, false}},
      {0x02, {false, false, false, false, false, true}},
      {0x04, {true, false, false, false, false, false}},
      {0x08, {false, true, false, false, false, false}},
      {0x10, {false, false, false, false, true, false}},
      {0xFF, {true, true, false, true, true, true}},
  };
  for (const Case& c : cases) EXPECT_EQ(ShiftFromKeyFlags(c.flags), c.expected) << c.flags;
}

TEST(PlayerInput, MovesAndClicksReachTheEventsAndRightClicksNeverReachThePlayerMenu) {
  std::vector<std::string> calls;
  FlashEvents events;
  events.onMouseMove = [&](ShiftState s, int x, int y) {
    calls.push_back("move " + std::to_string(x) + "," + std::to_string(y) + (s.left ? " left" : ""));
  };
  events.onClick = [&] { calls.push_back("click"); };

  // Coordinates are taken unsigned: a position left of the window does not turn negative.
  EXPECT_EQ(RoutePlayerInput(PlayerInput::kMouseMove, 0x01, (uintptr_t(0xFFFF) << 16) | 0xFFFE, false, false, events),
            InputOutcome::kPassOn);
  EXPECT_EQ(RoutePlayerInput(PlayerInput::kLeftButtonUp, 0, 0, false, false, events), InputOutcome::kPassOn);
  EXPECT_EQ(calls, (std::vector<std::string>{"move 65534,65535 left", "click"}));

  struct Case { PlayerInput input; bool menu, popup; InputOutcome expected; } cases[] = {
      {PlayerInput::kRightButtonDown, false, false, InputOutcome::kSwallow},
      {PlayerInput::kRightButtonDown, false, true, InputOutcome::kSwallow},
      {PlayerInput::kRightButtonDown, true, false, InputOutcome::kPassOn},
      {PlayerInput::kRightButtonUp, false, true, InputOutcome::kShowPopupMenu},
      {PlayerInput::kRightButtonUp, false, false, InputOutcome::kPassOn},
      {PlayerInput::kOther, false, true, InputOutcome::kPassOn},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RoutePlayerInput(c.input, 0, 0, c.menu, c.popup, events), c.expected) << int(c.input);

  // Events not assigned: nothing is called and the player still gets the message.
  EXPECT_EQ(RoutePlayerInput(PlayerInput::kLeftButtonUp, 0, 0, false, false, FlashEvents{}), InputOutcome::kPassOn);
  EXPECT_EQ(calls.size(), 2u);
}

}  // namespace
}  // namespace saverkit
