#include "setup/config_dialog_model.h"

#include <stdexcept>

#include "package/temp_files.h"
#include "raster/stretch.h"
#include "setup/config_exports.h"
#include "setup/config_layout.h"
#include "setup/config_rules.h"
#include "setup/fit_preview.h"
#include "music/music_options.h"
#include "music/music_player.h"
#include "setup/tab_buttons.h"

namespace saverkit {
namespace {

// Dynamic texts of the dialog, by index.
enum DialogText {
  kSaveAllFailedCaption = 0,
  kSaveAllFailedText = 1,
  kMusicSaveFailedText = 2,
  kMusicFilterDescription = 3,
  kMusicSaveTitle = 4,
  kSaveFailedCaption = 5,
  kPictureSaveFailedText = 6,
  kPictureFilter = 7,
  kPictureSaveTitle = 8,
  kMailSubject = 11,
  kCaptionSuffix = 13,
  kNoAuthorText = 16,
  kMovieFilter = 25,
};

// The tab buttons in the order the row lays them out, and the page each one shows.
const char* const kTabButtons[] = {"BtnTab1", "BtnTab2", "BtnTab3", "BtnTab6", "BtnTab5"};

}  // namespace

ConfigDialogModel::ConfigDialogModel(ComponentOwner& form, XSCR& reader, SettingsStore& settings,
                                     ConfigDialogHost& host, TextLines dynamicTexts)
    : form_(form),
      reader_(reader),
      settings_(settings),
      host_(host),
      dynamicTexts_(std::move(dynamicTexts)),
      settingsKey_(ScreenSaverSettingsKey(reader.Name())) {}

ConfigDialogModel::~ConfigDialogModel() {
  host_.FreeFlashPreview();
  if (Component* timer = form_.Find("TimerMusics")) timer->SetEnabled(false);
  MusicWndDestroy(musicWindow_);
}

Component& ConfigDialogModel::C(const char* name) {
  Component* component = form_.Find(name);
  if (!component) throw std::logic_error(std::string("the configuration dialog has no ") + name);
  return *component;
}

int32_t ConfigDialogModel::PictureRow() {
  const Component& list = C("ComboBoxPics");
  return list.itemIndex >= 0 && list.itemIndex < int32_t(list.items.size()) ? list.itemIndex : -1;
}

int32_t ConfigDialogModel::MusicRow() {
  const Component& list = C("ComboBoxMusics");
  return list.itemIndex >= 0 && list.itemIndex < int32_t(list.items.size()) ? list.itemIndex : -1;
}

std::string ConfigDialogModel::Caption() const { return reader_.Name() + " " + Text(kCaptionSuffix); }

void ConfigDialogModel::PlaceTabCover() {
  const Component& pages = C("PageControlScr");
  Component& cover = C("PanelHideTabs");
  cover.parent = pages.parent;
  cover.SetBounds({pages.bounds.left, pages.bounds.top, pages.bounds.width, pages.tabHeight});
  // Its buttons follow it to the front, so that every control still comes after its parent.
  const std::vector<Component*> buttons = form_.ChildrenOf(&cover);
  form_.BringToFront(cover);
  for (Component* button : buttons) form_.BringToFront(*button);
}

void ConfigDialogModel::LoadFromPackage() {
  LoadGeneralPage();
  const bool pictures = reader_.ItemCount() > 0;
  const bool musics = reader_.MusicCount() > 0;
  if (pictures) LoadPicturesPage();
  if (musics) LoadMusicsPage();
  const bool generator = reader_.Info().HideGeneratorPage != 1;
  C("MemoLA").SetCaption(reader_.LicenceText());
  ShowPagesFor(pictures, musics, !reader_.LicenceText().empty(), generator);
  C("PageControlScr").SetItemIndex(0);
}

void ConfigDialogModel::LoadGeneralPage() {
  C("LabelScrName").SetCaption(reader_.Name());
  C("LabelScrDesc").SetCaption(reader_.Info().Description);
  const bool author = reader_.Info().HasAuthorInfo != 0;
  C("PanelCR").SetCaption(author ? std::string() : Text(kNoAuthorText));
  C("LabelAuthor").SetCaption(author ? reader_.Author().Author : std::string());
  C("LabelEmail").SetCaption(author ? reader_.Author().Email : std::string());
  C("LabelHomePage").SetCaption(author ? reader_.Author().HomePage : std::string());
  for (const char* name : {"PanelCopyRight", "LabelAuthor", "LabelEmail", "LabelHomePage"}) C(name).SetVisible(author);
}

void ConfigDialogModel::LoadPicturesPage() {
  // The preview panel stands for the screen, in the show's background colour.
  Component& screen = C("PanelScreen");
  screen.color = uint32_t(reader_.BackgroundColor()) & 0x00FFFFFFu;
  screen.parentColor = false;
  screen.Repaint();
  thumbnails_.clear();
  std::vector<std::string> rows;
  for (int32_t i = 0; i < reader_.ItemCount(); ++i) {
    Bitmap thumbnail;
    // A picture that does not decode keeps an empty row; a movie shows the movie picture.
    reader_.Thumbnail(i, kThumbnailBoxWidth, kThumbnailBoxHeight, thumbnail);
    thumbnails_.push_back(std::move(thumbnail));
    rows.emplace_back("Pic");
  }
  Component& list = C("ComboBoxPics");
  list.SetItems(std::move(rows));
  list.SetItemIndex(list.items.empty() ? -1 : 0);
  ComboBoxPicsChange();
  C("SBtnPSaveAll").SetEnabled(!list.items.empty() && !NoSaving());
}

void ConfigDialogModel::LoadMusicsPage() {
  const int32_t count = reader_.MusicCount();
  musicWindow_ = host_.CreateMusicWindow(mci::kDialogWindowStyle);
  C("TBtnSaveM").SetEnabled(count > 0 && !NoSaving());
  std::vector<std::string> rows;
  for (int32_t i = 0; i < count; ++i) rows.push_back(MusicRowText(i));
  Component& list = C("ComboBoxMusics");
  list.SetItems(std::move(rows));
  list.SetItemIndex(count > 0 ? 0 : -1);
  ComboBoxMusicsChange();
  list.SetEnabled(count > 0);
  C("ToolBarMusic").SetEnabled(count > 0);
  C("CheckBoxMusicROP").SetEnabled(count > 1);
  C("CheckBoxMusicRA").SetEnabled(count > 0);
  C("CheckBoxMusicMute").SetEnabled(count > 0);
  const MusicOptions options = ReadMusicOptions(settings_, settingsKey_);
  C("CheckBoxMusicROP").SetChecked(options.randomOrder);
  C("CheckBoxMusicRA").SetChecked(options.repeatAll);
  C("CheckBoxMusicMute").SetChecked(options.mute);
}

void ConfigDialogModel::ShowPagesFor(bool pictures, bool musics, bool licence, bool generator) {
  const struct {
    const char* page;
    const char* button;
    bool shown;
  } pages[] = {{"TSGeneral", "BtnTab1", true},
               {"TSPictures", "BtnTab2", pictures},
               {"TSMusics", "BtnTab3", musics},
               {"TSLicense", "BtnTab6", licence},
               {"TSGenerator", "BtnTab5", generator}};
  for (const auto& page : pages) {
    C(page.page).SetTabVisible(page.shown);
    C(page.button).SetVisible(page.shown);
  }
}

void ConfigDialogModel::BtnTabsClick(Component& sender) {
  if (sender.Kind() != ComponentKind::kSpeedButton) return;
  const Component& pages = C("PageControlScr");
  int32_t index = 0;
  for (const Component* sheet : form_.ChildrenOf(&pages)) {
    if (sheet->Kind() != ComponentKind::kTabSheet) continue;
    if (sheet->tag == sender.tag && sheet->tabVisible) {
      C("PageControlScr").SetItemIndex(index);
      break;
    }
    ++index;
  }
  PageControlScrChange();
}

void ConfigDialogModel::PageControlScrChange() {
  Component& pages = C("PageControlScr");
  int32_t activeTag = -1, index = 0;
  for (const Component* sheet : form_.ChildrenOf(&pages)) {
    if (sheet->Kind() != ComponentKind::kTabSheet) continue;
    if (index++ == pages.itemIndex) activeTag = sheet->tag;
  }
  std::vector<Component*> buttons;
  Component* down = nullptr;
  for (const char* name : kTabButtons) {
    Component& button = C(name);
    buttons.push_back(&button);
    if (button.tag == activeTag) down = &button;
  }
  if (down) down->SetChecked(true);
  ArrangeTabButtons(buttons, down, C("PanelHideTabs").bounds.width);
}

void ConfigDialogModel::LabelEmailClick() {
  const std::string& address = C("LabelEmail").caption;
  if (IsMailLink(address)) host_.OpenMail(MailToTarget(address, Text(kMailSubject)));
}

void ConfigDialogModel::LabelHomePageClick() {
  const std::string& address = C("LabelHomePage").caption;
  if (IsHomePageLink(address)) host_.OpenAddress(address);
}

void ConfigDialogModel::LabelQelWebClick() { host_.OpenAddress(kGeneratorWebAddress); }

void ConfigDialogModel::ComboBoxPicsChange() {
  const int32_t row = PictureRow();
  if (row < 0) {
    C("SBtnPSave").SetEnabled(false);
    return;
  }
  host_.FreeFlashPreview();
  const ItemRecord item = reader_.GetItem(row);
  const bool movie = item.Kind == kKindMovie;
  Component& image = C("ImageFore");
  image.SetVisible(!movie);
  if (!movie) {
    Bitmap picture;
    if (LoadPreviewPicture(row, item, picture)) {
      host_.ShowPreviewPicture(std::move(picture));
    } else {
      image.SetVisible(false);  // nothing to show of a picture that does not decode
    }
  } else {
    std::string path;
    if (reader_.ExtractMovie(row, path)) host_.StartMoviePreview(path);
  }
  C("SBtnPSave").SetEnabled(!NoSaving());
}

bool ConfigDialogModel::LoadPreviewPicture(int32_t row, const ItemRecord& item, Bitmap& picture) {
  int width = 0, height = 0;
  if (!reader_.PictureSize(row, width, height)) return false;
  const Component& screen = C("PanelScreen");
  const ControlBounds bounds = FitPreview(item, width, height, reader_.DesignWidth(), reader_.Environment().screenWidth,
                                          screen.bounds.width, screen.bounds.height);
  // Decoded no larger than the preview needs, as the show decodes its pictures.
  if (!reader_.LoadPictureToCover(row, bounds.width, bounds.height, picture)) return false;
  StretchBitmap(picture, bounds.width, bounds.height);
  C("ImageFore").SetBounds(bounds);
  return true;
}

void ConfigDialogModel::SBtnPSaveClick() {
  const int32_t row = PictureRow();
  if (row < 0 || NoSaving()) return;
  const bool movie = reader_.GetItem(row).Kind == kKindMovie;
  SaveDialogRequest request;
  request.title = Text(kPictureSaveTitle);
  request.filter = Text(movie ? kMovieFilter : kPictureFilter);
  request.defaultExtension = movie ? "swf" : "jpg";
  const std::string path = host_.AskSaveName(request);
  if (path.empty()) return;
  if (!SaveItemAs(reader_, row, path))
    host_.ShowMessage(Text(kPictureSaveFailedText), Text(kSaveFailedCaption), kMessageWarning);
}

void ConfigDialogModel::SBtnPSaveAllClick() {
  if (NoSaving()) return;
  const std::string folder = host_.ChooseDirectory();
  if (folder.empty()) return;
  if (!reader_.SaveAll(folder, true, false))
    host_.ShowMessage(Text(kSaveAllFailedText), Text(kSaveAllFailedCaption), kMessageInformation);
}

// The menu opens whatever is selected: removing the wallpaper stays possible with a movie
// selected or saving forbidden, where the styles are hidden.
void ConfigDialogModel::BtnWallpaperClick() { host_.PopupWallpaperMenu(); }

void ConfigDialogModel::PMWallpaperPopup() {
  const bool styles = PictureRow() >= 0 && reader_.GetItem(PictureRow()).Kind == kKindPicture && !NoSaving();
  for (const char* name : {"PMICenter", "PMITile", "PMIStretch"}) C(name).SetVisible(styles);
  C("PMIRemove").SetVisible(true);
}

std::string ConfigDialogModel::WallpaperPath() {
  const std::string folder = host_.WallpaperFolder();
  return folder.empty() ? std::string() : WithTrailingSeparator(folder) + kWallpaperFileName;
}

void ConfigDialogModel::PMIWallpaperClick(Component& sender) {
  const int32_t row = PictureRow();
  if (sender.Kind() != ComponentKind::kMenuItem || row < 0 || NoSaving()) return;
  const std::string path = WallpaperPath();
  // A bitmap that could not be written must not become the wallpaper: an older file of that
  // name, or none, would show instead, and the user would not know why.
  if (!path.empty() && WriteWallpaperBitmap(reader_, row, path)) {
    host_.ApplyWallpaper(path, WallpaperStyleForTag(sender.tag));
  } else {
    host_.ShowMessage(Text(kPictureSaveFailedText), Text(kSaveFailedCaption), kMessageWarning);
  }
}

// Removes what we set, and only that: a wallpaper the user chose since stays.
void ConfigDialogModel::PMIRemoveClick() {
  const std::string path = WallpaperPath();
  if (path.empty()) return;
  if (SameWindowsPath(host_.CurrentWallpaper(), path)) host_.ClearWallpaper();
  RemoveFile(path);
}

std::string ConfigDialogModel::MusicRowText(int32_t row) const {
  if (row >= 0 && row < reader_.MusicCount()) return reader_.MusicName(row);
  return "Music-" + std::to_string(int64_t(row) + 1);
}

void ConfigDialogModel::SetMusicTimer(bool on) { C("TimerMusics").SetEnabled(on); }

void ConfigDialogModel::ComboBoxMusicsChange() {
  const int32_t row = MusicRow();
  if (row < 0 || row == currentMusicRow_) return;
  MusicWndStop(musicWindow_.get());
  SetMusicTimer(false);
  currentMusicRow_ = row;
  UpdateMusicButtons();
  C("ComboBoxMusics").SetHint(C("ComboBoxMusics").items[size_t(row)]);
}

void ConfigDialogModel::TBtnEMusicPlayClick() {
  const int32_t row = MusicRow();
  std::string path;
  MusicRecord record;
  if (row >= 0 && reader_.ExtractMusic(row, path, record) && MusicWndOpen(musicWindow_.get(), path)) {
    MusicWndPlay(musicWindow_.get());
    SetMusicTimer(true);
  }
  UpdateMusicButtons();
}

void ConfigDialogModel::TBtnEMusicPauseClick() {
  MusicWndPause(musicWindow_.get());
  SetMusicTimer(false);
  UpdateMusicButtons();
}

void ConfigDialogModel::TBtnEMusicStopClick() {
  MusicWndStop(musicWindow_.get());
  SetMusicTimer(false);
  UpdateMusicButtons();
}

void ConfigDialogModel::TimerMusicsTimer() { UpdateMusicButtons(); }

void ConfigDialogModel::UpdateMusicButtons() {
  const MusicButtonStates states =
      MusicButtonsFor(musicWindow_ != nullptr, MusicRow() >= 0, MusicWndMode(musicWindow_.get()));
  C("TBtnEMusicPlay").SetEnabled(states.play);
  C("TBtnEMusicPause").SetEnabled(states.pause);
  C("TBtnEMusicStop").SetEnabled(states.stop);
}

void ConfigDialogModel::TBtnSaveMClick() {
  const int32_t row = MusicRow();
  if (row < 0 || NoSaving()) return;
  // A display name without an extension ("Lullaby") would offer "*" as the type: the music's
  // own file suffix stands in then.
  std::string extension = ExtensionWithDot(C("ComboBoxMusics").items[size_t(row)]);
  if (extension.empty()) extension = SafeFileSuffix(reader_.GetMusic(row).FileSuffix);
  SaveDialogRequest request;
  request.title = Text(kMusicSaveTitle);
  request.filter = MusicSaveFilter(Text(kMusicFilterDescription), extension);
  request.defaultExtension = extension.empty() ? std::string() : extension.substr(1);
  const std::string path = host_.AskSaveName(request);
  if (path.empty()) return;
  if (!SaveMusicAs(reader_, row, path))
    host_.ShowMessage(Text(kMusicSaveFailedText), Text(kSaveFailedCaption), kMessageWarning);
}

void ConfigDialogModel::BtnOKClick() { SaveSettings(); }

void ConfigDialogModel::SaveSettings() {
  if (reader_.MusicCount() <= 0) return;
  MusicOptions options;
  options.randomOrder = C("CheckBoxMusicROP").checked;
  options.repeatAll = C("CheckBoxMusicRA").checked;
  options.mute = C("CheckBoxMusicMute").checked;
  WriteMusicOptions(settings_, settingsKey_, options);
}

const Bitmap* ConfigDialogModel::Thumbnail(int32_t row) const {
  return row >= 0 && row < int32_t(thumbnails_.size()) ? &thumbnails_[size_t(row)] : nullptr;
}

}  // namespace saverkit
