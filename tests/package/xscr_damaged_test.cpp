// Damaged and hostile packages: each case names what was damaged and what the reader keeps.
// Run under AddressSanitizer (the fuzz build) these also show that no read leaves its buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>

#include "package/complement.h"
#include "package/package_fixture.h"
#include "package/xscr.h"

namespace saverkit {
namespace {

using testing::PackagedFile;

constexpr int kAny = -1;

struct DamageCase {
  const char* what;
  std::function<void(PackagedFile&)> damage;
  bool packaged;
  int items;  // kAny: whatever fits, but never more than the file could describe
  int music;
  bool background;
  bool licence;
  bool firstPicture;  // item 0 decodes
  int firstLabels;    // labels on item 0
};

// Offsets inside the stored package (see FullContents: 4 items, 2 music, format 5).
int64_t LocatorOf(const PackagedFile& f, int item) { return f.layout.directoryOffset + item * int64_t(kItemEntrySize); }
int64_t LabelTrailerAt(const PackagedFile& f) {
  return int64_t(f.bytes.size()) - f.base - int64_t(PackageTrailer::kSize + LabelTrailer::kSize);
}
void Truncate(PackagedFile& f, size_t size) { f.bytes.resize(size); }

const DamageCase kCases[] = {
    {"file shorter than a trailer", [](PackagedFile& f) { Truncate(f, 399); }, false, 0, 0, false, false, false, 0},
    {"last byte cut off", [](PackagedFile& f) { Truncate(f, f.bytes.size() - 1); }, false, 0, 0, false, false, false, 0},
    {"package longer than the file",
     [](PackagedFile& f) { f.EditTrailer([&](PackageTrailer& t) { t.PackageLength = int32_t(f.bytes.size()) + 1; }); },
     false, 0, 0, false, false, false, 0},
    {"negative package length", [](PackagedFile& f) { f.EditTrailer([](PackageTrailer& t) { t.PackageLength = -400; }); },
     false, 0, 0, false, false, false, 0},
    {"signature in other letter case",
     [](PackagedFile& f) { f.EditTrailer([](PackageTrailer& t) { t.Info.Signature[0] = 't'; }); }, false, 0, 0, false,
     false, false, 0},
    {"item count of two billion",
     [](PackagedFile& f) { f.EditTrailer([](PackageTrailer& t) { t.Info.ItemCount = 2000000000; }); }, true, kAny, 0, true,
     true, true, 2},
    {"music count of two billion",
     [](PackagedFile& f) { f.EditTrailer([](PackageTrailer& t) { t.Info.MusicCount = 2000000000; }); }, true, 4, kAny,
     true, true, true, 2},
    {"negative counts",
     [](PackagedFile& f) {
       f.EditTrailer([](PackageTrailer& t) {
         t.Info.ItemCount = -1;
         t.Info.MusicCount = -7;
       });
     },
     true, 0, 0, true, true, false, 0},
    {"directory past the end",
     [](PackagedFile& f) { f.EditTrailer([](PackageTrailer& t) { t.DirectoryOffset = 0x7FFFFFF0; }); }, true, 0, 0, true,
     true, false, 0},
    {"directory before the file",
     [](PackagedFile& f) { f.EditTrailer([](PackageTrailer& t) { t.DirectoryOffset = -0x7FFFFFF0; }); }, true, 0, 0,
     true, true, false, 0},
    {"directory running off the end",
     [](PackagedFile& f) {
       const int32_t near = int32_t(int64_t(f.bytes.size()) - f.base - 100);
       f.EditTrailer([&](PackageTrailer& t) { t.DirectoryOffset = near; });
     },
     true, 1, 0, true, true, false, 2},
    {"negative item length", [](PackagedFile& f) { f.PutPlainI32(LocatorOf(f, 0) + 4, -5); }, true, 4, 2, true, true,
     false, 2},
    {"item length of two billion", [](PackagedFile& f) { f.PutPlainI32(LocatorOf(f, 0) + 4, 0x7FFFFFFF); }, true, 4, 2,
     true, true, false, 2},
    {"item offset before the file", [](PackagedFile& f) { f.PutPlainI32(LocatorOf(f, 0), -0x7FFFFFFF); }, true, 4, 2,
     true, true, false, 2},
    {"item truncated inside its header", [](PackagedFile& f) { f.PutPlainI32(LocatorOf(f, 0) + 4, 100); }, true, 4, 2,
     true, true, false, 2},
    {"picture cut short in its data",
     [](PackagedFile& f) {
       // Stored again as a shorter item, so that its leading eighth is that of the shorter length.
       std::vector<uint8_t> cut = testing::FullContents().items[0].data;
       cut.resize(cut.size() - 100);
       ComplementLeadingEighth(cut);
       std::copy(cut.begin(), cut.end(), f.bytes.begin() + f.base + f.layout.itemOffsets[0]);
       f.PutPlainI32(LocatorOf(f, 0) + 4, int32_t(cut.size()));
     },
     true, 4, 2, true, true, false, 2},
    {"corrupt picture", [](PackagedFile& f) { f.bytes[size_t(f.base + f.layout.itemOffsets[0])] = 0x42; }, true, 4, 2,
     true, true, false, 2},
    {"label trailer without marker", [](PackagedFile& f) { f.bytes[size_t(f.base + LabelTrailerAt(f))] = 'X'; }, true,
     4, 2, false, false, true, 0},
    {"negative label length", [](PackagedFile& f) { f.PutPlainI32(LabelTrailerAt(f) + 20, -8); }, true, 4, 2, false,
     false, true, 0},
    {"label block up to the end of the file",
     [](PackagedFile& f) {
       f.PutPlainI32(LabelTrailerAt(f) + 20, int32_t(int64_t(f.bytes.size()) - f.base - f.layout.labelOffset));
     },
     true, 4, 2, false, false, true, 0},
    {"label group check wrong", [](PackagedFile& f) { f.PutComplementedI32(f.layout.labelOffset + 20, 4 + 889); }, true,
     4, 2, true, true, true, 0},
    {"label count of two billion",
     [](PackagedFile& f) {
       f.PutComplementedI32(f.layout.labelOffset + 24, 2000000000);
       f.PutComplementedI32(f.layout.labelOffset + 28, 2000000999);
     },
     true, 4, 2, true, true, true, 0},
    {"music names past the end", [](PackagedFile& f) { f.PutComplementedI32(f.layout.extensionOffset + 4, 0x7FFFFFFF); },
     true, 4, 2, false, false, true, 2},
    {"background past the end", [](PackagedFile& f) { f.PutComplementedI32(f.layout.extensionOffset + 16, 0x7FFFFFFF); },
     true, 4, 2, false, false, true, 2},
    {"background not a picture",
     [](PackagedFile& f) {
       // The picture follows the 20-byte extension block and the 21 bytes of music names.
       f.bytes[size_t(f.base + f.layout.extensionOffset + 20 + 21)] ^= 0xFF;
     },
     true, 4, 2, false, true, true, 2},
    {"licence length of two billion", [](PackagedFile& f) { f.PutComplementedI32(f.layout.licenceOffset, 0x7FFFFFFF); },
     true, 4, 2, true, false, true, 2},
};

void PrintTo(const DamageCase& c, std::ostream* out) { *out << c.what; }

class DamagedPackageTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedPackageTest, KeepsWhatItCouldReadAndNeverCrashes) {
  const DamageCase& c = GetParam();
  testing::TempFolder folder, temp;
  PackagedFile file = testing::WritePackagedFile(folder.File("saver.scr"), testing::FullContents());
  c.damage(file);
  file.Save();
  XSCR reader(testing::TestEnvironment(file.path, temp.Path()));

