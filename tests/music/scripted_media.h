// A multimedia window that behaves like a device with one file: opening leaves it stopped,
// play starts it, and a test ends a track by setting the mode. Every message goes to a log
// that outlives the window.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "music/media_window.h"

namespace saverkit {

struct MediaLog {
  std::vector<std::pair<uint32_t, intptr_t>> sent;  // mode queries left out
  std::vector<std::string> opened;
  intptr_t mode = mci::kModeNotReady;
  std::set<std::string> unopenable;
  bool destroyed = false;
};

class ScriptedMediaWindow : public MediaWindow {
 public:
  explicit ScriptedMediaWindow(std::shared_ptr<MediaLog> log) : log_(std::move(log)) {}

  intptr_t Send(uint32_t message, intptr_t lParam) override {
    if (message == mci::kGetModeA) return log_->mode;
    log_->sent.emplace_back(message, lParam);
    switch (message) {
      case mci::kPlay: case mci::kResume: log_->mode = mci::kModePlaying; break;
      case mci::kPause: log_->mode = mci::kModePaused; break;
      case mci::kStop: log_->mode = mci::kModeStopped; break;
      case mci::kClose: log_->mode = mci::kModeNotReady; break;
      case mci::kWindowClose: log_->destroyed = true; break;
    }
    return 0;
  }
  intptr_t SendText(uint32_t message, const std::string& text) override {
    log_->sent.emplace_back(message, 0);
    if (log_->unopenable.count(text)) return 263;  // an MCI error number
    log_->opened.push_back(text);
    log_->mode = mci::kModeStopped;
    return 0;
  }

 private:
  std::shared_ptr<MediaLog> log_;
};

}  // namespace saverkit
