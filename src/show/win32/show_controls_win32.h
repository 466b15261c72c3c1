// The Win32 pieces the show's sequence works through: movie hosts, overlay images, the mover,
// caption text measuring and drawing, and bitmaps drawn into a device context.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "controls/xfly.h"
#include "flash/win32/flash_host_panel.h"
#include "forms/component.h"
#include "forms/win32/bitmap_drawing.h"
#include "package/helpers/random_source.h"
#include "package/helpers/timer_host.h"
#include "package/texts/caption_labels.h"
#include "pictrans/pic_trans.h"
#include "pictrans/pic_trans_host.h"
#include "show/show_seams.h"

namespace saverkit {

// A Flash host panel on the show window; it is also what the mover moves while a movie shows.
class FlashShowMovie : public ShowMovie, public FlyTarget {
 public:
  // `onMouseMove` and `onClick` are the window's handlers for movement and clicks over movies.
  FlashShowMovie(std::unique_ptr<FlashHostPanel> panel, const Rect& bounds, std::function<void()> onMouseMove,
                 std::function<void()> onClick);
  ~FlashShowMovie() override;

  Rect Bounds() const override { return bounds_; }
  void ConnectInput(bool mouseMoves) override;
  void SetMovie(const std::string& path) override { panel_->Host().SetMovie(path); }
  void SetLoop(bool loop) override { panel_->Host().SetLoop(loop); }
  void SetVisible(bool visible) override { panel_->SetVisible(visible); }
  void Play() override { panel_->Host().Play(); }
  int32_t TotalFrames() override { return panel_->Host().TotalFrames(); }
  int32_t FrameNum() override { return panel_->Host().FrameNum(); }
  bool Playing() override { return panel_->Host().Playing(); }

  int Width() const override { return bounds_.Width(); }
  int Height() const override { return bounds_.Height(); }
  void SetBounds(int x, int y, int width, int height) override;

 private:
  std::unique_ptr<FlashHostPanel> panel_;
  Rect bounds_;
  std::function<void()> onMouseMove_;
  std::function<void()> onClick_;
};

// An overlay picture, drawn stretched into its rectangle by the show window's paint.
class OverlayPicture : public ShowOverlay {
 public:
  OverlayPicture(Bitmap picture, const Rect& bounds, std::vector<OverlayPicture*>& registry, HWND window);
  ~OverlayPicture() override;
  void Paint(HDC dc) const;

 private:
  Bitmap picture_;
  Rect bounds_;
  std::vector<OverlayPicture*>& registry_;
  HWND window_;
};

// The picture control as the mover's target.
class PictureFlyTarget : public FlyTarget {
 public:
  PictureFlyTarget(TCustomPic_Trans& control, PicTransHost& host) : control_(control), host_(host) {}
  int Width() const override { return control_.BoundsRect().Width(); }
  int Height() const override { return control_.BoundsRect().Height(); }
  void SetBounds(int x, int y, int width, int height) override;

 private:
  TCustomPic_Trans& control_;
  PicTransHost& host_;
};

// `XFly` behind the show's mover seam; the movie target is whichever movie host shows now.
class FlyMover : public ShowMover {
 public:
  FlyMover(TimerHost& timers, RandomSource& random, PictureFlyTarget& picture, std::function<FlyTarget*()> movie,
           int width, int height);
  void Start() override { fly_.Start(); }
  void Stop() override { fly_.Stop(); }
  void Tick() override { fly_.Tick(); }
  void SetPos(int x, int y) override { fly_.SetPos(x, y); }
  void SetSize(int width, int height) override { fly_.SetSize(width, height); }
  void SetTarget(Target target) override;

 private:
  PictureFlyTarget& picture_;
  std::function<FlyTarget*()> movie_;
  XFly fly_;
};

// Caption texts are measured and drawn with GDI fonts.
class GdiCaptionPainter : public TextMeasurer {
 public:
  explicit GdiCaptionPainter(HWND window) : window_(window) {}
  TextExtent Measure(const ControlFont& font, const std::string& text) override;
  // Draws every visible label of `components`, transparent or on its fill colour.
  void Paint(HDC dc, const ComponentOwner& components) const;

 private:
  HWND window_;
};

// The Windows 9x screen-saver password, asked through PASSWORD.CPL where it exists.
bool AskScreenSaverPassword(HWND window);

}  // namespace saverkit
