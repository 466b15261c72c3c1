#include "forms/win32/window.h"

#include <set>
#include <utility>

#include "base/win32/scoped_win.h"

namespace saverkit {
namespace {

// The first exception a window procedure caught, waiting for RunMessageLoop to rethrow it.
thread_local std::exception_ptr pendingException;

void RegisterOnce(const WindowClass& windowClass, WNDPROC procedure) {
  static std::set<std::string> registered;
  if (!registered.insert(windowClass.name).second) return;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = windowClass.style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = windowClass.icon ? LoadIconA(wc.hInstance, windowClass.icon) : nullptr;
  wc.hCursor = LoadCursorA(nullptr, windowClass.cursor ? windowClass.cursor : IDC_ARROW);
  wc.lpszClassName = windowClass.name;
  RegisterClassExA(&wc);
}

}  // namespace

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::Create(const char* className, const std::string& title, const WindowPlacement& p) {
  WindowClass windowClass;
  windowClass.name = className;
  return Create(windowClass, title, p);
}

bool Window::Create(const WindowClass& windowClass, const std::string& title, const WindowPlacement& p) {
  RegisterOnce(windowClass, WindowProc);
  HMENU id = (p.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.childId)) : nullptr;
  CreateWindowExA(p.exStyle, windowClass.name, title.c_str(), p.style, p.x, p.y, p.width, p.height, p.parent, id,
                  GetModuleHandleA(nullptr), this);
  return hwnd_ != nullptr;
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PaintScope paint(hwnd_);
      RECT client;
      GetClientRect(hwnd_, &client);
      PaintContent(paint.Dc(), client);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd_, &client);
      PaintContent(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
  }
  return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    const LRESULT result = DefaultHandling(message, wParam, lParam);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    OnDestroyed();
    return result;
  }
  return HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    KeepPendingException();
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  RethrowPendingException();
  return int(msg.wParam);
}

void KeepPendingException() {
  if (!pendingException) pendingException = std::current_exception();
  PostQuitMessage(0);
}

bool ExceptionPending() { return pendingException != nullptr; }

void RethrowPendingException() {
  if (pendingException) std::rethrow_exception(std::exchange(pendingException, nullptr));
}

}  // namespace saverkit
