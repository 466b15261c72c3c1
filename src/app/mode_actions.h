// The program composed: the six roles' actions on Windows. Each creates its window, runs it
// modally and returns. The package is opened once, by the first role that needs it, and handed to
// that role's window; this is its one owner.
#pragma once

#include <memory>
#include <string>

#include "package/xscr.h"
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
  // The package reader, opened on first use; it deletes the files extracted from the package
  // when it goes.
  XSCR& Package();

  std::string ownPath_;
  std::unique_ptr<XSCR> package_;
};

// Shows `message` in an error box with the application's title.
void ShowErrorBox(const std::string& message);

}  // namespace saverkit
