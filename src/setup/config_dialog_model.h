// TForm_XSCR_Config's behaviour on its component model: what each page, list and button shows,
// what each handler does, and what is stored. The Windows half creates the real controls from the
// same components and lends the few services below; every decision is made here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "forms/component.h"
#include "base/settings_store.h"
#include "package/texts/interface_texts.h"
#include "package/xscr.h"
#include "raster/bitmap.h"
#include "music/media_window.h"

namespace saverkit {

struct SaveDialogRequest {
  std::string title;
  std::string filter;  // "description|pattern|..." pairs
  std::string defaultExtension;
};

// What the dialog needs of Windows.
class ConfigDialogHost {
 public:
  virtual ~ConfigDialogHost() = default;
  // A hidden multimedia window with the dialog as parent; null when it cannot be made.
  virtual std::unique_ptr<MediaWindow> CreateMusicWindow(uint32_t style) = 0;
  // ImageFore shows the picture, which has the size of its bounds.
  virtual void ShowPreviewPicture(Bitmap picture) = 0;
  // Plays the movie looping inside PanelScreen; false when no player could be made there.
  virtual bool StartMoviePreview(const std::string& moviePath) = 0;
  virtual void FreeFlashPreview() = 0;
  // The save dialog; the chosen file name, or empty when the user cancelled.
  virtual std::string AskSaveName(const SaveDialogRequest& request) = 0;
  // The folder chooser; empty when the user cancelled.
  virtual std::string ChooseDirectory() = 0;
  // The message form; `style` is a Windows message-box style value.
  virtual void ShowMessage(const std::string& text, const std::string& caption, int32_t style) = 0;
  // Opens PMWallpaper at the mouse cursor.
  virtual void PopupWallpaperMenu() = 0;
  // The program's own folder in the user's local application data folder, made when missing;
  // empty when there is none. The wallpaper bitmap lives there: an ordinary user may write it.
  virtual std::string WallpaperFolder() = 0;
  // The desktop's wallpaper file as Windows stores it; empty when there is none.
  virtual std::string CurrentWallpaper() = 0;
  virtual void ApplyWallpaper(const std::string& bitmapPath, int32_t style) = 0;
  // Takes the desktop's wallpaper away, for this session and the next.
  virtual void ClearWallpaper() = 0;
  // Starts the mail program with a "mailto:" target.
  virtual void OpenMail(const std::string& target) = 0;
  virtual void OpenAddress(const std::string& address) = 0;
};

// Thumbnails fit in this box.
inline constexpr int kThumbnailBoxWidth = 120;
inline constexpr int kThumbnailBoxHeight = 90;
inline constexpr char kWallpaperFileName[] = "SCR Wallpaper.bmp";
// The program's own folder in the user's local application data folder.
inline constexpr char kProgramDataFolderName[] = "saverkit";

// Message-box style values of the failure messages.
inline constexpr int32_t kMessageWarning = 48;      // MB_ICONEXCLAMATION
inline constexpr int32_t kMessageInformation = 64;  // MB_ICONINFORMATION

class ConfigDialogModel {
 public:
  // `form` holds the dialog's components (ConfigDialogLayout) with the static texts applied.
  ConfigDialogModel(ComponentOwner& form, XSCR& reader, SettingsStore& settings, ConfigDialogHost& host,
                    TextLines dynamicTexts);
  // Stops the preview and the music, so no extracted file is still open when the reader goes.
  ~ConfigDialogModel();
  ConfigDialogModel(const ConfigDialogModel&) = delete;
  ConfigDialogModel& operator=(const ConfigDialogModel&) = delete;

  // Lays the tab buttons over the page control's tab row.
  void PlaceTabCover();
  void LoadFromPackage();
  // "<name> <dynamic text 13>".
  std::string Caption() const;

  void BtnTabsClick(Component& sender);
  void PageControlScrChange();
  void LabelEmailClick();
  void LabelHomePageClick();
  void LabelQelWebClick();

  void ComboBoxPicsChange();
  void SBtnPSaveClick();
  void SBtnPSaveAllClick();
  void BtnWallpaperClick();
  void PMWallpaperPopup();
  void PMIWallpaperClick(Component& sender);
  void PMIRemoveClick();

  void ComboBoxMusicsChange();
  void TBtnEMusicPlayClick();
  void TBtnEMusicPauseClick();
  void TBtnEMusicStopClick();
  void TimerMusicsTimer();
  void TBtnSaveMClick();
  void UpdateMusicButtons();

  // OK: stores the music options (only when the package has music).
  void BtnOKClick();
  void SaveSettings();

  // The thumbnail of a picture row; nullptr outside the list.
  const Bitmap* Thumbnail(int32_t row) const;
  // The display name of a music row.
  std::string MusicRowText(int32_t row) const;
  MediaWindow* MusicWindow() const { return musicWindow_.get(); }
  int32_t CurrentMusicRow() const { return currentMusicRow_; }
  const std::string& SettingsKey() const { return settingsKey_; }
  const TextLines& DynamicTexts() const { return dynamicTexts_; }

 private:
  Component& C(const char* name);
  std::string Text(int index) const { return DynamicText(index, dynamicTexts_); }
  bool NoSaving() const { return reader_.Info().NoSaving != 0; }
  int32_t PictureRow();
  // Where our wallpaper bitmap goes; empty when there is no folder for it.
  std::string WallpaperPath();
  int32_t MusicRow();
  void LoadGeneralPage();
  void LoadPicturesPage();
  // Picture `row` at the size the preview shows it, decoded no larger than that needs; ImageFore
  // takes its place. False when the picture does not decode.
  bool LoadPreviewPicture(int32_t row, const ItemRecord& item, Bitmap& picture);
  void LoadMusicsPage();
  void ShowPagesFor(bool pictures, bool musics, bool licence, bool generator);
  void SetMusicTimer(bool on);

  ComponentOwner& form_;
  XSCR& reader_;
  SettingsStore& settings_;
  ConfigDialogHost& host_;
  TextLines dynamicTexts_;
  std::string settingsKey_;
  std::vector<Bitmap> thumbnails_;
  std::unique_ptr<MediaWindow> musicWindow_;
  int32_t currentMusicRow_ = -1;
};

}  // namespace saverkit
