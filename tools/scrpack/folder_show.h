// A show made from folders: the pictures of one folder in natural order (2 before 10), the music of
// another, and the starting manifest that `scrpack init` writes for them. `build --pictures` packs
// the very manifest `init` would write, so the two always agree.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace saverkit {

// Digit runs compare by their value, everything else without regard to letter case; names equal
// that way fall back to plain byte order, so the order is total.
bool NaturalLess(const std::string& a, const std::string& b);

enum class MediaKind { kPicture, kMusic };

struct FolderListing {
  std::vector<std::filesystem::path> files;  // taken, in natural order of their names
  std::vector<std::string> skipped;          // "name (why)": hidden files, other kinds, folders
};

// Throws ManifestError when the folder cannot be read.
FolderListing ListFolder(const std::filesystem::path& folder, MediaKind kind);

struct FolderShow {
  std::string name;
  std::filesystem::path pictures;  // the folder the manifest lives in; paths are relative to it
  std::filesystem::path music;     // empty: no music
  std::string caption = "none";    // "none", "file" or "date"
};

// The commented starting manifest (JSON with // comments) for the show.
std::string FolderManifestText(const FolderShow& show, const FolderListing& pictures, const FolderListing& music);

}  // namespace saverkit
