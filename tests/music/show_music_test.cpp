#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "base/memory_settings_store.h"
#include "base/scripted_random.h"
#include "music/scripted_media.h"
#include "music/show_music.h"
#include "music/shuffle_indexes.h"

namespace saverkit {
namespace {

const std::string kKey = "\\Software\\Varnimo\\Ocean";

class FakeLibrary : public MusicLibrary {
 public:
  explicit FakeLibrary(int32_t count) : count_(count) {}
  int32_t MusicCount() const override { return count_; }
  bool ExtractMusic(int32_t index, std::string& path) override {
    extracted.push_back(index);
    if (index == failing) return false;
    path = "~S_" + std::to_string(index + 1) + ".mp3";
    return true;
  }
  std::vector<int32_t> extracted;
  int32_t failing = -1;

 private:
  int32_t count_;
};

class FakeHost : public MusicShowHost, public TimerHost {
 public:
  std::unique_ptr<MediaWindow> CreateMusicWindow(uint32_t style) override {
    createdStyle = style;
    if (failCreate) return nullptr;
    return std::make_unique<ScriptedMediaWindow>(media);
  }
  TimerHost& Timers() override { return *this; }
  void NudgeCursor() override { ++nudges; }
  void TrimWorkingSet() override { ++trims; }
  uintptr_t SetTimer(uintptr_t id, uint32_t periodMs) override {
    timers[id] = periodMs;
    return id;
  }
  void KillTimer(uintptr_t id) override { timers.erase(id); }

  std::shared_ptr<MediaLog> media = std::make_shared<MediaLog>();
  std::map<uintptr_t, uint32_t> timers;
  uint32_t createdStyle = 0;
  bool failCreate = false;
  int nudges = 0;
  int trims = 0;
};

struct Show {
  Show(int32_t count, std::map<std::string, int32_t> settings, RunMode runMode = RunMode::Show)
      : library(count), music(library, host, random) {
    for (const auto& [name, value] : settings) store.WriteInt(kKey, name, value);
    music.SetUp(runMode, store, kKey);
  }
  // The current track reaches its end.
  void EndTrack() { host.media->mode = mci::kModeStopped; }
  // Tracks that were opened, by number.
  std::vector<std::string> Opened() const { return host.media->opened; }

  FakeLibrary library;
  FakeHost host;
  ScriptedRandom random;
  MemorySettingsStore store;
  ShowMusic music;
};

TEST(ShowMusic, OneTrackWithRepeatStartsAgainAfterItEnds) {
  Show show(1, {{"MROP", 1}, {"MRA", 1}});
  EXPECT_TRUE(show.music.Order().empty());  // nothing to shuffle with one track
  EXPECT_EQ(show.host.createdStyle, mci::kShowWindowStyle);
  EXPECT_EQ(show.host.timers, (std::map<uintptr_t, uint32_t>{{kMusicTimerId, kMusicTimerPeriodMs}}));

  show.music.OnTimer();
  EXPECT_EQ(show.host.media->mode, mci::kModePlaying);
  show.music.OnTimer();  // still playing: nothing
  show.EndTrack();
  show.music.OnTimer();
  EXPECT_EQ(show.Opened(), (std::vector<std::string>{"~S_1.mp3", "~S_1.mp3"}));
  EXPECT_EQ(show.host.media->mode, mci::kModePlaying);
  EXPECT_EQ(show.host.nudges, 2);
  EXPECT_EQ(show.host.trims, 2);
}

TEST(ShowMusic, WithoutRepeatEachTrackPlaysOnceThenThePlayerEnds) {
  Show show(3, {{"MRA", 0}});
  for (int i = 0; i < 3; ++i) {
    show.music.OnTimer();
    show.EndTrack();
  }
  EXPECT_EQ(show.Opened(), (std::vector<std::string>{"~S_1.mp3", "~S_2.mp3", "~S_3.mp3"}));
  ASSERT_NE(show.music.Window(), nullptr);
  show.music.OnTimer();
  EXPECT_EQ(show.music.Window(), nullptr);
  EXPECT_TRUE(show.host.media->destroyed);
  EXPECT_TRUE(show.host.timers.empty());
  EXPECT_EQ(show.music.TimerId(), 0u);
  show.music.OnTimer();  // a tick still queued finds nothing to do
  EXPECT_EQ(show.Opened().size(), 3u);
}

TEST(ShowMusic, ShuffledRepeatReshufflesAtTheTickThatStartsTheLastTrack) {
  Show show(3, {{"MROP", 1}});
  EXPECT_EQ(show.random.seeds, 1);
  std::vector<int32_t> firstCycle = show.music.Order();
  std::vector<int32_t> sorted = firstCycle;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<int32_t>{0, 1, 2}));

  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(show.random.seeds, 1) << "reshuffled before the last track of the cycle started";
    show.music.OnTimer();
    show.EndTrack();
  }
  EXPECT_EQ(show.random.seeds, 2);
  EXPECT_EQ(show.music.Position(), 0);
  std::vector<std::string> expected;
  for (int32_t track : firstCycle) expected.push_back("~S_" + std::to_string(track + 1) + ".mp3");
  EXPECT_EQ(show.Opened(), expected);
  show.music.OnTimer();  // the next cycle follows the new order
  EXPECT_EQ(show.Opened().back(), "~S_" + std::to_string(show.music.Order()[0] + 1) + ".mp3");
}

