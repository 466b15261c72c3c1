// A Windows program for the forms' e2e tests only, never shipped. It links the forms library
// and shows its forms as the runtime's dialogs would, writing what happened to a report file:
//   forms_probe gallery REPORT   a form with one control of every kind the dialogs use; its
//                                handlers write "event=value" lines; the exit code is the
//                                modal result (3 when a handler's exception came through).
//   forms_probe message STYLE REPORT
//                                MessageBoxForm with the style, its button texts from the
//                                interface texts of the package appended to the probe (or
//                                its resources); the exit code is the answer.
//   forms_probe frame REPORT     the skinned frame around a content panel, "saverkit e2e frame".
//   forms_probe rescale REPORT   the frame with a button, told that its monitor's scale became
//                                144 DPI and then 96 again: its client area and the button's
//                                window at each scale, as "client=W H button=W H font=H" lines.
//   forms_probe resources RUNTIME REPORT
//                                the resources the runtime carries: each name and what it holds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/layout.h"
#include "forms/win32/form_window.h"
#include "forms/win32/scr_neo_form.h"
#include "base/win32/resources.h"
#include "raster/win32/resource_pictures.h"
#include "package/reader_environment.h"
#include "forms/win32/program_texts.h"
#include "package/xscr.h"
#include "setup/win32/message_form.h"

