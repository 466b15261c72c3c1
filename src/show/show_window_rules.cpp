#include "show/show_window_rules.h"

#include <cstdlib>

namespace saverkit {
namespace {

bool StepsBack(uint32_t key) { return key == kVkBack || key == kVkPrior || key == kVkLeft || key == kVkUp; }
bool StepsForward(uint32_t key) { return key == kVkSpace || key == kVkNext || key == kVkRight || key == kVkDown; }

}  // namespace

ShowWindowRules::ShowWindowRules(bool showMode, uint8_t ignoreMouseMove, ShowFlags& flags,
                                 ShowSequencer& sequencer, ShowMusic& music, ShowWindowInput& input)
    : showMode_(showMode),
      ignoreMouseMove_(ignoreMouseMove),
      flags_(flags),
      sequencer_(sequencer),
      music_(music),
      input_(input) {}

MessageOutcome ShowWindowRules::OnTimer(uintptr_t id) {
  if (id == kHostCheckTimerId) return {false, 0, WatchesHostWindow() && !input_.HostWindowExists()};
  if (flags_.ending) {
    // Timers that still arrive after an accepted end only stop again.
    sequencer_.StopShow();
    return {false, 0};
  }
  switch (id) {
    case kItemTimerId:
      sequencer_.Advance(true);
      break;
    case kMusicTimerId:
      music_.OnTimer();
      break;
    case kFlyTimerId:
      sequencer_.MoverTick();
      break;
    default:
      break;
  }
  return {false, 0};
}

MessageOutcome ShowWindowRules::OnMouseMove() {
  if (showMode_ && !flags_.checkingPassword && ignoreMouseMove_ != kIgnoreAllMouseMoves) {
    // The cursor itself, not the message's coordinates: movie hosts post their moves here too.
    const CursorPoint cursor = input_.CursorPos();
    if (std::abs(int64_t(cursor.x) - reference_.x) > kMouseMoveThreshold ||
        std::abs(int64_t(cursor.y) - reference_.y) > kMouseMoveThreshold) {
      RequestEnd();
    } else {
      reference_ = cursor;
    }
  }
  return {};
}

MessageOutcome ShowWindowRules::OnButtonDown() {
  if (showMode_ && !flags_.checkingPassword) RequestEnd();
  return {};
}

MessageOutcome ShowWindowRules::OnKeyDown(uint32_t virtualKey) {
  if (StepsBack(virtualKey)) {
    sequencer_.Advance(false);
  } else if (StepsForward(virtualKey)) {
    sequencer_.Advance(true);
  } else if (showMode_ && !flags_.checkingPassword) {
    RequestEnd();
  }
  return {};
}

MessageOutcome ShowWindowRules::OnActivate(bool inactive, const std::function<intptr_t()>& inherited) {
  if (!showMode_) return {};
  if (flags_.checkingPassword) return {false, 0};
  if (inactive) {
    const intptr_t result = inherited();
    RequestEnd();
    return {false, result};
  }
  TakeCursorAsReference();
  const intptr_t result = inherited();
  FormActivate();
  return {false, result};
}

MessageOutcome ShowWindowRules::OnActivateApp(bool active) {
  if (!active) RequestEnd();
  return {false, 0};
}

MessageOutcome ShowWindowRules::OnNcActivate(bool active) {
  if (!active && (!showMode_ || !flags_.checkingPassword)) RequestEnd();
  return {};
}

MessageOutcome ShowWindowRules::OnSysCommand(uintptr_t command) {
  // No second screen saver on top of this one, and no system command during the password check.
  if ((command & 0xFFF0) == kScScreenSave || flags_.checkingPassword) return {false, 0};
  return {};
}

MessageOutcome ShowWindowRules::OnEndSession(bool ending) {
  if (ending) flags_.ending = true;
  return {false, 0, ending};
}

ShowRelease ShowWindowRules::OnDestroy() const {
  return flags_.advancing ? ShowRelease::kMusic : ShowRelease::kEverything;
}

void ShowWindowRules::SetUpTransitionControl(TPic_Trans& control, Rgb backgroundColour) {
  control.SetAutoSize(false);
  control.SetBgMode(bmNone);
  control.SetColor(backgroundColour);
  control.SetThreaded(false);
  control.SetBounds(-1, -1, 1, 1);
}

void ShowWindowRules::FormActivate() { input_.PostItemTimerMessage(); }

void ShowWindowRules::FormDeactivate() { RequestEnd(); }

bool ShowWindowRules::FormCloseQuery() {
  if (!showMode_) return true;
  if (flags_.ending) sequencer_.FreeMover();
  return flags_.ending;
}

void ShowWindowRules::RequestEnd() {
  if (flags_.ending) return;
  bool accepted = true;
  if (showMode_) {
    if (flags_.checkingPassword) {
      accepted = false;
    } else {
      accepted = VerifyPassword();
      // The same position must not ask again at once.
      if (!accepted) TakeCursorAsReference();
    }
  }
  flags_.ending = accepted;
  if (accepted) {
    sequencer_.StopShow();
    input_.PostClose();
  }
}

bool ShowWindowRules::VerifyPassword() {
  if (flags_.checkingPassword) return false;
  flags_.checkingPassword = true;
  bool mayEnd = true;
  try {
    mayEnd = !input_.PasswordRequested() || input_.AskPassword();
  } catch (...) {
    // A password check that fails in itself must not keep the user locked out.
    mayEnd = true;
  }
  flags_.checkingPassword = false;
  return mayEnd;
}

void ShowWindowRules::TakeCursorAsReference() { reference_ = input_.CursorPos(); }

}  // namespace saverkit
