#include "tools/scrpack/folder_show.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include <nlohmann/json.hpp>

#include "tools/scrpack/manifest_fields.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Compares the digit runs starting at a[i] and b[j] by value (leading zeros ignored), moving i, j.
int CompareNumbers(const std::string& a, size_t& i, const std::string& b, size_t& j) {
  while (i < a.size() && a[i] == '0' && i + 1 < a.size() && IsDigit(a[i + 1])) ++i;
  while (j < b.size() && b[j] == '0' && j + 1 < b.size() && IsDigit(b[j + 1])) ++j;
  size_t ei = i, ej = j;
  while (ei < a.size() && IsDigit(a[ei])) ++ei;
  while (ej < b.size() && IsDigit(b[ej])) ++ej;
  int result = ei - i < ej - j ? -1 : ei - i > ej - j ? 1 : a.compare(i, ei - i, b, j, ej - j);
  i = ei, j = ej;
  return result < 0 ? -1 : result > 0 ? 1 : 0;
}

std::string Lower(std::string text) {
  for (char& c : text) c = char(std::tolower(uint8_t(c)));
  return text;
}

bool HasExtension(const fs::path& file, MediaKind kind) {
  static const char* const kPictures[] = {".jpg", ".jpeg", ".jpe", ".jfif", ".png", ".webp"};
  static const char* const kMusic[] = {".mp3", ".wav", ".mid", ".midi", ".rmi", ".wma", ".aif", ".aiff", ".au"};
  const std::string extension = Lower(file.extension().u8string());
  const auto matches = [&extension](const char* known) { return extension == known; };
  return kind == MediaKind::kPicture ? std::any_of(std::begin(kPictures), std::end(kPictures), matches)
                                     : std::any_of(std::begin(kMusic), std::end(kMusic), matches);
}

// A path as the manifest writes it: relative to the manifest's folder where it can be.
std::string ManifestPath(const fs::path& file, const fs::path& folder) {
  std::error_code error;
  const fs::path relative = fs::relative(file, folder, error);
  return (error || relative.empty() ? fs::absolute(file) : relative).generic_u8string();
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      if (const int order = CompareNumbers(a, i, b, j)) return order < 0;
      continue;
    }
    const char ca = char(std::tolower(uint8_t(a[i]))), cb = char(std::tolower(uint8_t(b[j])));
    if (ca != cb) return ca < cb;
    ++i, ++j;
  }
  if ((i < a.size()) != (j < b.size())) return j < b.size();
  return a < b;
}

FolderListing ListFolder(const fs::path& folder, MediaKind kind) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) throw ManifestError("cannot read the folder '" + folder.u8string() + "': " + error.message());
  FolderListing listing;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    const fs::path file = it->path();
    const std::string name = file.filename().u8string();
    if (!name.empty() && name[0] == '.') listing.skipped.push_back(name + " (hidden)");
    else if (!it->is_regular_file(error)) listing.skipped.push_back(name + " (not a file)");
    else if (!HasExtension(file, kind))
      listing.skipped.push_back(name + (kind == MediaKind::kPicture ? " (not a picture)" : " (not music)"));
    else listing.files.push_back(file);
  }
  if (error) throw ManifestError("cannot read the folder '" + folder.u8string() + "': " + error.message());
  std::sort(listing.files.begin(), listing.files.end(), [](const fs::path& a, const fs::path& b) {
    return NaturalLess(a.filename().u8string(), b.filename().u8string());
  });
  std::sort(listing.skipped.begin(), listing.skipped.end(), NaturalLess);
  return listing;
}

std::string FolderManifestText(const FolderShow& show, const FolderListing& pictures, const FolderListing& music) {
  using nlohmann::json;
  std::string text =
      "// A saverkit screen saver made from the pictures in this folder; every field is described in\n"
      "// scrpack's README. Build it with:\n"
      "//   scrpack build show.json --runtime saverkit.exe --out " + json(show.name + ".scr").dump() + "\n"
      "{\n"
      "  \"name\": " + json(show.name).dump() + ",\n"
      "  \"description\": \"\",\n"
      "  // Each picture stays \"seconds\" and comes in with a random transition effect (\"effect\": -1).\n"
      "  // Pictures are fitted into the design screen with their proportions kept (\"fit\": \"none\"\n"
      "  // shows them at their own size); larger ones are shrunk to twice the design screen and\n"
      "  // re-encoded at \"quality\" (set \"maxSize\", such as \"1920x1080\", to choose). \"caption\":\n"
      "  // \"file\" writes each file's name under its picture, \"date\" the day the photo was taken.\n"
      "  \"defaults\": {\"seconds\": 8, \"effect\": -1, \"fit\": \"contain\", \"caption\": " + json(show.caption).dump() +
      ", \"quality\": 90},\n"
      "  \"backgroundColor\": \"#000000\",\n"
      "  \"randomOrder\": false,\n"
      "  // The screen the show is laid out for; the runtime scales it to the viewer's screen.\n"
      "  \"designWidth\": 1920, \"designHeight\": 1080,\n"
      "  // The pictures in natural order (2 before 10). An item may add \"seconds\", \"effect\",\n"
      "  // \"labels\" (captions of its own) and more.\n"
      "  \"items\": [\n";
  for (size_t i = 0; i < pictures.files.size(); ++i)
    text += "    {\"picture\": " + json(ManifestPath(pictures.files[i], show.pictures)).dump() + "}" +
            (i + 1 < pictures.files.size() ? ",\n" : "\n");
  text += "  ],\n  // Background music, played in this order.\n  \"music\": [\n";
  for (size_t k = 0; k < music.files.size(); ++k)
    text += "    {\"path\": " + json(ManifestPath(music.files[k], show.pictures)).dump() + "}" +
            (k + 1 < music.files.size() ? ",\n" : "\n");
  text += "  ]\n}\n";
  return text;
}

}  // namespace saverkit
