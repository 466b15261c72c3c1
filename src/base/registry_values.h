// The registry routines the forms share: a missing or unreadable value gives the caller's default.
#pragma once

#include <cstdint>
#include <string>

#include "base/settings_store.h"

namespace saverkit {

int32_t RegReadInt(SettingsStore& store, const std::string& keyPath, const std::string& name, int32_t fallback);
bool RegWriteInt(SettingsStore& store, const std::string& keyPath, const std::string& name, int32_t value);
std::string RegReadString(SettingsStore& store, const std::string& keyPath, const std::string& name,
                          const std::string& fallback);
bool RegWriteString(SettingsStore& store, const std::string& keyPath, const std::string& name,
                    const std::string& text);

}  // namespace saverkit
