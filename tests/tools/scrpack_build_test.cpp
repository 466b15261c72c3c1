// `scrpack build` run as a process, as authors run it: good manifests give a readable screen saver,
// each bad one gives exit code 1, one message on stderr and no output file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>

#include "package_readback.h"
#include "photo_fixture.h"
#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct RunResult {
  int exitCode = -1;
  std::string err;
  std::string out;
};

class ScrpackBuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder of each test's own: ctest runs the tests of this fixture side by side.
    folder_ = fs::path(::testing::TempDir()) /
              ("scrpack_build_test_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "show" / "media");
    Bitmap picture(64, 48, Rgb{200, 80, 20});
    for (int y = 0; y < 48; ++y) picture.SetPixel(y, y, Rgb{255, 255, 255});
    WriteWholeFile((folder_ / "show/media/picture.jpg").string(), EncodeJpeg(picture, 85));
    WriteWholeFile((folder_ / "show/media/movie.swf").string(), {'F', 'W', 'S', 6, 40, 0, 0, 0, 1, 2, 3, 4});
    WriteWholeFile((folder_ / "show/media/tone.wav").string(), std::vector<uint8_t>(100, 7));
    WriteWholeFile((folder_ / "show/media/notjpeg.jpg").string(), {'G', 'I', 'F', '8', '9', 'a', 0, 0});
    WriteWholeFile((folder_ / "show/licence.txt").string(), {'O', 'K'});
    WriteWholeFile((folder_ / "show/static.ini").string(), {'[', 'F', 'S', '_', '0', ']'});
    WriteWholeFile((folder_ / "runtime.exe").string(), std::vector<uint8_t>(2048, 0x90));
  }
  void TearDown() override { fs::remove_all(folder_); }

  static json GoodManifest() {
    return json::parse(R"({
      "name": "Test Show",
      "description": "A café at night",
      "author": {"name": "Ana", "email": "ana@example.org", "homePage": "https://example.org"},
      "formatVersion": 5,
      "defaults": {"seconds": 4, "effect": 51, "step": 5, "delay": 25, "outEffect": 7, "outStep": 6, "outDelay": 26},
      "backgroundColor": "#112233",
      "randomOrder": true,
      "designWidth": 1024, "designHeight": 768,
      "motionMode": 0,
      "ignoreMouseMove": 1,
      "opacity": 90,
      "cursorVisible": true,
      "background": "media/picture.jpg",
      "licence": "licence.txt",
      "texts": {"dynamic": ["Zero", "One\\nTwo"], "static": {"FS_0": {"S_1001": "Pictures"}}},
      "items": [
        {"picture": "media/picture.jpg",
         "labels": [{"text": "Hello", "font": "Verdana", "size": 30, "style": ["bold", "strikeout"],
                     "color": "#FF0000", "backColor": 255, "transparent": false, "x": 512, "y": 700}]},
        {"movie": "media/movie.swf", "seconds": -12, "effect": -2, "fixedPosition": false,
         "x": 10, "y": 20, "width": 300, "height": 200, "overlay": true}
      ],
      "music": [{"path": "media/tone.wav"}, {"path": "media/tone.wav", "suffix": ".mid", "name": "Second"}]
    })");
  }

  std::string Path(const std::string& relative) const { return (folder_ / relative).string(); }

  // Writes the manifest into show/ and runs scrpack from another folder, so relative paths must
  // be taken from the manifest's folder.
  RunResult Build(const json& manifest, const std::string& out, const std::string& extra = "") {
    WriteManifestText(manifest.dump(2));
    return Run("build " + Path("show/manifest.json") + " --runtime " + Path("runtime.exe") + " --out " + out + " " + extra);
  }

  void WriteManifestText(const std::string& text) {
    WriteWholeFile(Path("show/manifest.json"), std::vector<uint8_t>(text.begin(), text.end()));
  }

  // `shell` comes before scrpack in the same shell, to set limits for it.
  RunResult Run(const std::string& arguments, const std::string& shell = "") {
    const std::string errPath = Path("stderr.txt"), outPath = Path("stdout.txt");
    const std::string command =
        "cd / && " + shell + " '" SCRPACK_PATH "' " + arguments + " >'" + outPath + "' 2>'" + errPath + "'";
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const std::vector<uint8_t> err = ReadWholeFile(errPath), out = ReadWholeFile(outPath);
    result.err.assign(err.begin(), err.end());
    result.out.assign(out.begin(), out.end());
    fs::remove(outPath);
    return result;
  }

  fs::path folder_;
};

