#include "music/music_options.h"

#include "base/registry_values.h"

namespace saverkit {
namespace {

constexpr char kSettingsRoot[] = "\\Software\\Varnimo\\";
constexpr char kRandomOrderValue[] = "MROP";
constexpr char kRepeatAllValue[] = "MRA";
constexpr char kMuteValue[] = "Mute";

}  // namespace

std::string ScreenSaverSettingsKey(const std::string& screenSaverName) { return kSettingsRoot + screenSaverName; }

MusicOptions ReadMusicOptions(SettingsStore& settings, const std::string& settingsKey) {
  MusicOptions options;
  options.randomOrder = RegReadInt(settings, settingsKey, kRandomOrderValue, 0) != 0;
  options.repeatAll = RegReadInt(settings, settingsKey, kRepeatAllValue, 1) != 0;
  options.mute = RegReadInt(settings, settingsKey, kMuteValue, 0) != 0;
  return options;
}

bool WriteMusicOptions(SettingsStore& settings, const std::string& settingsKey, const MusicOptions& options) {
  bool written = RegWriteInt(settings, settingsKey, kRandomOrderValue, options.randomOrder ? 1 : 0);
  written = RegWriteInt(settings, settingsKey, kRepeatAllValue, options.repeatAll ? 1 : 0) && written;
  written = RegWriteInt(settings, settingsKey, kMuteValue, options.mute ? 1 : 0) && written;
  return written;
}

}  // namespace saverkit
