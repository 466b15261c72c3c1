// The names the setup wizard writes and the uninstaller removes: the uninstall key, the desktop
// shortcut and the installed file. Both sides build them here, so the uninstaller removes exactly
// what the wizard made and nothing else.
#pragma once

#include <string>

namespace saverkit {

// Under HKEY_CURRENT_USER; the key of one screen saver is this + its file name without ".scr".
inline constexpr char kUninstallKeyRoot[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
inline constexpr char kInstalledExtension[] = ".scr";
inline constexpr char kShortcutExtension[] = ".lnk";
inline constexpr char kUninstallSwitch[] = " -U";

// Leading and trailing characters up to the blank (controls included) removed.
std::string TrimBlanks(const std::string& text);

// `text` without the characters a Windows file name cannot hold (path separators, drive colons,
// wildcards, quotes, angle brackets, the bar and control characters). The screen-saver name comes
// from the package and the file name is typed by the user: neither may lead out of its folder.
std::string FileNamePart(const std::string& text);

// The uninstall key of the screen saver installed as `fileName` + ".scr"; the empty text when the
// name has no character left, so that nobody ever addresses the whole uninstall list.
std::string UninstallKeyPath(const std::string& fileName);

// "desktop\<trimmed name>.lnk"; the empty text without a desktop or a name.
std::string ShortcutPath(const std::string& desktopFolder, const std::string& screenSaverName);

// The folder with one trailing backslash; the empty text stays empty.
std::string WithBackslash(const std::string& folder);

// The file name of a Windows path without its folder and its last extension.
std::string FileNameWithoutExtension(const std::string& path);

// The command the uninstall entry runs: the path quoted, so that Windows cannot take a prefix
// that ends at a blank ("C:\My Documents\My ScreenSavers\...") for the program.
std::string UninstallCommand(const std::string& installedFile);

}  // namespace saverkit
