// Which of its six roles the program plays, decided once at start from the extension it was
// started under, the edition byte of its package and the screen-saver command line.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/run_mode.h"

namespace saverkit {

struct StartupDecision {
  RunMode mode = RunMode::Show;
  // The window given on the command line, 0 when none. Window handles fit in 32 bits on both
  // Windows targets, and the screen-saver convention passes them as decimal numbers.
  int32_t HostWindow = 0;

  bool operator==(const StartupDecision& other) const {
    return mode == other.mode && HostWindow == other.HostWindow;
  }
};

using EditionReader = std::function<uint8_t(const std::string& path)>;

// `ownPath` is the executable's own path, `args` the arguments after the program name.
// Started as ".exe" (any letter case) the program is the setup wizard when its edition is "E"
// and shows the screen saver otherwise; started under any other name it follows the command line:
//   no argument, or a first argument without a mode letter ("" or a lone "/"): configuration;
//   A, C, P with a host window that parses: password change, configuration, preview;
//   a preview without a host window (/p, /p:0): nothing to draw into, so it shows full screen
//   like any other malformed preview request;
//   U: uninstall; anything else (S among them): show.
// The first character of the first argument is dropped when it is not a letter (/p, -p, p).
StartupDecision DecideRunMode(const std::string& ownPath, const std::vector<std::string>& args,
                              const EditionReader& readEdition);

// The host window of an A, C or P request into `hostWindow`; false when the text given is not
// a whole number that fits in 32 bits. With one argument the number is what follows its first three
// characters (/c:4660 and -c:4660 give 4660, c:4660 gives 660); an argument of three characters or
// fewer keeps `hostWindow` as it was. With two or more arguments the second one is the number
// (/p 1234).
bool ParseHostWindow(const std::vector<std::string>& args, int32_t& hostWindow);

}  // namespace saverkit
