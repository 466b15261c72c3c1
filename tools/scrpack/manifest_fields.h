// Typed, range-checked reads of one JSON object of a manifest. Every failure throws ManifestError
// with the field's full path ("items[2].labels[0].size") so the user knows exactly what to fix;
// fields that are never read are reported as unknown, which catches misspelt names.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace saverkit {

struct ManifestError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// How inline texts of the manifest (JSON, always UTF-8) become the package's 8-bit texts.
enum class TextEncoding { kWindows1252, kUtf8 };

class ManifestFields {
 public:
  // `where` is the object's path, empty for the manifest's top level.
  ManifestFields(const nlohmann::json& object, std::string where, TextEncoding encoding);

  bool Has(const std::string& key) const;
  std::string PathOf(const std::string& key) const;
  [[noreturn]] void Fail(const std::string& key, const std::string& problem) const;

  int32_t Int(const std::string& key, int64_t min, int64_t max, int32_t fallback);
  // A byte-sized switch: true/false or a number from 0 to 255.
  uint8_t Byte(const std::string& key, uint8_t fallback);
  // Inline text, converted to the package's encoding, at most `maxBytes` bytes after conversion.
  std::string Text(const std::string& key, size_t maxBytes, const std::string& fallback = {});
  // A Windows colour value: "#RRGGBB", or a number from 0 to 0xFFFFFFFF (system colours included).
  int32_t Color(const std::string& key, int32_t fallback);
  // Label style: a number from 0 to 15, or a list of "bold", "italic", "underline", "strikeout".
  uint8_t FontStyle(const std::string& key);
  // A nested object or array, marked as read; throws when present with another type.
  const nlohmann::json* Object(const std::string& key);
  const nlohmann::json* Array(const std::string& key);
  // Any value, marked as read, for fields that accept several shapes.
  const nlohmann::json* Value(const std::string& key);

  std::string ConvertText(const std::string& key, const std::string& utf8) const;
  // The same for texts scrpack makes up itself (captions from file names): a character the code
  // page lacks becomes "?" instead of failing the build.
  std::string ConvertMadeText(const std::string& utf8) const;

  // Throws for the first field that no read asked for.
  void RejectUnknown() const;

 private:
  const nlohmann::json& Member(const std::string& key);

  const nlohmann::json& object_;
  std::string where_;
  TextEncoding encoding_;
  std::set<std::string> read_;
};

}  // namespace saverkit
