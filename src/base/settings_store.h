// The per-user settings store (the registry under HKEY_CURRENT_USER on Windows), seen through
// the few operations the program uses. Key paths are relative to the user's root; a leading
// backslash is allowed. Names compare without regard to case, as in the registry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace saverkit {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // nullopt when the key or the value is missing or the value is not of that kind.
  virtual std::optional<int32_t> ReadInt(const std::string& keyPath, const std::string& name) = 0;
  virtual std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) = 0;
  // Create the key when missing; false when it cannot be opened or the value not written.
  virtual bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) = 0;
  virtual bool WriteString(const std::string& keyPath, const std::string& name, const std::string& text) = 0;
};

// "\Software\X\" and "Software\X" name the same key.
std::string NormalizeKeyPath(const std::string& keyPath);

}  // namespace saverkit
