// TForm_XSCR_Config on Windows: the configuration dialog's real window and controls, made from
// the components of ConfigDialogLayout, with ConfigDialogModel deciding what they show and do.
// This half lends the model the services only Windows has: the music window, the previews, the
// file and folder choosers, the message form, the shell and the wallpaper.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "controls/win32/xp_menu.h"
#include "flash/win32/flash_host_panel.h"
#include "forms/win32/scr_neo_form.h"
#include "base/win32/registry_settings_store.h"
#include "package/xscr.h"
#include "setup/config_dialog_model.h"

namespace saverkit {

class TForm_XSCR_Config : public TFormScrNeo, private ConfigDialogHost {
 public:
  // `hostWindow`: the window named on the command line (/c:<window>), which with its parent stays
  // disabled while the dialog lives; null without one, when `owner` (possibly null) owns it.
  // `package` outlives the dialog; the files it extracted go with it, after the music window and
  // the movie preview closed them.
  TForm_XSCR_Config(XSCR& package, HWND hostWindow, HWND owner);
  ~TForm_XSCR_Config() override;

 private:
  void BindHandlers();
  void ShowIcons();
  void ComboBoxPicsDrawItem(const DRAWITEMSTRUCT& item);
  void ComboBoxMusicsDrawItem(const DRAWITEMSTRUCT& item);

  std::unique_ptr<MediaWindow> CreateMusicWindow(uint32_t style) override;
  void ShowPreviewPicture(Bitmap picture) override;
  bool StartMoviePreview(const std::string& moviePath) override;
  void FreeFlashPreview() override;
  std::string AskSaveName(const SaveDialogRequest& request) override;
  std::string ChooseDirectory() override;
  void ShowMessage(const std::string& text, const std::string& caption, int32_t style) override;
  void PopupWallpaperMenu() override;
  std::string WallpaperFolder() override;
  std::string CurrentWallpaper() override;
  void ApplyWallpaper(const std::string& bitmapPath, int32_t style) override;
  void ClearWallpaper() override;
  void OpenMail(const std::string& target) override;
  void OpenAddress(const std::string& address) override;

  HWND hostWindow_;
  HWND hostParent_ = nullptr;
  RegistrySettingsStore settings_;
  std::unique_ptr<ConfigDialogModel> model_;
  std::unique_ptr<FlashHostPanel> flashPreview_;
  // Last, so the flat look is taken off before the controls it paints go.
  TXPMenu XPMenu1_{*this, ConfigurationDialogXPSettings()};
};

}  // namespace saverkit
