// Texts are 8-bit strings in the system's ANSI code page; the COM interfaces the program calls
// (the shell's link files, Active Desktop, the Flash control) take UTF-16 strings.
#pragma once

#include <windows.h>

#include <string>

namespace saverkit {

// The text in UTF-16; empty for an empty text or one the code page cannot convert.
inline std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(size_t(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), n);
  return wide;
}

}  // namespace saverkit
