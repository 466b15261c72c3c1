#include "base/registry_values.h"

namespace saverkit {

int32_t RegReadInt(SettingsStore& store, const std::string& keyPath, const std::string& name, int32_t fallback) {
  return store.ReadInt(NormalizeKeyPath(keyPath), name).value_or(fallback);
}

bool RegWriteInt(SettingsStore& store, const std::string& keyPath, const std::string& name, int32_t value) {
  return store.WriteInt(NormalizeKeyPath(keyPath), name, value);
}

std::string RegReadString(SettingsStore& store, const std::string& keyPath, const std::string& name,
                          const std::string& fallback) {
  return store.ReadString(NormalizeKeyPath(keyPath), name).value_or(fallback);
}

bool RegWriteString(SettingsStore& store, const std::string& keyPath, const std::string& name,
                    const std::string& text) {
  return store.WriteString(NormalizeKeyPath(keyPath), name, text);
}

}  // namespace saverkit
