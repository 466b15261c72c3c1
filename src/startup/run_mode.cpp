#include "startup/run_mode.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "package/records.h"

namespace saverkit {
namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The lower-cased extension of the last path component, dot included; Windows and POSIX separators.
std::string LowerExtension(const std::string& path) {
  const size_t nameStart = path.find_last_of("\\/") == std::string::npos ? 0 : path.find_last_of("\\/") + 1;
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return {};
  std::string ext = path.substr(dot);
  for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

// Position of the mode letter in the first argument: one leading non-letter is skipped.
size_t ModeLetterPosition(const std::string& first) {
  return !first.empty() && !IsAsciiLetter(first[0]) ? 1 : 0;
}

// Handles are decimal; values of 2^31 and above come from tools that print them unsigned.
bool ParseWindowNumber(const std::string& text, int32_t& value) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
  errno = 0;
  char* end = nullptr;
  const long long parsed = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || parsed < INT32_MIN || parsed > int64_t(UINT32_MAX)) return false;
  value = int32_t(uint32_t(parsed));
  return true;
}

// A number joined to its switch starts at the fourth character: Windows sends "/p:1234" and
// "/c:1234", and every argument is read the same way, whatever its first three characters are.
constexpr size_t kJoinedNumberStart = 3;

}  // namespace

bool ParseHostWindow(const std::vector<std::string>& args, int32_t& hostWindow) {
  if (args.empty()) return true;
  if (args.size() >= 2) return ParseWindowNumber(args[1], hostWindow);
  const std::string& first = args[0];
  if (first.size() <= kJoinedNumberStart) return true;
  return ParseWindowNumber(first.substr(kJoinedNumberStart), hostWindow);
}

StartupDecision DecideRunMode(const std::string& ownPath, const std::vector<std::string>& args,
                              const EditionReader& readEdition) {
  StartupDecision decision;
  if (LowerExtension(ownPath) == ".exe") {
    decision.mode = readEdition(ownPath) == kEditionSetup ? RunMode::Setup : RunMode::Show;
    return decision;
  }
  if (args.empty()) {
    decision.mode = RunMode::Configure;
    return decision;
  }
  const std::string& first = args[0];
  const size_t letterAt = ModeLetterPosition(first);
  if (letterAt >= first.size()) {
    decision.mode = RunMode::Configure;  // no mode letter given: as if no argument
    return decision;
  }
  int32_t host = 0;
  switch (AsciiUpper(first[letterAt])) {
    case 'A':
      if (ParseHostWindow(args, host)) decision = {RunMode::ChangePassword, host};
      break;
    case 'C':
      if (ParseHostWindow(args, host)) decision = {RunMode::Configure, host};
      break;
    case 'P':
      if (ParseHostWindow(args, host) && host != 0) decision = {RunMode::Preview, host};
      break;
    case 'U':
      decision.mode = RunMode::Uninstall;
      break;
    default:
      break;  // S and anything unknown show the screen saver
  }
  return decision;
}

}  // namespace saverkit
