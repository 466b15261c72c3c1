#include "music/win32/mci_media_window.h"

#include <vfw.h>

namespace saverkit {
namespace {

class MciMediaWindow : public MediaWindow {
 public:
  explicit MciMediaWindow(HWND window) : window_(window) { KeepHidden(); }
  // The window destroys itself on WM_CLOSE; one still alive when we forget it goes too.
  ~MciMediaWindow() override {
    if (IsWindow(window_)) DestroyWindow(window_);
  }

  intptr_t Send(uint32_t message, intptr_t lParam) override {
    const intptr_t result = SendMessageA(window_, message, 0, LPARAM(lParam));
    KeepHidden();
    return result;
  }
  intptr_t SendText(uint32_t message, const std::string& text) override {
    const intptr_t result = SendMessageA(window_, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
    KeepHidden();
    return result;
  }

 private:
  // The player's window only plays: it is never seen. Some systems (Wine's MCIWndCreateA) make it
  // visible even when the style asks for a hidden child, and opening a file may size and show it.
  void KeepHidden() {
    if (IsWindow(window_) && IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
  }

  HWND window_;
};

}  // namespace

std::unique_ptr<MediaWindow> MusicWndCreate(HWND parent, DWORD style) {
  HWND window = MCIWndCreateA(parent, GetModuleHandleA(nullptr), style, "");
  if (!window) return nullptr;
  return std::make_unique<MciMediaWindow>(window);
}

}  // namespace saverkit
