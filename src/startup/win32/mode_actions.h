// The six roles' actions on Windows: each creates its window, runs it modally and returns.
#pragma once

#include <string>

#include "startup/mode_dispatch.h"

namespace saverkit {

class Win32ModeActions : public ModeActions {
 public:
  explicit Win32ModeActions(std::string ownPath) : ownPath_(std::move(ownPath)) {}

  void RunSaver(const StartupDecision& decision) override;
  void ChangePassword(int32_t owner) override;
  void RunSetup() override;
  void RunUninstall() override;

 private:
  std::string ownPath_;
};

// Shows `message` in an error box with the application's title.
void ShowErrorBox(const std::string& message);

}  // namespace saverkit
