#include "tools/scrpack/manifest_fields.h"

#include <cctype>

#include "tools/scrpack/windows1252.h"

namespace saverkit {
namespace {

std::string DescribeType(const nlohmann::json& value) {
  if (value.is_string()) return "a text";
  if (value.is_boolean()) return "true or false";
  if (value.is_number()) return "a number";
  if (value.is_array()) return "a list";
  if (value.is_object()) return "an object";
  return "null";
}

}  // namespace

ManifestFields::ManifestFields(const nlohmann::json& object, std::string where, TextEncoding encoding)
    : object_(object), where_(std::move(where)), encoding_(encoding) {
  if (!object_.is_object()) throw ManifestError((where_.empty() ? std::string("the manifest") : where_) + ": must be an object");
}

bool ManifestFields::Has(const std::string& key) const { return object_.contains(key) && !object_[key].is_null(); }

std::string ManifestFields::PathOf(const std::string& key) const { return where_.empty() ? key : where_ + "." + key; }

void ManifestFields::Fail(const std::string& key, const std::string& problem) const {
  throw ManifestError(PathOf(key) + ": " + problem);
}

const nlohmann::json& ManifestFields::Member(const std::string& key) {
  read_.insert(key);
  return object_[key];
}

int32_t ManifestFields::Int(const std::string& key, int64_t min, int64_t max, int32_t fallback) {
  if (!Has(key)) {
    read_.insert(key);
    return fallback;
  }
  const nlohmann::json& value = Member(key);
  const std::string range = "must be a whole number from " + std::to_string(min) + " to " + std::to_string(max);
  if (!value.is_number_integer()) Fail(key, range + ", not " + DescribeType(value));
  // Unsigned JSON numbers above the signed range are out of range for every field.
  if (value.is_number_unsigned() && value.get<uint64_t>() > uint64_t(INT64_MAX)) Fail(key, range);
  const int64_t number = value.get<int64_t>();
  if (number < min || number > max) Fail(key, range);
  return int32_t(number);
}

uint8_t ManifestFields::Byte(const std::string& key, uint8_t fallback) {
  if (Has(key) && object_[key].is_boolean()) return Member(key).get<bool>() ? 1 : 0;
  return uint8_t(Int(key, 0, 255, fallback));
}

std::string ManifestFields::ConvertText(const std::string& key, const std::string& utf8) const {
  if (encoding_ == TextEncoding::kUtf8) return utf8;
  std::optional<std::string> converted = Utf8ToWindows1252(utf8);
  if (!converted) Fail(key, "holds a character that the Windows-1252 code page cannot show (set \"textEncoding\" to \"utf-8\" to store UTF-8)");
  return *converted;
}

std::string ManifestFields::ConvertMadeText(const std::string& utf8) const {
  return encoding_ == TextEncoding::kUtf8 ? utf8 : *Utf8ToWindows1252(utf8, '?');
}

std::string ManifestFields::Text(const std::string& key, size_t maxBytes, const std::string& fallback) {
  if (!Has(key)) {
    read_.insert(key);
    return fallback;
  }
  const nlohmann::json& value = Member(key);
  if (!value.is_string()) Fail(key, "must be a text, not " + DescribeType(value));
  std::string text = ConvertText(key, value.get<std::string>());
  if (text.size() > maxBytes) Fail(key, "is longer than " + std::to_string(maxBytes) + " bytes");
  return text;
}

int32_t ManifestFields::Color(const std::string& key, int32_t fallback) {
  if (!Has(key)) {
    read_.insert(key);
    return fallback;
  }
  const nlohmann::json& value = Member(key);
  if (value.is_number_integer()) {
    if (value.is_number_unsigned() ? value.get<uint64_t>() > 0xFFFFFFFFull : value.get<int64_t>() < 0)
      Fail(key, "must be \"#RRGGBB\" or a colour value from 0 to 4294967295");
    return int32_t(uint32_t(value.get<uint64_t>()));
  }
  const std::string problem = "must be \"#RRGGBB\" or a colour value from 0 to 4294967295";
  if (!value.is_string()) Fail(key, problem);
  const std::string text = value.get<std::string>();
  if (text.size() != 7 || text[0] != '#') Fail(key, problem);
  for (size_t i = 1; i < 7; ++i)
    if (!std::isxdigit(uint8_t(text[i]))) Fail(key, problem);
  const uint32_t rgb = uint32_t(std::stoul(text.substr(1), nullptr, 16));
  // Windows keeps colours as 0x00BBGGRR.
  return int32_t((rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16);
}

uint8_t ManifestFields::FontStyle(const std::string& key) {
  if (!Has(key)) {
    read_.insert(key);
    return 0;
  }
  if (!object_[key].is_array()) return uint8_t(Int(key, 0, 15, 0));
  const nlohmann::json& list = Member(key);
  static const std::pair<const char*, uint8_t> kNames[] = {{"bold", 1}, {"italic", 2}, {"underline", 4}, {"strikeout", 8}};
  uint8_t style = 0;
  for (const nlohmann::json& entry : list) {
    bool known = false;
    for (const auto& [name, bit] : kNames)
      if (entry.is_string() && entry.get<std::string>() == name) style |= bit, known = true;
    if (!known) Fail(key, "lists styles from \"bold\", \"italic\", \"underline\" and \"strikeout\" only");
  }
  return style;
}

const nlohmann::json* ManifestFields::Object(const std::string& key) {
  read_.insert(key);
  if (!Has(key)) return nullptr;
  if (!object_[key].is_object()) Fail(key, "must be an object, not " + DescribeType(object_[key]));
  return &object_[key];
}

const nlohmann::json* ManifestFields::Array(const std::string& key) {
  read_.insert(key);
  if (!Has(key)) return nullptr;
  if (!object_[key].is_array()) Fail(key, "must be a list, not " + DescribeType(object_[key]));
  return &object_[key];
}

const nlohmann::json* ManifestFields::Value(const std::string& key) {
  read_.insert(key);
  return Has(key) ? &object_[key] : nullptr;
}

void ManifestFields::RejectUnknown() const {
  for (auto it = object_.begin(); it != object_.end(); ++it)
    if (!read_.count(it.key())) Fail(it.key(), "is not a known field");
}

}  // namespace saverkit
