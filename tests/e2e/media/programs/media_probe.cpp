// Drives the media pieces of the runtime under Wine and writes what it observes, one
// "key=value" line each, to a report file for the e2e scripts to check:
//   media_probe flash MOVIE REPORT            the Flash host, with or without a player installed
//   media_probe registry-write KEY NAME INT   RegWriteInt under HKEY_CURRENT_USER
//   media_probe registry-read KEY NAME DEFAULT REPORT
//   media_probe music FILE REPORT             a music window created, opened, played, destroyed;
//                                             whether it was ever on screen
//   media_probe hover REPORT                  the hover image's enter and leave notifications
//   media_probe resources FOLDER REPORT       raw-data resources, put into a copy of the probe now
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "controls/win32/x_image_ex.h"
#include "flash/rk_flash_ex.h"
#include "forms/win32/window.h"
#include "base/registry_values.h"
#include "base/win32/resources.h"
#include "raster/win32/resource_pictures.h"
#include "raster/jpeg_codec.h"
#include "flash/win32/new_movie_host.h"
#include "base/win32/registry_settings_store.h"
#include "music/music_player.h"
#include "music/win32/mci_media_window.h"

using namespace saverkit;

namespace {

class Report {
 public:
  explicit Report(const char* path) : out_(path, std::ios::trunc) {}
  template <class T>
  void Line(const std::string& key, const T& value) {
    out_ << key << '=' << value << '\n';
    out_.flush();
  }

 private:
  std::ofstream out_;
};

class ProbeWindow : public Window {
 public:
  bool Create(bool visible) {
    WindowPlacement placement;
    placement.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
    placement.x = placement.y = 0;
    placement.width = 640;
    placement.height = 480;
    return Window::Create("SaverkitMediaProbe", "media probe", placement);
  }

  int popupsShown = 0;

 protected:
  // A popup menu opened on this window counts and is closed again shortly, as a user would.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_INITMENUPOPUP) {
      ++popupsShown;
      SetTimer(Handle(), kCloseMenuTimer, 100, nullptr);
    } else if (message == WM_TIMER && wParam == kCloseMenuTimer) {
      KillTimer(Handle(), kCloseMenuTimer);
      EndMenu();
      return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
  }

 private:
  static constexpr UINT_PTR kCloseMenuTimer = 77;
};