TEST_F(ScrpackBuildTest, GoodManifestGivesAPackageWithEveryField) {
  const std::string out = Path("Test.exe");
  const RunResult run = Build(GoodManifest(), out);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::optional<ReadBackPackage> back = ReadBack(out);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->base, 2048);
  const InfoRecord& info = back->trailer.Info;
  EXPECT_EQ(back->name, "Test Show");
  EXPECT_EQ(info.Description, "A caf\xE9 at night");  // written in the Windows-1252 code page
  EXPECT_EQ(info.Edition, kEditionSetup);
  EXPECT_EQ(info.FormatVersion, 5);
  EXPECT_EQ(info.DefaultSeconds, 4);
  EXPECT_EQ(info.DefaultEffect, 51);
  EXPECT_EQ(info.DefaultOutDelay, 26);
  EXPECT_EQ(info.BackgroundColor, 0x00332211);
  EXPECT_EQ(info.RandomOrder, 1);
  EXPECT_EQ(info.DesignWidth, 1024);
  EXPECT_EQ(info.MotionMode, 0);
  EXPECT_EQ(info.IgnoreMouseMove, 1);
  ASSERT_TRUE(back->author);
  EXPECT_EQ(back->author->Email, "ana@example.org");
  ASSERT_TRUE(back->extension);
  EXPECT_EQ(back->extension->DesignHeight, 768);
  EXPECT_EQ(back->extension->Opacity, 90);
  EXPECT_EQ(back->extension->CursorVisible, 1);
  EXPECT_EQ(back->background, ReadWholeFile(Path("show/media/picture.jpg")));
  EXPECT_EQ(back->licence, "OK");
  EXPECT_EQ(back->dynamicTexts, "Zero\r\nOne\\nTwo\r\n");
  EXPECT_EQ(back->staticTexts, "[FS_0]\r\nS_1001=Pictures\r\n");

  ASSERT_EQ(back->items.size(), 2u);
  const ItemRecord& picture = back->items[0].record;
  // Fields an item leaves out come from the defaults; motion mode 0 makes items fixed.
  EXPECT_EQ(picture.Kind, kKindPicture);
  EXPECT_EQ(picture.Seconds, 4);
  EXPECT_EQ(picture.Effect, 51);
  EXPECT_EQ(picture.Step, 5);
  EXPECT_EQ(picture.OutEffect, 7);
  EXPECT_EQ(picture.FixedPosition, 1);
  EXPECT_EQ(back->items[0].data, ReadWholeFile(Path("show/media/picture.jpg")));
  const ItemRecord& movie = back->items[1].record;
  EXPECT_EQ(movie.Kind, kKindMovie);
  EXPECT_EQ(movie.Seconds, -12);
  EXPECT_EQ(movie.Effect, -2);
  EXPECT_EQ(movie.FixedPosition, 0);
  EXPECT_EQ(movie.X, 10);
  EXPECT_EQ(movie.Height, 200);
  EXPECT_EQ(movie.Overlay, 1);

  ASSERT_EQ(back->labels.Count(), 2);
  ASSERT_EQ(back->labels.Get(0)->Count(), 1);
  const LabelRecord& label = *back->labels.Get(0)->Get(0);
  EXPECT_EQ(label.Text(), "Hello");
  EXPECT_EQ(label.FontName, "Verdana");
  EXPECT_EQ(label.FontSize, 30);
  EXPECT_EQ(label.FontStyle, LabelRecord::kBold | LabelRecord::kStrikeOut);
  EXPECT_EQ(label.FontColor, 0x000000FF);
  EXPECT_EQ(label.BackColor, 255);
  EXPECT_EQ(label.Transparent, 0);
  EXPECT_EQ(label.CenterX, 512);
  EXPECT_EQ(back->labels.Get(1)->Count(), 0);

  ASSERT_EQ(back->music.size(), 2u);
  EXPECT_EQ(back->music[0].record.FileSuffix, ".wav");
  EXPECT_EQ(back->music[1].record.FileSuffix, ".mid");
  EXPECT_EQ(back->musicNames, "tone\r\nSecond");
}

