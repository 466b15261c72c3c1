// Little-endian integers and fixed text fields inside byte buffers, as the package stores them.
// Callers pass offsets inside the buffer they own; nothing here reads past `size`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace saverkit {

inline int32_t ReadI32(const uint8_t* p) {
  return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

inline void WriteI32(uint8_t* p, int32_t value) {
  const uint32_t v = uint32_t(value);
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v >> 16);
  p[3] = uint8_t(v >> 24);
}

inline void AppendI32(std::vector<uint8_t>& out, int32_t value) {
  uint8_t bytes[4];
  WriteI32(bytes, value);
  out.insert(out.end(), bytes, bytes + 4);
}

// A char[n] field: the text up to its first NUL, or all n bytes when it has none.
inline std::string ReadFixedText(const uint8_t* p, size_t n) {
  const void* nul = std::memchr(p, 0, n);
  return std::string(reinterpret_cast<const char*>(p), nul ? static_cast<const uint8_t*>(nul) - p : n);
}

// Writes at most n bytes: the text, NUL-padded; a text of n bytes or more fills the field unterminated.
inline void WriteFixedText(uint8_t* p, size_t n, const std::string& text) {
  std::memset(p, 0, n);
  std::memcpy(p, text.data(), text.size() < n ? text.size() : n);
}

}  // namespace saverkit
