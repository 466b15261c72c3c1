#include "startup/run_mode.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

struct Case {
  const char* path;
  std::vector<std::string> args;
  uint8_t edition;
  RunMode mode;
  int32_t host;
};

std::ostream& operator<<(std::ostream& os, const Case& c) {
  os << c.path << " edition=" << int(c.edition);
  for (const auto& a : c.args) os << " [" << a << "]";
  return os;
}

const uint8_t E = 'E', S = 'S';
const char* const kScr = "C:\\Windows\\Saver.scr";

const Case kCases[] = {
    // Started as .exe: the edition alone decides, whatever the command line says.
    {"C:\\Downloads\\Saver.exe", {}, E, RunMode::Setup, 0},
    {"C:\\Downloads\\SAVER.EXE", {"/s"}, E, RunMode::Setup, 0},
    {"C:\\Downloads\\Saver.ExE", {"/c"}, E, RunMode::Setup, 0},
    {"C:\\Downloads\\Saver.exe", {}, S, RunMode::Show, 0},
    {"C:\\Downloads\\Saver.exe", {"/p", "1234"}, S, RunMode::Show, 0},
    {"C:\\Downloads\\Saver.exe", {}, 0, RunMode::Show, 0},    // damaged trailer
    {"C:\\Downloads\\Saver.exe", {}, 'e', RunMode::Show, 0},  // edition is case-sensitive
    {"/home/u/Saver.exe", {}, E, RunMode::Setup, 0},
    // Only the last component's extension counts.
    {"C:\\Apps.exe\\Saver", {}, E, RunMode::Configure, 0},
    {"C:\\Apps\\Saver.exe.scr", {"/s"}, E, RunMode::Show, 0},
    // Started as anything else: the command line decides.
    {kScr, {}, S, RunMode::Configure, 0},
    {kScr, {"/c"}, S, RunMode::Configure, 0},
    {kScr, {"/C:4660"}, S, RunMode::Configure, 4660},
    {kScr, {"-c:4660"}, S, RunMode::Configure, 4660},
    {kScr, {"c:4660"}, S, RunMode::Configure, 660},  // the number starts at the 4th character
    {kScr, {"/c", "4660"}, S, RunMode::Configure, 4660},
    {kScr, {"/c:"}, S, RunMode::Configure, 0},
    {kScr, {"/c:zz"}, S, RunMode::Show, 0},
    {kScr, {"/p", "1234"}, S, RunMode::Preview, 1234},
    {kScr, {"/P:1234"}, S, RunMode::Preview, 1234},
    {kScr, {"/p:4294967295"}, S, RunMode::Preview, -1},
    {kScr, {"/p1234"}, S, RunMode::Preview, 234},
    {kScr, {"/c 4660"}, S, RunMode::Configure, 4660},  // quoted as one argument
    {kScr, {"/p:"}, S, RunMode::Show, 0},
    {kScr, {"/p", "1234", "extra"}, S, RunMode::Preview, 1234},
    {kScr, {"/p", "4294967295"}, S, RunMode::Preview, -1},  // printed unsigned
    {kScr, {"/p:x"}, S, RunMode::Show, 0},
    {kScr, {"/p", "12x"}, S, RunMode::Show, 0},
    {kScr, {"/p", " 12"}, S, RunMode::Show, 0},
    {kScr, {"/p", "4294967296"}, S, RunMode::Show, 0},
    {kScr, {"/p", ""}, S, RunMode::Show, 0},
    {kScr, {"/p"}, S, RunMode::Show, 0},  // a preview needs a host window
    {kScr, {"/p", "0"}, S, RunMode::Show, 0},
    {kScr, {"/S"}, S, RunMode::Show, 0},
    {kScr, {"S"}, S, RunMode::Show, 0},
    {kScr, {"-s"}, S, RunMode::Show, 0},
    {kScr, {"/x"}, S, RunMode::Show, 0},
    {kScr, {"//p"}, S, RunMode::Show, 0},  // one character is dropped, not two
    {kScr, {"/u"}, S, RunMode::Uninstall, 0},
    {kScr, {"/U", "junk"}, S, RunMode::Uninstall, 0},
    {kScr, {"/a"}, S, RunMode::ChangePassword, 0},
    {kScr, {"/a", "777"}, S, RunMode::ChangePassword, 777},
    {kScr, {"/a:x"}, S, RunMode::Show, 0},
    {kScr, {""}, S, RunMode::Configure, 0},   // no mode letter: as if no argument
    {kScr, {"/"}, S, RunMode::Configure, 0},
    {kScr, {"/", "5"}, S, RunMode::Configure, 0},
    // A setup copy started as a screen saver still decides normally; it is RunSaver that
    // refuses to run for it.
    {kScr, {"/s"}, E, RunMode::Show, 0},
    {kScr, {"/u"}, E, RunMode::Uninstall, 0},
};

TEST(DecideRunMode, FollowsExtensionEditionAndCommandLine) {
  for (const Case& c : kCases) {
    std::string readPath;
    const StartupDecision decision = DecideRunMode(c.path, c.args, [&](const std::string& p) {
      readPath = p;
      return c.edition;
    });
    EXPECT_EQ(int(decision.mode), int(c.mode)) << c;
    EXPECT_EQ(decision.HostWindow, c.host) << c;
    if (c.mode == RunMode::Setup) {
      EXPECT_EQ(readPath, c.path);
    }
  }
}

TEST(ParseHostWindow, KeepsTheValueWhenNoNumberIsGiven) {
  int32_t host = 99;
  EXPECT_TRUE(ParseHostWindow({"/p"}, host));
  EXPECT_EQ(host, 99);
  EXPECT_TRUE(ParseHostWindow({"/p:-20"}, host));
  EXPECT_EQ(host, -20);
  EXPECT_FALSE(ParseHostWindow({"/p", "abc"}, host));
  EXPECT_EQ(host, -20);
}

}  // namespace
}  // namespace saverkit
