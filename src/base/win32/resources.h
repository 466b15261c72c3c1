// The bytes of the program's own resources, such as the movie thumbnail and the texts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace saverkit {

// Replaces `stream` with the resource's bytes; false when it does not exist or cannot be read.
bool LoadResourceStream(HMODULE module, const char* name, const char* type, std::vector<uint8_t>& stream);

}  // namespace saverkit
