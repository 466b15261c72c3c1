#include "base/settings_store.h"

namespace saverkit {

std::string NormalizeKeyPath(const std::string& keyPath) {
  const size_t first = keyPath.find_first_not_of('\\');
  if (first == std::string::npos) return {};
  const size_t last = keyPath.find_last_not_of('\\');
  return keyPath.substr(first, last - first + 1);
}

}  // namespace saverkit
