#include "tools/scrpack/windows1252.h"

#include <cstdint>

namespace saverkit {
namespace {

// Windows-1252 bytes 0x80..0x9F and the characters they stand for (0 where the byte is unused);
// every other byte stands for the character of the same number.
constexpr uint32_t kWindows1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

bool IsHigh(uint32_t byteOrCodePoint) { return byteOrCodePoint >= 0x80 && byteOrCodePoint < 0xA0; }

std::optional<uint8_t> Windows1252Byte(uint32_t codePoint) {
  if (codePoint <= 0xFF && !IsHigh(codePoint)) return uint8_t(codePoint);
  for (int i = 0; i < 32; ++i)
    if (kWindows1252High[i] == codePoint) return uint8_t(0x80 + i);
  return std::nullopt;
}

uint32_t CodePointOf(uint8_t byte) {
  if (!IsHigh(byte)) return byte;
  const uint32_t mapped = kWindows1252High[byte - 0x80];
  return mapped ? mapped : 0xFFFD;
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

std::string Windows1252ToUtf8(const std::string& windows1252) {
  std::string out;
  for (const char c : windows1252) {
    const uint32_t code = CodePointOf(uint8_t(c));
    if (code < 0x80) {
      out += char(code);
    } else if (code < 0x800) {
      out += char(0xC0 | code >> 6);
      out += char(0x80 | (code & 0x3F));
    } else {
      out += char(0xE0 | code >> 12);
      out += char(0x80 | (code >> 6 & 0x3F));
      out += char(0x80 | (code & 0x3F));
    }
  }
  return out;
}

}  // namespace saverkit
