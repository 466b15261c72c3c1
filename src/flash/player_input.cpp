#include "flash/player_input.h"

namespace saverkit {

ShiftState ShiftFromKeyFlags(uintptr_t keyFlags) {
  ShiftState state;
  state.left = keyFlags & 0x0001;
  state.right = keyFlags & 0x0002;
  state.shift = keyFlags & 0x0004;
  state.ctrl = keyFlags & 0x0008;
  state.middle = keyFlags & 0x0010;
  return state;  // mouse messages carry no alt state
}

InputOutcome RoutePlayerInput(PlayerInput input, uintptr_t keyFlags, uintptr_t position, bool playerMenu,
                              bool hasPopupMenu, const FlashEvents& events) {
  switch (input) {
    case PlayerInput::kMouseMove:
      if (events.onMouseMove)
        events.onMouseMove(ShiftFromKeyFlags(keyFlags), int(position & 0xFFFF), int((position >> 16) & 0xFFFF));
      return InputOutcome::kPassOn;
    case PlayerInput::kLeftButtonUp:
      if (events.onClick) events.onClick();
      return InputOutcome::kPassOn;
    case PlayerInput::kRightButtonDown:
      return playerMenu ? InputOutcome::kPassOn : InputOutcome::kSwallow;
    case PlayerInput::kRightButtonUp:
      return hasPopupMenu ? InputOutcome::kShowPopupMenu : InputOutcome::kPassOn;
    case PlayerInput::kOther:
      break;
  }
  return InputOutcome::kPassOn;
}

}  // namespace saverkit
