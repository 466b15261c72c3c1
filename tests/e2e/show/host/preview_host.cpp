// A stand-in for the display control panel's preview: a 152 x 112 window that starts a screen
// saver with "/p <window>" inside it. Usable by hand:
//   preview_host SAVER.scr [SECONDS]
// keeps the host open (default: until closed) until the saver's preview has run inside it for
// SECONDS, then destroys it and reports, on standard output, how the saver's process ended:
//   host <window> child <window or 0> inside=<0|1>
//   ended after <ms> ms            or    still running after <ms> ms
// Exit code: 0 when the saver ended after the host's end, 1 otherwise, 2 on misuse. The waits
// are bounded only for a saver that hangs: a start under Wine on a busy machine can take long.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kPreviewWidth = 152;
constexpr int kPreviewHeight = 112;
constexpr DWORD kPatienceMs = 60000;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Keeps the host responsive until `done` holds or `milliseconds` have passed.
template <typename Done>
void PumpUntil(DWORD milliseconds, Done done) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (!done() && GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: preview_host SAVER.scr [SECONDS]\n");
    return 2;
  }
  const int seconds = argc > 2 ? std::atoi(argv[2]) : -1;

  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "saverkit.PreviewHost";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassA(&wc);
  RECT frame{0, 0, kPreviewWidth, kPreviewHeight};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  AdjustWindowRect(&frame, style, FALSE);
  HWND host = CreateWindowA(wc.lpszClassName, "saverkit preview host", style, 40, 40, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, wc.hInstance, nullptr);
  if (!host) return 2;

  std::string command = std::string("\"") + argv[1] + "\" /p " + std::to_string(reinterpret_cast<intptr_t>(host));
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot start %s\n", argv[1]);
    return 2;
  }

  if (seconds < 0) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  } else {
    PumpUntil(kPatienceMs, [&] { return GetWindow(host, GW_CHILD) != nullptr; });
    PumpUntil(DWORD(seconds) * 1000, [] { return false; });
    HWND child = GetWindow(host, GW_CHILD);
    RECT client{}, inner{};
    GetClientRect(host, &client);
    if (child) GetWindowRect(child, &inner);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&inner), 2);
    const bool inside = child && inner.left >= 0 && inner.top >= 0 && inner.right <= client.right &&
                        inner.bottom <= client.bottom;
    std::printf("host %lld child %lld inside=%d\n", static_cast<long long>(reinterpret_cast<intptr_t>(host)),
                static_cast<long long>(reinterpret_cast<intptr_t>(child)), inside ? 1 : 0);
    DestroyWindow(host);
  }

  const DWORD start = GetTickCount();
  const DWORD waited = WaitForSingleObject(process.hProcess, kPatienceMs);
  const DWORD elapsed = GetTickCount() - start;
  if (waited == WAIT_OBJECT_0) {
    std::printf("ended after %lu ms\n", static_cast<unsigned long>(elapsed));
  } else {
    std::printf("still running after %lu ms\n", static_cast<unsigned long>(elapsed));
    TerminateProcess(process.hProcess, 1);
  }
  std::fflush(stdout);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return waited == WAIT_OBJECT_0 ? 0 : 1;
}
