#include "startup/mode_dispatch.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace saverkit {
namespace {

class RecordingActions : public ModeActions {
 public:
  std::string calls;
  bool throwStd = false;
  bool throwOther = false;

  void RunSaver(const StartupDecision& d) override { Record("saver:" + std::to_string(int(d.mode))); }
  void ChangePassword(int32_t owner) override { Record("password:" + std::to_string(owner)); }
  void RunSetup() override { Record("setup"); }
  void RunUninstall() override { Record("uninstall"); }

 private:
  void Record(const std::string& call) {
    calls += call;
    if (throwStd) throw std::runtime_error("disk full");
    if (throwOther) throw 42;
  }
};

TEST(DispatchRunMode, EachModeRunsItsAction) {
  const struct {
    StartupDecision decision;
    const char* call;
  } cases[] = {
      {{RunMode::Show, 0}, "saver:0"},       {{RunMode::Preview, 5}, "saver:1"},
      {{RunMode::Configure, 0}, "saver:2"},  {{RunMode::ChangePassword, 77}, "password:77"},
      {{RunMode::Setup, 0}, "setup"},        {{RunMode::Uninstall, 0}, "uninstall"},
  };
  for (const auto& c : cases) {
    RecordingActions actions;
    bool reported = false;
    DispatchRunMode(c.decision, actions, [&](const std::string&) { reported = true; });
    EXPECT_EQ(actions.calls, c.call);
    EXPECT_FALSE(reported);
  }
}

TEST(DispatchRunMode, AnEscapingExceptionIsReportedNotRethrown) {
  RecordingActions actions;
  actions.throwStd = true;
  std::string message;
  EXPECT_NO_THROW(DispatchRunMode({RunMode::Setup, 0}, actions, [&](const std::string& m) { message = m; }));
  EXPECT_EQ(message, "disk full");

  actions.throwStd = false;
  actions.throwOther = true;
  message.clear();
  EXPECT_NO_THROW(DispatchRunMode({RunMode::Show, 0}, actions, [&](const std::string& m) { message = m; }));
  EXPECT_FALSE(message.empty());
}

TEST(RunSaverRules, TaskbarButtonOnlyForConfigurationWithoutOwner) {
  EXPECT_TRUE(HasTaskbarButton({RunMode::Configure, 0}));
  EXPECT_FALSE(HasTaskbarButton({RunMode::Configure, 4660}));
  EXPECT_FALSE(HasTaskbarButton({RunMode::Show, 0}));
  EXPECT_FALSE(HasTaskbarButton({RunMode::Preview, 1234}));
  EXPECT_FALSE(SaverRunsForEdition('E'));
  EXPECT_TRUE(SaverRunsForEdition('S'));
  EXPECT_TRUE(SaverRunsForEdition(0));
}

}  // namespace
}  // namespace saverkit
