// A small Windows program the end-to-end tests run beside the runtime under Wine: it hosts the
// runtime's preview and owned configuration in a window of its own, inspects and closes the
// runtime's windows by title, and reads the cursor's state. Each command prints what it saw and exits 0 when the runtime
// behaved, 1 when not, 2 on a bad command line.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dialog_commands.h"
#include "folder_chooser.h"

namespace {

constexpr int kHostClientWidth = 320;
constexpr int kHostClientHeight = 240;
// How long the driver waits for the runtime before it gives up: only a bound for a runtime that
// hangs, since a program's start under Wine on a busy machine can take over ten seconds.
constexpr DWORD kPatienceMs = 60000;

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Waits up to `ms` for `ready`, keeping this thread's windows responsive.
template <typename Ready>
bool WaitFor(DWORD ms, Ready ready) {
  const DWORD start = GetTickCount();
  while (!ready()) {
    if (GetTickCount() - start > ms) return false;
    Pump();
    Sleep(50);
  }
  return true;
}

HWND CreateHost() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "saverkit.e2e.Host";
  RegisterClassA(&wc);
  RECT frame = {0, 0, kHostClientWidth, kHostClientHeight};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN;
  AdjustWindowRect(&frame, style, FALSE);
  HWND host = CreateWindowExA(0, wc.lpszClassName, "saverkit e2e host", style, 40, 40, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, wc.hInstance, nullptr);
  Pump();
  return host;
}

bool Start(const std::string& program, const std::string& arguments, PROCESS_INFORMATION& process) {
  std::string commandLine = "\"" + program + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::printf("cannot start %s (error %lu)\n", program.c_str(), GetLastError());
    return false;
  }
  return true;
}

// Waits for the process to end; its exit code, or -1 when it is still running after `ms`.
long WaitExit(const PROCESS_INFORMATION& process, DWORD ms) {
  if (!WaitFor(ms, [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; })) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  return long(code);
}

// The top-level window with exactly this title; says so when there is none.
HWND FindTopWindow(const std::string& title) {
  HWND window = FindWindowA(nullptr, title.c_str());
  if (!window) std::printf("no window '%s'\n", title.c_str());
  return window;
}

HWND FindChildByTitle(HWND parent, const char* title) {
  return FindWindowExA(parent, nullptr, nullptr, title);
}

// preview RUNTIME: the runtime's /p child fills the host's client area; when the host goes,
// the runtime must end.
int Preview(const std::string& runtime) {
  HWND host = CreateHost();
  PROCESS_INFORMATION process;
  if (!Start(runtime, "/p " + std::to_string(reinterpret_cast<intptr_t>(host)), process)) return 1;
  HWND child = nullptr;
  if (!WaitFor(kPatienceMs, [&] { return (child = FindChildByTitle(host, "saverkit: preview")) != nullptr; })) {
    std::printf("no preview child in the host\n");
    return 1;
  }
  RECT rc;
  GetWindowRect(child, &rc);
  POINT origin = {0, 0};
  ClientToScreen(host, &origin);
  std::printf("preview child %ldx%ld at %ld,%ld; host client at %ld,%ld\n", rc.right - rc.left, rc.bottom - rc.top,
              rc.left, rc.top, origin.x, origin.y);
  std::fflush(stdout);
  const bool fills = rc.right - rc.left == kHostClientWidth && rc.bottom - rc.top == kHostClientHeight &&
                     rc.left == origin.x && rc.top == origin.y;
  WaitFor(1000, [] { return false; });  // a second of preview before the host goes
  DestroyWindow(host);
  const long code = WaitExit(process, kPatienceMs);
  std::printf("runtime exit after the host went: %ld\n", code);
  if (code < 0) TerminateProcess(process.hProcess, 1);
  return fills && code == 0 ? 0 : 1;
}

// owned-config RUNTIME TITLE: /c:<host> opens the configuration (a window titled TITLE) owned by
// the host and modal to it.
int OwnedConfiguration(const std::string& runtime, const std::string& title) {
  HWND host = CreateHost();
  PROCESS_INFORMATION process;
  if (!Start(runtime, "/c:" + std::to_string(reinterpret_cast<intptr_t>(host)), process)) return 1;
  HWND dialog = nullptr;
  if (!WaitFor(kPatienceMs, [&] { return (dialog = FindWindowA(nullptr, title.c_str())) != nullptr; })) {
    std::printf("no configuration window\n");
    return 1;
  }
  // Found by title, it may still be in its creation: wait until it is shown.
  WaitFor(kPatienceMs, [&] { return IsWindowVisible(dialog) != FALSE; });
  const bool owned = GetWindow(dialog, GW_OWNER) == host;
  const bool hostDisabled = WaitFor(kPatienceMs, [&] { return !IsWindowEnabled(host); });
  const bool appWindow = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0;
  std::printf("owned by host: %d; host disabled: %d; application window: %d\n", owned, hostDisabled, appWindow);
  PostMessageA(dialog, WM_CLOSE, 0, 0);
  const long code = WaitExit(process, kPatienceMs);
  Pump();
  const bool hostEnabledAgain = IsWindowEnabled(host) != FALSE;
  std::printf("runtime exit: %ld; host enabled again: %d\n", code, hostEnabledAgain);
  if (code < 0) TerminateProcess(process.hProcess, 1);
  return owned && hostDisabled && !appWindow && code == 0 && hostEnabledAgain ? 0 : 1;
}