TEST_F(ScrpackBuildTest, EditionFromCommandLineThenManifestThenOutput) {
  struct Case {
    const char* out;
    const char* manifestEdition;  // empty: not given
    const char* extra;
    uint8_t edition;
  };
  const Case cases[] = {{"a.exe", "", "", kEditionSetup},
                        {"b.SCR", "", "", kEditionInstalled},
                        {"c.exe", "", "--edition S", kEditionInstalled},
                        {"d.scr", "", "--edition E", kEditionSetup},
                        {"e.exe", "S", "", kEditionInstalled},
                        {"f.scr", "S", "--edition E", kEditionSetup}};
  for (const Case& c : cases) {
    json manifest = GoodManifest();
    if (*c.manifestEdition) manifest["edition"] = c.manifestEdition;
    const RunResult run = Build(manifest, Path(c.out), c.extra);
    ASSERT_EQ(run.exitCode, 0) << c.out << run.err;
    const std::optional<ReadBackPackage> back = ReadBack(Path(c.out));
    ASSERT_TRUE(back) << c.out;
    EXPECT_EQ(back->trailer.Info.Edition, c.edition) << c.out;
  }
}

TEST_F(ScrpackBuildTest, MinimalManifestTakesDefaults) {
  const RunResult run = Build(json::parse(R"({"name": "  Minimal  ", "items": [{"picture": "media/picture.jpg"}]})"), Path("m.scr"));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::optional<ReadBackPackage> back = ReadBack(Path("m.scr"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, "Minimal");
  EXPECT_EQ(back->trailer.Info.FormatVersion, 5);
  EXPECT_FALSE(back->author);
  EXPECT_EQ(back->trailer.Info.DefaultSeconds, 10);
  EXPECT_EQ(back->items[0].record.Effect, -1);
  EXPECT_EQ(back->items[0].record.FixedPosition, 0);
  EXPECT_EQ(back->extension->Opacity, 100);
  EXPECT_EQ(back->licenceLength, 0);
}

TEST_F(ScrpackBuildTest, BadManifestsFailWithOneMessageAndNoOutput) {
  struct Case {
    const char* name;
    std::function<void(json&)> damage;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"missing name", [](json& m) { m.erase("name"); }, "name: is required"},
      {"name too long", [](json& m) { m["name"] = std::string(65, 'n'); }, "name: is longer than 64 bytes"},
      {"description too long", [](json& m) { m["description"] = std::string(259, 'd'); }, "description: is longer than 258"},
      {"author not an object", [](json& m) { m["author"] = "Ana"; }, "author: must be an object"},
      {"e-mail too long", [](json& m) { m["author"]["email"] = std::string(33, 'e'); }, "author.email: is longer than 32"},
      {"unknown field", [](json& m) { m["colour"] = 1; }, "colour: is not a known field"},
      {"unknown item field", [](json& m) { m["items"][0]["efect"] = 3; }, "items[0].efect: is not a known field"},
      {"effect out of range", [](json& m) { m["items"][1]["effect"] = 128; }, "items[1].effect: must be a whole number from -2 to 127"},
      {"step of wrong type", [](json& m) { m["defaults"]["step"] = "fast"; }, "defaults.step: must be a whole number from 0 to 100, not a text"},
      {"seconds as fraction", [](json& m) { m["defaults"]["seconds"] = 2.5; }, "defaults.seconds: must be a whole number"},
      {"opacity too high", [](json& m) { m["opacity"] = 101; }, "opacity: must be a whole number from 0 to 100"},
      {"format version 2", [](json& m) { m["formatVersion"] = 2; }, "formatVersion: must be a whole number from 3 to 5"},
      {"bad colour", [](json& m) { m["backgroundColor"] = "#12345"; }, "backgroundColor: must be \"#RRGGBB\""},
      {"negative colour", [](json& m) { m["backgroundColor"] = -1; }, "backgroundColor: must be \"#RRGGBB\""},
      {"bad style", [](json& m) { m["items"][0]["labels"][0]["style"] = json::array({"heavy"}); }, "items[0].labels[0].style"},
      {"label without text", [](json& m) { m["items"][0]["labels"][0].erase("text"); }, "items[0].labels[0].text"},
      {"font name too long", [](json& m) { m["items"][0]["labels"][0]["font"] = std::string(32, 'f'); }, "items[0].labels[0].font: is longer than 31"},
      {"no items", [](json& m) { m["items"] = json::array(); }, "items: must list at least one"},
      {"item with both kinds", [](json& m) { m["items"][0]["movie"] = "media/movie.swf"; }, "items[0].picture: give exactly one"},
      {"missing picture", [](json& m) { m["items"][0]["picture"] = "media/gone.jpg"; }, "gone.jpg': no such file"},
      {"picture that is not a JPEG", [](json& m) { m["items"][0]["picture"] = "media/notjpeg.jpg"; }, "notjpeg.jpg': not a picture scrpack reads"},
      {"background that is not a JPEG", [](json& m) { m["background"] = "media/movie.swf"; }, "background: "},
      {"movie that is not a Flash movie", [](json& m) { m["items"][1]["movie"] = "media/picture.jpg"; }, "is not a Flash movie"},
      {"missing licence", [](json& m) { m["licence"] = "nolicence.txt"; }, "licence: cannot read"},
      {"music suffix too long", [](json& m) { m["music"][1]["suffix"] = ".longer1"; }, "music[1].suffix: is longer than 7"},
      {"music without extension", [](json& m) { m["music"][0]["path"] = "licence.txt"; m["music"][0]["suffix"] = ""; }, "music[0].suffix"},
      {"dynamic text with a line break", [](json& m) { m["texts"]["dynamic"][0] = "a\nb"; }, "texts.dynamic[0]: holds a line break"},
      {"character outside the code page", [](json& m) { m["description"] = "\xE2\x98\x83"; }, "description: holds a character"},
      {"edition unknown", [](json& m) { m["edition"] = "X"; }, "edition: must be \"E\""},
  };
  for (const Case& c : cases) {
    json manifest = GoodManifest();
    c.damage(manifest);
    const std::string out = Path("Bad.exe");
    const RunResult run = Build(manifest, out);
    EXPECT_EQ(run.exitCode, 1) << c.name;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
    EXPECT_NE(run.err.find("manifest.json"), std::string::npos) << c.name << ": " << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.name << ": " << run.err;
    EXPECT_FALSE(fs::exists(out)) << c.name;
  }
}

