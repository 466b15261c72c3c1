// The base of every window of the program: one C++ object per window, found again by the shared
// window procedure through GWLP_USERDATA (set at WM_NCCREATE), with one virtual HandleMessage
// where a derived window keeps its message table and one handler per message.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace saverkit {

struct WindowPlacement {
  DWORD exStyle = 0;
  DWORD style = WS_OVERLAPPEDWINDOW;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  HWND parent = nullptr;  // the parent of a child window, the owner of a top-level one
  int childId = 0;        // the control id of a child window
};

// What a window class is registered with. The icon is a resource of the program ("MAINICON" by
// default); a null cursor name keeps the arrow.
struct WindowClass {
  const char* name;
  UINT style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  const char* icon = "MAINICON";
  const char* cursor = nullptr;  // a system cursor such as IDC_HAND; null: IDC_ARROW
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  bool IsAlive() const { return hwnd_ != nullptr; }

 protected:
  // Registers `className` once per process and creates the window; false when Windows refuses.
  bool Create(const char* className, const std::string& title, const WindowPlacement& placement);
  bool Create(const WindowClass& windowClass, const std::string& title, const WindowPlacement& placement);

  // The message table of the window. Unhandled messages go to the default procedure.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Both WM_PAINT and WM_PRINTCLIENT draw through here.
  virtual void PaintContent(HDC dc, const RECT& clientArea) {}
  // The window is gone; called after WM_NCDESTROY, when Handle() is already null.
  virtual void OnDestroyed() {}

  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

// Runs the thread's message loop until WM_QUIT and returns its exit code. An exception thrown
// inside a window procedure cannot cross back through Windows: it is kept, the loop ends, and
// it is rethrown here to reach the program's error guard.
int RunMessageLoop();

// Whether a window procedure has caught an exception that waits to be rethrown, and the rethrow
// (nothing when none waits): modal loops end on it and hand it on.
bool ExceptionPending();
void RethrowPendingException();
// For window callbacks other than the shared window procedure (subclass procedures): keeps the
// exception being handled for the loop to rethrow and asks the loop to end.
void KeepPendingException();

}  // namespace saverkit
