// How the player's window treats mouse input before the player sees it: moves and clicks go to
// the host's events, the right button opens the host's popup menu instead of the player's own.
#pragma once

#include <cstdint>

#include "flash/rk_flash_ex.h"

namespace saverkit {

enum class PlayerInput { kMouseMove, kLeftButtonUp, kRightButtonDown, kRightButtonUp, kOther };

enum class InputOutcome {
  kPassOn,         // the player handles the message as usual
  kSwallow,        // answer 0; the player never sees it
  kShowPopupMenu,  // show the host's popup menu at the cursor, then answer 0
};

// The mouse-message key flags (MK_LBUTTON 1, MK_RBUTTON 2, MK_SHIFT 4, MK_CONTROL 8, MK_MBUTTON 16).
ShiftState ShiftFromKeyFlags(uintptr_t keyFlags);

// Calls the host's events for `input` and says what becomes of the message. The position is the
// message's lParam: x in the low 16 bits, y in the high 16 bits, both unsigned.
InputOutcome RoutePlayerInput(PlayerInput input, uintptr_t keyFlags, uintptr_t position, bool playerMenu,
                              bool hasPopupMenu, const FlashEvents& events);

}  // namespace saverkit
