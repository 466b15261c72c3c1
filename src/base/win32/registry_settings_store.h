// The settings store in the registry under HKEY_CURRENT_USER.
#pragma once

#include "base/settings_store.h"

namespace saverkit {

class RegistrySettingsStore : public SettingsStore {
 public:
  std::optional<int32_t> ReadInt(const std::string& keyPath, const std::string& name) override;
  std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) override;
  bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) override;
  bool WriteString(const std::string& keyPath, const std::string& name, const std::string& text) override;
};

}  // namespace saverkit
