// `RkXShockwaveFlashEx`: the Shockwave Flash ActiveX control embedded in place in a window of
// ours, driven through its dispatch interface, with its window subclassed so that the host sees
// the mouse before the control does.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <memory>

#include "base/win32/scoped_win.h"
#include "flash/flash_player.h"
#include "flash/player_input.h"

namespace saverkit {

class OleControlSite;

// {D27CDB6E-AE6D-11CF-96B8-444553540000}
extern const CLSID kShockwaveFlashClassId;

class RkXShockwaveFlashEx : public FlashPlayer {
 public:
  // Decides what becomes of a mouse message of the control's window.
  using InputFilter = std::function<InputOutcome(PlayerInput input, WPARAM keyFlags, LPARAM position)>;

  // Creates the control and activates it in place filling `container`; null when the control is
  // not installed or will not start. COM must be initialised on this thread.
  static std::unique_ptr<RkXShockwaveFlashEx> Create(HWND container);
  ~RkXShockwaveFlashEx() override;
  RkXShockwaveFlashEx(const RkXShockwaveFlashEx&) = delete;
  RkXShockwaveFlashEx& operator=(const RkXShockwaveFlashEx&) = delete;

  void SetInputFilter(InputFilter filter) { filter_ = std::move(filter); }
  HWND ControlWindow() const { return controlWindow_; }

  std::optional<int32_t> TotalFrames() override;
  std::optional<int32_t> FrameNum() override;
  bool Playing() override;
  void SetPlaying(bool playing) override;
  bool Loop() override;
  void SetLoop(bool loop) override;
  bool Menu() override;
  void SetMenu(bool menu) override;
  std::string Movie() override;
  void SetMovie(const std::string& path) override;
  void Play() override;
  void SetPlacement(int width, int height) override;

 private:
  RkXShockwaveFlashEx() = default;
  bool Activate(HWND container);
  void Deactivate();

  std::optional<VARIANT> GetProperty(DISPID id);
  bool PutProperty(DISPID id, VARIANT& value);
  std::optional<int32_t> GetInt(DISPID id);
  bool GetBool(DISPID id);
  void PutBool(DISPID id, bool value);

  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);

  ScopedComPtr<OleControlSite> site_;
  ScopedComPtr<IOleObject> object_;
  ScopedComPtr<IOleInPlaceObject> inPlace_;
  ScopedComPtr<IDispatch> dispatch_;
  HWND controlWindow_ = nullptr;
  InputFilter filter_;
};

}  // namespace saverkit
