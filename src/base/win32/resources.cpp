#include "base/win32/resources.h"

namespace saverkit {

bool LoadResourceStream(HMODULE module, const char* name, const char* type, std::vector<uint8_t>& stream) {
  stream.clear();
  HRSRC found = FindResourceA(module, name, type);
  if (!found) return false;
  const DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return false;
  const auto* first = static_cast<const uint8_t*>(bytes);
  stream.assign(first, first + size);
  return true;
}

}  // namespace saverkit
