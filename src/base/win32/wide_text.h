// Texts are 8-bit strings in the system's ANSI code page; the COM interfaces the program calls
// (the shell's link files, Active Desktop, the Flash control) take UTF-16 strings.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace saverkit {

// UTF-16 text, terminated for the calls that take a C string. It holds its characters in a vector,
// not a std::wstring: libstdc++ keeps std::wstring's members compiled in its library, and the
// statically linked runtime would carry all of them (24 to 35 KB) for these few conversions.
class WideText {
 public:
  WideText() = default;
  explicit WideText(std::vector<wchar_t> terminated) : chars_(std::move(terminated)) {}

  bool empty() const { return size() == 0; }
  // The characters without the terminating null.
  size_t size() const { return chars_.empty() ? 0 : chars_.size() - 1; }
  const wchar_t* c_str() const { return chars_.empty() ? L"" : chars_.data(); }

 private:
  std::vector<wchar_t> chars_;
};

// The text in UTF-16; empty for an empty text or one the code page cannot convert.
inline WideText Widen(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::vector<wchar_t> wide(size_t(n) + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), n);
  return WideText(std::move(wide));
}

}  // namespace saverkit
