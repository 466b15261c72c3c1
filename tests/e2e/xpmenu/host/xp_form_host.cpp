// xp_form_host X Y on|off REPORT: shows a form at X, Y with the flat painter switched on or off.
// xp_form_host message X Y on|off: the program's message form (question, Yes, No and Cancel) at
// X, Y, its own painter left on or switched off; the exit code is the answer.
// Its "Toggle" button (tag 999, so never painted itself) switches the painter; after each switch
// the host writes to REPORT, for each control, whether the painter's window procedure is
// installed on it (asked of the window itself, GetWindowSubclass) and whether it has its sunken
// 3-D edge. Its "Menu" button opens the pop-up menu under itself.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "controls/win32/xp_menu.h"
#include "forms/layout.h"
#include "forms/win32/form_window.h"
#include "setup/win32/message_form.h"

namespace saverkit {
namespace {

const std::vector<LayoutRow> kRows = {
    {"TPanel", "PanelMain", "", 0, "", {0, 0, 480, 300}, Props()},
    {"TEdit", "EditName", "PanelMain", 0, "Edit", {16, 16, 150, 21}, Props()},
    {"TEdit", "EditOff", "PanelMain", 0, "Disabled", {16, 46, 150, 21}, Props().Disabled()},
    {"TComboBox", "ComboPics", "PanelMain", 0, "", {180, 16, 150, 21}, Props()},
    {"TComboBox", "ComboOff", "PanelMain", 0, "", {180, 46, 150, 21}, Props().Disabled()},
    {"TCheckBox", "CheckMute", "PanelMain", 0, "Mute", {16, 80, 140, 20}, Props().Checked()},
    {"TCheckBox", "CheckOff", "PanelMain", 0, "Repeat", {16, 104, 140, 20}, Props().Checked().Disabled()},
    {"TGroupBox", "GroupMusic", "PanelMain", 0, "Music", {180, 76, 280, 70}, Props()},
    {"TCheckBox", "CheckRandom", "GroupMusic", 0, "Random order", {12, 26, 150, 20}, Props()},
    {"TButton", "BtnOk", "PanelMain", 0, "&OK", {16, 160, 100, 29}, Props()},
    {"TButton", "BtnOff", "PanelMain", 0, "&Cancel", {126, 160, 100, 29}, Props().Disabled()},
    {"TSpeedButton", "SpeedPictures", "PanelMain", 0, "Pictures", {240, 160, 100, 29}, Props().Group(1).Checked()},
    {"TSpeedButton", "SpeedMusic", "PanelMain", 0, "Music", {344, 160, 100, 29}, Props().Group(1)},
    {"TPanel", "PanelInfo", "PanelMain", 0, "", {16, 200, 210, 40},
     Props().Colour(kColorWhite).Bevels(Bevel::kRaised, Bevel::kLowered)},
    {"TButton", "BtnPlain", "PanelMain", 999, "Plain 999", {240, 200, 100, 29}, Props()},
    {"TPanel", "PanelKeep", "PanelMain", 999, "", {344, 196, 120, 40}, Props().Bevels(Bevel::kNone, Bevel::kLowered)},
    {"TEdit", "EditKeep", "PanelKeep", 0, "kept", {8, 9, 100, 21}, Props()},
    {"TButton", "BtnToggle", "PanelMain", 999, "Toggle", {16, 256, 100, 29}, Props()},
    {"TButton", "BtnMenu", "PanelMain", 999, "Menu", {126, 256, 100, 29}, Props()},
    {"TToolBar", "ToolBarMusic", "PanelMain", 0, "", {240, 256, 120, 30}, Props()},
    {"TToolButton", "TBtnPlay", "ToolBarMusic", 0, "", {0, 0, 28, 28}, Props().Image(0)},
    {"TToolButton", "TBtnStop", "ToolBarMusic", 0, "", {0, 0, 28, 28}, Props().Image(1)},
    {"TToolButton", "TBtnOff", "ToolBarMusic", 0, "", {0, 0, 28, 28}, Props().Image(2).Disabled()},
    {"TPopupMenu", "PopupWall", "", 0, "", {}, Props()},
    {"TMenuItem", "ItemCentre", "PopupWall", 0, "&Centre", {}, Props()},
    {"TMenuItem", "ItemTile", "PopupWall", 0, "&Tile", {}, Props().Checked()},
    {"TMenuItem", "ItemLine", "PopupWall", 0, "-", {}, Props()},
    {"TMenuItem", "ItemStretch", "PopupWall", 0, "&Stretch", {}, Props()},
    {"TMenuItem", "ItemOff", "PopupWall", 0, "Disabled", {}, Props().Disabled()},
    {"TMenuItem", "ItemKeep", "PopupWall", 999, "Plain 999", {}, Props()},
};

class HostForm : public FormWindow {
 public:
  explicit HostForm(std::string report) : report_(std::move(report)) {
    AddLayout(Components(), kRows);
    Components().Find("ComboPics")->items = {"Lake", "Mountain"};
    Components().Find("ComboPics")->itemIndex = 0;
    Bind(Components(), "BtnToggle", &ComponentEvents::onClick, [this](Component&) { Toggle(); });
    Bind(Components(), "BtnMenu", &ComponentEvents::onClick, [this](Component&) { OpenMenu(); });
  }

