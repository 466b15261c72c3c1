// Puts a package behind a runtime executable and writes the result in one step: the output file
// either is the complete new executable or is left as it was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace saverkit {

// Copies the runtime's program image (without any package it already carries), then the package,
// into a temporary file beside `outPath` and renames it over `outPath`. On failure returns false
// with a message naming the file at fault in `error`; no temporary file stays behind.
bool WritePackagedExecutable(const std::string& runtimePath, const std::vector<uint8_t>& package,
                             const std::string& outPath, std::string& error);

}  // namespace saverkit
