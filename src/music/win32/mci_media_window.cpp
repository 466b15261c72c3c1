#include "music/win32/mci_media_window.h"

#include <vfw.h>

namespace saverkit {
namespace {

class MciMediaWindow : public MediaWindow {
 public:
  MciMediaWindow(HWND holder, HWND window) : holder_(holder), window_(window) {}
  // Destroying the holder destroys the player's window with it.
  ~MciMediaWindow() override {
    if (IsWindow(holder_)) DestroyWindow(holder_);
  }

  intptr_t Send(uint32_t message, intptr_t lParam) override {
    return SendMessageA(window_, message, 0, LPARAM(lParam));
  }
  intptr_t SendText(uint32_t message, const std::string& text) override {
    return SendMessageA(window_, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

 private:
  HWND holder_;
  HWND window_;
};

}  // namespace

// The player's window only plays: it must never be seen, not even for a frame. MCIWndCreate makes
// its window visible whatever the style says, and opening a file sizes it, so it lives inside a
// hidden holder of no size: a window whose parent is hidden is never drawn.
std::unique_ptr<MediaWindow> MusicWndCreate(HWND parent, DWORD style) {
  HWND holder = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_DISABLED, 0, 0, 0, 0, parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  if (!holder) return nullptr;
  HWND window = MCIWndCreateA(holder, GetModuleHandleA(nullptr), style, "");
  if (!window) {
    DestroyWindow(holder);
    return nullptr;
  }
  return std::make_unique<MciMediaWindow>(holder, window);
}

}  // namespace saverkit
