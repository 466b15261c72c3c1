// Whole files: whether one exists, removing it, writing it in one piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace saverkit {

bool FileExists(const std::string& path);

// Clears a read-only attribute and deletes the file; true when the file is gone or never existed.
bool RemoveFile(const std::string& path);

// Creates or replaces the file with `data`; false when it could not be written completely.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& data);

}  // namespace saverkit
