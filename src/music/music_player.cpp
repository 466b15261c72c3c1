#include "music/music_player.h"

namespace saverkit {

bool MusicWndOpen(MediaWindow* window, const std::string& path) {
  if (!window) return false;
  // The device of the previous track goes first. Windows' music window replaces it by itself;
  // Wine's keeps it open, and with it the previous file, which then cannot be deleted.
  if (MusicWndMode(window) != mci::kModeNotReady) window->Send(mci::kClose, 0);
  return window->SendText(mci::kOpenA, path) == 0;
}

intptr_t MusicWndMode(MediaWindow* window) { return window ? window->Send(mci::kGetModeA, 0) : 0; }

void MusicWndPlay(MediaWindow* window) {
  const intptr_t mode = MusicWndMode(window);
  if (mode == mci::kModeStopped)
    window->Send(mci::kPlay, 0);
  else if (mode == mci::kModePaused)
    window->Send(mci::kResume, 0);
}

void MusicWndPause(MediaWindow* window) {
  if (MusicWndMode(window) == mci::kModePlaying) window->Send(mci::kPause, 0);
}

void MusicWndStop(MediaWindow* window) {
  if (!window) return;
  const intptr_t mode = MusicWndMode(window);
  if (mode == mci::kModeStopped || mode == mci::kModeNotReady) return;
  window->Send(mci::kStop, 0);
  window->Send(mci::kSeek, mci::kSeekToStart);
}

void MusicWndClose(MediaWindow* window) {
  if (!window) return;
  MusicWndStop(window);
  window->Send(mci::kClose, 0);
}

void MusicWndDestroy(std::unique_ptr<MediaWindow>& window) {
  if (!window) return;
  MusicWndClose(window.get());
  window->Send(mci::kWindowClose, 0);
  window.reset();
}

}  // namespace saverkit