// inspect TITLE: where the window is and whether Windows gives it a taskbar button.
int Inspect(const std::string& title) {
  HWND window = FindTopWindow(title);
  if (!window) return 1;
  const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  const bool owned = GetWindow(window, GW_OWNER) != nullptr;
  // The shell's rule: an application window always, otherwise an unowned non-tool window.
  const bool taskbar = (exStyle & WS_EX_APPWINDOW) || (!owned && !(exStyle & WS_EX_TOOLWINDOW));
  RECT rc;
  GetWindowRect(window, &rc);
  std::printf("owned=%d taskbar=%d topmost=%d rect=%ld,%ld,%ld,%ld\n", owned, taskbar,
              (exStyle & WS_EX_TOPMOST) != 0, rc.left, rc.top, rc.right, rc.bottom);
  return 0;
}

// cursor: whether the cursor shows for the window in front, as Windows draws it. A full-screen
// show that hides the cursor has it hidden for the whole desktop while it is in front.
int Cursor() {
  CURSORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetCursorInfo(&info)) {
    std::printf("no cursor information (error %lu)\n", GetLastError());
    return 1;
  }
  std::printf("showing=%d shape=%d\n", (info.flags & CURSOR_SHOWING) != 0, info.hCursor != nullptr);
  return 0;
}

// layered TITLE: whether the window is layered, and with which constant opacity (255 when not).
int Layered(const std::string& title) {
  HWND window = FindTopWindow(title);
  if (!window) return 1;
  const bool layered = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  BYTE alpha = 255;
  DWORD flags = 0;
  COLORREF key = 0;
  if (layered && (!GetLayeredWindowAttributes(window, &key, &alpha, &flags) || !(flags & LWA_ALPHA))) alpha = 255;
  std::printf("layered=%d alpha=%d\n", layered, int(alpha));
  return 0;
}

// close TITLE: asks the window to close, as its close box would.
int Close(const std::string& title) {
  HWND window = FindTopWindow(title);
  if (!window) return 1;
  PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}

// activate TITLE: tells the window it was activated again, as Windows does when the user comes
// back to it from another window (a password dialog, say).
int Activate(const std::string& title) {
  HWND window = FindTopWindow(title);
  if (!window) return 1;
  SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
  return 0;
}

// end-session TITLE: the session ends as Windows ends it: the window is asked whether it may end,
// told that it ends, and its process is stopped as soon as it has answered.
int EndSession(const std::string& title) {
  HWND window = FindTopWindow(title);
  if (!window) return 1;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
  if (!process) {
    std::printf("cannot open the window's process (error %lu)\n", GetLastError());
    return 1;
  }
  DWORD_PTR mayEnd = 0;
  SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000, &mayEnd);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000, &ignored);
  const bool endedByItself = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  if (!endedByItself) TerminateProcess(process, 0);
  CloseHandle(process);
  std::printf("may end=%d\n", mayEnd != 0);
  return 0;
}

// other-window: a window of the driver's own, titled "saverkit e2e other", takes the activation
// until it is closed (`close "saverkit e2e other"`), so that the runtime's window is inactive
// meanwhile.
int OtherWindow() {
  HWND other = CreateHost();
  SetWindowTextA(other, "saverkit e2e other");
  SetForegroundWindow(other);
  SetActiveWindow(other);
  const bool closed = WaitFor(kPatienceMs, [&] { return !IsWindow(other); });
  if (!closed) DestroyWindow(other);
  return closed ? 0 : 1;
}

// menu: whether a pop-up menu shows (exit code 0) or not (1).
int Menu() {
  HWND menu = FindWindowA("#32768", nullptr);
  const bool showing = menu && IsWindowVisible(menu);
  std::printf("menu=%d\n", showing);
  return showing ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // "--now" before a dialog command: the window must be there already.
  const bool waitForWindow = !(argc > 1 && std::string(argv[1]) == "--now");
  if (!waitForWindow) {
    --argc;
    ++argv;
  }
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "preview" && argc == 3) return Preview(argv[2]);
  if (command == "owned-config" && argc == 4) return OwnedConfiguration(argv[2], argv[3]);
  if (command == "inspect" && argc == 3) return Inspect(argv[2]);
  if (command == "close" && argc == 3) return Close(argv[2]);
  if (command == "cursor" && argc == 2) return Cursor();
  if (command == "layered" && argc == 3) return Layered(argv[2]);
  if (command == "activate" && argc == 3) return Activate(argv[2]);
  if (command == "end-session" && argc == 3) return EndSession(argv[2]);
  if (command == "choose-folder" && argc >= 4)
    return saverkit::e2e::ChooseFolder(argv[2], std::vector<std::string>(argv + 3, argv + argc));
  if (command == "other-window" && argc == 2) return OtherWindow();
  if (command == "menu" && argc == 2) return Menu();
  if (argc >= 3) {
    const int code = saverkit::e2e::RunDialogCommand(std::vector<std::string>(argv + 1, argv + argc), waitForWindow);
    if (code != 2) return code;
  }
  std::fprintf(stderr,
               "usage: e2e_driver preview RUNTIME | owned-config RUNTIME TITLE | inspect TITLE | close TITLE | cursor | "
               "layered TITLE | activate TITLE | end-session TITLE | choose-folder TITLE PART... | other-window | menu | "
               "[--now] a dialog command (dialog_commands.h)\n");
  return 2;
}
