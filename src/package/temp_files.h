// Temporary copies of movies and music, which the players can only open as files.
// Names are the temporary folder, a prefix, the smallest free decimal number and a suffix
// ("~F_0.swf", "~S_3.mp3").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/files.h"  // FileExists, RemoveFile, WriteWholeFile, which callers use beside these

namespace saverkit {

// The folder with exactly one trailing separator, so names can be appended to it.
std::string WithTrailingSeparator(const std::string& directory);

// A suffix taken from a package may not lead out of the folder it is appended to: path
// separators, drive colons and control characters are dropped from it.
std::string SafeFileSuffix(const std::string& suffix);

// The first name, counting from 0, for which no file exists. Another process may still create
// that file before it is written: CreateFreshTempFile is the safe way to write one.
std::string FreshTempName(const std::string& tempDirectory, const std::string& prefix,
                          const std::string& suffix);

// Writes `data` into a file that did not exist before, named like FreshTempName: each candidate
// is created exclusively and an existing one makes it try the next number. Returns the path, or
// the empty text when no file could be written (nothing is left behind then).
std::string CreateFreshTempFile(const std::string& tempDirectory, const std::string& prefix,
                                const std::string& suffix, const std::vector<uint8_t>& data);

}  // namespace saverkit