TEST_F(ScrpackBuildTest, BadFilesAndCommandLinesFailWithoutOutput) {
  struct Case {
    const char* name;
    std::string manifestText;  // empty: the good manifest
    std::string arguments;     // after "build"; {M} is the manifest, {R} the runtime, {O} the output
    const char* message;
  };
  const std::vector<Case> cases = {
      {"malformed JSON", "{\"name\": \"x\",", "{M} --runtime {R} --out {O}", "not a valid JSON file"},
      {"top level not an object", "[1, 2]", "{M} --runtime {R} --out {O}", "must be an object"},
      {"missing manifest", "", "{M}.gone --runtime {R} --out {O}", "cannot read the manifest"},
      {"missing runtime", "", "{M} --runtime {R}.gone --out {O}", "cannot read the runtime"},
      {"output with another extension", "", "{M} --runtime {R} --out {O}.txt", "must end in .exe"},
      {"missing --runtime", "", "{M} --out {O}", "--runtime"},
      {"bad edition", "", "{M} --runtime {R} --out {O} --edition X", "--edition"},
      {"output folder missing", "", "{M} --runtime {R} --out {F}/nowhere/x.exe", "cannot write"},
      {"output folder is a file", "", "{M} --runtime {R} --out {F}/runtime.exe/x.exe", "cannot write"},
  };
  for (const Case& c : cases) {
    WriteManifestText(c.manifestText.empty() ? GoodManifest().dump() : c.manifestText);
    std::string arguments = c.arguments;
    const std::pair<std::string, std::string> fills[] = {
        {"{M}", Path("show/manifest.json")}, {"{R}", Path("runtime.exe")}, {"{O}", Path("Out.exe")}, {"{F}", folder_.string()}};
    for (const auto& [key, value] : fills)
      for (size_t at = arguments.find(key); at != std::string::npos; at = arguments.find(key)) arguments.replace(at, key.size(), value);
    const RunResult run = Run("build " + arguments);
    EXPECT_EQ(run.exitCode, 1) << c.name;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
    EXPECT_FALSE(fs::exists(Path("Out.exe"))) << c.name;
    EXPECT_FALSE(fs::exists(Path("Out.exe.txt"))) << c.name;
  }
  // Only the runtime, the material folder and the captured stderr remain: no temporary files.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 3);
}

