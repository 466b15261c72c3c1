#include "forms/win32/scr_neo_form.h"

#include "raster/win32/resource_pictures.h"

namespace saverkit {
namespace {

// GWL_STYLE without WS_POPUP, WS_CAPTION and WS_THICKFRAME, then with WS_POPUP.
constexpr LONG kFrameStyleMask = 0x7F3BFFFF;

bool LoadFramePicture(HMODULE module, const FramePicture& picture, Bitmap& out) {
  return picture.jpeg ? LoadResourceJpeg(module, picture.resource, out, 0)
                      : LoadResourceBitmap(module, picture.resource, out);
}

}  // namespace

TFormScrNeo::TFormScrNeo(HWND owner) : module_(GetModuleHandleA(nullptr)) {
  AddLayout(Components(), ScrNeoFrameRows());
  Components().color = kScrNeoColor;
  auto& form = Components();
  form.Find("PanelTop")->events.onResize = [this](Component&) { PanelTopResize(); };
  form.Find("PanelBottom")->events.onResize = [this](Component&) { PanelBottomResize(); };
  form.Find("Label_XNeo_Caption")->events.onMouseDown = [this](Component&, MouseButton button, int, int) {
    Label_XNeo_CaptionMouseDown(button);
  };
  form.Find("ImageClose")->events.onClick = [this](Component&) { ImageCloseClick(); };
  form.Find("ImageClose")->events.onMouseIn = [this](Component&) { ImageCloseMouseIn(); };
  form.Find("ImageClose")->events.onMouseOut = [this](Component&) { ImageCloseMouseOut(); };
  form.Find("ImageSysMenu")->events.onClick = [this](Component&) { ImageSysMenuClick(); };
  form.Find("ImageSysMenu")->events.onDblClick = [this](Component&) { ImageCloseClick(); };

  if (!CreateForm(owner, kScrNeoWidth, kScrNeoHeight, "")) return;
  SetWindowLongA(Handle(), GWL_STYLE, (GetWindowLongA(Handle(), GWL_STYLE) & kFrameStyleMask) | LONG(WS_POPUP));
  SetCaption("");

  for (int i = 0; i < 8; ++i) LoadFramePicture(module_, kFramePictures[i], pictures_[i]);
  for (const BorderPicture& border : kBorderPictures) {
    Bitmap picture;
    if (LoadResourceBitmap(module_, border.resource, picture)) SetPicture(border.image, std::move(picture));
  }
  SetPicture("ImageClose", pictures_[kCloseNormalPicture].Clone());
  ShowCaptionPictures(WA_ACTIVE);
  PanelTopResize();
  SetIcon("ImageSysMenu", LoadIconA(module_, "MAINICON"));
}

void TFormScrNeo::SetCaption(const std::string& text) {
  Item("Label_XNeo_Caption").SetCaption(text);
  SetTitle(text);
}

std::string TFormScrNeo::GetCaption() { return Item("Label_XNeo_Caption").caption; }

void TFormScrNeo::FitToContent(Component& panel) {
  const ClientSize size = saverkit::FitToContent(Components(), panel);
  SetClientSize(size.width, size.height);
  CenterOnScreen();
}

void TFormScrNeo::PanelTopResize() {
  // The caption bar spans the form, so its width is the form's.
  saverkit::PanelTopResize(Components(), Item("PanelTop").bounds.width);
}

void TFormScrNeo::PanelBottomResize() { saverkit::PanelBottomResize(Components()); }

void TFormScrNeo::FormActivate() {
  PanelTopResize();
  PanelBottomResize();
}

void TFormScrNeo::Activated(WORD state) {
  if (state == WA_ACTIVE || state == WA_CLICKACTIVE) FormActivate();
  ShowCaptionPictures(state);
}

void TFormScrNeo::ShowCaptionPictures(int activationState) {
  const auto pictures = CaptionPicturesFor(activationState);
  if (!pictures) return;
  SetPicture("ImageTopLeft", pictures_[pictures->left].Clone());
  SetPicture("ImageTopRight", pictures_[pictures->right].Clone());
  SetPicture("ImageTopCenter", pictures_[pictures->center].Clone());
  Item("PanelTop").Repaint();
}

void TFormScrNeo::Label_XNeo_CaptionMouseDown(MouseButton button) {
  if (button != MouseButton::kLeft) return;
  // Windows moves the window with the mouse as if its caption had been grabbed.
  ReleaseCapture();
  SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void TFormScrNeo::ImageCloseClick() { Close(); }

void TFormScrNeo::ImageCloseMouseIn() { SetPicture("ImageClose", pictures_[kCloseLitPicture].Clone()); }

void TFormScrNeo::ImageCloseMouseOut() { SetPicture("ImageClose", pictures_[kCloseNormalPicture].Clone()); }

}  // namespace saverkit
