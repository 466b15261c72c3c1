#include "tools/scrpack/manifest.h"

#include <filesystem>
#include <fstream>

#include "tools/scrpack/intake/exif_facts.h"
#include "tools/scrpack/pack_progress.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr int64_t kMaxCoordinate = 100000;
constexpr int64_t kMaxSeconds = 86400;
constexpr int64_t kMaxDelay = 65535;  // the transition engine keeps delays as 16-bit values
constexpr size_t kMaxFontNameBytes = LabelRecord::kFontNameSize - 1;
constexpr int64_t kMaxFileBytes = int64_t(1) << 30;  // a package must stay below 2 GiB in all

// Everything a build keeps while it reads pictures: the command line's choices, the summary and the
// progress shown while packing.
struct PictureBuild {
  const PackOptions& options;
  PackReport& report;
  PackProgress progress;
};

// How the pictures of the show are taken in: from `defaults`, above them the command line.
struct PictureDefaults {
  bool fit = true;
  std::string caption = "none";
  IntakeOptions intake;
  PictureSize design;  // the design screen the pictures are fitted into
};

// Resolves and reads the files a manifest names; failures name the field and the file.
class ManifestFiles {
 public:
  explicit ManifestFiles(fs::path folder) : folder_(std::move(folder)) {}

  fs::path Resolve(const std::string& path) const {
    const fs::path p = fs::u8path(path);
    return p.is_absolute() ? p : folder_ / p;
  }

  std::vector<uint8_t> Read(const ManifestFields& fields, const std::string& key, const std::string& path) const {
    const fs::path file = Resolve(path);
    std::error_code error;
    if (path.empty() || !fs::is_regular_file(file, error))
      fields.Fail(key, "cannot read '" + file.string() + "': no such file");
    const uintmax_t size = fs::file_size(file, error);
    if (error || size > uintmax_t(kMaxFileBytes)) fields.Fail(key, "'" + file.string() + "' is too large for a package");
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size())))
      fields.Fail(key, "cannot read '" + file.string() + "'");
    return bytes;
  }

  // A picture through the intake: upright, no larger than asked, stored as JPEG. A file that cannot
  // be read or is no picture fails the build, or with --skip-bad is left out (empty result).
  std::optional<PreparedPicture> ReadPicture(const ManifestFields& fields, const std::string& key, const std::string& path,
                                             const IntakeOptions& intake, PictureBuild& build) const {
    const fs::path file = Resolve(path);
    std::string problem;
    std::vector<uint8_t> bytes;
    PreparedPicture picture;
    try {
      bytes = Read(fields, key, path);
    } catch (const ManifestError& e) {
      if (!build.options.skipBad) throw;
      problem = e.what();
    }
    build.progress.File(file.filename().u8string(), bytes.size());
    if (problem.empty() && PreparePicture(std::move(bytes), intake, picture, problem)) {
      const std::string name = file.filename().u8string();
      if (picture.Rotated()) build.report.rotated.push_back(name);
      if (picture.resized) build.report.resized.push_back(name);
      if (picture.Converted()) build.report.converted.push_back(name);
      return picture;
    }
    if (!build.options.skipBad) fields.Fail(key, "'" + file.string() + "': " + problem);
    build.report.skipped.push_back(file.string() + ": " + problem);
    return std::nullopt;
  }

  std::vector<uint8_t> ReadMovie(const ManifestFields& fields, const std::string& key, const std::string& path) const {
    std::vector<uint8_t> bytes = Read(fields, key, path);
    const bool flash = bytes.size() >= 8 && (bytes[0] == 'F' || bytes[0] == 'C' || bytes[0] == 'Z') && bytes[1] == 'W' && bytes[2] == 'S';
    if (!flash) fields.Fail(key, "'" + Resolve(path).string() + "' is not a Flash movie");
    return bytes;
  }

 private:
  fs::path folder_;
};

std::string PathText(ManifestFields& fields, const std::string& key) {
  const json* value = fields.Value(key);
  if (!value) return {};
  if (!value->is_string() || value->get<std::string>().empty()) fields.Fail(key, "must be a file path");
  return value->get<std::string>();
}

