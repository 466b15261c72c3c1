// The Flash host's panel window: the embedded player filling it, or, when there is no player,
// the install request in its place. Properties and events go through the portable RkFlashEx.
#pragma once

#include <windows.h>

#include <memory>

#include "flash/player_input.h"
#include "flash/rk_flash_ex.h"
#include "forms/win32/window.h"

namespace saverkit {

class RkXShockwaveFlashEx;
class InstallRequestLabel;

class FlashHostPanel : public Window {
 public:
  // A hidden child of `parent`, with a player when one can be created. Null when even the panel
  // cannot be made.
  static std::unique_ptr<FlashHostPanel> Create(HWND parent);
  ~FlashHostPanel() override;

  RkFlashEx& Host() { return *host_; }
  // Moves and sizes the panel; the movie is laid out again only when the size changed.
  void SetMovieRect(const Rect& bounds);
  // The popup menu shown on a right click instead of the player's own; its commands go to
  // `commandWindow`. A null menu removes it.
  void SetPopupMenu(HMENU menu, HWND commandWindow);
  void SetVisible(bool visible);

  // The window that receives the mouse: the player's, or the install request's.
  HWND InputWindow() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientArea) override;

 private:
  FlashHostPanel() = default;
  InputOutcome RouteInput(PlayerInput input, WPARAM keyFlags, LPARAM position, bool playerMenu);
  void OnSize();

  std::unique_ptr<RkFlashEx> host_;
  RkXShockwaveFlashEx* player_ = nullptr;  // owned by host_
  std::unique_ptr<InstallRequestLabel> label_;
  HMENU popupMenu_ = nullptr;
  HWND popupCommandWindow_ = nullptr;

  friend class InstallRequestLabel;
};

}  // namespace saverkit
