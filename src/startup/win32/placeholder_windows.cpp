#include "startup/win32/placeholder_windows.h"

#include "forms/win32/gdi.h"

namespace saverkit {
namespace {

constexpr int kCloseButtonId = IDCANCEL;

void DrawCentredText(HDC dc, RECT area, const std::string& text, COLORREF colour) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextA(dc, text.c_str(), int(text.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

ApplicationWindow::ApplicationWindow(const std::string& title) {
  WindowPlacement p;
  p.exStyle = WS_EX_APPWINDOW;
  p.style = WS_POPUP;
  p.x = p.y = p.width = p.height = 0;
  Create("saverkit.Application", title, p);
}

void ApplicationWindow::HideFromTaskbar() {
  const LONG exStyle = GetWindowLongA(Handle(), GWL_EXSTYLE);
  SetWindowLongA(Handle(), GWL_EXSTYLE, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
}

DialogPlaceholder::DialogPlaceholder(const std::string& title, const std::string& text, HWND owner,
                                     bool taskbarButton)
    : text_(text), owner_(owner) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  WindowPlacement p;
  p.exStyle = taskbarButton ? WS_EX_APPWINDOW : 0;
  p.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
  p.width = 480;
  p.height = 200;
  p.x = work.left + (work.right - work.left - p.width) / 2;
  p.y = work.top + (work.bottom - work.top - p.height) / 2;
  p.parent = owner;
  Create("saverkit.Dialog", title, p);
}

LRESULT DialogPlaceholder::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void DialogPlaceholder::OnCreate() {
  RECT client;
  GetClientRect(Handle(), &client);
  HWND button = CreateWindowExA(0, "BUTTON", "Close", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                client.right - 100, client.bottom - 40, 88, 28, Handle(),
                                reinterpret_cast<HMENU>(INT_PTR(kCloseButtonId)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(button, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SetFocus(button);
  if (owner_ && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    disabledOwner_ = true;
  }
}

void DialogPlaceholder::OnCommand(WORD id) {
  if (id == kCloseButtonId || id == IDOK) DestroyWindow(Handle());
}

// The owner is enabled again before this window goes, so that Windows activates the owner.
void DialogPlaceholder::OnDestroy() {
  if (disabledOwner_) EnableWindow(owner_, TRUE);
}

void DialogPlaceholder::PaintContent(HDC dc, const RECT& area) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  RECT textArea = area;
  textArea.bottom -= 48;
  ScopedSelect font(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawCentredText(dc, textArea, text_, GetSysColor(COLOR_BTNTEXT));
}

}  // namespace saverkit