// The package is written as its files are read: a build that fails after some of them went into
// the output leaves the old screen saver as it was, and no temporary file beside it.
TEST_F(ScrpackBuildTest, AFailureMidwayKeepsTheOldOutputAndLeavesNoTemporaryFile) {
  // A movie large enough to pass the file size limit of the full-disk case on its own.
  std::vector<uint8_t> movie = ReadWholeFile(Path("show/media/movie.swf"));
  movie.resize(256 * 1024, 0x5A);
  WriteWholeFile(Path("show/media/large.swf"), movie);
  // A photo that vanished: its name is still there, pointing nowhere.
  WriteWholeFile(Path("show/media/deleted.jpg"), {});
  fs::create_symlink(Path("show/media/deleted.jpg"), Path("show/media/vanished.jpg"));
  fs::remove(Path("show/media/deleted.jpg"));
  struct Case {
    const char* name;
    std::function<void(json&)> change;
    std::string shell;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"a photo that vanished", [](json& m) { m["items"].push_back({{"picture", "media/vanished.jpg"}}); }, "",
       "items[2].picture: cannot read"},
      {"a music that is not there", [](json& m) { m["music"].push_back({{"path", "media/gone.mp3"}}); }, "",
       "music[2].path: cannot read"},
      // The limit stands for a full disk; scrpack must see the failed write, not be stopped by a signal.
      {"the disk fills up", [](json& m) { m["items"].push_back({{"movie", "media/large.swf"}}); },
       "trap '' XFSZ; ulimit -f 64;", "cannot write"},
  };
  for (const Case& c : cases) {
    const std::string out = Path("Old.scr");
    WriteWholeFile(out, {1, 2, 3});
    json manifest = GoodManifest();
    c.change(manifest);
    WriteManifestText(manifest.dump(2));
    const RunResult run = Run("build " + Path("show/manifest.json") + " --runtime " + Path("runtime.exe") + " --out " + out, c.shell);
    EXPECT_EQ(run.exitCode, 1) << c.name;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.name << ": " << run.err;
    EXPECT_EQ(ReadWholeFile(out), (std::vector<uint8_t>{1, 2, 3})) << c.name;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
      EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << c.name << ": " << entry.path();
  }
}

// A folder of photos as a phone leaves it: numbered files, a hidden file and a note beside them.
class ScrpackFolderTest : public ScrpackBuildTest {
 protected:
  void SetUp() override {
    ScrpackBuildTest::SetUp();
    fs::create_directories(folder_ / "photos");
    for (int n = 1; n <= 12; ++n) {
      Bitmap picture(32, 24, Rgb{uint8_t(n * 20), uint8_t(255 - n * 20), 90});
      WriteWholeFile(Path("photos/" + std::to_string(n) + ".jpg"),
                     testing::JpegWithExif(picture, 1, "2023:07:" + std::to_string(10 + n) + " 09:00:00"));
    }
    WriteWholeFile(Path("photos/.thumbnail.jpg"), EncodeJpeg(Bitmap(8, 8), 80));
    WriteWholeFile(Path("photos/notes.txt"), {'h', 'i'});
  }

  // The items' pictures as file names, by comparing with the files' bytes.
  std::vector<std::string> PackedNames(const ReadBackPackage& back) {
    std::vector<std::string> names;
    for (const ReadBackItem& item : back.items)
      for (int n = 1; n <= 12; ++n)
        if (item.data == ReadWholeFile(Path("photos/" + std::to_string(n) + ".jpg"))) names.push_back(std::to_string(n));
    return names;
  }
};

