// The background music of the full-screen show: a playlist in package or shuffled order,
// played once or repeated, stepped by the show window's timer 666 every 3 seconds. A track is
// started only when none plays, so tracks follow each other with a pause of up to 3 seconds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "base/settings_store.h"
#include "base/timer_host.h"
#include "base/timer_ids.h"
#include "music/media_window.h"
#include "base/run_mode.h"

namespace saverkit {

constexpr uint32_t kMusicTimerPeriodMs = 3000;

// The package's music as the playlist needs it.
class MusicLibrary {
 public:
  virtual ~MusicLibrary() = default;
  virtual int32_t MusicCount() const = 0;
  // Writes the music to a temporary file (once) and gives its path; false on failure.
  virtual bool ExtractMusic(int32_t index, std::string& path) = 0;
};

// What the show window lends the playlist.
class MusicShowHost {
 public:
  virtual ~MusicShowHost() = default;
  // A hidden multimedia window with the show window as parent; null when it cannot be made.
  virtual std::unique_ptr<MediaWindow> CreateMusicWindow(uint32_t style) = 0;
  virtual TimerHost& Timers() = 0;
  // Sets the cursor to where it already is, after each attempt to start a track.
  virtual void NudgeCursor() = 0;
  virtual void TrimWorkingSet() = 0;
};

class ShowMusic {
 public:
  ShowMusic(MusicLibrary& library, MusicShowHost& host, RandomSource& random);
  ~ShowMusic();
  ShowMusic(const ShowMusic&) = delete;
  ShowMusic& operator=(const ShowMusic&) = delete;

  // Reads "MROP", "MRA" and "Mute" from `settingsKey` and, unless muted, outside the full-screen
  // show or without music, makes the window and starts the timer.
  void SetUp(RunMode runMode, SettingsStore& settings, const std::string& settingsKey);
  // The advance step, on every tick of timer 666.
  void OnTimer();
  // Closes the music when the show window closes.
  void TearDown();

  bool RandomOrder() const { return randomOrder_; }
  bool RepeatAll() const { return repeatAll_; }
  bool Mute() const { return mute_; }
  MediaWindow* Window() const { return window_.get(); }
  uintptr_t TimerId() const { return timerId_; }
  // Empty in package order.
  const std::vector<int32_t>& Order() const { return order_; }
  int32_t Position() const { return position_; }

 private:
  void StopTimer();
  void EndPlaylist();

  MusicLibrary& library_;
  MusicShowHost& host_;
  RandomSource& random_;
  std::unique_ptr<MediaWindow> window_;
  bool randomOrder_ = false;
  bool repeatAll_ = true;
  bool mute_ = false;
  std::vector<int32_t> order_;
  int32_t position_ = 0;
  uintptr_t timerId_ = 0;
};

}  // namespace saverkit
