// `TFormScrNeo`: the base form of every dialog. Its frame of pictures from the program's
// resources replaces the Windows caption and border: a caption bar whose pictures change with
// the activation, the program's icon, the caption text (dragged with the left button to move the
// window), a close button that lights up under the mouse, and thin borders. A derived form adds
// its rows, makes their controls and fits the frame around its content panel:
//
//   AddLayout(Components(), kMyRows);   // PanelMain first, its controls after it
//   CreateControls();
//   FitToContent(Item("PanelMain"));
//   SetCaption("Install");
#pragma once

#include <windows.h>

#include <string>

#include "forms/scr_neo_frame.h"
#include "forms/win32/form_window.h"
#include "raster/bitmap.h"

namespace saverkit {

class TFormScrNeo : public FormWindow {
 public:
  // A hidden 529 x 364 frame, owned by `owner` (null: none), centred on the screen.
  explicit TFormScrNeo(HWND owner);

  // The caption text and the window's own title.
  void SetCaption(const std::string& text);
  std::string GetCaption();
  // Sizes the frame around `panel` (a component of this form) and moves it inside the borders.
  void FitToContent(Component& panel);

 protected:
  void Activated(WORD state) override;

  void PanelTopResize();
  void PanelBottomResize();
  void FormActivate();
  void Label_XNeo_CaptionMouseDown(MouseButton button);
  void ImageCloseClick();
  void ImageSysMenuClick() {}
  void ImageCloseMouseIn();
  void ImageCloseMouseOut();

 private:
  void ShowCaptionPictures(int activationState);

  HMODULE module_;
  Bitmap pictures_[8];
};

}  // namespace saverkit