// Lets the windows work for `ms` milliseconds.
void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (int(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

int Flash(const char* movie, Report& report) {
  OleInitialize(nullptr);
  ProbeWindow main;
  if (!main.Create(true)) return 2;
  std::unique_ptr<FlashHostPanel> host = NewMovieHost(main.Handle(), 10, 10, 330, 250);
  report.Line("host", host ? 1 : 0);
  if (!host) return 3;
  RkFlashEx& flash = host->Host();
  report.Line("player", flash.HasPlayer() ? 1 : 0);
  report.Line("visible_at_creation", IsWindowVisible(host->Handle()) ? 1 : 0);
  if (!flash.HasPlayer()) {
    char text[128] = {};
    GetWindowTextA(host->InputWindow(), text, sizeof text);
    report.Line("label", Escaped(text));
  }
  flash.Events().onMouseMove = [&](ShiftState shift, int x, int y) {
    report.Line("event_mousemove", std::to_string(x) + " " + std::to_string(y) + (shift.left ? " left" : ""));
  };
  flash.Events().onClick = [&] { report.Line("event_click", 1); };

  flash.SetMovie(movie);
  report.Line("movie", flash.Movie());
  host->SetVisible(true);
  flash.Play();
  report.Line("total", flash.TotalFrames());
  Pump(300);
  report.Line("frame_a", flash.FrameNum());
  Pump(300);
  report.Line("frame_b", flash.FrameNum());
  report.Line("playing", flash.Playing() ? 1 : 0);

  HWND input = host->InputWindow();
  SendMessageA(input, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 30));
  SendMessageA(input, WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
  SendMessageA(input, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 30));
  SendMessageA(input, WM_RBUTTONUP, 0, MAKELPARAM(20, 30));  // no popup menu yet
  report.Line("popups_without_menu", main.popupsShown);
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, 1, "Close");
  host->SetPopupMenu(popup, main.Handle());
  SendMessageA(input, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 30));
  SendMessageA(input, WM_RBUTTONUP, 0, MAKELPARAM(20, 30));
  report.Line("popups_with_menu", main.popupsShown);
  host->SetPopupMenu(nullptr, nullptr);
  DestroyMenu(popup);
  report.Line("inputs_sent", 1);

  RECT before;
  GetWindowRect(host->Handle(), &before);
  host->SetMovieRect(Rect{50, 60, 370, 300});  // moved, same size
  RECT moved;
  GetWindowRect(host->Handle(), &moved);
  report.Line("moved_by", std::to_string(moved.left - before.left) + " " + std::to_string(moved.top - before.top));
  host->SetMovieRect(Rect{50, 60, 450, 360});  // resized
  report.Line("resized", 1);

  // Wait for the end of the movie the way the show does (the install request has none); the
  // bound is only for a movie that never ends.
  const DWORD deadline = GetTickCount() + (flash.HasPlayer() ? 60000 : 0);
  while (int(deadline - GetTickCount()) > 0 &&
         !MovieFinished(flash.TotalFrames(), flash.FrameNum(), flash.Playing()))
    Pump(50);
  report.Line("finished", MovieFinished(flash.TotalFrames(), flash.FrameNum(), flash.Playing()) ? 1 : 0);
  report.Line("end_frame", flash.FrameNum());
  report.Line("end_playing", flash.Playing() ? 1 : 0);
  host.reset();
  report.Line("done", 1);
  OleUninitialize();
  return 0;
}

// Whether a music player's window was ever on screen: checked after every message any window of
// this thread handles, so that not even the moment between its creation and a later hide escapes.
bool musicWindowSeen = false;

