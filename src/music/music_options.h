// The three music options a user chooses in the configuration dialog and the show obeys, kept
// as settings values under the screen saver's own key.
#pragma once

#include <string>

#include "base/settings_store.h"

namespace saverkit {

struct MusicOptions {
  bool randomOrder = false;  // "MROP"
  bool repeatAll = true;     // "MRA"
  bool mute = false;         // "Mute"
  bool operator==(const MusicOptions& o) const {
    return randomOrder == o.randomOrder && repeatAll == o.repeatAll && mute == o.mute;
  }
};

// "\Software\Varnimo\" + the screen saver's name.
std::string ScreenSaverSettingsKey(const std::string& screenSaverName);

// Missing values give the defaults: random order off, repeat all on, mute off.
MusicOptions ReadMusicOptions(SettingsStore& settings, const std::string& settingsKey);
// Writes "MROP", "MRA" and "Mute" as 0 or 1, in that order; false when any write failed.
bool WriteMusicOptions(SettingsStore& settings, const std::string& settingsKey, const MusicOptions& options);

}  // namespace saverkit
