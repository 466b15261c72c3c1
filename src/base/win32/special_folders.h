// Shell folders by the program's own codes (100 recycle bin ... 115 templates), as the uninstaller
// and the setup wizard name them.
#pragma once

#include <string>

namespace saverkit {

inline constexpr int kDesktopFolderCode = 102;
inline constexpr int kDocumentsFolderCode = 108;

// Writes the folder's file-system path into `buffer` (at least MAX_PATH characters). The buffer
// stays unchanged when the folder has no path, a call fails or the code is not one of ours.
void SpecialFolderPath(char* buffer, int code);

// The folder's path, or the empty text.
std::string SpecialFolderPath(int code);

// The user's local application data folder ("AppData\\Local"), made when missing; the empty
// text when the system has none.
std::string LocalAppDataFolder();

}  // namespace saverkit
