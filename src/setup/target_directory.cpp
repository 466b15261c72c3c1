#include "setup/target_directory.h"

#include "setup/install_names.h"

namespace saverkit {

std::string DefaultTargetDirectory(const SystemFolders& system) {
  // Windows NT 4 and the 9x family have no per-user documents folder worth installing into.
  if (system.ntFamily && system.majorVersion > 4 && !system.documentsFolder.empty())
    return WithBackslash(system.documentsFolder) + kScreenSaversFolder + '\\';
  return WithBackslash(TrimBlanks(system.systemDirectory));
}

}  // namespace saverkit
