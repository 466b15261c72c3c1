#include "tools/scrpack/manifest_fields.h"

#include <cctype>

namespace saverkit {
namespace {

// Windows-1252 bytes 0x80..0x9F and the characters they stand for (0 where the byte is unused).
constexpr uint32_t kWindows1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

std::optional<uint8_t> Windows1252Byte(uint32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return uint8_t(codePoint);
  for (int i = 0; i < 32; ++i)
    if (kWindows1252High[i] == codePoint) return uint8_t(0x80 + i);
  return std::nullopt;
}

std::string DescribeType(const nlohmann::json& value) {
  if (value.is_string()) return "a text";
  if (value.is_boolean()) return "true or false";
  if (value.is_number()) return "a number";
  if (value.is_array()) return "a list";
  if (value.is_object()) return "an object";
  return "null";
}

}  // namespace

std::optional<std::string> Utf8ToWindows1252(const std::string& utf8, char replacement) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const uint8_t lead = uint8_t(utf8[i]);
    // nlohmann's parser has already rejected malformed UTF-8, so the lead byte gives the length.
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    uint32_t codePoint = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (size_t k = 1; k < length && i + k < utf8.size(); ++k) codePoint = codePoint << 6 | (uint8_t(utf8[i + k]) & 0x3F);
    const std::optional<uint8_t> byte = Windows1252Byte(codePoint);
    if (!byte && !replacement) return std::nullopt;
    out += byte ? char(*byte) : replacement;
    i += length;
  }
  return out;
}

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
