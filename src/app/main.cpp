// The program's entry: decide the role once, then run it under the one error guard.
#include <windows.h>

#include "app/mode_actions.h"
#include "startup/edition.h"
#include "startup/mode_dispatch.h"
#include "startup/run_mode.h"
#include "startup/win32/process.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace saverkit;
  const std::string ownPath = OwnExecutablePath();
  const StartupDecision decision = DecideRunMode(ownPath, CommandLineArguments(), ReadEdition);
  Win32ModeActions actions(ownPath);
  DispatchRunMode(decision, actions, ShowErrorBox);
  return 0;
}
