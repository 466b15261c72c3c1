// Folder listings: natural order, and what is skipped.
#include "tools/scrpack/folder_show.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace saverkit {
namespace {

namespace fs = std::filesystem;

TEST(FolderShowTest, NaturalOrderComparesNumbersByValue) {
  const struct {
    const char* a;
    const char* b;
  } ordered[] = {{"2.jpg", "10.jpg"},         {"img9.jpg", "img10.jpg"}, {"a.jpg", "B.jpg"},
                 {"photo 2 b.jpg", "photo 10 a.jpg"}, {"1.jpg", "1a.jpg"}, {"x", "x1"},
                 {"007.jpg", "8.jpg"},         {"IMG_0001.JPG", "IMG_0002.jpg"}, {"A.jpg", "a.jpg"}};
  for (const auto& c : ordered) {
    EXPECT_TRUE(NaturalLess(c.a, c.b)) << c.a << " < " << c.b;
    EXPECT_FALSE(NaturalLess(c.b, c.a)) << c.b << " !< " << c.a;
  }
  EXPECT_FALSE(NaturalLess("5.jpg", "5.jpg"));
}

TEST(FolderShowTest, ListingTakesPicturesInNaturalOrderAndNamesTheRest) {
  const fs::path folder = fs::path(::testing::TempDir()) / "folder_show_test";
  fs::remove_all(folder);
  fs::create_directories(folder / "sub");
  for (const char* name : {"10.jpg", "2.JPG", "1.png", "3.webp", ".hidden.jpg", "notes.txt", "Thumbs.db"})
    std::ofstream(folder / name) << "x";
  const FolderListing listing = ListFolder(folder, MediaKind::kPicture);
  std::vector<std::string> names;
  for (const fs::path& file : listing.files) names.push_back(file.filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"1.png", "2.JPG", "3.webp", "10.jpg"}));
  EXPECT_EQ(listing.skipped, (std::vector<std::string>{".hidden.jpg (hidden)", "notes.txt (not a picture)",
                                                       "sub (not a file)", "Thumbs.db (not a picture)"}));
  EXPECT_THROW(ListFolder(folder / "missing", MediaKind::kPicture), std::runtime_error);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace saverkit