  bool Open(int x, int y, bool active, const char* title) {
    if (!CreateForm(nullptr, 480, 300, title)) return false;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    std::vector<Bitmap> images;
    for (Rgb colour : {Rgb{40, 160, 60}, Rgb{200, 50, 40}, Rgb{60, 90, 200}}) images.emplace_back(16, 16, colour);
    SetImages("ToolBarMusic", images, images, 16, 16);
    xp_ = std::make_unique<TXPMenu>(*this, MessageFormXPSettings());
    xp_->SetActive(active);
    WriteReport();
    return true;
  }

 private:
  void Toggle() {
    xp_->SetActive(!xp_->Active());
    WriteReport();
  }

  void OpenMenu() {
    RECT r;
    GetWindowRect(ControlHandle("BtnMenu"), &r);
    Popup("PopupWall", r.left, r.bottom);
  }

  void WriteReport() {
    FILE* out = std::fopen(report_.c_str(), "ab");
    if (!out) return;
    std::fprintf(out, "active %d\n", xp_->Active() ? 1 : 0);
    ComponentOwner& components = Components();
    for (int i = 0; i < components.Count(); ++i) {
      const Component& c = components.At(i);
      const HWND hwnd = ControlHandle(c.name);
      if (!hwnd) continue;
      const bool edge = (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
      std::fprintf(out, "%s %s subclassed=%d clientedge=%d\n", c.name.c_str(), c.ClassName().c_str(),
                   TControlSubClass::IsSubclassed(hwnd) ? 1 : 0, edge ? 1 : 0);
    }
    std::fprintf(out, "end\n");
    std::fclose(out);
  }

  std::string report_;
  std::unique_ptr<TXPMenu> xp_;
};

int ShowMessageForm(int x, int y, bool active) {
  TFormQelMsg form(nullptr, "Install the screen saver now? The flat painter draws this form's panel and buttons.",
                   active ? "XP message flat" : "XP message plain", MB_ICONQUESTION | MB_YESNOCANCEL, nullptr);
  form.XXPMenu1().SetActive(active);
  SetWindowPos(form.Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return form.ShowModal();
}

}  // namespace
}  // namespace saverkit

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "message")
    return saverkit::ShowMessageForm(std::atoi(argv[2]), std::atoi(argv[3]), std::string(argv[4]) == "on");
  if (argc != 5) {
    std::fprintf(stderr, "usage: xp_form_host X Y on|off REPORT | message X Y on|off\n");
    return 2;
  }
  const bool active = std::string(argv[3]) == "on";
  saverkit::HostForm form(argv[4]);
  if (!form.Open(std::atoi(argv[1]), std::atoi(argv[2]), active, active ? "XP painter flat" : "XP painter plain"))
    return 1;
  return form.ShowModal() == saverkit::kModalNone ? 1 : 0;
}
