// The configuration dialog's small decisions, apart from any window: which links open, which
// music buttons are usable in which player mode, which wallpaper style a menu item stands for, whether
// the desktop shows our wallpaper, and how a saved music keeps its file type.
#pragma once

#include <cstdint>
#include <string>

namespace saverkit {

// The e-mail link opens only an address with "@" after its first character.
bool IsMailLink(const std::string& address);
// What the shell opens for the e-mail link: "mailto:" + address + "?subject=" + subject.
std::string MailToTarget(const std::string& address, const std::string& subject);
// The home-page link opens only a text that begins with "http", in any letter case.
bool IsHomePageLink(const std::string& text);

struct MusicButtonStates {
  bool play = false;
  bool pause = false;
  bool stop = false;
  bool operator==(const MusicButtonStates& o) const { return play == o.play && pause == o.pause && stop == o.stop; }
};

// Play needs a music window and a selected row and is off while playing; pause only while
// playing; stop while playing or paused.
MusicButtonStates MusicButtonsFor(bool hasMusicWindow, bool rowSelected, intptr_t mode);

// Wallpaper style codes of the pop-up menu's items, by tag: centre, tile, stretch; 0 for others.
enum WallpaperStyle : int32_t { kWallpaperKeepStyle = 0, kWallpaperCentre = 1, kWallpaperTile = 2, kWallpaperStretch = 3 };
int32_t WallpaperStyleForTag(int32_t tag);
// Whether two Windows paths name the same file as the desktop stores them: letter case and the
// kind of slash do not count.
bool SameWindowsPath(const std::string& a, const std::string& b);

// The extension of a file name or music name with its dot ("Theme.mp3" gives ".mp3"); empty
// when the last part has none.
std::string ExtensionWithDot(const std::string& name);
// The save dialog's one filter entry for a music: description + "(*" + ext + ")|*" + ext.
std::string MusicSaveFilter(const std::string& description, const std::string& extension);

}  // namespace saverkit