TEST_F(ScrpackFolderTest, TwelvePicturesPackInNaturalOrderWithProgressAndSummary) {
  fs::create_directories(folder_ / "music");
  WriteWholeFile(Path("music/10 Finale.mp3"), std::vector<uint8_t>(64, 1));
  WriteWholeFile(Path("music/2 Dawn.wav"), std::vector<uint8_t>(64, 2));
  WriteWholeFile(Path("music/cover.jpg"), EncodeJpeg(Bitmap(8, 8), 80));
  const RunResult run = Run("build --pictures " + Path("photos") + " --music " + Path("music") +
                            " --name Twelve --caption date --runtime " + Path("runtime.exe") + " --out " + Path("Twelve.scr"));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::optional<ReadBackPackage> back = ReadBack(Path("Twelve.scr"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, "Twelve");
  EXPECT_EQ(PackedNames(*back), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
  // Fitted into the default design screen, which the package now carries.
  EXPECT_EQ(back->trailer.Info.DesignWidth, 1920);
  EXPECT_EQ(back->extension->DesignHeight, 1080);
  EXPECT_EQ(back->items[0].record.Width, 32);
  EXPECT_EQ(back->items[0].record.Height, 24);
  ASSERT_EQ(back->labels.Get(9)->Count(), 1);
  EXPECT_EQ(back->labels.Get(9)->Get(0)->Text(), "20 July 2023");
  // Skipped files are named; with twelve files each gets a progress line (stderr is no terminal).
  EXPECT_NE(run.err.find("skipped .thumbnail.jpg (hidden)"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("skipped notes.txt (not a picture)"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("packing 1/12 1.jpg"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("packing 12/12 12.jpg"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("skipped cover.jpg (not music)"), std::string::npos) << run.err;
  // The music in natural order, each under its file name and with its own suffix.
  ASSERT_EQ(back->music.size(), 2u);
  EXPECT_EQ(back->music[0].record.FileSuffix, ".wav");
  EXPECT_EQ(back->music[1].record.FileSuffix, ".mp3");
  EXPECT_EQ(back->musicNames, "2 Dawn\r\n10 Finale");
  EXPECT_NE(run.out.find("12 items, 2 music"), std::string::npos) << run.out;
}

TEST_F(ScrpackFolderTest, InitWritesAManifestThatBuildsAsItStands) {
  const RunResult init = Run("init " + Path("photos") + " --name \"Summer 2023\" --caption file");
  ASSERT_EQ(init.exitCode, 0) << init.err;
  const std::vector<uint8_t> text = ReadWholeFile(Path("photos/show.json"));
  ASSERT_FALSE(text.empty());
  EXPECT_NE(std::string(text.begin(), text.end()).find("// "), std::string::npos) << "the manifest explains itself";
  const RunResult build = Run("build " + Path("photos/show.json") + " --runtime " + Path("runtime.exe") + " --out " + Path("Summer.scr"));
  ASSERT_EQ(build.exitCode, 0) << build.err;
  const std::optional<ReadBackPackage> back = ReadBack(Path("Summer.scr"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, "Summer 2023");
  EXPECT_EQ(PackedNames(*back).size(), 12u);
  EXPECT_EQ(PackedNames(*back).back(), "12");
  EXPECT_EQ(back->labels.Get(1)->Get(0)->Text(), "2");
  // A second init does not overwrite the author's edits unless told to.
  EXPECT_EQ(Run("init " + Path("photos")).exitCode, 1);
  EXPECT_EQ(Run("init " + Path("photos") + " --force").exitCode, 0);
}

TEST_F(ScrpackBuildTest, PhotosAreFittedUprightAndShrunkInThePackage) {
  const Bitmap upright = testing::Quadrants(48, 64);
  WriteWholeFile(Path("show/media/big.jpg"), EncodeJpeg(testing::Quadrants(4000, 3000), 80));
  WriteWholeFile(Path("show/media/upright.jpg"), testing::JpegWithExif(testing::StoredForOrientation(upright, 6), 6));
  WriteWholeFile(Path("show/media/drawing.png"), testing::PngOf(upright));
  const struct {
    const char* name;
    json design;  // designWidth, designHeight
    std::string extra;
    int bigWidth, bigHeight;      // the record's size
    int storedWidth, storedHeight;  // the packed picture's size
  } cases[] = {
      {"design 1024x768", {1024, 768}, "", 1024, 768, 2048, 1536},
      {"viewer's screen", {0, 0}, "", 1440, 1080, 2880, 2160},
      {"max size given", {1024, 768}, "--max-size 800x600 --quality 70", 1024, 768, 800, 600},
      {"never shrink", {1024, 768}, "--max-size none", 1024, 768, 4000, 3000},
  };
  for (const auto& c : cases) {
    json manifest = json::parse(R"({"name": "Photos", "items": [
      {"picture": "media/big.jpg"}, {"picture": "media/upright.jpg"}, {"picture": "media/drawing.png"},
      {"picture": "media/picture.jpg", "fit": "none"}, {"picture": "media/picture.jpg", "width": 300, "height": 100}]})");
    manifest["designWidth"] = c.design[0];
    manifest["designHeight"] = c.design[1];
    const RunResult run = Build(manifest, Path("Photos.scr"), c.extra);
    ASSERT_EQ(run.exitCode, 0) << c.name << ": " << run.err;
    const std::optional<ReadBackPackage> back = ReadBack(Path("Photos.scr"));
    ASSERT_TRUE(back) << c.name;
    const ItemRecord& big = back->items[0].record;
    EXPECT_EQ(big.Width, c.bigWidth) << c.name;
    EXPECT_EQ(big.Height, c.bigHeight) << c.name;
    Bitmap stored;
    ASSERT_TRUE(DecodeJpeg(back->items[0].data, 3, stored)) << c.name;
    EXPECT_EQ(stored.Width(), c.storedWidth / 8) << c.name;
    EXPECT_EQ(stored.Height(), c.storedHeight / 8) << c.name;
    if (c.storedWidth == 4000) {
      EXPECT_EQ(back->items[0].data, ReadWholeFile(Path("show/media/big.jpg"))) << c.name;
    }

    Bitmap photo, drawing;
    ASSERT_TRUE(DecodeJpeg(back->items[1].data, 0, photo));
    EXPECT_TRUE(testing::ShowsQuadrants(photo)) << c.name << ": the photo is not upright";
    EXPECT_EQ(back->items[1].record.Width, 48);  // smaller than the screen: its own size
    EXPECT_EQ(back->items[1].record.Height, 64);
    ASSERT_TRUE(DecodeJpeg(back->items[2].data, 0, drawing)) << c.name << ": the PNG is not stored as JPEG";
    EXPECT_TRUE(testing::ShowsQuadrants(drawing));
    EXPECT_EQ(back->items[3].record.Width, 0) << "fit none keeps the picture's own size";
    EXPECT_EQ(back->items[4].record.Width, 300) << "a size of its own stays";
    EXPECT_NE(run.out.find("rotated upright (1): upright.jpg"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("converted to JPEG (1): drawing.png"), std::string::npos) << run.out;
    // Left to the viewer's screen, the design screen becomes the default one.
    EXPECT_EQ(back->trailer.Info.DesignWidth, c.design[0] == 0 ? 1920 : c.design[0].get<int>()) << c.name;
    EXPECT_EQ(back->extension->DesignHeight, c.design[1] == 0 ? 1080 : c.design[1].get<int>()) << c.name;
  }
}

TEST_F(ScrpackBuildTest, ABadPictureFailsTheBuildUnlessSkipped) {
  std::vector<uint8_t> cut = ReadWholeFile(Path("show/media/picture.jpg"));
  cut.resize(cut.size() - 40);
  WriteWholeFile(Path("show/media/cut.jpg"), cut);
  const json manifest = json::parse(R"({"name": "Skip", "items": [
      {"picture": "media/picture.jpg"}, {"picture": "media/cut.jpg"}, {"picture": "media/gone.jpg"}]})");
  const RunResult failed = Build(manifest, Path("Skip.scr"));
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_NE(failed.err.find("items[1].picture: '"), std::string::npos) << failed.err;
  EXPECT_NE(failed.err.find("cut.jpg': a JPEG cut short"), std::string::npos) << failed.err;
  EXPECT_FALSE(fs::exists(Path("Skip.scr")));

  const RunResult skipped = Build(manifest, Path("Skip.scr"), "--skip-bad");
  ASSERT_EQ(skipped.exitCode, 0) << skipped.err;
  EXPECT_NE(skipped.err.find("warning: skipped"), std::string::npos) << skipped.err;
  EXPECT_NE(skipped.err.find("cut.jpg"), std::string::npos) << skipped.err;
  EXPECT_NE(skipped.err.find("gone.jpg"), std::string::npos) << skipped.err;
  EXPECT_NE(skipped.out.find("skipped (2)"), std::string::npos) << skipped.out;
  const std::optional<ReadBackPackage> back = ReadBack(Path("Skip.scr"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->items.size(), 1u);
}

}  // namespace
}  // namespace saverkit
