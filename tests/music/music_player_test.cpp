#include <gtest/gtest.h>

#include "music/music_player.h"
#include "music/scripted_media.h"

namespace saverkit {
namespace {

using Sent = std::vector<std::pair<uint32_t, intptr_t>>;

TEST(MusicPlayer, EachOperationSendsWhatTheModeCallsFor) {
  const Sent none;
  const Sent stopAndRewind = {{mci::kStop, 0}, {mci::kSeek, mci::kSeekToStart}};
  struct Case {
    const char* name;
    void (*operation)(MediaWindow*);
    intptr_t mode;
    Sent expected;
  } cases[] = {
      {"play stopped", MusicWndPlay, mci::kModeStopped, {{mci::kPlay, 0}}},
      {"play paused", MusicWndPlay, mci::kModePaused, {{mci::kResume, 0}}},
      {"play playing", MusicWndPlay, mci::kModePlaying, none},
      {"play not ready", MusicWndPlay, mci::kModeNotReady, none},
      {"pause playing", MusicWndPause, mci::kModePlaying, {{mci::kPause, 0}}},
      {"pause paused", MusicWndPause, mci::kModePaused, none},
      {"pause stopped", MusicWndPause, mci::kModeStopped, none},
      {"stop playing", MusicWndStop, mci::kModePlaying, stopAndRewind},
      {"stop paused", MusicWndStop, mci::kModePaused, stopAndRewind},
      {"stop stopped", MusicWndStop, mci::kModeStopped, none},
      {"stop not ready", MusicWndStop, mci::kModeNotReady, none},
      {"close playing", MusicWndClose, mci::kModePlaying, {{mci::kStop, 0}, {mci::kSeek, -1}, {mci::kClose, 0}}},
      {"close stopped", MusicWndClose, mci::kModeStopped, {{mci::kClose, 0}}},
  };
  for (const Case& c : cases) {
    auto log = std::make_shared<MediaLog>();
    log->mode = c.mode;
    ScriptedMediaWindow window(log);
    c.operation(&window);
    EXPECT_EQ(log->sent, c.expected) << c.name;
    c.operation(nullptr);  // no window, no music: nothing happens
  }
}

TEST(MusicPlayer, OpenSucceedsOnlyWhenTheWindowAnswersZero) {
  auto log = std::make_shared<MediaLog>();
  log->unopenable = {"bad.mid"};
  ScriptedMediaWindow window(log);
  EXPECT_TRUE(MusicWndOpen(&window, "C:\\t\\~S_1.mp3"));
  EXPECT_FALSE(MusicWndOpen(&window, "bad.mid"));
  EXPECT_TRUE(MusicWndOpen(&window, ""));  // an empty path still goes as a text
  EXPECT_FALSE(MusicWndOpen(nullptr, "C:\\t\\~S_1.mp3"));
  EXPECT_EQ(log->opened, (std::vector<std::string>{"C:\\t\\~S_1.mp3", ""}));
}

TEST(MusicPlayer, OpeningTheNextTrackClosesThePreviousOne) {
  auto log = std::make_shared<MediaLog>();
  ScriptedMediaWindow window(log);
  ASSERT_TRUE(MusicWndOpen(&window, "a.wav"));
  MusicWndPlay(&window);
  log->mode = mci::kModeStopped;  // the track has ended
  ASSERT_TRUE(MusicWndOpen(&window, "b.wav"));
  EXPECT_EQ(log->sent, (Sent{{mci::kOpenA, 0}, {mci::kPlay, 0}, {mci::kClose, 0}, {mci::kOpenA, 0}}));
}

TEST(MusicPlayer, DestroyClosesThenClosesTheWindowAndForgetsIt) {
  auto log = std::make_shared<MediaLog>();
  log->mode = mci::kModePlaying;
  std::unique_ptr<MediaWindow> window = std::make_unique<ScriptedMediaWindow>(log);
  MusicWndDestroy(window);
  EXPECT_EQ(window, nullptr);
  EXPECT_EQ(log->sent, (Sent{{mci::kStop, 0}, {mci::kSeek, -1}, {mci::kClose, 0}, {mci::kWindowClose, 0}}));
  MusicWndDestroy(window);  // a second destroy finds no window
  EXPECT_EQ(log->sent.size(), 4u);
}

TEST(MusicPlayer, PlayAfterPauseResumesTheSameTrack) {
  auto log = std::make_shared<MediaLog>();
  ScriptedMediaWindow window(log);
  ASSERT_TRUE(MusicWndOpen(&window, "a.wav"));
  MusicWndPlay(&window);
  MusicWndPause(&window);
  MusicWndPlay(&window);
  EXPECT_EQ(MusicWndMode(&window), mci::kModePlaying);
  EXPECT_EQ(log->sent, (Sent{{mci::kOpenA, 0}, {mci::kPlay, 0}, {mci::kPause, 0}, {mci::kResume, 0}}));
}

}  // namespace
}  // namespace saverkit
