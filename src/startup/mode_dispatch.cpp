#include "startup/mode_dispatch.h"

#include <exception>

namespace saverkit {

void DispatchRunMode(const StartupDecision& decision, ModeActions& actions,
                     const std::function<void(const std::string& message)>& reportError) {
  try {
    switch (decision.mode) {
      case RunMode::Show:
      case RunMode::Preview:
      case RunMode::Configure:
        actions.RunSaver(decision);
        break;
      case RunMode::ChangePassword:
        actions.ChangePassword(decision.HostWindow);
        break;
      case RunMode::Setup:
        actions.RunSetup();
        break;
      case RunMode::Uninstall:
        actions.RunUninstall();
        break;
    }
  } catch (const std::exception& e) {
    reportError(e.what());
  } catch (...) {
    reportError("An unexpected error ended the program.");
  }
}

}  // namespace saverkit
