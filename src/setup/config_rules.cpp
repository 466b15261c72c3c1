#include "setup/config_rules.h"

#include <algorithm>
#include <cctype>

#include <cctype>

#include "music/media_window.h"

namespace saverkit {

bool IsMailLink(const std::string& address) {
  const size_t at = address.find('@');
  return at != std::string::npos && at >= 1;
}

std::string MailToTarget(const std::string& address, const std::string& subject) {
  return "mailto:" + address + "?subject=" + subject;
}

bool IsHomePageLink(const std::string& text) {
  static const char kScheme[] = "http";
  if (text.size() < sizeof(kScheme) - 1) return false;
  for (size_t i = 0; i + 1 < sizeof(kScheme); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != kScheme[i]) return false;
  }
  return true;
}

MusicButtonStates MusicButtonsFor(bool hasMusicWindow, bool rowSelected, intptr_t mode) {
  MusicButtonStates states;
  states.play = hasMusicWindow && rowSelected && mode != mci::kModePlaying;
  states.pause = mode == mci::kModePlaying;
  states.stop = mode == mci::kModePlaying || mode == mci::kModePaused;
  return states;
}

int32_t WallpaperStyleForTag(int32_t tag) {
  switch (tag) {
    case 1028: return kWallpaperCentre;
    case 1029: return kWallpaperTile;
    case 1030: return kWallpaperStretch;
    default: return kWallpaperKeepStyle;
  }
}

bool SameWindowsPath(const std::string& a, const std::string& b) {
  const auto folded = [](char c) {
    return c == '/' ? '\\' : char(std::tolower(static_cast<unsigned char>(c)));
  };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return folded(x) == folded(y); });
}

std::string ExtensionWithDot(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  const size_t separator = name.find_last_of("\\/:");
  if (dot == std::string::npos || (separator != std::string::npos && separator > dot)) return {};
  return name.substr(dot);
}

std::string MusicSaveFilter(const std::string& description, const std::string& extension) {
  return description + "(*" + extension + ")|*" + extension;
}

}  // namespace saverkit