std::string AsText(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Interface texts: "dynamic" is a list of messages (message k is entry k) or {"file": path};
// "static" is {"file": path} or sections of key/value captions, written out as INI lines.
void ReadTexts(const json& node, TextEncoding encoding, const ManifestFiles& files, PackageContents& contents) {
  ManifestFields texts(node, "texts", encoding);
  if (const json* dynamic = texts.Value("dynamic")) {
    if (dynamic->is_array()) {
      std::string joined;
      for (size_t k = 0; k < dynamic->size(); ++k) {
        const std::string key = "dynamic[" + std::to_string(k) + "]";
        if (!(*dynamic)[k].is_string()) texts.Fail(key, "must be a text");
        const std::string line = texts.ConvertText(key, (*dynamic)[k].get<std::string>());
        if (line.find_first_of("\r\n") != std::string::npos)
          texts.Fail(key, "holds a line break; write \\n (backslash and n) for a break inside a message");
        joined += line + "\r\n";
      }
      contents.dynamicTexts = joined;
    } else if (dynamic->is_object()) {
      ManifestFields file(*dynamic, "texts.dynamic", encoding);
      contents.dynamicTexts = AsText(files.Read(file, "file", PathText(file, "file")));
      file.RejectUnknown();
    } else {
      texts.Fail("dynamic", "must be a list of texts or {\"file\": path}");
    }
  }
  if (const json* statics = texts.Object("static")) {
    if (statics->contains("file")) {
      ManifestFields file(*statics, "texts.static", encoding);
      contents.staticTexts = AsText(files.Read(file, "file", PathText(file, "file")));
      file.RejectUnknown();
    } else {
      std::string ini;
      for (auto section = statics->begin(); section != statics->end(); ++section) {
        ManifestFields captions(section.value(), "texts.static." + section.key(), encoding);
        ini += "[" + section.key() + "]\r\n";
        for (auto caption = section.value().begin(); caption != section.value().end(); ++caption) {
          const std::string value = captions.Text(caption.key(), SIZE_MAX);
          if (value.find_first_of("\r\n") != std::string::npos)
            captions.Fail(caption.key(), "holds a line break; write \\n (backslash and n) for a break inside a caption");
          ini += caption.key() + "=" + value + "\r\n";
        }
      }
      contents.staticTexts = ini;
    }
  }
  texts.RejectUnknown();
}

LabelRecord ReadLabel(const json& node, const std::string& where, TextEncoding encoding) {
  ManifestFields f(node, where, encoding);
  LabelRecord label;
  label.SetText(f.Text("text", 65536));
  if (label.Text().empty()) f.Fail("text", "must be a text that is not empty");
  label.FontName = f.Text("font", kMaxFontNameBytes, "Arial");
  label.FontSize = f.Int("size", 1, 1000, 20);
  label.FontStyle = f.FontStyle("style");
  label.FontColor = f.Color("color", 0xFFFFFF);
  label.BackColor = f.Color("backColor", 0);
  label.Transparent = f.Byte("transparent", 1);
  label.CenterX = f.Int("x", -kMaxCoordinate, kMaxCoordinate, 0);
  label.CenterY = f.Int("y", -kMaxCoordinate, kMaxCoordinate, 0);
  f.RejectUnknown();
  return label;
}

// A caption under the picture area, centred, in the design screen's pixels.
LabelRecord CaptionLabel(const std::string& text, PictureSize design) {
  LabelRecord label;
  label.SetText(text);
  label.FontName = "Arial";
  label.FontSize = std::max(8, design.height / 40);
  label.FontStyle = LabelRecord::kBold;
  label.FontColor = 0xFFFFFF;
  label.Transparent = 1;
  label.CenterX = design.width / 2;
  label.CenterY = design.height - design.height / 16;
  return label;
}

std::string Caption(const std::string& kind, const fs::path& file, const PreparedPicture& picture) {
  if (kind == "file") return file.stem().u8string();
  if (kind == "date") return DateCaption(picture.dateTaken);
  return {};
}

std::string CaptionKind(ManifestFields& f, const std::string& fallback) {
  const std::string kind = f.Text("caption", 16, fallback);
  if (kind != "none" && kind != "file" && kind != "date") f.Fail("caption", "must be \"none\", \"file\" or \"date\"");
  return kind;
}

bool FitSwitch(ManifestFields& f, bool fallback) {
  const std::string fit = f.Text("fit", 16, fallback ? "contain" : "none");
  if (fit != "contain" && fit != "none") f.Fail("fit", "must be \"contain\" (fit into the design screen) or \"none\"");
  return fit == "contain";
}

// Empty when the item's picture was skipped (--skip-bad).
std::optional<PackageItem> ReadItem(const json& node, const std::string& where, const ItemRecord& defaults,
                                    const PictureDefaults& pictures, TextEncoding encoding, const ManifestFiles& files,
                                    PictureBuild& build) {
  ManifestFields f(node, where, encoding);
  PackageItem item;
  ItemRecord& r = item.record;
  const bool picture = f.Has("picture"), movie = f.Has("movie");
  if (picture == movie) f.Fail("picture", "give exactly one of \"picture\" and \"movie\"");
  std::optional<PreparedPicture> prepared;
  if (picture) {
    r.Kind = kKindPicture;
    const std::string path = PathText(f, "picture");
    prepared = files.ReadPicture(f, "picture", path, pictures.intake, build);
    if (!prepared) return std::nullopt;
    item.data = std::move(prepared->jpeg);
    const std::string caption = Caption(CaptionKind(f, pictures.caption), files.Resolve(path), *prepared);
    if (!caption.empty()) item.labels.Add(CaptionLabel(f.ConvertMadeText(caption), pictures.design));
  } else {
    r.Kind = kKindMovie;
    item.data = files.ReadMovie(f, "movie", PathText(f, "movie"));
  }
  r.Seconds = f.Int("seconds", -kMaxSeconds, kMaxSeconds, defaults.Seconds);
  r.Effect = f.Int("effect", -2, 127, defaults.Effect);
  r.Step = f.Int("step", 0, 100, defaults.Step);
  r.Delay = f.Int("delay", 0, kMaxDelay, defaults.Delay);
  r.OutEffect = f.Int("outEffect", -2, 127, defaults.OutEffect);
  r.OutStep = f.Int("outStep", 0, 100, defaults.OutStep);
  r.OutDelay = f.Int("outDelay", 0, kMaxDelay, defaults.OutDelay);
  r.FixedPosition = f.Byte("fixedPosition", defaults.FixedPosition);
  r.X = f.Int("x", -kMaxCoordinate, kMaxCoordinate, 0);
  r.Y = f.Int("y", -kMaxCoordinate, kMaxCoordinate, 0);
  r.Width = f.Int("width", 0, kMaxCoordinate, 0);
  r.Height = f.Int("height", 0, kMaxCoordinate, 0);
  r.Overlay = f.Byte("overlay", 0);
  const bool fit = picture ? FitSwitch(f, pictures.fit) : false;
  // A picture without a size of its own is fitted into the design screen, proportions kept.
  if (fit && (r.Width <= 0 || r.Height <= 0)) {
    const PictureSize fitted = FitInside(prepared->uprightSize, pictures.design);
    r.Width = fitted.width;
    r.Height = fitted.height;
  }
  if (const json* labels = f.Array("labels"))
    for (size_t k = 0; k < labels->size(); ++k)
      item.labels.Add(ReadLabel((*labels)[k], f.PathOf("labels[" + std::to_string(k) + "]"), encoding));
  f.RejectUnknown();
  return item;
}

PackageMusic ReadMusic(const json& node, const std::string& where, TextEncoding encoding, const ManifestFiles& files) {
  ManifestFields f(node, where, encoding);
  PackageMusic music;
  const std::string path = PathText(f, "path");
  if (path.empty()) f.Fail("path", "must be a file path");
  music.data = files.Read(f, "path", path);
  if (music.data.empty()) f.Fail("path", "'" + files.Resolve(path).string() + "' is empty");
  music.record.FileSuffix = f.Text("suffix", MusicRecord::kMaxNameLength, fs::u8path(path).extension().u8string());
  if (music.record.FileSuffix.empty()) f.Fail("suffix", "is needed for a music file without an extension, such as \".mp3\"");
  if (music.record.FileSuffix.size() > MusicRecord::kMaxNameLength)
    f.Fail("suffix", "is longer than " + std::to_string(MusicRecord::kMaxNameLength) + " bytes; give a shorter \"suffix\"");
  music.record.ResourceName = f.Text("resourceName", MusicRecord::kMaxNameLength);
  music.name = f.Text("name", 1024, fs::u8path(path).stem().u8string());
  if (music.name.find_first_of("\r\n") != std::string::npos) f.Fail("name", "holds a line break");
  f.RejectUnknown();
  return music;
}

json ParseJson(const std::string& manifestPath) {
  std::ifstream in(fs::path(manifestPath), std::ios::binary);
  if (!in) throw ManifestError("cannot read the manifest: no such file or not readable");
  try {
    return json::parse(in, nullptr, true, /*ignore_comments=*/true);
  } catch (const json::exception& e) {
    // nlohmann's message carries the line and column of the fault.
    std::string what = e.what();
    const size_t detail = what.find("] ");
    throw ManifestError("not a valid JSON file: " + (detail == std::string::npos ? what : what.substr(detail + 2)));
  }
}

// Picture settings of `defaults` (fit, caption, maxSize, quality), read before the design screen is
// known; Complete() then fills in what depends on it.
struct PictureFields {
  bool fit = true;
  std::string caption = "none";
  std::optional<PictureSize> maxSize;
  int quality = kDefaultQuality;

  void Read(ManifestFields& d) {
    fit = FitSwitch(d, true);
    caption = CaptionKind(d, "none");
    const std::string text = d.Text("maxSize", 32);
    if (!text.empty()) {
      maxSize = ParseMaxSize(text);
      if (!maxSize) d.Fail("maxSize", "must be \"WIDTHxHEIGHT\" such as \"1920x1080\", a longest side such as \"2048\", or \"none\"");
    }
    quality = d.Int("quality", 1, 100, kDefaultQuality);
  }

  // Without a design screen the pictures are fitted into the default one, which becomes the
  // package's design screen so the runtime scales the show to the viewer's screen. By default a
  // picture is kept at up to twice the design screen: sharp on a screen of twice the resolution.
  PictureDefaults Complete(const PackOptions& options, InfoRecord& info, ExtensionBlock& extension,
                           bool anyFitted, Rgb background) const {
    PictureDefaults d;
    d.fit = fit;
    d.caption = caption;
    d.design = {info.DesignWidth > 0 ? info.DesignWidth : kDefaultDesignScreen.width,
                extension.DesignHeight > 0 ? extension.DesignHeight : kDefaultDesignScreen.height};
    if (anyFitted) {
      info.DesignWidth = d.design.width;
      extension.DesignHeight = d.design.height;
    }
    d.intake.maxSize = options.maxSize ? *options.maxSize : maxSize ? *maxSize : PictureSize{2 * d.design.width, 2 * d.design.height};
    d.intake.quality = options.quality ? *options.quality : quality;
    d.intake.background = background;
    return d;
  }
};

// True when some picture item will be fitted into the design screen: a picture without both
// width and height, whose fit (its own, else the default) is not "none".
bool AnyPictureFitted(const json* items, bool fitByDefault) {
  if (!items) return false;
  for (const json& item : *items) {
    if (!item.is_object() || !item.contains("picture")) continue;
    const bool sized = item.value("width", json(0)).is_number_integer() && item.value("width", json(0)).get<int64_t>() > 0 &&
                       item.value("height", json(0)).is_number_integer() && item.value("height", json(0)).get<int64_t>() > 0;
    const json fit = item.value("fit", json(fitByDefault ? "contain" : "none"));
    if (!sized && fit == "contain") return true;
  }
  return false;
}

PackageContents ReadContents(const json& root, const ManifestFiles& files, const PackOptions& options, PackReport& report,
                             PackageWriter& writer) {
  TextEncoding encoding = TextEncoding::kWindows1252;
  {
    ManifestFields probe(root, "", encoding);
    const std::string name = probe.Text("textEncoding", 32, "windows-1252");
    if (name == "utf-8") encoding = TextEncoding::kUtf8;
    else if (name != "windows-1252") probe.Fail("textEncoding", "must be \"windows-1252\" or \"utf-8\"");
  }
  ManifestFields f(root, "", encoding);
  f.Text("textEncoding", 32);

  PackageContents contents;
  InfoRecord& info = contents.info;
  contents.name = f.Text("name", NameBlock::kSize);
  const size_t first = contents.name.find_first_not_of(" \t");
  contents.name = first == std::string::npos ? std::string() : contents.name.substr(first, contents.name.find_last_not_of(" \t") - first + 1);
  if (contents.name.empty()) f.Fail("name", "is required: the screen saver's name");
  info.Description = f.Text("description", InfoRecord::kDescriptionSize);
  info.FormatVersion = f.Int("formatVersion", 3, 5, 5);

  if (const json* author = f.Object("author")) {
    ManifestFields a(*author, "author", encoding);
    contents.author.Author = a.Text("name", AuthorBlock::kAuthorSize);
    contents.author.Email = a.Text("email", AuthorBlock::kEmailSize);
    contents.author.HomePage = a.Text("homePage", AuthorBlock::kHomePageSize);
    a.RejectUnknown();
    contents.writeAuthor = true;
  }

  info.MotionMode = f.Byte("motionMode", 1);
  PictureFields pictureFields;
  if (const json* node = f.Object("defaults")) {
    ManifestFields d(*node, "defaults", encoding);
    pictureFields.Read(d);
    info.DefaultSeconds = d.Int("seconds", 1, kMaxSeconds, 10);
    info.DefaultEffect = d.Int("effect", -2, 127, -1);
    info.DefaultStep = d.Int("step", 0, 100, 4);
    info.DefaultDelay = d.Int("delay", 0, kMaxDelay, 40);
    info.DefaultOutEffect = d.Int("outEffect", -2, 127, -1);
    info.DefaultOutStep = d.Int("outStep", 0, 100, 4);
    info.DefaultOutDelay = d.Int("outDelay", 0, kMaxDelay, 40);
    d.RejectUnknown();
  } else {
    info.DefaultSeconds = 10, info.DefaultEffect = -1, info.DefaultStep = 4, info.DefaultDelay = 40;
    info.DefaultOutEffect = -1, info.DefaultOutStep = 4, info.DefaultOutDelay = 40;
  }
  const ItemRecord defaults = DefaultItemRecord(info);

  info.BackgroundColor = f.Color("backgroundColor", 0);
  info.RandomOrder = f.Byte("randomOrder", 0);
  info.DesignWidth = f.Int("designWidth", 0, kMaxCoordinate, 0);
  contents.extension.DesignHeight = f.Int("designHeight", 0, kMaxCoordinate, 0);
  info.NoSaving = f.Byte("noSaving", 0);
  info.IgnoreMouseMove = f.Byte("ignoreMouseMove", 0);
  info.HideGeneratorPage = f.Byte("hideGeneratorPage", 0);
  // Left 0 when not given: the output's kind decides then.
  const std::string edition = f.Text("edition", 1);
  if (!edition.empty() && edition != "E" && edition != "S") f.Fail("edition", "must be \"E\" (setup copy) or \"S\" (installed copy)");
  info.Edition = edition.empty() ? 0 : uint8_t(edition[0]);
  contents.extension.Opacity = f.Int("opacity", 0, 100, 100);
  contents.extension.CursorVisible = f.Byte("cursorVisible", 0);

  const json* items = f.Array("items");
  if (!items || items->empty()) f.Fail("items", "must list at least one picture or movie");
  const PictureDefaults pictures = pictureFields.Complete(options, info, contents.extension,
                                                          AnyPictureFitted(items, pictureFields.fit),
                                                          RgbFromColorRef(uint32_t(info.BackgroundColor)));
  PictureBuild build{options, report, PackProgress(options.progress, options.progressIsTerminal, items->size())};

  const std::string background = PathText(f, "background");
  if (!background.empty()) {
    PackOptions strict = options;
    strict.skipBad = false;  // a background is one file the author chose on purpose
    PictureBuild backgroundBuild{strict, report, PackProgress(nullptr, false, 1)};
    contents.background = files.ReadPicture(f, "background", background, pictures.intake, backgroundBuild)->jpeg;
  }
  const std::string licence = PathText(f, "licence");
  if (!licence.empty()) {
    contents.licence = AsText(files.Read(f, "licence", licence));
    if (contents.licence.size() > size_t(kMaxLicenceLength))
      f.Fail("licence", "'" + files.Resolve(licence).string() + "' is longer than " + std::to_string(kMaxLicenceLength) + " bytes");
  }
  if (const json* texts = f.Object("texts")) ReadTexts(*texts, encoding, files, contents);
  const json* music = f.Array("music");
  // Every field of the manifest itself is read: its faults show before any file is packed.
  f.RejectUnknown();

  writer.WriteHeading(contents);
  for (size_t i = 0; i < items->size(); ++i)
    if (std::optional<PackageItem> item =
            ReadItem((*items)[i], "items[" + std::to_string(i) + "]", defaults, pictures, encoding, files, build))
      writer.AddItem(*item);
  if (writer.ItemCount() == 0) f.Fail("items", "no picture or movie is left after skipping the bad ones");
  if (music)
    for (size_t k = 0; k < music->size(); ++k)
      writer.AddMusic(ReadMusic((*music)[k], "music[" + std::to_string(k) + "]", encoding, files));
  return contents;
}

}  // namespace

PackageContents PackManifest(const std::string& manifestPath, const PackOptions& options, PackReport& report,
                             PackageWriter& writer) {
  return PackManifestJson(ParseJsonOrFail(manifestPath), fs::path(manifestPath).parent_path().u8string(), manifestPath,
                          options, report, writer);
}

PackageContents PackManifestJson(const nlohmann::json& root, const std::string& folder, const std::string& name,
                                 const PackOptions& options, PackReport& report, PackageWriter& writer) {
  try {
    return ReadContents(root, ManifestFiles(fs::u8path(folder)), options, report, writer);
  } catch (const ManifestError& e) {
    throw ManifestError(name + ": " + e.what());
  }
}

nlohmann::json ParseJsonOrFail(const std::string& manifestPath) {
  try {
    return ParseJson(manifestPath);
  } catch (const ManifestError& e) {
    throw ManifestError(manifestPath + ": " + e.what());
  }
}

}  // namespace saverkit
