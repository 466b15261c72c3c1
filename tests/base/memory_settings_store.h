// A settings store in memory, for tests of everything that reads or writes settings.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <variant>

#include "base/settings_store.h"

namespace saverkit {

class MemorySettingsStore : public SettingsStore {
 public:
  using Value = std::variant<int32_t, std::string>;

  std::optional<int32_t> ReadInt(const std::string& keyPath, const std::string& name) override {
    const Value* value = Find(keyPath, name);
    if (!value || !std::holds_alternative<int32_t>(*value)) return std::nullopt;
    return std::get<int32_t>(*value);
  }
  std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) override {
    const Value* value = Find(keyPath, name);
    if (!value || !std::holds_alternative<std::string>(*value)) return std::nullopt;
    return std::get<std::string>(*value);
  }
  bool WriteInt(const std::string& keyPath, const std::string& name, int32_t value) override {
    if (readOnly) return false;
    values_[Key(keyPath, name)] = value;
    return true;
  }
  bool WriteString(const std::string& keyPath, const std::string& name, const std::string& text) override {
    if (readOnly) return false;
    values_[Key(keyPath, name)] = text;
    return true;
  }

  bool readOnly = false;  // makes every write fail, like a key without write access

 private:
  static std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
  }
  static std::string Key(const std::string& keyPath, const std::string& name) {
    return Lower(NormalizeKeyPath(keyPath)) + '\n' + Lower(name);
  }
  const Value* Find(const std::string& keyPath, const std::string& name) const {
    const auto it = values_.find(Key(keyPath, name));
    return it == values_.end() ? nullptr : &it->second;
  }

  std::map<std::string, Value> values_;
};

}  // namespace saverkit
