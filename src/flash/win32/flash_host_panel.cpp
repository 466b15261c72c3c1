#include "flash/win32/flash_host_panel.h"

#include <algorithm>

#include "flash/win32/rk_xshockwave_flash_ex.h"
#include "base/win32/scoped_win.h"
#include "forms/win32/text_drawing.h"

namespace saverkit {

namespace {
constexpr int kBevelWidth = 2;  // a raised outer and a lowered inner edge of one pixel each
constexpr int kLabelPointSize = 9;
}  // namespace

// The install request: black Arial on white, centred on two lines, passing the mouse to the
// host's events and the right click to its popup menu, as the player would.
class InstallRequestLabel : public Window {
 public:
  explicit InstallRequestLabel(FlashHostPanel& panel) : panel_(panel) {}

  bool Create(HWND parent) {
    WindowPlacement placement;
    placement.style = WS_CHILD | WS_VISIBLE;
    placement.x = placement.y = placement.width = placement.height = 0;
    placement.parent = parent;
    return Window::Create("SaverkitFlashInstallRequest", kInstallRequest, placement);
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    PlayerInput input = PlayerInput::kOther;
    switch (message) {
      case WM_MOUSEMOVE: input = PlayerInput::kMouseMove; break;
      case WM_LBUTTONUP: input = PlayerInput::kLeftButtonUp; break;
      case WM_RBUTTONUP: input = PlayerInput::kRightButtonUp; break;
      case WM_ERASEBKGND: return 1;
    }
    if (input != PlayerInput::kOther && panel_.RouteInput(input, wParam, lParam, true) != InputOutcome::kPassOn)
      return 0;
    return Window::HandleMessage(message, wParam, lParam);
  }

  void PaintContent(HDC dc, const RECT& area) override {
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!font_) {
      ControlFont arial;
      arial.name = "Arial";
      arial.size = kLabelPointSize;
      font_.Reset(CreateControlFont(arial, dc));
    }
    ScopedSelect selectFont(dc, font_.Get());
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawAlignedText(dc, kInstallRequest, area, DT_CENTER | DT_WORDBREAK, VerticalAlign::kCenter);
  }

 private:
  FlashHostPanel& panel_;
  ScopedFont font_;
};

std::unique_ptr<FlashHostPanel> FlashHostPanel::Create(HWND parent) {
  std::unique_ptr<FlashHostPanel> panel(new FlashHostPanel());
  WindowPlacement placement;
  placement.style = WS_CHILD | WS_CLIPCHILDREN;
  placement.x = placement.y = 0;
  placement.width = placement.height = 0;
  placement.parent = parent;
  if (!panel->Window::Create("SaverkitFlashHost", "", placement)) return nullptr;

  std::unique_ptr<RkXShockwaveFlashEx> player = RkXShockwaveFlashEx::Create(panel->Handle());
  panel->player_ = player.get();
  panel->host_ = std::make_unique<RkFlashEx>(std::move(player));
  if (panel->player_) {
    FlashHostPanel* self = panel.get();
    panel->player_->SetInputFilter([self](PlayerInput input, WPARAM keys, LPARAM position) {
      return self->RouteInput(input, keys, position, self->host_->PlayerMenu());
    });
  } else {
    panel->label_ = std::make_unique<InstallRequestLabel>(*panel);
    if (!panel->label_->Create(panel->Handle())) panel->label_.reset();
  }
  panel->OnSize();
  return panel;
}

FlashHostPanel::~FlashHostPanel() {
  // The player leaves its window before the panel goes.
  host_.reset();
  label_.reset();
}

HWND FlashHostPanel::InputWindow() const {
  if (player_) return player_->ControlWindow();
  return label_ ? label_->Handle() : nullptr;
}

void FlashHostPanel::SetMovieRect(const Rect& bounds) {
  host_->SetMovieRect(bounds);
  MoveWindow(Handle(), bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
}

void FlashHostPanel::SetPopupMenu(HMENU menu, HWND commandWindow) {
  popupMenu_ = menu;
  popupCommandWindow_ = commandWindow;
}

void FlashHostPanel::SetVisible(bool visible) { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }

InputOutcome FlashHostPanel::RouteInput(PlayerInput input, WPARAM keyFlags, LPARAM position, bool playerMenu) {
  const InputOutcome outcome =
      RoutePlayerInput(input, keyFlags, uintptr_t(position), playerMenu, popupMenu_ != nullptr, host_->Events());
  if (outcome == InputOutcome::kShowPopupMenu) {
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(popupMenu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                   popupCommandWindow_ ? popupCommandWindow_ : Handle(), nullptr);
  }
  return outcome;
}

void FlashHostPanel::OnSize() {
  if (!label_) return;  // the player is laid out through SetMovieRect
  RECT client;
  GetClientRect(Handle(), &client);
  MoveWindow(label_->Handle(), kBevelWidth, kBevelWidth, std::max(0L, client.right - 2 * kBevelWidth),
             std::max(0L, client.bottom - 2 * kBevelWidth), TRUE);
}

LRESULT FlashHostPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void FlashHostPanel::PaintContent(HDC dc, const RECT& clientArea) {
  RECT area = clientArea;
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (!player_) DrawEdge(dc, &area, BDR_RAISEDOUTER | BDR_SUNKENINNER, BF_RECT);
}

}  // namespace saverkit
