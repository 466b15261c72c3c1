// The hidden multimedia window that plays one music file at a time, seen as the window
// messages we send it. On Windows it is an MCIWnd window; tests script one.
#pragma once

#include <cstdint>
#include <string>

namespace saverkit {

// Messages and answers of the multimedia window, with the values its headers give them.
namespace mci {
constexpr uint32_t kClose = 0x0804;
constexpr uint32_t kPlay = 0x0806;
constexpr uint32_t kSeek = 0x0807;
constexpr uint32_t kStop = 0x0808;
constexpr uint32_t kPause = 0x0809;
constexpr uint32_t kResume = 0x0855;
constexpr uint32_t kGetModeA = 0x046A;  // WM_USER + 106
constexpr uint32_t kOpenA = 0x0499;     // WM_USER + 153
constexpr uint32_t kWindowClose = 0x0010;  // WM_CLOSE: the window destroys itself
constexpr intptr_t kSeekToStart = -1;

constexpr intptr_t kModeNotReady = 524;
constexpr intptr_t kModeStopped = 525;
constexpr intptr_t kModePlaying = 526;
constexpr intptr_t kModePaused = 529;

// Window styles: a disabled, never visible child that raises no error dialog.
constexpr uint32_t kShowWindowStyle = 0x48804002;    // WS_CHILD|WS_DISABLED|WS_BORDER|NOERRORDLG|NOPLAYBAR
constexpr uint32_t kDialogWindowStyle = 0x48804008;  // WS_CHILD|WS_DISABLED|WS_BORDER|NOERRORDLG|NOMENU
}  // namespace mci

class MediaWindow {
 public:
  virtual ~MediaWindow() = default;
  // Sends `message` with wParam 0 and this lParam; the window's answer.
  virtual intptr_t Send(uint32_t message, intptr_t lParam) = 0;
  // Sends `message` with wParam 0 and lParam pointing at `text` (never a null pointer).
  virtual intptr_t SendText(uint32_t message, const std::string& text) = 0;
};

}  // namespace saverkit
