// The shell services the dialogs use: opening documents and addresses, choosing a folder,
// translucent forms.
#pragma once

#include <windows.h>

#include <string>

namespace saverkit {

// Opens a document, folder or address with its default verb, shown normally; whether it
// opened is not known.
void ShellOpen(const std::string& target);

// The folder browser rooted at the desktop, preselecting nothing; the chosen folder, or the empty
// text when the user cancels. The prompt is string resource 1025 of the program, else "Please
// Select a Directory:".
std::string ChooseDirectory();

// 1..99 makes `form` translucent, 100 opaque; other values change nothing. False when Windows
// refused the change.
bool SetFormOpacity(HWND form, int percent);

}  // namespace saverkit
