#include "show/win32/show_window.h"

#include "raster/win32/bitmap_drawing.h"
#include "base/win32/scoped_win.h"
#include "base/registry_values.h"
#include "base/timer_ids.h"
#include "flash/win32/new_movie_host.h"
#include "base/win32/shell.h"
#include "base/win32/working_set.h"
#include "music/music_options.h"
#include "music/win32/mci_media_window.h"
#include "show/win32/flash_show_movie.h"
#include "show/win32/screen_saver_password.h"

namespace saverkit {
namespace {

constexpr char kClassName[] = "saverkit.ShowWindow";
constexpr char kTitle[] = "saverkit: show";
constexpr char kPreviewTitle[] = "saverkit: preview";
constexpr char kDesktopKey[] = "\\Control Panel\\Desktop";
constexpr char kUsePasswordValue[] = "ScreenSaveUsePassword";
// How often the preview looks for its host window.
constexpr UINT kHostCheckMs = 500;

}  // namespace

TFormX_Scr_Saver_Main::TFormX_Scr_Saver_Main(XSCR& package, RunMode mode, HWND hostWindow, HWND owner)
    : hostWindow_(hostWindow), reader_(package) {
  // Unpinned places, random effects and the music order differ from one show to the next.
  random_.SeedFromClock();
  const bool preview = mode == RunMode::Preview;
  ShowScreen screen;
  screen.primaryWidth = GetSystemMetrics(SM_CXSCREEN);
  screen.primaryHeight = GetSystemMetrics(SM_CYSCREEN);
  if (preview) {
    RECT client{0, 0, 0, 0};
    if (!IsWindow(hostWindow_) || !GetClientRect(hostWindow_, &client)) return;
    screen.window = Rect{0, 0, client.right - client.left, client.bottom - client.top};
  } else {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    screen.window =
        Rect{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  }
  XSCR& reader = reader_;
  setup_ = DecideShowSetup(mode, screen, reader);

  WindowPlacement placement;
  placement.x = setup_.window.left;
  placement.y = setup_.window.top;
  placement.width = setup_.window.Width();
  placement.height = setup_.window.Height();
  if (preview) {
    placement.style = WS_CHILD | WS_CLIPCHILDREN;
    placement.parent = hostWindow_;
  } else {
    placement.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    placement.style = WS_POPUP | WS_CLIPCHILDREN;
    placement.parent = owner;
  }
  if (!Create(kClassName, preview ? kPreviewTitle : kTitle, placement)) return;
  if (!preview) {
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, nullptr, 0);
    screenSaverRunningSet_ = true;
  }

  showPackage_ = std::make_unique<XscrShowPackage>(reader);
  musicLibrary_ = std::make_unique<XscrMusicLibrary>(reader);
  const Rgb colour = setup_.layout.backgroundColour;

  timers_ = std::make_unique<WindowTimers>(Handle());
  picTransHost_ = std::make_unique<Win32PicTransHost>(Handle());
  picTrans_ = std::make_unique<TPic_Trans>(*picTransHost_);
  ShowWindowRules::SetUpTransitionControl(*picTrans_, colour);
  stage_ = std::make_unique<TransStage>(*picTrans_, *picTransHost_, colour);

  RECT client{0, 0, 0, 0};
  GetClientRect(Handle(), &client);
  stage_->SetBackground(ShowBackground(reader, client.right, client.bottom));
  reader.SetBackground(nullptr);  // not needed again

  captionPainter_ = std::make_unique<GdiCaptionPainter>(Handle());
  pictureFlyTarget_ = std::make_unique<PictureFlyTarget>(*picTrans_, *picTransHost_);
  std::unique_ptr<ShowMover> mover;
  if (setup_.mover) mover = std::make_unique<FlyMover>(*timers_, random_, *pictureFlyTarget_, setup_.layout.Area());
  ShowWindowServices& services = *this;
  ShowWindowInput& input = *this;
  MusicShowHost& musicHost = *this;
  sequencer_ = std::make_unique<ShowSequencer>(setup_.layout, *showPackage_, *stage_, services, random_, components_,
                                               *captionPainter_, flags_, std::move(mover));
  sequencer_->BuildShowOrder();
  music_ = std::make_unique<ShowMusic>(*musicLibrary_, musicHost, random_);
  music_->SetUp(setup_.mode, settings_, ScreenSaverSettingsKey(reader.Name()));
  rules_ = std::make_unique<ShowWindowRules>(!preview, setup_.layout.ignoreMouseMove, flags_, *sequencer_, *music_,
                                             input);

  if (setup_.hideCursor) {
    ShowCursor(FALSE);
    cursorHidden_ = true;
  }
  if (setup_.opacityPercent) SetFormOpacity(Handle(), *setup_.opacityPercent);
  if (rules_->WatchesHostWindow()) SetTimer(Handle(), kHostCheckTimerId, kHostCheckMs, nullptr);
  saverkit::TrimWorkingSet();
}

TFormX_Scr_Saver_Main::~TFormX_Scr_Saver_Main() { ReleaseShow(); }

void TFormX_Scr_Saver_Main::ReleaseShow() {
  if (sequencer_) {
    sequencer_->FreeOverlays();
    sequencer_->StopTransition();
  }
  if (music_) music_->TearDown();
  if (screenSaverRunningSet_) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, nullptr, 0);
  screenSaverRunningSet_ = false;
  if (cursorHidden_) ShowCursor(TRUE);
  cursorHidden_ = false;
  // The sequence holds the movie host and the mover, the music its player; they let go of their
  // files before the reader deletes them.
  rules_.reset();
  sequencer_.reset();
  music_.reset();
  showPackage_.reset();
  reader_.DeleteTemporaryFiles();
}