  EXPECT_EQ(reader.Packaged(), c.packaged);
  if (c.items == kAny)
    EXPECT_LE(int64_t(reader.ItemCount()) * int64_t(kItemEntrySize), int64_t(file.bytes.size()));
  else
    EXPECT_EQ(reader.ItemCount(), c.items);
  if (c.music == kAny)
    EXPECT_LE(int64_t(reader.MusicCount()) * int64_t(kMusicEntrySize), int64_t(file.bytes.size()));
  else
    EXPECT_EQ(reader.MusicCount(), c.music);
  EXPECT_EQ(reader.Info().ItemCount, reader.ItemCount());
  EXPECT_EQ(reader.Labels().Count(), reader.ItemCount());
  EXPECT_EQ(reader.Background() != nullptr, c.background);
  EXPECT_EQ(!reader.LicenceText().empty(), c.licence);
  Bitmap picture;
  EXPECT_EQ(reader.LoadPicture(0, XSCR::kFullScale, picture), c.firstPicture);
  EXPECT_EQ(reader.ItemCount() > 0 ? reader.Labels().Get(0)->Count() : 0, c.firstLabels);
  for (int k = 0; k < reader.MusicCount(); ++k) EXPECT_FALSE(reader.MusicName(k).empty());

  // Whatever was read, every item can be asked for without harm.
  for (int i = 0; i < std::min(reader.ItemCount(), 64); ++i) {
    Bitmap thumbnail;
    reader.Thumbnail(i, 120, 90, thumbnail);
    std::string path;
    reader.ExtractMovie(i, path);
  }
  testing::TempFolder out;
  reader.SaveAll(out.Path(), true, true);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedPackageTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DamageCase>& info) {
                           std::string name;
                           for (const char* p = info.param.what; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

}  // namespace
}  // namespace saverkit
