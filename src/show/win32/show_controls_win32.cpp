#include "show/win32/show_controls_win32.h"

#include <algorithm>

#include "forms/win32/gdi.h"

namespace saverkit {
namespace {

HFONT CreateCaptionFont(HDC dc, const ControlFont& font) {
  const int height = -MulDiv(font.size, GetDeviceCaps(dc, LOGPIXELSY), 72);
  return CreateFontA(height, 0, 0, 0, font.style.bold ? FW_BOLD : FW_NORMAL, font.style.italic,
                     font.style.underline, font.style.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.name.c_str());
}

// Labels show "&" as it is and break lines where the text has them.
constexpr UINT kCaptionFormat = DT_NOPREFIX | DT_CENTER;

}  // namespace

FlashShowMovie::FlashShowMovie(std::unique_ptr<FlashHostPanel> panel, const Rect& bounds,
                               std::function<void()> onMouseMove, std::function<void()> onClick)
    : panel_(std::move(panel)), bounds_(bounds), onMouseMove_(std::move(onMouseMove)), onClick_(std::move(onClick)) {}

FlashShowMovie::~FlashShowMovie() {
  // The host may still deliver an event while it goes; it must not reach a handler of ours.
  panel_->Host().Events() = FlashEvents{};
}

void FlashShowMovie::ConnectInput(bool mouseMoves) {
  FlashEvents& events = panel_->Host().Events();
  events.onClick = onClick_;
  if (mouseMoves) {
    events.onMouseMove = [move = onMouseMove_](ShiftState, int, int) { move(); };
  } else {
    events.onMouseMove = nullptr;
  }
}

void FlashShowMovie::SetBounds(int x, int y, int width, int height) {
  bounds_ = Rect{x, y, x + width, y + height};
  panel_->SetMovieRect(bounds_);
}

OverlayPicture::OverlayPicture(Bitmap picture, const Rect& bounds, std::vector<OverlayPicture*>& registry, HWND window)
    : picture_(std::move(picture)), bounds_(bounds), registry_(registry), window_(window) {
  registry_.push_back(this);
  const RECT area{bounds_.left, bounds_.top, bounds_.right, bounds_.bottom};
  InvalidateRect(window_, &area, FALSE);
}

OverlayPicture::~OverlayPicture() {
  registry_.erase(std::remove(registry_.begin(), registry_.end(), this), registry_.end());
  const RECT area{bounds_.left, bounds_.top, bounds_.right, bounds_.bottom};
  InvalidateRect(window_, &area, FALSE);
}

void OverlayPicture::Paint(HDC dc) const { StretchDrawBitmap(dc, picture_, bounds_); }

void PictureFlyTarget::SetBounds(int x, int y, int width, int height) {
  const Rect old = control_.BoundsRect();
  control_.SetBounds(x, y, width, height);
  host_.InvalidateParent(old);
  host_.InvalidateParent(control_.BoundsRect());
}

FlyMover::FlyMover(TimerHost& timers, RandomSource& random, PictureFlyTarget& picture,
                   std::function<FlyTarget*()> movie, int width, int height)
    : picture_(picture), movie_(std::move(movie)), fly_(timers, random, picture, 0, 0, width, height) {}

void FlyMover::SetTarget(Target target) {
  switch (target) {
    case Target::kPicture:
      fly_.SetTarget(&picture_);
      break;
    case Target::kMovie:
      fly_.SetTarget(movie_());
      break;
    case Target::kNone:
      fly_.SetTarget(nullptr);
      break;
  }
}

TextExtent GdiCaptionPainter::Measure(const ControlFont& font, const std::string& text) {
  ScopedWindowDc windowDc(window_);
  HDC dc = windowDc.Dc();
  if (!dc) return {};
  ScopedFont gdiFont(CreateCaptionFont(dc, font));
  ScopedSelect select(dc, gdiFont.Get());
  RECT extent{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), int(text.size()), &extent, kCaptionFormat | DT_CALCRECT);
  return {extent.right - extent.left, extent.bottom - extent.top};
}

void GdiCaptionPainter::Paint(HDC dc, const ComponentOwner& components) const {
  for (int i = 0; i < components.Count(); ++i) {
    const Component& label = components.At(i);
    if (!label.visible || label.bounds.width <= 0 || label.bounds.height <= 0) continue;
    RECT box{label.bounds.left, label.bounds.top, label.bounds.left + label.bounds.width,
             label.bounds.top + label.bounds.height};
    if (!label.transparent) {
      ScopedBrush fill(CreateSolidBrush(COLORREF(label.color)));
      FillRect(dc, &box, fill.Get());
    }
    ScopedFont font(CreateCaptionFont(dc, label.font));
    ScopedSelect select(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, COLORREF(label.font.color));
    // Centred vertically too: measure the text's height within the box first.
    RECT measured = box;
    DrawTextA(dc, label.caption.c_str(), int(label.caption.size()), &measured, kCaptionFormat | DT_CALCRECT);
    const int textHeight = measured.bottom - measured.top;
    RECT text = box;
    text.top += (label.bounds.height - textHeight) / 2;
    DrawTextA(dc, label.caption.c_str(), int(label.caption.size()), &text, kCaptionFormat);
  }
}

bool AskScreenSaverPassword(HWND window) {
  using VerifyScreenSavePwd = BOOL(WINAPI*)(HWND);
  HMODULE library = LoadLibraryA("PASSWORD.CPL");
  if (!library) return true;
  bool mayEnd = true;
  auto verify = reinterpret_cast<VerifyScreenSavePwd>(reinterpret_cast<void*>(GetProcAddress(library, "VerifyScreenSavePwd")));
  if (verify) mayEnd = verify(window) != FALSE;
  FreeLibrary(library);
  return mayEnd;
}

}  // namespace saverkit
