// Whole files: whether one exists, removing it, writing and copying it in one piece. Paths are in
// the system's narrow encoding, as the rest of the program passes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace saverkit {

// True for a file or a folder at `path`.
bool FileExists(const std::string& path);

bool IsDirectory(const std::string& path);

// True when both paths name one existing file or folder, through whatever links or spellings.
bool IsSameFile(const std::string& first, const std::string& second);

// Clears a read-only attribute and deletes the file; true when the file is gone or never existed.
bool RemoveFile(const std::string& path);

// Creates or replaces the file with `data`; false when it could not be written completely.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& data);

// Copies the file `from` over `to`, which may exist. False, with `to` untouched, when `from` is no
// readable file or both name the same file; false, with `to` removed, when the copy could not be
// written completely.
bool CopyFileReplacing(const std::string& from, const std::string& to);

}  // namespace saverkit
