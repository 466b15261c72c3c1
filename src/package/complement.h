// Scrambled package bytes are stored as their bitwise complement; one routine restores and scrambles.
#pragma once

#include <cstdint>
#include <vector>

namespace saverkit {

// Complements `count` bytes in place; a count of 0 or less does nothing.
void Complement(uint8_t* data, int64_t count);
inline void Complement(std::vector<uint8_t>& data) { Complement(data.data(), int64_t(data.size())); }

// Media items (pictures, movies, music) have only their leading eighth complemented.
inline int64_t LeadingEighth(int64_t length) { return length > 0 ? length / 8 : 0; }
inline void ComplementLeadingEighth(std::vector<uint8_t>& data) {
  Complement(data.data(), LeadingEighth(int64_t(data.size())));
}

}  // namespace saverkit
