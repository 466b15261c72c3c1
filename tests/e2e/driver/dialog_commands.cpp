// The e2e driver's commands for the program's dialogs: controls are found under a top-level
// window (found by its title) by component name, window class, text or id, and are clicked,
// read, selected and sent keys the way a user's input would reach them.
#include "dialog_commands.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/win32/form_inspection.h"

namespace saverkit::e2e {
namespace {

// Waits up to 60 s (a loaded machine starts Wine programs slowly) for a visible top-level window
// of that title; looks once when `wait` is off.
HWND FindForm(const std::string& title, bool wait) {
  for (int i = 0; i < (wait ? 1200 : 1); ++i) {
    HWND form = FindWindowA(nullptr, title.c_str());
    if (form && IsWindowVisible(form)) return form;
    if (wait) Sleep(50);
  }
  std::printf("no visible window '%s'\n", title.c_str());
  return nullptr;
}

std::string Text(HWND hwnd) {
  char buffer[1024] = {};
  // WM_GETTEXT is carried between processes by Windows itself.
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  return buffer;
}

std::string ClassOf(HWND hwnd) {
  char buffer[128] = {};
  GetClassNameA(hwnd, buffer, sizeof buffer);
  return buffer;
}

std::string NameOf(HWND hwnd) {
  const auto atom = ATOM(reinterpret_cast<UINT_PTR>(GetPropA(hwnd, saverkit::kNameProperty)));
  char buffer[256] = {};
  if (atom) GlobalGetAtomNameA(atom, buffer, sizeof buffer);
  return buffer;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> Descendants(HWND form) {
  std::vector<HWND> found;
  EnumChildWindows(form, CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// "name:BtnNext", "class:Button", "text:&OK" or "id:105".
bool Matches(HWND hwnd, const std::string& selector) {
  const size_t colon = selector.find(':');
  if (colon == std::string::npos) return NameOf(hwnd) == selector;
  const std::string kind = selector.substr(0, colon), value = selector.substr(colon + 1);
  if (kind == "name") return NameOf(hwnd) == value;
  if (kind == "class") return lstrcmpiA(ClassOf(hwnd).c_str(), value.c_str()) == 0;
  if (kind == "text") return Text(hwnd) == value;
  if (kind == "id") return GetDlgCtrlID(hwnd) == std::atoi(value.c_str());
  return false;
}

HWND FindControl(HWND form, const std::string& selector) {
  for (HWND hwnd : Descendants(form)) {
    if (Matches(hwnd, selector)) return hwnd;
  }
  return nullptr;
}

std::string NameIn(const std::string& selector) {
  const size_t colon = selector.find(':');
  if (colon == std::string::npos) return selector;
  return selector.substr(0, colon) == "name" ? selector.substr(colon + 1) : std::string();
}

bool IsChecked(HWND hwnd) {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(hwnd, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
  return state == BST_CHECKED;
}

// A combo box's closed field height (its row -1), 0 for other controls.
int FieldHeight(HWND hwnd) {
  if (lstrcmpiA(ClassOf(hwnd).c_str(), "ComboBox") != 0) return 0;
  DWORD_PTR height = 0;
  SendMessageTimeoutA(hwnd, CB_GETITEMHEIGHT, WPARAM(-1), 0, SMTO_ABORTIFHUNG, 5000, &height);
  return int(height);
}

void PrintWindowLine(HWND hwnd) {
  std::printf("id=%d class=%s name=%s text=\"%s\" visible=%d enabled=%d checked=%d field=%d\n", GetDlgCtrlID(hwnd),
              ClassOf(hwnd).c_str(), NameOf(hwnd).c_str(), Text(hwnd).c_str(), IsWindowVisible(hwnd) != FALSE,
              IsWindowEnabled(hwnd) != FALSE, ClassOf(hwnd) == "Button" && IsChecked(hwnd), FieldHeight(hwnd));
}

// The answer a form sends back to a describe request arrives at this window.
std::string answer;
bool answered = false;

LRESULT CALLBACK AnswerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data->dwData == saverkit::kDescribeAnswer && data->cbData <= saverkit::kMaxDescribeBytes) {
      answer.assign(static_cast<const char*>(data->lpData), data->cbData);
      answered = true;
    }
    return TRUE;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The form's description of its component `name`; empty when it has none.
std::string Describe(HWND form, const std::string& name) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = AnswerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "saverkit.e2e.Answer";
  RegisterClassA(&wc);
  HWND listener = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  answered = false;
  answer.clear();
  COPYDATASTRUCT request = {saverkit::kDescribeRequest, DWORD(name.size()), const_cast<char*>(name.data())};
  SendMessageTimeoutA(form, WM_COPYDATA, reinterpret_cast<WPARAM>(listener), reinterpret_cast<LPARAM>(&request),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  DestroyWindow(listener);
  return answered ? answer : std::string();
}

std::string Field(const std::string& description, const std::string& key) {
  const std::string prefix = key + "=";
  size_t at = description.rfind("\n" + prefix);
  at = description.compare(0, prefix.size(), prefix) == 0 ? 0 : (at == std::string::npos ? at : at + 1);
  if (at == std::string::npos) return {};
  const size_t start = at + prefix.size();
  return description.substr(start, description.find('\n', start) - start);
}

// A control without a window of its own (label, image): pressed through the window it is
// painted in, at its centre.
bool ClickGraphic(HWND form, const std::string& name, bool twice) {
  const std::string description = Describe(form, name);
  if (description.empty()) {
    std::printf("no component '%s'\n", name.c_str());
    return false;
  }
  int left = 0, top = 0, width = 0, height = 0;
  std::sscanf(Field(description, "bounds").c_str(), "%d,%d,%d,%d", &left, &top, &width, &height);
  const std::string parent = Field(description, "parent");
  HWND container = parent.empty() ? form : FindControl(form, "name:" + parent);
  if (!container) {
    std::printf("no window for '%s'\n", parent.c_str());
    return false;
  }
  const LPARAM at = MAKELPARAM(left + width / 2, top + height / 2);
  PostMessageA(container, WM_MOUSEMOVE, 0, at);
  PostMessageA(container, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(container, WM_LBUTTONUP, 0, at);
  if (twice) {
    PostMessageA(container, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(container, WM_LBUTTONUP, 0, at);
  }
  return true;
}

UINT KeyCode(const std::string& key) {
  struct Named {
    const char* name;
    UINT code;
  };
  static const Named kKeys[] = {{"Escape", VK_ESCAPE}, {"Return", VK_RETURN}, {"Tab", VK_TAB},   {"space", VK_SPACE},
                                {"Left", VK_LEFT},     {"Right", VK_RIGHT},   {"Up", VK_UP},     {"Down", VK_DOWN},
                                {"F1", VK_F1},         {"Delete", VK_DELETE}, {"Home", VK_HOME}, {"End", VK_END}};
  for (const Named& k : kKeys) {
    if (key == k.name) return k.code;
  }
  if (key.size() == 1) return UINT(VkKeyScanA(key[0]) & 0xFF);
  return 0;
}

struct TooltipSearch {
  DWORD process;
  std::string text;
};

BOOL CALLBACK FindShownTooltip(HWND hwnd, LPARAM found) {
  auto& search = *reinterpret_cast<TooltipSearch*>(found);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search.process || !IsWindowVisible(hwnd) || lstrcmpiA(ClassOf(hwnd).c_str(), "tooltips_class32") != 0)
    return TRUE;
  search.text = Text(hwnd);  // a tooltip answers WM_GETTEXT with the tip it shows
  return FALSE;
}

// The text of a tooltip that shows for a window of `process`; empty when none shows.
std::string ShownTooltip(DWORD process) {
  TooltipSearch search{process, {}};
  EnumWindows(FindShownTooltip, reinterpret_cast<LPARAM>(&search));
  return search.text;
}

int Usage() {
  std::fprintf(stderr, "bad dialog command\n");
  return 2;
}

}  // namespace

int RunDialogCommand(const std::vector<std::string>& args, bool waitForWindow) {
  if (args.size() < 2) return Usage();
  const std::string& command = args[0];
  HWND form = FindForm(args[1], waitForWindow);
  if (!form) return 1;

  if (command == "wait") {
    RECT rc;
    GetWindowRect(form, &rc);
    std::printf("rect=%ld,%ld,%ld,%ld enabled=%d\n", rc.left, rc.top, rc.right, rc.bottom,
                IsWindowEnabled(form) != FALSE);
    return 0;
  }
  if (command == "controls") {
    for (HWND hwnd : Descendants(form)) PrintWindowLine(hwnd);
    return 0;
  }
  if (command == "describe" && args.size() == 3) {
    const std::string description = Describe(form, args[2]);
    std::printf("%s", description.c_str());
    return description.empty() ? 1 : 0;
  }
  if (command == "focus") {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    std::printf("foreground=%d focus=%s\n", GetForegroundWindow() == form,
                info.hwndFocus ? ClassOf(info.hwndFocus).c_str() : "");
    return 0;
  }
  if (command == "key" && args.size() == 3) {
    const UINT code = KeyCode(args[2]);
    if (!code) return Usage();
    // To the control that has the focus in the form's thread, as the keyboard would deliver it.
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    HWND target = info.hwndFocus ? info.hwndFocus : form;
    PostMessageA(target, WM_KEYDOWN, code, 1);
    PostMessageA(target, WM_KEYUP, code, LPARAM(0xC0000001));
    std::printf("key %s to %s\n", args[2].c_str(), NameOf(target).c_str());
    return 0;
  }
  if (args.size() < 3) return Usage();
  const std::string& selector = args[2];
  HWND control = FindControl(form, selector);

  if (command == "click" || command == "dblclick") {
    if (control && command == "click" && ClassOf(control) == "Button") {
      PostMessageA(control, BM_CLICK, 0, 0);
      return 0;
    }
    const std::string name = NameIn(selector);
    return !name.empty() && ClickGraphic(form, name, command == "dblclick") ? 0 : 1;
  }
  if (command == "text") {
    if (control) {
      std::printf("%s\n", Text(control).c_str());
      return 0;
    }
    const std::string description = NameIn(selector).empty() ? "" : Describe(form, NameIn(selector));
    if (description.empty()) return 1;
    std::printf("%s\n", Field(description, "caption").c_str());
    return 0;
  }
  if (command == "find" || command == "state") {
    if (!control) {
      std::printf("no control '%s'\n", selector.c_str());
      return 1;
    }
    PrintWindowLine(control);
    return 0;
  }
  if (command == "rect") {
    if (!control) return 1;
    RECT rc;
    GetWindowRect(control, &rc);
    std::printf("%ld %ld\n", rc.right - rc.left, rc.bottom - rc.top);
    return 0;
  }
  if (command == "hint") {
    if (!control) return 1;
    RECT rc;
    GetWindowRect(control, &rc);
    // As the mouse would arrive there: an input event, which the control sees move over it.
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dx = LONG(((rc.left + rc.right) / 2) * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1));
    move.mi.dy = LONG(((rc.top + rc.bottom) / 2) * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
    DWORD process = 0;
    GetWindowThreadProcessId(form, &process);
    std::printf("%s\n", ShownTooltip(process).c_str());
    return 0;
  }
  if (command == "select" && args.size() == 4) {
    if (!control) return 1;
    const int row = std::atoi(args[3].c_str());
    // CB_SETCURSEL does not notify; the parent is told as a user's choice would tell it.
    PostMessageA(control, CB_SETCURSEL, WPARAM(row), 0);
    PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
    return 0;
  }
  return Usage();
}

}  // namespace saverkit::e2e
