#include "music/show_music.h"

#include "music/music_options.h"
#include "music/music_player.h"
#include "music/shuffle_indexes.h"

namespace saverkit {

ShowMusic::ShowMusic(MusicLibrary& library, MusicShowHost& host, RandomSource& random)
    : library_(library), host_(host), random_(random) {}

ShowMusic::~ShowMusic() { TearDown(); }

void ShowMusic::SetUp(RunMode runMode, SettingsStore& settings, const std::string& settingsKey) {
  TearDown();
  randomOrder_ = false;
  repeatAll_ = true;
  mute_ = false;
  order_.clear();
  position_ = 0;
  const int32_t count = library_.MusicCount();
  if (runMode != RunMode::Show || count <= 0) return;

  const MusicOptions options = ReadMusicOptions(settings, settingsKey);
  randomOrder_ = options.randomOrder;
  repeatAll_ = options.repeatAll;
  mute_ = options.mute;
  if (mute_) return;

  if (count > 1 && randomOrder_) {
    order_.resize(size_t(count));
    for (int32_t k = 0; k < count; ++k) order_[size_t(k)] = k;
    ShuffleIndexes(order_.data(), count, random_);
  }
  window_ = host_.CreateMusicWindow(mci::kShowWindowStyle);
  if (window_) timerId_ = host_.Timers().SetTimer(kMusicTimerId, kMusicTimerPeriodMs);
}

void ShowMusic::OnTimer() {
  // Off and ended are final; a tick already queued when the playlist ended finds no window.
  if (!window_) return;
  if (MusicWndMode(window_.get()) == mci::kModePlaying) return;
  const int32_t count = library_.MusicCount();
  if (count <= 0) return;
  if (!repeatAll_ && position_ >= count) {
    EndPlaylist();
    return;
  }
  position_ %= count;
  // The order was made for the count at set-up; an index it does not cover plays in package order.
  const bool ordered = !order_.empty() && size_t(position_) < order_.size();
  const int32_t track = ordered ? order_[size_t(position_)] : position_;
  std::string path;
  if (library_.ExtractMusic(track, path)) {
    if (MusicWndOpen(window_.get(), path)) {
      MusicWndPlay(window_.get());
      host_.TrimWorkingSet();
    }
    host_.NudgeCursor();
  }
  ++position_;  // a track that failed is skipped for this cycle
  if (!order_.empty() && count > 1 && position_ >= count && repeatAll_) {
    ShuffleIndexes(order_.data(), int32_t(order_.size()), random_);
    position_ = 0;
  }
}

void ShowMusic::TearDown() {
  MusicWndDestroy(window_);
  StopTimer();
}

void ShowMusic::StopTimer() {
  if (timerId_ == 0) return;
  host_.Timers().KillTimer(timerId_);
  timerId_ = 0;
}

void ShowMusic::EndPlaylist() {
  MusicWndDestroy(window_);
  StopTimer();
  order_.clear();
  host_.TrimWorkingSet();
}

}  // namespace saverkit
