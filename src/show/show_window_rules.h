// The show window's message table and how a show ends: the mouse threshold, clicks, keys,
// activation messages, the end request with its password check, and the close query.
// The Win32 window hands every message here and does what the outcome says.
#pragma once

#include <cstdint>
#include <functional>

#include "base/timer_ids.h"
#include "pictrans/pic_trans.h"
#include "music/show_music.h"
#include "show/show_seams.h"
#include "show/show_sequencer.h"

namespace saverkit {

// A cursor that moves more than this on either axis from the reference ends the show.
inline constexpr int32_t kMouseMoveThreshold = 5;
inline constexpr uint32_t kScScreenSave = 0xF140;

// Virtual keys that step through the items instead of ending the show.
enum NavigationKey : uint32_t {
  kVkBack = 8,
  kVkSpace = 32,
  kVkPrior = 33,
  kVkNext = 34,
  kVkLeft = 37,
  kVkUp = 38,
  kVkRight = 39,
  kVkDown = 40,
};

// Values of `IgnoreMouseMove`: 1 ignores every mouse movement; 2 only movement over movies.
inline constexpr uint8_t kIgnoreAllMouseMoves = 1;

struct CursorPoint {
  int32_t x = 0;
  int32_t y = 0;
};

// What the rules need of the window beyond the sequence.
class ShowWindowInput {
 public:
  virtual ~ShowWindowInput() = default;
  virtual CursorPoint CursorPos() = 0;
  virtual void PostClose() = 0;
  // Posts the window WM_TIMER 555, so the first step runs from the message loop.
  virtual void PostItemTimerMessage() = 0;
  // The preview's host window still exists (it belongs to another process, which may end
  // without destroying its children).
  virtual bool HostWindowExists() = 0;
  // "ScreenSaveUsePassword" is set (Windows 9x asks for the password before a show may end).
  virtual bool PasswordRequested() = 0;
  // Asks the user for the screen-saver password; true when it was right or cannot be asked.
  virtual bool AskPassword() = 0;
};

// What the window does after the rules saw a message: pass it on to the default handling, or
// answer it with `result`; and whether it then destroys itself.
struct MessageOutcome {
  bool passOn = true;
  intptr_t result = 0;
  bool destroyWindow = false;
};

// What the window lets go of when it is destroyed.
enum class ShowRelease {
  // A step of the show is still on the stack (its message pump brought the end): the sequence
  // lives on until the window's destructor; only the music, which the step never touches, goes.
  kMusic,
  // The sequence and the music, then the package's temporary files: the window shows nothing more.
  kEverything,
};

class ShowWindowRules {
 public:
  // `showMode` is the full-screen show; otherwise this is the preview. `music` is stepped by its
  // timer.
  ShowWindowRules(bool showMode, uint8_t ignoreMouseMove, ShowFlags& flags, ShowSequencer& sequencer,
                  ShowMusic& music, ShowWindowInput& input);

  // The preview watches its host window on a timer (kHostCheckTimerId) and goes with it.
  bool WatchesHostWindow() const { return !showMode_; }
  MessageOutcome OnTimer(uintptr_t id);
  MessageOutcome OnMouseMove();
  MessageOutcome OnButtonDown();
  MessageOutcome OnKeyDown(uint32_t virtualKey);
  // `inherited` runs the window's default handling of the message and gives its result; the
  // rules call it where it belongs in the order of their own steps.
  MessageOutcome OnActivate(bool inactive, const std::function<intptr_t()>& inherited);
  MessageOutcome OnActivateApp(bool active);
  MessageOutcome OnNcActivate(bool active);
  MessageOutcome OnSysCommand(uintptr_t command);
  // WM_ENDSESSION: when the session really ends, Windows may end the process as soon as the
  // message is answered, so the window is destroyed at once and nothing is left to a destructor.
  MessageOutcome OnEndSession(bool ending);
  // WM_DESTROY, before the child windows go: the music window and the movie hosts are closed
  // through their own messages while they still exist, then the package's files are deleted.
  ShowRelease OnDestroy() const;

  // The transition control as the show uses it: sized by the sequence, no background mode of its
  // own, in the show's background colour, run on the window's thread, and parked outside the
  // visible area until the first item.
  static void SetUpTransitionControl(TPic_Trans& control, Rgb backgroundColour);

  // Every activation of the form, the first and any later one (back from a password dialog, say):
  // the item timer's message is posted, so the show steps on at once.
  void FormActivate();
  // Also the click handler of every movie host: a click on a movie ends the show like any click.
  void FormDeactivate();
  bool FormCloseQuery();

  void RequestEnd();
  bool VerifyPassword();

  CursorPoint Reference() const { return reference_; }

 private:
  void TakeCursorAsReference();

  bool showMode_;
  uint8_t ignoreMouseMove_;
  ShowFlags& flags_;
  ShowSequencer& sequencer_;
  ShowMusic& music_;
  ShowWindowInput& input_;
  CursorPoint reference_{-1, -1};
};

}  // namespace saverkit
