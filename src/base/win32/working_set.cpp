#include "base/win32/working_set.h"

#include <windows.h>

namespace saverkit {

bool IsNtPlatform() { return GetVersion() < 0x80000000u; }

void TrimWorkingSet() {
  if (IsNtPlatform()) SetProcessWorkingSetSize(GetCurrentProcess(), SIZE_T(-1), SIZE_T(-1));
}

}  // namespace saverkit