namespace saverkit {
namespace {

FILE* report = nullptr;

void Report(const std::string& line) {
  if (!report) return;
  std::fprintf(report, "%s\n", line.c_str());
  std::fflush(report);
}

// A small modal form opened from the gallery: OK answers 1, Escape or closing answers 2.
class NestedForm : public FormWindow {
 public:
  explicit NestedForm(HWND owner) {
    AddLayout(Components(), {
        {"TLabel", "LabelNested", "", -1, "A form opened from a form.", {16, 16, 200, 20}, Props().Transparent()},
        {"TButton", "BtnNestedOk", "", -1, "&OK", {16, 50, 90, 28}, Props().Default().Result(kModalOk)},
        {"TButton", "BtnNestedCancel", "", -1, "&Cancel", {116, 50, 90, 28}, Props().Cancel().Result(kModalCancel)},
        {"TButton", "BtnQuit", "", -1, "&Quit", {216, 50, 90, 28}, Props()},
    });
    Bind(Components(), "BtnQuit", &ComponentEvents::onClick, [](Component&) { PostQuitMessage(7); });
    CreateForm(owner, 320, 100, "saverkit e2e nested");
  }
};

class GalleryForm : public FormWindow {
 public:
  GalleryForm() {
    const FontStyleSet underline{false, false, true, false};
    AddLayout(Components(), {
        {"TPanel", "PanelMain", "", -1, "", {8, 8, 504, 344}, Props().Colour(kColorWhite).Bevels(Bevel::kLowered, Bevel::kNone)},
        {"TLabel", "LabelInfo", "PanelMain", 1, "Every kind of control", {12, 8, 240, 18}, Props().Transparent().Hint("The gallery's hint")},
        {"TLabel", "LabelLink", "PanelMain", 2, "www.example.org", {260, 8, 200, 18}, Props().Transparent().HandCursor().Font("Arial", -13, 0xFF0000, underline)},
        {"TEdit", "EditName", "PanelMain", -1, "name", {12, 32, 160, 22}, Props()},
        {"TCheckBox", "CheckAgree", "PanelMain", 3, "I &agree", {184, 32, 120, 22}, Props()},
        {"TComboBox", "ComboRows", "PanelMain", -1, "", {312, 32, 180, 24}, Props().OwnerDrawRows(20).DropDownCount(3)},
        {"TSpeedButton", "SBtnA", "PanelMain", 4, "First", {12, 62, 80, 25}, Props().Group(1).Checked()},
        {"TSpeedButton", "SBtnB", "PanelMain", 5, "Second", {92, 62, 80, 25}, Props().Group(1)},
        {"TMemo", "MemoText", "PanelMain", -1, "", {12, 94, 240, 80}, Props().ReadOnly().VerticalScrollBar()},
        {"TGroupBox", "GroupBox1", "PanelMain", 6, "Options", {260, 94, 232, 80}, Props()},
        {"TCheckBox", "CheckInGroup", "GroupBox1", -1, "In a group", {12, 24, 150, 22}, Props().Checked()},
        {"TPageControl", "Pages", "PanelMain", -1, "", {12, 182, 300, 110}, Props().Tabs(80, 25)},
        {"TTabSheet", "Sheet1", "Pages", 7, "One", {}, Props()},
        {"TTabSheet", "Sheet2", "Pages", 8, "Two", {}, Props().TabHidden()},
        {"TTabSheet", "Sheet3", "Pages", 9, "Three", {}, Props()},
        {"TLabel", "LabelSheet3", "Sheet3", -1, "The third page", {8, 8, 200, 18}, Props()},
        {"TToolBar", "ToolBar1", "PanelMain", -1, "", {320, 182, 172, 44}, Props()},
        {"TToolButton", "TBtnRed", "ToolBar1", -1, "", {0, 0, 40, 40}, Props().Image(0).Hint("Red")},
        {"TToolButton", "TBtnBlue", "ToolBar1", -1, "", {0, 0, 40, 40}, Props().Image(1).Disabled()},
        {"TButton", "BtnNested", "PanelMain", -1, "&Nested", {320, 236, 80, 28}, Props()},
        {"TButton", "BtnThrow", "PanelMain", -1, "&Throw", {408, 236, 80, 28}, Props()},
        {"TButton", "BtnOK", "", 1023, "&OK", {316, 360, 90, 30}, Props().Default().Result(kModalOk)},
        {"TButton", "BtnCancel", "", 1024, "&Cancel", {418, 360, 90, 30}, Props().Cancel().Result(kModalCancel)},
        {"TPopupMenu", "PMChoice", "", -1, "", {}, Props()},
        {"TMenuItem", "PMIFirst", "PMChoice", -1, "&First", {}, Props()},
        {"TMenuItem", "PMISecond", "PMChoice", -1, "&Second", {}, Props().Disabled()},
        {"TTimer", "TimerOnce", "", -1, "", {}, Props().Interval(300)},
    });
    Bind("LabelLink", &ComponentEvents::onClick, [](Component&) { Report("link=clicked"); });
    Bind("EditName", &ComponentEvents::onChange, [](Component& c) { Report("edit=" + c.caption); });
    Bind("CheckAgree", &ComponentEvents::onClick, [](Component& c) { Report("check=" + std::to_string(c.checked)); });
    Bind("ComboRows", &ComponentEvents::onChange, [](Component& c) { Report("combo=" + std::to_string(c.itemIndex)); });
    Bind("SBtnA", &ComponentEvents::onClick, [](Component& c) { Report("speed=" + c.name); });
    Bind("SBtnB", &ComponentEvents::onClick, [](Component& c) { Report("speed=" + c.name); });
    Bind("TBtnRed", &ComponentEvents::onClick, [](Component&) { Report("tool=red"); });
    Bind("Pages", &ComponentEvents::onChange, [](Component& c) { Report("page=" + std::to_string(c.itemIndex)); });
    Bind("PMIFirst", &ComponentEvents::onClick, [](Component&) { Report("menu=first"); });
    Bind("BtnNested", &ComponentEvents::onClick, [this](Component&) {
      NestedForm nested(Handle());
      const int result = nested.ShowModal();
      Report("nested=" + std::to_string(result) + " owner-enabled=" + std::to_string(IsWindowEnabled(Handle()) != 0));
    });
    Bind("BtnThrow", &ComponentEvents::onClick, [](Component&) -> void { throw std::runtime_error("thrown by a handler"); });
    Bind("TimerOnce", &ComponentEvents::onTimer, [](Component& c) {
      Report("timer=fired");
      c.SetEnabled(false);
    });
    Item("LabelInfo").events.onMouseDown = [this](Component&, MouseButton button, int, int) {
      if (button != MouseButton::kRight) return;
      POINT at;
      GetCursorPos(&at);
      Popup("PMChoice", at.x, at.y);
    };
    SetKeyPreview(true);
    CreateForm(nullptr, 520, 400, "saverkit e2e gallery");

    Item("ComboRows").SetItems({"Red", "Green", "Blue"});
    Item("ComboRows").SetItemIndex(0);
    Item("MemoText").SetCaption("A read-only memo\nwith a vertical scroll bar\n3\n4\n5\n6\n7\n8\n9\n10");
    Item("Pages").SetItemIndex(0);
    std::vector<Bitmap> images;
    images.emplace_back(32, 32, Rgb{220, 0, 0});
    images.emplace_back(32, 32, Rgb{0, 0, 220});
    SetImages("ToolBar1", images, images, 32, 32);
  }

 protected:
  bool KeyPreview(WPARAM key) override {
    if (key == VK_F1) {
      Report("preview=F1");
      return true;
    }
    return false;
  }

