// A form: a top-level window made from its component model. A derived form adds its layout
// rows, binds its handlers, then creates the window and the real controls:
//
//   AddLayout(Components(), kRows);
//   Bind(Components(), "BtnNext", &ComponentEvents::onClick, [this](Component&) { BtnNextClick(); });
//   CreateForm(owner, 542, 373, "Install");
//   int result = ShowModal();
//
// Components added later get their controls from CreateControls(). ShowModal runs a nested
// message loop: the owner is disabled meanwhile, Tab, Enter and Escape work as in a dialog,
// WM_QUIT is handed on to the outer loop, and an exception caught in a handler is rethrown.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/component.h"
#include "forms/win32/container_window.h"
#include "forms/win32/control_host.h"
#include "forms/win32/control_object.h"
#include "base/win32/scoped_win.h"
#include "raster/bitmap.h"

namespace saverkit {

class FormWindow : public ContainerWindow, public ControlHost {
 public:
  FormWindow();
  ~FormWindow() override;

  ComponentOwner& Components() override { return components_; }
  HWND FormHandle() const override { return Handle(); }
  // The component of that name; a name the form lacks is a programming error (std::out_of_range).
  Component& Item(const std::string& name);

  // Creates the form's window (a popup without Windows caption or border, hidden, centred on the
  // screen, owned by `owner`) and the controls of every component so far. False when Windows refuses.
  bool CreateForm(HWND owner, int clientWidth, int clientHeight, const std::string& caption);
  // Creates the real controls of components that have none yet, in creation order.
  void CreateControls();

  // Shows the form modally and returns its modal result (kModalCancel when it was closed).
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  // Any value but kModalNone ends ShowModal with it.
  void SetModalResult(int result) override { modalResult_ = result; }
  // Asks the form to close, as its close box would: CloseQuery decides; a modal form then ends
  // with kModalCancel, any other is destroyed.
  void Close();

  void SetTitle(const std::string& title);  // the window's own title
  void SetClientSize(int width, int height);
  void CenterOnScreen();
  void SetKeyPreview(bool on) { keyPreview_ = on; }

  // Win32-only parts of controls, reached by the component's name.
  ControlObject* Control(const std::string& name);
  HWND ControlHandle(const std::string& name);
  bool SetPicture(const std::string& image, Bitmap picture);
  bool SetIcon(const std::string& image, HICON icon);
  // The tool bar's images and its disabled buttons' images, one bitmap per image index, all
  // width x height.
  bool SetImages(const std::string& toolBar, const std::vector<Bitmap>& images,
                 const std::vector<Bitmap>& disabledImages, int width, int height);
  bool SetDrawItem(const std::string& list, std::function<void(const DRAWITEMSTRUCT&)> draw);
  // Opens the pop-up menu at a screen point; its items' click events follow a choice.
  bool Popup(const std::string& menu, int screenX, int screenY);

  // The host of the form's controls.
  const DpiScale& Scale() const override { return scale_; }
  HFONT FontFor(const ControlFont& font) override;
  HBRUSH BrushFor(uint32_t color) override;
  HWND ContainerOf(const Component& component) override;
  ControlObject* ObjectOf(const Component& component) override;
  ControlObject* ObjectById(int id) override;
  ControlObject* Creating() const override { return creating_; }
  void UpdateHint(ControlObject& control) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The form may refuse to close (true lets it).
  virtual bool CloseQuery() { return true; }
  // WM_ACTIVATE after the default handling, with the activation state (WA_ACTIVE, WA_CLICKACTIVE, WA_INACTIVE).
  virtual void Activated(WORD state) {}
  // Key preview: a key pressed anywhere in the form reaches the form first; true consumes it.
  virtual bool KeyPreview(WPARAM key) { return false; }

 private:
  std::unique_ptr<ControlObject> MakeControl(Component& component, int id);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void PressButton(bool cancel);
  Component* ButtonWithRole(bool cancel);
  bool PreviewKey(const MSG& msg);
  LRESULT AnswerDescribeRequest(HWND asker, const COPYDATASTRUCT& request);
  void FocusFirstControl();
  void ChangeScale(const DpiScale& scale, const RECT& suggested);

  ComponentOwner components_;
  std::vector<std::unique_ptr<ControlObject>> controls_;
  int nextId_ = 100;  // above IDOK, IDCANCEL and the other dialog results
  ControlObject* creating_ = nullptr;
  int modalResult_ = kModalNone;
  bool modal_ = false;
  bool keyPreview_ = false;
  HWND tooltip_ = nullptr;
  DpiScale scale_;
  // The client area in design pixels, kept for a change of scale.
  struct {
    int width = 0, height = 0;
  } designClient_;
  std::map<std::string, ScopedFont> fonts_;
  std::map<uint32_t, ScopedBrush> brushes_;
};

// The common save dialog: an existing-folder, overwrite-prompting, read-only-hiding, sizable
// "Save As" with a filter of "description|pattern|..." pairs. The chosen path, or empty.
struct SaveDialogOptions {
  std::string title;
  std::string filter;  // "JPEG picture (*.jpg)|*.jpg|All files|*.*"
  std::string fileName;
  std::string defaultExtension;
};
std::string RunSaveDialog(HWND owner, const SaveDialogOptions& options);

}  // namespace saverkit
