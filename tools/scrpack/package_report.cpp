#include "tools/scrpack/package_report.h"

#include <cstdio>

#include "package/package_file.h"
#include "package/texts/interface_texts.h"
#include "package/xscr.h"
#include "tools/scrpack/intake/turbo_jpeg.h"
#include "tools/scrpack/windows1252.h"

namespace saverkit {
namespace {

using json = nlohmann::ordered_json;

json Lines(const std::vector<uint8_t>& bytes) {
  json lines = json::array();
  for (const std::string& line : InterfaceTextLines(bytes)) lines.push_back(Windows1252ToUtf8(line));
  return lines;
}

std::string Colour(int32_t value) {
  const uint32_t v = uint32_t(value);
  if (v & 0xFF000000u) return "system colour " + std::to_string(v & 0xFFu);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", v & 0xFF, v >> 8 & 0xFF, v >> 16 & 0xFF);
  return text;
}

json Block(int64_t offset, int64_t size) { return {{"offset", offset}, {"size", size}}; }

json Label(const LabelRecord& label) {
  json style = json::array();
  if (label.FontStyle & LabelRecord::kBold) style.push_back("bold");
  if (label.FontStyle & LabelRecord::kItalic) style.push_back("italic");
  if (label.FontStyle & LabelRecord::kUnderline) style.push_back("underline");
  if (label.FontStyle & LabelRecord::kStrikeOut) style.push_back("strikeout");
  return {{"text", Windows1252ToUtf8(label.Text())},       {"font", Windows1252ToUtf8(label.FontName)},    {"size", label.FontSize},
          {"style", style},                   {"color", Colour(label.FontColor)}, {"transparent", label.Transparent != 0},
          {"backColor", Colour(label.BackColor)}, {"x", label.CenterX},          {"y", label.CenterY}};
}

const char* KindName(int32_t kind) {
  return kind == kKindPicture ? "picture" : kind == kKindMovie ? "movie" : "unknown";
}

json Item(const XSCR& reader, int32_t i, const json& locator) {
  const ItemRecord r = reader.GetItem(i);
  json item = {{"kind", KindName(r.Kind)}, {"kindValue", r.Kind},   {"offset", locator.at(0)}, {"size", locator.at(1)},
               {"seconds", r.Seconds},     {"effect", r.Effect},    {"step", r.Step},          {"delay", r.Delay},
               {"outEffect", r.OutEffect}, {"outStep", r.OutStep},  {"outDelay", r.OutDelay},
               {"fixedPosition", r.FixedPosition != 0}, {"x", r.X}, {"y", r.Y}, {"width", r.Width},
               {"height", r.Height},       {"overlay", r.Overlay != 0}};
  std::vector<uint8_t> data;
  if (r.Kind == kKindPicture && reader.ReadItemData(i, data)) {
    JpegHeader header;
    std::string error;
    item["picture"] = ReadJpegHeader(data, header, error) ? json{{"width", header.width}, {"height", header.height}}
                                                           : json{{"error", error}};
  }
  json labels = json::array();
  if (const LabelList* list = reader.Labels().Get(i))
    for (int l = 0; l < list->Count(); ++l) labels.push_back(Label(*list->Get(l)));
  item["labels"] = labels;
  return item;
}

// The directory's locators, read plain from the file; [offset, length] per entry.
std::vector<json> Locators(PackageFile& file, int64_t count, int64_t start, int64_t entrySize) {
  std::vector<json> locators;
  std::vector<uint8_t> entry;
  for (int64_t i = 0; i < count; ++i) {
    if (!file.ReadBlock(start + i * entrySize, ItemLocator::kSize, entry)) {
      locators.push_back(json{nullptr, nullptr});
      continue;
    }
    const ItemLocator locator = ItemLocator::Parse(entry.data());
    locators.push_back(json{locator.Offset, locator.Length});
  }
  return locators;
}

// Where the blocks lie, from the package base, as the reader finds them.
json Blocks(PackageFile& file, const XSCR& reader) {
  const PackageTrailer& trailer = file.Trailer();
  const InfoRecord& info = reader.Info();
  json blocks = {{"name", Block(0, NameBlock::kSize)},
                 {"author", info.HasAuthorInfo ? Block(AuthorBlock::kOffset, AuthorBlock::kSize) : json(nullptr)},
                 {"directory", Block(trailer.DirectoryOffset, reader.ItemCount() * int64_t(kItemEntrySize) +
                                                                 reader.MusicCount() * int64_t(kMusicEntrySize))},
                 {"dynamicTexts", Block(trailer.TextsOffset, trailer.DynamicTextsLength)},
                 {"staticTexts", Block(int64_t(trailer.TextsOffset) + trailer.DynamicTextsLength, trailer.StaticTextsLength)},
                 {"labelTrailer", Block(file.Size() - file.Base() - int64_t(PackageTrailer::kSize + LabelTrailer::kSize),
                                        LabelTrailer::kSize)},
                 {"trailer", Block(file.Size() - file.Base() - int64_t(PackageTrailer::kSize), PackageTrailer::kSize)}};
  const std::optional<LabelTrailer> labels = file.ValidLabelTrailer();
  blocks["labels"] = labels ? Block(labels->LabelOffset, labels->LabelLength) : json(nullptr);
  if (labels && info.FormatVersion >= 4) {
    const ExtensionBlock& extension = reader.Extension();
    int64_t at = int64_t(labels->LabelOffset) + labels->LabelLength;
    blocks["extension"] = Block(at, ExtensionBlock::kSize);
    at += ExtensionBlock::kSize;
    blocks["musicNames"] = Block(at, std::max(extension.MusicNamesLength, 0));
    at += std::max(extension.MusicNamesLength, 0);
    blocks["background"] = Block(at, std::max(extension.BackgroundLength, 0));
    at += std::max(extension.BackgroundLength, 0);
    if (info.FormatVersion >= 5)
      blocks["licence"] = Block(at, int64_t(kLicenceLengthSize) + int64_t(reader.LicenceText().size()));
  }
  return blocks;
}

}  // namespace

std::optional<json> PackageReport(const std::string& path) {
  std::optional<PackageFile> file = PackageFile::Open(path);
  ReaderEnvironment environment;
  environment.executablePath = path;  // no screen: positions stay in design pixels
  const XSCR reader(environment);
  if (!file || !reader.Packaged()) return std::nullopt;
  const InfoRecord& info = reader.Info();
  const ExtensionBlock& extension = reader.Extension();

  json report;
  report["file"] = {{"path", path}, {"size", file->Size()}, {"packageBase", file->Base()},
                    {"packageLength", file->Trailer().PackageLength}};
  report["name"] = Windows1252ToUtf8(reader.Name());
  report["description"] = Windows1252ToUtf8(info.Description);
  report["formatVersion"] = info.FormatVersion;
  report["edition"] = info.Edition >= 32 && info.Edition < 127 ? std::string(1, char(info.Edition)) : std::to_string(info.Edition);
  report["defaults"] = {{"seconds", info.DefaultSeconds},   {"effect", info.DefaultEffect},   {"step", info.DefaultStep},
                        {"delay", info.DefaultDelay},       {"outEffect", info.DefaultOutEffect},
                        {"outStep", info.DefaultOutStep},   {"outDelay", info.DefaultOutDelay}};
  report["backgroundColor"] = Colour(info.BackgroundColor);
  report["randomOrder"] = info.RandomOrder;
  report["designWidth"] = info.DesignWidth;
  report["designHeight"] = extension.DesignHeight;
  report["noSaving"] = info.NoSaving;
  report["motionMode"] = info.MotionMode;
  report["ignoreMouseMove"] = info.IgnoreMouseMove;
  report["hideGeneratorPage"] = info.HideGeneratorPage;
  report["opacity"] = extension.Opacity;
  report["cursorVisible"] = extension.CursorVisible;
  report["author"] = info.HasAuthorInfo ? json{{"name", Windows1252ToUtf8(reader.Author().Author)}, {"email", Windows1252ToUtf8(reader.Author().Email)},
                                               {"homePage", Windows1252ToUtf8(reader.Author().HomePage)}}
                                        : json(nullptr);
  const Bitmap* background = reader.Background();
  report["background"] = background ? json{{"width", background->Width()}, {"height", background->Height()}} : json(nullptr);
  report["licence"] = Windows1252ToUtf8(reader.LicenceText());
  std::vector<uint8_t> dynamicTexts, staticTexts;
  reader.ReadTextBlocks(dynamicTexts, staticTexts);
  report["texts"] = {{"dynamic", Lines(dynamicTexts)}, {"static", Lines(staticTexts)}};

  const std::vector<json> itemLocators =
      Locators(*file, reader.ItemCount(), file->Trailer().DirectoryOffset, int64_t(kItemEntrySize));
  json items = json::array();
  for (int32_t i = 0; i < reader.ItemCount(); ++i) items.push_back(Item(reader, i, itemLocators[size_t(i)]));
  report["items"] = items;
  const std::vector<json> musicLocators = Locators(
      *file, reader.MusicCount(), file->Trailer().DirectoryOffset + reader.ItemCount() * int64_t(kItemEntrySize),
      int64_t(kMusicEntrySize));
  json music = json::array();
  for (int32_t k = 0; k < reader.MusicCount(); ++k) {
    const MusicRecord record = reader.GetMusic(k);
    music.push_back({{"name", Windows1252ToUtf8(reader.MusicName(k))}, {"suffix", Windows1252ToUtf8(record.FileSuffix)},
                     {"resourceName", Windows1252ToUtf8(record.ResourceName)}, {"offset", musicLocators[size_t(k)].at(0)},
                     {"size", musicLocators[size_t(k)].at(1)}});
  }
  report["music"] = music;
  report["blocks"] = Blocks(*file, reader);
  return report;
}

namespace {

void AppendText(const json& value, const std::string& indent, std::string& out) {
  for (auto it = value.begin(); it != value.end(); ++it) {
    const std::string key = value.is_object() ? it.key() : std::to_string(std::distance(value.begin(), it) + 1);
    const json& v = it.value();
    if (v.is_structured() && !v.empty()) {
      out += indent + key + ":\n";
      AppendText(v, indent + "  ", out);
    } else {
      out += indent + key + ": " + (v.is_string() ? v.get<std::string>() : v.dump()) + "\n";
    }
  }
}

}  // namespace

std::string ReportText(const json& report) {
  std::string out;
  AppendText(report, "", out);
  return out;
}

}  // namespace saverkit
