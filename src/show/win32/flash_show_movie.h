// A Flash host panel on the show window: how the show's sequence puts a movie on screen, and
// what the mover moves while that movie shows.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/xfly.h"
#include "flash/win32/flash_host_panel.h"
#include "show/show_seams.h"

namespace saverkit {

class FlashShowMovie : public ShowMovie, private FlyTarget {
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
  FlyTarget& MoverTarget() override { return *this; }

 private:
  // FlyTarget: the mover moves the panel.
  int Width() const override { return bounds_.Width(); }
  int Height() const override { return bounds_.Height(); }
  void SetBounds(int x, int y, int width, int height) override;

  std::unique_ptr<FlashHostPanel> panel_;
  Rect bounds_;
  std::function<void()> onMouseMove_;
  std::function<void()> onClick_;
};

}  // namespace saverkit
