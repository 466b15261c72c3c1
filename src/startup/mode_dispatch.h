// Runs the decided mode's action under the program's one error guard.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "startup/run_mode.h"

namespace saverkit {

// The actions of the six roles; the Windows half implements them with real windows.
class ModeActions {
 public:
  virtual ~ModeActions() = default;
  virtual void RunSaver(const StartupDecision& decision) = 0;  // show, preview, configuration
  virtual void ChangePassword(int32_t owner) = 0;
  virtual void RunSetup() = 0;
  virtual void RunUninstall() = 0;
};

// Runs the action of `decision.mode`. An exception escaping it is handed to `reportError` with
// its message (a non-standard exception with a generic one), and the program then ends normally.
void DispatchRunMode(const StartupDecision& decision, ModeActions& actions,
                     const std::function<void(const std::string& message)>& reportError);

// A setup copy started as a screen saver neither shows, previews nor configures.
inline bool SaverRunsForEdition(uint8_t edition) { return edition != 'E'; }

// Only the configuration started without an owner window (from the screen-saver list's
// "Settings" or by double-click) appears on the taskbar; every other mode's window does not.
inline bool HasTaskbarButton(const StartupDecision& decision) {
  return decision.mode == RunMode::Configure && decision.HostWindow == 0;
}

}  // namespace saverkit
