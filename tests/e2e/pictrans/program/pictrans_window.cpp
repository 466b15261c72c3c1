// A window that hosts the transition control and runs three transitions: a non-threaded one
// (old background to red), a threaded one (red to green) and a manual one (green to blue)
// paused at 50 %, where a wipe from the left shows blue on the left half and green on the right.
// The title tells the test script the outcome: "pictrans-e2e: paused" or "pictrans-e2e: failed
// ...". Once paused, the control's OnMouseEnter and OnMouseLeave turn the title into
// "pictrans-e2e: mouse in" and "pictrans-e2e: mouse out". The test closes the window; should it
// never do so, the window closes itself a minute after pausing (or after a failure, or when no
// pause came). The exit code is 0 when every check passed.
#include <windows.h>

#include <memory>
#include <string>

#include "base/win32/scoped_win.h"
#include "forms/win32/window.h"
#include "pictrans/pic_trans.h"
#include "pictrans/win32/pic_trans_host.h"

namespace saverkit {
namespace {

constexpr UINT kNextPhaseMessage = WM_APP + 1;
constexpr UINT_PTR kCloseTimer = 1, kGiveUpTimer = 2;
// Bounds only a run that hangs or a test that never closes the window: a busy machine may run
// the transitions slowly, and the test looks at the paused window in its own time.
constexpr UINT kGiveUpMs = 60000;
constexpr int kWidth = 400, kHeight = 200;
constexpr Rgb kRed{200, 30, 30}, kGreen{30, 160, 60}, kBlue{30, 60, 200};
constexpr TShowStyle kWipeFromLeft = 5, kWipeFromTop = 22;

class TransitionWindow : public Window {
 public:
  bool Open() {
    WindowPlacement placement;
    placement.style = WS_POPUP | WS_VISIBLE;
    placement.x = 100;
    placement.y = 100;
    placement.width = kWidth;
    placement.height = kHeight;
    if (!Create("SaverkitPicTransE2E", "pictrans-e2e", placement)) return false;
    host_ = std::make_unique<Win32PicTransHost>(Handle());
    control_ = std::make_unique<TCustomPic_Trans>(*host_);
    control_->SetAutoSize(false);
    control_->SetBounds(0, 0, kWidth, kHeight);
    control_->SetColor(Rgb{128, 128, 128});
    control_->SetStep(10);
    control_->SetDelay(10);
    control_->OnComplete = [this](TCustomPic_Trans&) {
      ++completions_;
      PostMessageA(Handle(), kNextPhaseMessage, 0, 0);
    };
    control_->OnMouseEnter = [this](TCustomPic_Trans&) { ReportMouse("in"); };
    control_->OnMouseLeave = [this](TCustomPic_Trans&) { ReportMouse("out"); };
    control_->OnProgress = [this](TCustomPic_Trans&) {
      if (GetCurrentThreadId() != uiThread_) Fail("a step ran off the user-interface thread");
    };
    SetTimer(Handle(), kGiveUpTimer, kGiveUpMs, nullptr);
    PostMessageA(Handle(), kNextPhaseMessage, 0, 0);
    return true;
  }
  int ExitCode() const { return failure_.empty() && paused_ ? 0 : 1; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (control_ && host_->HandleMessage(*control_, message, lParam)) return 0;
    switch (message) {
      case kNextPhaseMessage: OnNextPhase(); return 0;
      case WM_ERASEBKGND: return 1;  // the control paints every pixel
      case WM_TIMER: OnTimer(wParam); return 0;
      case WM_DESTROY:
        control_.reset();
        PostQuitMessage(0);
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
  }

  void PaintContent(HDC dc, const RECT&) override {
    if (control_) Win32PicTransHost::Present(*control_, dc);
  }

 private:
  void Show(Rgb colour) {
    const Bitmap picture(kWidth, kHeight, colour);
    control_->SetPicture(&picture);
  }

  void OnNextPhase() {
    if (!failure_.empty()) return;
    switch (phase_++) {
      case 0:  // non-threaded: Execute returns when the run has ended
        Show(kRed);
        control_->SetThreaded(false);
        control_->SetStyle(kWipeFromLeft);
        control_->Execute();
        if (control_->Busy() || completions_ != 1) Fail("the non-threaded run did not end in Execute");
        if (control_->Screen().Pixel(kWidth - 1, kHeight - 1) != kRed) Fail("the non-threaded run did not end at red");
        break;  // OnComplete has posted the next phase
      case 1:  // threaded: Execute returns at once, OnComplete comes later
        Show(kGreen);
        control_->SetThreaded(true);
        control_->SetStyle(kWipeFromTop);
        control_->Execute();
        if (!control_->Busy()) Fail("the threaded run ended inside Execute");
        break;
      case 2:  // manual, paused half way
        if (completions_ != 2 || control_->Screen().Pixel(0, kHeight - 1) != kGreen) {
          Fail("the threaded run did not end at green");
          return;
        }
        Show(kBlue);
        control_->SetStyle(kWipeFromLeft);
        control_->SetManual(true);
        control_->Execute();
        control_->SetProgress(50);
        paused_ = true;
        SetWindowTextA(Handle(), "pictrans-e2e: paused");
        SetTimer(Handle(), kCloseTimer, kGiveUpMs, nullptr);
        break;
      default: break;
    }
  }

  void OnTimer(WPARAM id) {
    if (id == kGiveUpTimer && !paused_) Fail("timed out");
    KillTimer(Handle(), id);
    DestroyWindow(Handle());
  }

  void ReportMouse(const char* where) {
    if (paused_ && failure_.empty()) SetWindowTextA(Handle(), (std::string("pictrans-e2e: mouse ") + where).c_str());
  }

  void Fail(const std::string& why) {
    if (!failure_.empty()) return;
    failure_ = why;
    SetWindowTextA(Handle(), ("pictrans-e2e: failed " + why).c_str());
    SetTimer(Handle(), kCloseTimer, 4000, nullptr);
  }

  std::unique_ptr<Win32PicTransHost> host_;
  std::unique_ptr<TCustomPic_Trans> control_;
  DWORD uiThread_ = GetCurrentThreadId();
  int phase_ = 0, completions_ = 0;
  bool paused_ = false;
  std::string failure_;
};

}  // namespace
}  // namespace saverkit

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  saverkit::TransitionWindow window;
  if (!window.Open()) return 2;
  saverkit::RunMessageLoop();
  return window.ExitCode();
}
