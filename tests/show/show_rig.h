// A show with every seam replaced by a stand-in: 1024 x 768 screen, show mode unless changed.
#pragma once

#include <memory>

#include "base/memory_settings_store.h"
#include "music/scripted_media.h"
#include "music/show_music.h"
#include "show/show_sequencer.h"
#include "show/show_window_rules.h"
#include "show_fakes.h"

namespace saverkit::testing {

class FakeInput : public ShowWindowInput {
 public:
  CursorPoint cursor{500, 400};
  bool passwordRequested = false;
  std::deque<bool> passwordAnswers;  // empty: right password
  int passwordAsks = 0;
  int closesPosted = 0;
  int itemTimerMessages = 0;
  std::function<void()> whileAsking;
  bool passwordCheckThrows = false;
  bool hostExists = true;

  CursorPoint CursorPos() override { return cursor; }
  bool HostWindowExists() override { return hostExists; }
  void PostClose() override { ++closesPosted; }
  void PostItemTimerMessage() override { ++itemTimerMessages; }
  bool PasswordRequested() override { return passwordRequested; }
  bool AskPassword() override {
    ++passwordAsks;
    if (whileAsking) whileAsking();
    if (passwordCheckThrows) throw std::runtime_error("the password provider failed");
    if (passwordAnswers.empty()) return true;
    const bool answer = passwordAnswers.front();
    passwordAnswers.pop_front();
    return answer;
  }
};

// One track of music, played through a scripted multimedia window; counts the tracks started.
class FakeMusicHost : public MusicLibrary, public MusicShowHost, public TimerHost {
 public:
  int musicSteps = 0;
  std::shared_ptr<MediaLog> media = std::make_shared<MediaLog>();

  int32_t MusicCount() const override { return 1; }
  bool ExtractMusic(int32_t, std::string& path) override {
    ++musicSteps;  // a step with nothing playing starts the track
    path = "~S_1.mp3";
    return true;
  }
  std::unique_ptr<MediaWindow> CreateMusicWindow(uint32_t) override {
    return std::make_unique<ScriptedMediaWindow>(media);
  }
  TimerHost& Timers() override { return *this; }
  void NudgeCursor() override {}
  void TrimWorkingSet() override {}
  uintptr_t SetTimer(uintptr_t id, uint32_t) override { return id; }
  void KillTimer(uintptr_t) override {}
};

struct ShowRig {
  ShowLayout layout;
  FakePackage package;
  FakeStage stage;
  FakeWindow window;
  ScriptedRandom random;
  ComponentOwner components;
  FixedMeasurer measurer;
  ShowFlags flags;
  FakeInput input;
  FakeMusicHost musicHost;
  ShowMusic music{musicHost, musicHost, random};
  FakeMover* mover = nullptr;
  std::unique_ptr<ShowSequencer> sequencer;
  std::unique_ptr<ShowWindowRules> rules;

  ShowRig() {
    layout.areaWidth = layout.screenWidth = 1024;
    layout.areaHeight = layout.screenHeight = 768;
    layout.defaultSeconds = 4;
  }

  void AddPictures(int count) {
    for (int i = 0; i < count; ++i) package.items.push_back({PictureRecord(i + 1)});
  }

  // Builds the sequence and its rules as the show window's constructor does.
  void Start(bool withMover = false) {
    std::unique_ptr<ShowMover> ownedMover;
    if (withMover) {
      auto fake = std::make_unique<FakeMover>();
      mover = fake.get();
      ownedMover = std::move(fake);
    }
    sequencer = std::make_unique<ShowSequencer>(layout, package, stage, window, random, components, measurer, flags,
                                                std::move(ownedMover));
    sequencer->BuildShowOrder();
    rules = std::make_unique<ShowWindowRules>(!layout.preview, 0, flags, *sequencer, music, input);
  }

  // Starts the music as the full-screen show does.
  void SetUpMusic() {
    MemorySettingsStore settings;
    music.SetUp(RunMode::Show, settings, "\\Software\\Test");
  }

  void StartWithIgnoreMouseMove(uint8_t ignore) {
    layout.ignoreMouseMove = ignore;
    Start();
    rules = std::make_unique<ShowWindowRules>(!layout.preview, ignore, flags, *sequencer, music, input);
  }

  // The item index each Advance put on screen, by the pictures decoded.
  int32_t LastShown() const { return package.picturesLoaded.empty() ? -1 : package.picturesLoaded.back(); }
};

}  // namespace saverkit::testing
