// The Windows-1252 code page, in which scrpack writes a package's texts by default: manifests are
// UTF-8, the runtime shows 8-bit texts, and `scrpack info` reports them as UTF-8 again.
#pragma once

#include <optional>
#include <string>

namespace saverkit {

// UTF-8 to Windows-1252; empty when a character has no place in that code page, unless a
// `replacement` character is given to stand for it.
std::optional<std::string> Utf8ToWindows1252(const std::string& utf8, char replacement = 0);

// Windows-1252 to UTF-8; the five bytes the code page leaves unused become U+FFFD.
std::string Windows1252ToUtf8(const std::string& windows1252);

}  // namespace saverkit