LRESULT CALLBACK WatchMusicWindow(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  char className[64] = {};
  if (code == HC_ACTION && GetClassNameA(message->hwnd, className, sizeof className) &&
      lstrcmpiA(className, "MCIWndClass") == 0 && IsWindowVisible(message->hwnd))
    musicWindowSeen = true;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

int Music(const char* file, Report& report) {
  ProbeWindow main;
  if (!main.Create(true)) return 2;  // shown, as the show and the dialog are
  HHOOK watch = SetWindowsHookExA(WH_CALLWNDPROCRET, WatchMusicWindow, nullptr, GetCurrentThreadId());
  std::unique_ptr<MediaWindow> music = MusicWndCreate(main.Handle(), mci::kShowWindowStyle);
  report.Line("created", music ? 1 : 0);
  if (!music) return 3;
  const bool opened = MusicWndOpen(music.get(), file);
  report.Line("opened", opened ? 1 : 0);
  report.Line("mode_after_open", MusicWndMode(music.get()));
  MusicWndPlay(music.get());
  Pump(200);
  report.Line("mode_after_play", MusicWndMode(music.get()));
  MusicWndPause(music.get());
  MusicWndStop(music.get());
  report.Line("mode_after_stop", MusicWndMode(music.get()));
  HWND child = FindWindowExA(main.Handle(), nullptr, nullptr, nullptr);
  report.Line("window_before_destroy", IsWindow(child) ? 1 : 0);
  MusicWndDestroy(music);
  Pump(100);
  UnhookWindowsHookEx(watch);
  report.Line("window_after_destroy", IsWindow(child) ? 1 : 0);
  report.Line("seen", musicWindowSeen ? 1 : 0);
  report.Line("done", 1);
  return 0;
}

int Hover(Report& report) {
  ProbeWindow main;
  if (!main.Create(true)) return 2;
  SetWindowPos(main.Handle(), HWND_TOPMOST, 0, 0, 640, 480, SWP_SHOWWINDOW);
  XImageEx image;
  if (!image.Create(main.Handle(), 100, 100, 80, 60)) return 3;
  int outs = 0;
  image.OnMouseOut = [&] { ++outs; };  // OnMouseIn left unassigned on purpose
  POINT inside = {140, 130};
  ClientToScreen(main.Handle(), &inside);
  SetCursorPos(inside.x, inside.y);
  Pump(300);
  report.Line("inside", image.MouseInside() ? 1 : 0);
  SetCursorPos(inside.x + 300, inside.y + 200);
  Pump(300);
  report.Line("inside_after_leave", image.MouseInside() ? 1 : 0);
  report.Line("mouse_outs", outs);
  report.Line("done", 1);
  return 0;
}

int Resources(const std::string& folder, Report& report) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string copy = folder + "\\resource_host.exe";
  if (!CopyFileA(self, copy.c_str(), FALSE)) return 2;

  Bitmap picture(48, 32, Rgb{30, 160, 90});
  const std::vector<uint8_t> jpeg = EncodeJpeg(picture, 90);
  const std::string text = "not a picture";
  HANDLE update = BeginUpdateResourceA(copy.c_str(), FALSE);
  if (!update) return 3;
  const WORD neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
  UpdateResourceA(update, MAKEINTRESOURCEA(10), "PICTURE", neutral, const_cast<uint8_t*>(jpeg.data()),
                  DWORD(jpeg.size()));
  UpdateResourceA(update, MAKEINTRESOURCEA(10), "NOTJPEG", neutral, const_cast<char*>(text.data()), DWORD(text.size()));
  if (!EndUpdateResourceA(update, FALSE)) return 4;

  HMODULE module = LoadLibraryExA(copy.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return 5;
  std::vector<uint8_t> stream = {1, 2, 3};
  report.Line("stream_picture", LoadResourceStream(module, "PICTURE", MAKEINTRESOURCEA(10), stream) ? 1 : 0);
  report.Line("stream_same_bytes", stream == jpeg ? 1 : 0);
  report.Line("stream_missing", LoadResourceStream(module, "MISSING", MAKEINTRESOURCEA(10), stream) ? 1 : 0);
  report.Line("stream_emptied", stream.empty() ? 1 : 0);
  for (int scale : {0, 3}) {
    Bitmap loaded;
    const bool ok = LoadResourceJpeg(module, "PICTURE", loaded, scale);
    report.Line("jpeg_scale" + std::to_string(scale),
                std::to_string(ok) + " " + std::to_string(loaded.Width()) + "x" + std::to_string(loaded.Height()));
  }
  Bitmap kept(5, 5);
  report.Line("jpeg_not_a_picture", LoadResourceJpeg(module, "NOTJPEG", kept, 0) ? 1 : 0);
  report.Line("jpeg_missing", LoadResourceJpeg(module, "MISSING", kept, 0) ? 1 : 0);
  report.Line("kept_size", std::to_string(kept.Width()) + "x" + std::to_string(kept.Height()));
  FreeLibrary(module);
  report.Line("done", 1);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "flash" && argc == 4) {
    Report report(argv[3]);
    return Flash(argv[2], report);
  }
  if (command == "registry-write" && argc == 5) {
    RegistrySettingsStore store;
    return RegWriteInt(store, argv[2], argv[3], std::atoi(argv[4])) ? 0 : 1;
  }
  if (command == "registry-read" && argc == 6) {
    RegistrySettingsStore store;
    Report report(argv[5]);
    report.Line("value", RegReadInt(store, argv[2], argv[3], std::atoi(argv[4])));
    return 0;
  }
  if (command == "music" && argc == 4) {
    Report report(argv[3]);
    return Music(argv[2], report);
  }
  if (command == "hover" && argc == 3) {
    Report report(argv[2]);
    return Hover(report);
  }
  if (command == "resources" && argc == 4) {
    Report report(argv[3]);
    return Resources(argv[2], report);
  }
  std::fprintf(stderr, "usage: media_probe flash|registry-write|registry-read|music|hover|resources ...\n");
  return 2;
}
