// The edition byte of a packaged executable: it tells the setup copy ("E") from an installed one.
#pragma once

#include <cstdint>
#include <string>

namespace saverkit {

// The edition byte stored in the trailer of the executable at `path`, or 0 when the file cannot
// be read, is shorter than a trailer, or its trailer does not carry the package signature.
// The file is opened read-only and shared: it is usually the running executable itself.
uint8_t ReadEdition(const std::string& path);

}  // namespace saverkit