 private:
  void Bind(const char* name, std::function<void(Component&)> ComponentEvents::*event,
            std::function<void(Component&)> handler) {
    if (!saverkit::Bind(Components(), name, event, std::move(handler))) throw std::logic_error(name);
  }
};

int Gallery() {
  try {
    GalleryForm form;
    const int result = form.ShowModal();
    MSG quit;
    if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) Report("quit=" + std::to_string(quit.wParam));
    Report("result=" + std::to_string(result));
    return result;
  } catch (const std::exception& e) {
    Report(std::string("exception=") + e.what());
    return 3;
  }
}

int Message(uint32_t style) {
  XSCR reader(CurrentReaderEnvironment());
  ComponentOwner noForm;
  TextLines texts;
  LoadFormTexts(noForm, texts, &reader);
  Report("packaged=" + std::to_string(reader.Packaged()) + " texts=" + std::to_string(texts.size()));
  const int result = MessageBoxForm("A screen saver of this name is already installed.\nReplace it?",
                                    "saverkit e2e message", style, &texts);
  Report("result=" + std::to_string(result));
  return result;
}

// The frame around a white content panel with a line of text.
class FrameForm : public TFormScrNeo {
 public:
  FrameForm() : TFormScrNeo(nullptr) {
    AddLayout(Components(), {
        {"TPanel", "PanelMain", "", -1, "", {0, 0, 392, 183}, Props().Colour(kColorWhite)},
        {"TLabel", "LabelText", "PanelMain", -1, "The content panel", {16, 16, 300, 20}, Props().Transparent()},
    });
    CreateControls();
    FitToContent(Item("PanelMain"));
    SetCaption("saverkit e2e frame");
  }
};

// Each resource of the runtime the forms and the reader load, opened as they open it.
int Resources(const std::string& runtime) {
  HMODULE module = LoadLibraryExA(runtime.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) {
    Report("cannot load " + runtime);
    return 1;
  }
  int missing = 0;
  auto report = [&](const std::string& name, bool found, const std::string& what) {
    Report(name + "=" + (found ? what : "missing"));
    if (!found) ++missing;
  };
  auto size = [](const Bitmap& b) { return std::to_string(b.Width()) + "x" + std::to_string(b.Height()); };
  for (const FramePicture& picture : kFramePictures) {
    Bitmap decoded;
    const bool found = picture.jpeg ? LoadResourceJpeg(module, picture.resource, decoded, 0)
                                    : LoadResourceBitmap(module, picture.resource, decoded);
    report(picture.resource, found, size(decoded));
  }
  for (const BorderPicture& border : kBorderPictures) {
    Bitmap decoded;
    const bool found = LoadResourceBitmap(module, border.resource, decoded);
    report(border.resource, found, size(decoded));
  }
  Bitmap movie;
  const bool movieFound = LoadResourceJpeg(module, "XJPEGXFLASH", movie, 0);
  report("XJPEGXFLASH", movieFound, size(movie));
  for (const char* icon : {"MAINICON", "QELICON"})
    report(icon, FindResourceA(module, icon, MAKEINTRESOURCEA(14)) != nullptr, "icon");  // RT_GROUP_ICON
  for (const char* texts : {kDynamicTextsResource, kStaticTextsResource}) {
    std::vector<uint8_t> bytes;
    const bool found = LoadResourceStream(module, texts, MAKEINTRESOURCEA(10), bytes);
    report(texts, found, std::to_string(bytes.size()) + " bytes");
  }
  FreeLibrary(module);
  return missing == 0 ? 0 : 1;
}

// The frame with a button, as the dialogs are made, moved between monitors of two scales.
class ScaledForm : public TFormScrNeo {
 public:
  ScaledForm() : TFormScrNeo(nullptr) {
    AddLayout(Components(), {
        {"TPanel", "PanelMain", "", kUntagged, "", {0, 0, 392, 183}, Props().Colour(kColorWhite)},
        {"TButton", "BtnOk", "PanelMain", kUntagged, "&OK", {34, 130, 100, 29}, Props()},
    });
    CreateControls();
    FitToContent(Item("PanelMain"));
  }

  void ReportSizes(const char* when) {
    RECT client, button;
    GetClientRect(Handle(), &client);
    GetWindowRect(ControlHandle("BtnOk"), &button);
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(ControlHandle("BtnOk"), WM_GETFONT, 0, 0)), sizeof font, &font);
    Report(std::string(when) + "=" + std::to_string(client.right) + " " + std::to_string(client.bottom) + " " +
           std::to_string(button.right - button.left) + " " + std::to_string(button.bottom - button.top) + " " +
           std::to_string(font.lfHeight));
  }

  // What Windows sends a window moved onto a monitor of `dpi`: the new DPI and where it suggests
  // the window goes.
  void MoveToScale(int dpi) {
    RECT suggested;
    GetWindowRect(Handle(), &suggested);
    SendMessageA(Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  }
};

int Rescale() {
  ScaledForm form;
  form.ReportSizes("design");
  form.MoveToScale(144);
  form.ReportSizes("large");
  form.MoveToScale(96);
  form.ReportSizes("back");
  return 0;
}

int Frame() {
  FrameForm form;
  const int result = form.ShowModal();
  Report("result=" + std::to_string(result));
  return result;
}

}  // namespace
}  // namespace saverkit

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  // The report is the last argument.
  if (argc > 2) saverkit::report = std::fopen(argv[argc - 1], "wb");
  if (command == "gallery" && argc == 3) return saverkit::Gallery();
  if (command == "frame" && argc == 3) return saverkit::Frame();
  if (command == "rescale" && argc == 3) return saverkit::Rescale();
  if (command == "resources" && argc == 4) return saverkit::Resources(argv[2]);
  if (command == "message" && argc == 4) return saverkit::Message(uint32_t(std::strtoul(argv[2], nullptr, 0)));
  std::fprintf(stderr, "usage: forms_probe gallery REPORT | message STYLE REPORT | frame REPORT | resources RUNTIME REPORT\n");
  return 2;
}
