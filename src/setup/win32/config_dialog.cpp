#include "setup/win32/config_dialog.h"

#include <shellapi.h>

#include <vector>

#include "raster/win32/bitmap_drawing.h"
#include "flash/win32/new_movie_host.h"
#include "forms/control_geometry.h"
#include "base/win32/resources.h"
#include "base/win32/shell.h"
#include "base/win32/special_folders.h"
#include "package/temp_files.h"
#include "forms/win32/program_texts.h"
#include "setup/config_layout.h"
#include "setup/music_tool_images.h"
#include "music/win32/mci_media_window.h"
#include "setup/win32/message_form.h"
#include "setup/win32/wallpaper.h"

namespace saverkit {
namespace {

constexpr int kMusicRowTextLeft = 10;

HICON ProgramIcon(const char* name) { return LoadIconA(GetModuleHandleA(nullptr), name); }

void FillRow(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
}

}  // namespace

TForm_XSCR_Config::TForm_XSCR_Config(XSCR& package, HWND hostWindow, HWND owner)
    : TFormScrNeo(IsWindow(hostWindow) ? hostWindow : owner), hostWindow_(IsWindow(hostWindow) ? hostWindow : nullptr) {
  if (!Handle()) return;
  if (hostWindow_) {
    hostParent_ = GetParent(hostWindow_);
    EnableWindow(hostWindow_, FALSE);
    if (hostParent_) EnableWindow(hostParent_, FALSE);
  }
  AddLayout(Components(), ConfigDialogLayout());
  SetKeyPreview(true);
  BindHandlers();
  CreateControls();
  FitToContent(Item("PanelMain"));
  XSCR& reader = package;
  TextLines dynamicTexts;
  LoadFormTexts(Components(), dynamicTexts, &reader);
  ConfigDialogHost& host = *this;
  model_ = std::make_unique<ConfigDialogModel>(Components(), reader, settings_, host, std::move(dynamicTexts));
  model_->PlaceTabCover();
  SetDrawItem("ComboBoxPics", [this](const DRAWITEMSTRUCT& item) { ComboBoxPicsDrawItem(item); });
  SetDrawItem("ComboBoxMusics", [this](const DRAWITEMSTRUCT& item) { ComboBoxMusicsDrawItem(item); });
  const Rgb face = RgbFromColorRef(GetSysColor(COLOR_BTNFACE));
  SetImages("ToolBarMusic", MusicToolImages(face), DisabledMusicToolImages(face), kMusicToolImageSize,
            kMusicToolImageSize);
  ShowIcons();
  model_->LoadFromPackage();
  model_->PageControlScrChange();
  SetCaption(model_->Caption());
  XPMenu1_.SetActive(true);
}

TForm_XSCR_Config::~TForm_XSCR_Config() {
  model_.reset();  // frees the movie preview and closes the music
  flashPreview_.reset();
  if (hostWindow_ && IsWindow(hostWindow_)) EnableWindow(hostWindow_, TRUE);
  if (hostParent_ && IsWindow(hostParent_)) EnableWindow(hostParent_, TRUE);
  const HWND front = hostParent_ ? hostParent_ : hostWindow_;
  if (front && IsWindow(front) && GetForegroundWindow() != front) SetForegroundWindow(front);
}

void TForm_XSCR_Config::BindHandlers() {
  ComponentOwner& form = Components();
  auto bind = [&form](const char* name, std::function<void(Component&)> ComponentEvents::*event,
                      std::function<void(Component&)> handler) { Bind(form, name, event, std::move(handler)); };
  auto click = [&](const char* name, void (ConfigDialogModel::*handler)()) {
    bind(name, &ComponentEvents::onClick, [this, handler](Component&) { (model_.get()->*handler)(); });
  };
  for (const char* tab : {"BtnTab1", "BtnTab2", "BtnTab3", "BtnTab5", "BtnTab6"})
    bind(tab, &ComponentEvents::onClick, [this](Component& sender) { model_->BtnTabsClick(sender); });
  bind("PageControlScr", &ComponentEvents::onChange, [this](Component&) { model_->PageControlScrChange(); });
  click("LabelEmail", &ConfigDialogModel::LabelEmailClick);
  click("LabelHomePage", &ConfigDialogModel::LabelHomePageClick);
  click("LabelQelWeb", &ConfigDialogModel::LabelQelWebClick);
  bind("ComboBoxPics", &ComponentEvents::onChange, [this](Component&) { model_->ComboBoxPicsChange(); });
  click("SBtnPSave", &ConfigDialogModel::SBtnPSaveClick);
  click("SBtnPSaveAll", &ConfigDialogModel::SBtnPSaveAllClick);
  click("BtnWallpaper", &ConfigDialogModel::BtnWallpaperClick);
  bind("PMWallpaper", &ComponentEvents::onPopup, [this](Component&) { model_->PMWallpaperPopup(); });
  for (const char* item : {"PMICenter", "PMITile", "PMIStretch"})
    bind(item, &ComponentEvents::onClick, [this](Component& sender) { model_->PMIWallpaperClick(sender); });
  click("PMIRemove", &ConfigDialogModel::PMIRemoveClick);
  bind("ComboBoxMusics", &ComponentEvents::onChange, [this](Component&) { model_->ComboBoxMusicsChange(); });
  click("TBtnEMusicPlay", &ConfigDialogModel::TBtnEMusicPlayClick);
  click("TBtnEMusicPause", &ConfigDialogModel::TBtnEMusicPauseClick);
  click("TBtnEMusicStop", &ConfigDialogModel::TBtnEMusicStopClick);
  click("TBtnSaveM", &ConfigDialogModel::TBtnSaveMClick);
  bind("TimerMusics", &ComponentEvents::onTimer, [this](Component&) { model_->TimerMusicsTimer(); });
  click("BtnOK", &ConfigDialogModel::BtnOKClick);
}

void TForm_XSCR_Config::ShowIcons() {
  SetIcon("ImagesScrIcon", ProgramIcon("MAINICON"));
  SetIcon("ImageQelIcon", ProgramIcon("QELICON"));
}

void TForm_XSCR_Config::ComboBoxPicsDrawItem(const DRAWITEMSTRUCT& item) {
  FillRow(item);
  const Bitmap* thumbnail = model_ ? model_->Thumbnail(int32_t(item.itemID)) : nullptr;
  if (!thumbnail || thumbnail->Empty()) return;
  // A thumbnail is as many design pixels large as it has pixels, centred in its row.
  const Rect row{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  const int width = Scale().Length(thumbnail->Width()), height = Scale().Length(thumbnail->Height());
  const Rect place = PicturePlace(row, width, height, true);
  if (Scale().IsDesign()) {
    DrawBitmap(*thumbnail, place.left, place.top, item.hDC);
  } else {
    StretchDrawBitmap(*thumbnail, item.hDC, place);
  }
}

void TForm_XSCR_Config::ComboBoxMusicsDrawItem(const DRAWITEMSTRUCT& item) {
  FillRow(item);
  if (!model_ || int(item.itemID) < 0) return;
  const std::string text = model_->MusicRowText(int32_t(item.itemID));
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  SIZE extent = {0, 0};
  GetTextExtentPoint32A(item.hDC, text.c_str(), int(text.size()), &extent);
  const int rowHeight = item.rcItem.bottom - item.rcItem.top;
  TextOutA(item.hDC, item.rcItem.left + Scale().Length(kMusicRowTextLeft), item.rcItem.top + (rowHeight - extent.cy) / 2, text.c_str(),
           int(text.size()));
}

std::unique_ptr<MediaWindow> TForm_XSCR_Config::CreateMusicWindow(uint32_t style) {
  return MusicWndCreate(Handle(), style);
}

void TForm_XSCR_Config::ShowPreviewPicture(Bitmap picture) { SetPicture("ImageFore", std::move(picture)); }

bool TForm_XSCR_Config::StartMoviePreview(const std::string& moviePath) {
  FreeFlashPreview();
  const ControlBounds screen = Scale().Bounds(Item("PanelScreen").bounds);
  const int inset = Scale().Length(1);
  flashPreview_ = NewMovieHost(ControlHandle("PanelScreen"), inset, inset, screen.width - 2 * inset, screen.height - 2 * inset);
  if (!flashPreview_) return false;
  flashPreview_->Host().SetLoop(true);
  flashPreview_->Host().SetMovie(moviePath);
  flashPreview_->SetVisible(true);
  flashPreview_->Host().Play();
  return true;
}

void TForm_XSCR_Config::FreeFlashPreview() { flashPreview_.reset(); }

std::string TForm_XSCR_Config::AskSaveName(const SaveDialogRequest& request) {
  SaveDialogOptions options;
  options.title = request.title;
  options.filter = request.filter;
  options.defaultExtension = request.defaultExtension;
  return RunSaveDialog(Handle(), options);
}

std::string TForm_XSCR_Config::ChooseDirectory() { return saverkit::ChooseDirectory(); }

void TForm_XSCR_Config::ShowMessage(const std::string& text, const std::string& caption, int32_t style) {
  MessageBoxForm(text, caption, uint32_t(style), &model_->DynamicTexts());
}

void TForm_XSCR_Config::PopupWallpaperMenu() {
  POINT cursor = {0, 0};
  GetCursorPos(&cursor);
  Popup("PMWallpaper", cursor.x, cursor.y);
}

std::string TForm_XSCR_Config::WallpaperFolder() {
  const std::string localData = LocalAppDataFolder();
  if (localData.empty()) return {};
  const std::string folder = WithTrailingSeparator(localData) + kProgramDataFolderName;
  if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return {};
  return folder;
}

std::string TForm_XSCR_Config::CurrentWallpaper() { return saverkit::CurrentWallpaper(); }

void TForm_XSCR_Config::ApplyWallpaper(const std::string& bitmapPath, int32_t style) {
  saverkit::ApplyWallpaper(bitmapPath, style);
}

void TForm_XSCR_Config::ClearWallpaper() { saverkit::RemoveWallpaper(); }

void TForm_XSCR_Config::OpenMail(const std::string& target) {
  ShellExecuteA(Handle(), nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TForm_XSCR_Config::OpenAddress(const std::string& address) { ShellOpen(address); }

}  // namespace saverkit
