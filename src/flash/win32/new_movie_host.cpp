#include "flash/win32/new_movie_host.h"

namespace saverkit {

std::unique_ptr<FlashHostPanel> NewMovieHost(HWND parent, int left, int top, int right, int bottom) {
  std::unique_ptr<FlashHostPanel> host = FlashHostPanel::Create(parent);
  if (!host) return nullptr;
  host->SetVisible(false);
  host->SetMovieRect(Rect{left, top, right, bottom});
  return host;
}

}  // namespace saverkit