void TFormX_Scr_Saver_Main::StartShow() {
  if (!IsAlive()) return;
  ShowWindow(Handle(), SW_SHOW);
  if (!setup_.Preview()) SetForegroundWindow(Handle());
  UpdateWindow(Handle());
  // The full-screen show's activation has started it already; a preview is never activated.
  if (setup_.Preview() || GetActiveWindow() != Handle()) rules_->FormActivate();
}

LRESULT TFormX_Scr_Saver_Main::Answer(const MessageOutcome& outcome, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = outcome.passOn ? DefaultHandling(message, wParam, lParam) : outcome.result;
  if (outcome.destroyWindow) DestroyWindow(Handle());
  return result;
}

LRESULT TFormX_Scr_Saver_Main::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!rules_) return Window::HandleMessage(message, wParam, lParam);
  if (picTransHost_->HandleMessage(*picTrans_, message, lParam)) return 0;
  switch (message) {
    case WM_TIMER:
      return Answer(rules_->OnTimer(wParam), message, wParam, lParam);
    case WM_MOUSEMOVE:
      return Answer(rules_->OnMouseMove(), message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      return Answer(rules_->OnButtonDown(), message, wParam, lParam);
    case WM_KEYDOWN:
      return Answer(rules_->OnKeyDown(uint32_t(wParam)), message, wParam, lParam);
    case WM_ACTIVATE: {
      const bool inactive = LOWORD(wParam) == WA_INACTIVE;
      const MessageOutcome outcome =
          rules_->OnActivate(inactive, [&] { return DefaultHandling(message, wParam, lParam); });
      return Answer(outcome, message, wParam, lParam);
    }
    case WM_ACTIVATEAPP:
      return Answer(rules_->OnActivateApp(wParam != 0), message, wParam, lParam);
    case WM_NCACTIVATE:
      return Answer(rules_->OnNcActivate(wParam != 0), message, wParam, lParam);
    case WM_SYSCOMMAND:
      return Answer(rules_->OnSysCommand(wParam), message, wParam, lParam);
    case WM_CLOSE:
      if (rules_->FormCloseQuery()) DestroyWindow(Handle());
      return 0;
    case WM_SETCURSOR:
      if (cursorHidden_) {
        SetCursor(nullptr);
        return TRUE;
      }
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_DESTROY:
      if (rules_->OnDestroy() == ShowRelease::kEverything) {
        ReleaseShow();
      } else if (music_) {
        music_->TearDown();
      }
      break;
    case WM_ENDSESSION:
      return Answer(rules_->OnEndSession(wParam != 0), message, wParam, lParam);
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void TFormX_Scr_Saver_Main::PaintContent(HDC dc, const RECT&) {
  if (!stage_) return;
  RECT clip;
  if (GetClipBox(dc, &clip) == NULLREGION) return;
  const int width = clip.right - clip.left;
  const int height = clip.bottom - clip.top;
  // Composed off screen and copied once, so a picture never flickers over its background.
  MemoryDc memory(dc, width, height);
  if (!memory) return;
  SetViewportOrgEx(memory.Dc(), -clip.left, -clip.top, nullptr);
  // Bottom to top, as the controls lie: background, picture, overlays, captions.
  DrawBitmap(stage_->Background(), 0, 0, memory.Dc());
  if (stage_->Visible()) Win32PicTransHost::Present(*picTrans_, memory.Dc());
  for (const StageOverlay* overlay : stage_->Overlays()) {
    DrawBitmap(overlay->Picture(), overlay->Bounds().left, overlay->Bounds().top, memory.Dc());
  }
  // Caption labels are laid out on the show area.
  OffsetViewportOrgEx(memory.Dc(), setup_.layout.areaLeft, setup_.layout.areaTop, nullptr);
  captionPainter_->Paint(memory.Dc(), components_);
  SetViewportOrgEx(memory.Dc(), 0, 0, nullptr);
  BitBlt(dc, clip.left, clip.top, width, height, memory.Dc(), 0, 0, SRCCOPY);
}

void TFormX_Scr_Saver_Main::FlashMouseMove() {
  // Movement over a movie is judged like movement over the window.
  PostMessageA(Handle(), WM_MOUSEMOVE, 0, 0);
}

void TFormX_Scr_Saver_Main::StartItemTimer(uint32_t milliseconds) {
  SetTimer(Handle(), kItemTimerId, milliseconds, nullptr);
}

void TFormX_Scr_Saver_Main::KillItemTimer() { KillTimer(Handle(), kItemTimerId); }

void TFormX_Scr_Saver_Main::ProcessPendingMessages() {
  picTransHost_->ProcessMessages();
  // Captions and pictures changed by this step are painted before the next one begins.
  UpdateWindow(Handle());
}

std::unique_ptr<ShowMovie> TFormX_Scr_Saver_Main::CreateMovieHost(const Rect& bounds) {
  std::unique_ptr<FlashHostPanel> panel = NewMovieHost(Handle(), bounds.left, bounds.top, bounds.right, bounds.bottom);
  if (!panel) return nullptr;
  return std::make_unique<FlashShowMovie>(
      std::move(panel), bounds, [this] { FlashMouseMove(); }, [this] { rules_->FormDeactivate(); });
}

std::unique_ptr<ShowOverlay> TFormX_Scr_Saver_Main::CreateOverlayImage(Bitmap picture, const Rect& bounds) {
  return std::make_unique<StageOverlay>(*stage_, std::move(picture), bounds);
}

void TFormX_Scr_Saver_Main::CaptionsChanged() {
  // Labels may be anywhere and the previous item's are gone: one repaint of the window.
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TFormX_Scr_Saver_Main::TrimWorkingSet() { saverkit::TrimWorkingSet(); }

CursorPoint TFormX_Scr_Saver_Main::CursorPos() {
  POINT point{0, 0};
  GetCursorPos(&point);
  return {point.x, point.y};
}

bool TFormX_Scr_Saver_Main::HostWindowExists() { return IsWindow(hostWindow_) != FALSE; }

void TFormX_Scr_Saver_Main::PostClose() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void TFormX_Scr_Saver_Main::PostItemTimerMessage() { PostMessageA(Handle(), WM_TIMER, kItemTimerId, 0); }

bool TFormX_Scr_Saver_Main::PasswordRequested() {
  return RegReadInt(settings_, kDesktopKey, kUsePasswordValue, 0) != 0;
}

bool TFormX_Scr_Saver_Main::AskPassword() { return AskScreenSaverPassword(Handle()); }

std::unique_ptr<MediaWindow> TFormX_Scr_Saver_Main::CreateMusicWindow(uint32_t style) {
  return MusicWndCreate(Handle(), DWORD(style));
}

void TFormX_Scr_Saver_Main::NudgeCursor() {
  POINT point;
  if (GetCursorPos(&point)) SetCursorPos(point.x, point.y);
}

}  // namespace saverkit