TEST(ShowMusic, PackageOrderWrapsAroundWithRepeat) {
  Show show(2, {});
  for (int i = 0; i < 5; ++i) {
    show.music.OnTimer();
    show.EndTrack();
  }
  EXPECT_EQ(show.library.extracted, (std::vector<int32_t>{0, 1, 0, 1, 0}));
}

TEST(ShowMusic, ATrackThatCannotBeExtractedOrOpenedIsSkipped) {
  Show show(3, {{"MRA", 0}});
  show.library.failing = 0;
  show.host.media->unopenable = {"~S_2.mp3"};
  show.music.OnTimer();  // track 0: no file, no cursor nudge
  EXPECT_EQ(show.host.nudges, 0);
  show.music.OnTimer();  // track 1: extracted but not opened
  EXPECT_EQ(show.host.nudges, 1);
  EXPECT_EQ(show.host.trims, 0);
  show.music.OnTimer();
  EXPECT_EQ(show.Opened(), (std::vector<std::string>{"~S_3.mp3"}));
  EXPECT_EQ(show.music.Position(), 3);
}

TEST(ShowMusic, NoMusicWindowWhenMutedPreviewingEmptyOrUncreatable) {
  struct Case {
    const char* name;
    int32_t count;
    std::map<std::string, int32_t> settings;
    RunMode runMode;
    bool failCreate;
    bool expectMute;
  } cases[] = {
      {"muted", 3, {{"Mute", 1}, {"MROP", 1}, {"MRA", 0}}, RunMode::Show, false, true},
      {"preview", 3, {{"MROP", 1}, {"MRA", 0}}, RunMode::Preview, false, false},
      {"configuration", 3, {}, RunMode::Configure, false, false},
      {"no music", 0, {}, RunMode::Show, false, false},
      {"window not created", 3, {}, RunMode::Show, true, false},
  };
  for (const Case& c : cases) {
    FakeLibrary library(c.count);
    FakeHost host;
    host.failCreate = c.failCreate;
    ScriptedRandom random;
    MemorySettingsStore store;
    for (const auto& [name, value] : c.settings) store.WriteInt(kKey, name, value);
    ShowMusic music(library, host, random);
    music.SetUp(c.runMode, store, kKey);
    EXPECT_EQ(music.Window(), nullptr) << c.name;
    EXPECT_TRUE(host.timers.empty()) << c.name;
    EXPECT_EQ(music.Mute(), c.expectMute) << c.name;
    if (c.runMode != RunMode::Show) {  // outside the show the settings are not consulted
      EXPECT_FALSE(music.RandomOrder()) << c.name;
      EXPECT_TRUE(music.RepeatAll()) << c.name;
    }
    music.OnTimer();
    EXPECT_TRUE(host.media->opened.empty()) << c.name;
  }
}

TEST(ShowMusic, TearDownClosesTheWindowAndStopsTheTimer) {
  Show show(2, {});
  show.music.OnTimer();
  show.music.TearDown();
  EXPECT_EQ(show.music.Window(), nullptr);
  EXPECT_TRUE(show.host.media->destroyed);
  EXPECT_TRUE(show.host.timers.empty());
}

TEST(ShuffleIndexes, RejectsAnEmptyArrayAndReseedsOnEveryCall) {
  ScriptedRandom random;
  int32_t values[3] = {4, 5, 6};
  EXPECT_FALSE(ShuffleIndexes(values, 0, random));
  EXPECT_FALSE(ShuffleIndexes(values, -2, random));
  EXPECT_EQ(random.seeds, 0);
  EXPECT_TRUE(ShuffleIndexes(values, 3, random));
  EXPECT_TRUE(ShuffleIndexes(values, 3, random));
  EXPECT_EQ(random.seeds, 2);
}

TEST(ShuffleIndexes, DrawsEveryPermutationEquallyOften) {
  ScriptedRandom random;
  std::map<std::vector<int32_t>, int> seen;
  const int runs = 60000;
  for (int i = 0; i < runs; ++i) {
    std::vector<int32_t> values = {0, 1, 2};
    ASSERT_TRUE(ShuffleIndexes(values.data(), 3, random));
    ++seen[values];
  }
  ASSERT_EQ(seen.size(), 6u);
  for (const auto& [permutation, times] : seen) EXPECT_NEAR(times, runs / 6, runs / 60);
}

TEST(ShuffleIndexes, FollowsTheDrawnNumbers) {
  // Draws of 0 take the pool's first entry for the last place each time.
  ScriptedRandom random({0, 0, 0, 0});
  int32_t values[4] = {10, 11, 12, 13};
  ASSERT_TRUE(ShuffleIndexes(values, 4, random));
  EXPECT_EQ(std::vector<int32_t>(values, values + 4), (std::vector<int32_t>{11, 12, 13, 10}));
}

}  // namespace
}  // namespace saverkit
