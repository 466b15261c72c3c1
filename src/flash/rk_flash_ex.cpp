#include "flash/rk_flash_ex.h"

namespace saverkit {

RkFlashEx::RkFlashEx(std::unique_ptr<FlashPlayer> player) : player_(std::move(player)) {
  if (!player_) return;
  player_->SetLoop(false);
  player_->SetMenu(false);
}

int32_t RkFlashEx::TotalFrames() const { return player_ ? player_->TotalFrames().value_or(0) : 0; }

int32_t RkFlashEx::FrameNum() const { return player_ ? player_->FrameNum().value_or(0) : 0; }

bool RkFlashEx::Playing() const { return player_ && player_->Playing(); }

void RkFlashEx::SetPlaying(bool playing) {
  if (player_) player_->SetPlaying(playing);
}

bool RkFlashEx::Loop() const { return player_ && player_->Loop(); }

void RkFlashEx::SetLoop(bool loop) {
  if (player_) player_->SetLoop(loop);
}

std::string RkFlashEx::Movie() const { return player_ ? player_->Movie() : std::string(); }

void RkFlashEx::SetMovie(const std::string& path) {
  if (player_) player_->SetMovie(path);
}

void RkFlashEx::Play() {
  if (player_) player_->Play();
}

bool RkFlashEx::PlayerMenu() const { return player_ && player_->Menu(); }

void RkFlashEx::SetMovieRect(const Rect& bounds) {
  const Rect before = bounds_;
  bounds_ = bounds;
  if (player_ && (before.Width() != bounds.Width() || before.Height() != bounds.Height()))
    player_->SetPlacement(bounds.Width(), bounds.Height());
}

bool MovieFinished(int32_t totalFrames, int32_t frameNum, bool playing) {
  return totalFrames > 1 && (frameNum >= totalFrames - 1 || !playing);
}

}  // namespace saverkit
