// The tree view belongs to another process: its items' texts are read through a buffer the
// driver places in that process (VirtualAllocEx), which is what TVM_GETITEM writes into.
#include "folder_chooser.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

namespace saverkit::e2e {
namespace {

constexpr DWORD kTextSize = 260;

class RemoteItemReader {
 public:
  explicit RemoteItemReader(HWND tree) : tree_(tree) {
    DWORD processId = 0;
    GetWindowThreadProcessId(tree, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) memory_ = VirtualAllocEx(process_, nullptr, sizeof(TVITEMA) + kTextSize, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteItemReader() {
    if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  bool Ready() const { return memory_ != nullptr; }

  std::string Text(HTREEITEM item) {
    TVITEMA request = {};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = static_cast<char*>(memory_) + sizeof(TVITEMA);
    request.cchTextMax = kTextSize;
    char text[kTextSize] = {};
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process_, memory_, &request, sizeof request, &moved)) return {};
    SendMessageTimeoutA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory_), SMTO_ABORTIFHUNG, 5000, nullptr);
    ReadProcessMemory(process_, request.pszText, text, sizeof text - 1, &moved);
    return text;
  }

 private:
  HWND tree_;
  HANDLE process_ = nullptr;
  void* memory_ = nullptr;
};

HTREEITEM Send(HWND tree, UINT message, WPARAM wParam, HTREEITEM item) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(tree, message, wParam, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG, 10000, &result);
  return reinterpret_cast<HTREEITEM>(result);
}

// Waits up to 60 s (a loaded machine starts Wine's dialogs slowly) for the visible chooser.
HWND FindChooser(const std::string& title) {
  for (int i = 0; i < 1200; ++i) {
    HWND chooser = FindWindowA(nullptr, title.c_str());
    if (chooser && IsWindowVisible(chooser)) return chooser;
    Sleep(50);
  }
  return nullptr;
}

}  // namespace

int ChooseFolder(const std::string& title, const std::vector<std::string>& parts) {
  HWND chooser = FindChooser(title);
  HWND tree = chooser ? FindWindowExA(chooser, nullptr, WC_TREEVIEWA, nullptr) : nullptr;
  if (!tree) {
    std::printf("no folder chooser '%s'\n", title.c_str());
    return 1;
  }
  RemoteItemReader reader(tree);
  HTREEITEM item = Send(tree, TVM_GETNEXTITEM, TVGN_ROOT, nullptr);
  bool found = reader.Ready() && item != nullptr;
  for (const std::string& part : parts) {
    if (!found) break;
    Send(tree, TVM_EXPAND, TVE_EXPAND, item);
    HTREEITEM child = Send(tree, TVM_GETNEXTITEM, TVGN_CHILD, item);
    found = false;
    for (; child; child = Send(tree, TVM_GETNEXTITEM, TVGN_NEXT, child)) {
      if (reader.Text(child) == part) {
        item = child;
        found = true;
        break;
      }
    }
    if (!found) std::printf("no entry '%s'\n", part.c_str());
  }
  if (found) Send(tree, TVM_SELECTITEM, TVGN_CARET, item);
  Sleep(300);
  PostMessageA(GetDlgItem(chooser, found ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
  std::printf("%s\n", found ? "chosen" : "cancelled");
  return found ? 0 : 1;
}

}  // namespace saverkit::e2e
