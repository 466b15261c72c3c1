#include "tools/scrpack/pack_options.h"

#include <cctype>

namespace saverkit {
namespace {

constexpr int kMaxSide = 100000;

// A whole number of 1 to kMaxSide digits' worth, nothing else.
std::optional<int> Side(const std::string& text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  for (char c : text)
    if (!std::isdigit(uint8_t(c))) return std::nullopt;
  const int value = std::stoi(text);
  if (value < 1 || value > kMaxSide) return std::nullopt;
  return value;
}

}  // namespace

std::optional<PictureSize> ParseMaxSize(const std::string& text) {
  if (text == "none") return PictureSize{0, 0};
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) {
    const std::optional<int> side = Side(text);
    if (!side) return std::nullopt;
    return PictureSize{*side, *side};
  }
  const std::optional<int> width = Side(text.substr(0, x)), height = Side(text.substr(x + 1));
  if (!width || !height) return std::nullopt;
  return PictureSize{*width, *height};
}

}  // namespace saverkit
