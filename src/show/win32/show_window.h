// `TFormX_Scr_Saver_Main`: the screen saver's own window. Full screen (run mode 0) it covers the
// desktop, stays on top and ends on input; as a preview (run mode 1) it is a child of the display
// control panel's window and ends only with it. The sequence and the input rules are portable;
// this class creates the controls they work through, paints, and hands them its messages.
#pragma once

#include <windows.h>

#include <memory>

#include "forms/component.h"
#include "forms/win32/window.h"
#include "base/random_source.h"
#include "base/win32/registry_settings_store.h"
#include "base/win32/window_timers.h"
#include "package/xscr.h"
#include "pictrans/pic_trans.h"
#include "pictrans/win32/pic_trans_host.h"
#include "music/show_music.h"
#include "show/show_sequencer.h"
#include "show/show_setup.h"
#include "show/show_window_rules.h"
#include "show/trans_stage.h"
#include "show/win32/caption_painter.h"
#include "show/win32/fly_mover.h"
#include "show/xscr_music_library.h"
#include "show/xscr_show_package.h"

namespace saverkit {

class TFormX_Scr_Saver_Main : public Window,
                              private ShowWindowServices,
                              private ShowWindowInput,
                              private MusicShowHost {
 public:
  // RunMode::Preview inside `hostWindow`, the display control panel's; otherwise the full-screen
  // show, owned by `owner`. `package` outlives the window.
  TFormX_Scr_Saver_Main(XSCR& package, RunMode mode, HWND hostWindow, HWND owner);
  ~TFormX_Scr_Saver_Main() override;

  // Shows the window and starts the sequence, as the form's activation does.
  void StartShow();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientArea) override;
  void OnDestroyed() override { PostQuitMessage(0); }

 private:
  // Ends the show's sequence and music and deletes the package's temporary files; the window then
  // shows nothing more. Safe to call more than once.
  void ReleaseShow();
  LRESULT Answer(const MessageOutcome& outcome, UINT message, WPARAM wParam, LPARAM lParam);
  void FlashMouseMove();

  // ShowWindowServices
  void StartItemTimer(uint32_t milliseconds) override;
  void KillItemTimer() override;
  void ProcessPendingMessages() override;
  std::unique_ptr<ShowMovie> CreateMovieHost(const Rect& bounds) override;
  std::unique_ptr<ShowOverlay> CreateOverlayImage(Bitmap picture, const Rect& bounds) override;
  void CaptionsChanged() override;
  void TrimWorkingSet() override;
  // ShowWindowInput
  CursorPoint CursorPos() override;
  void PostClose() override;
  bool HostWindowExists() override;
  void PostItemTimerMessage() override;
  bool PasswordRequested() override;
  bool AskPassword() override;
  // MusicShowHost
  std::unique_ptr<MediaWindow> CreateMusicWindow(uint32_t style) override;
  TimerHost& Timers() override { return *timers_; }
  void NudgeCursor() override;

  HWND hostWindow_;
  ShowSetup setup_;
  bool cursorHidden_ = false;
  bool screenSaverRunningSet_ = false;

  XSCR& reader_;
  std::unique_ptr<XscrShowPackage> showPackage_;
  std::unique_ptr<XscrMusicLibrary> musicLibrary_;
  RegistrySettingsStore settings_;
  SeededRandom random_;  // the show's, the mover's and the music's
  std::unique_ptr<WindowTimers> timers_;
  std::unique_ptr<Win32PicTransHost> picTransHost_;
  std::unique_ptr<TPic_Trans> picTrans_;  // XPicTrans1
  std::unique_ptr<TransStage> stage_;
  std::unique_ptr<PictureFlyTarget> pictureFlyTarget_;
  std::unique_ptr<GdiCaptionPainter> captionPainter_;
  ComponentOwner components_;
  ShowFlags flags_;
  std::unique_ptr<ShowSequencer> sequencer_;
  std::unique_ptr<ShowWindowRules> rules_;
  std::unique_ptr<ShowMusic> music_;
};

}  // namespace saverkit
