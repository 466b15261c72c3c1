#include "base/win32/registry_settings_store.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "base/win32/scoped_win.h"

namespace saverkit {
namespace {

// The largest text value read; a settings value is never near it, and a hostile one cannot
// make us allocate without bound.
constexpr DWORD kMaxTextBytes = 64 * 1024;

// The key under HKEY_CURRENT_USER, created when `create` asks for it; empty when it cannot be had.
ScopedRegistryKey OpenKey(const std::string& keyPath, bool create) {
  const std::string path = NormalizeKeyPath(keyPath);
  HKEY key = nullptr;
  const LONG status =
      create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
             : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
  return ScopedRegistryKey(status == ERROR_SUCCESS ? key : nullptr);
}

}  // namespace

std::optional<int32_t> RegistrySettingsStore::ReadInt(const std::string& keyPath, const std::string& name) {
  const ScopedRegistryKey key = OpenKey(keyPath, false);
  if (!key.Get()) return std::nullopt;
  DWORD type = 0, value = 0, size = sizeof value;
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value)
    return std::nullopt;
  return int32_t(value);
}

std::optional<std::string> RegistrySettingsStore::ReadString(const std::string& keyPath, const std::string& name) {
  const ScopedRegistryKey key = OpenKey(keyPath, false);
  if (!key.Get()) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxTextBytes)
    return std::nullopt;
  std::vector<char> text(size_t(size) + 1, '\0');
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  text[std::min<size_t>(size, text.size() - 1)] = '\0';  // stored texts need not end in a NUL
  return std::string(text.data());
}

bool RegistrySettingsStore::WriteInt(const std::string& keyPath, const std::string& name, int32_t value) {
  const ScopedRegistryKey key = OpenKey(keyPath, true);
  if (!key.Get()) return false;
  const DWORD stored = DWORD(value);
  return RegSetValueExA(key.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                        sizeof stored) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::WriteString(const std::string& keyPath, const std::string& name,
                                        const std::string& text) {
  const ScopedRegistryKey key = OpenKey(keyPath, true);
  if (!key.Get()) return false;
  return RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        DWORD(text.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace saverkit
