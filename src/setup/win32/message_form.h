// `TFormQelMsg` and `MessageBoxForm`: the program's own message box, in the skinned frame, with
// the system icon and the buttons a Windows message-box style asks for, their texts taken from
// the caller's dynamic texts so that they follow the package's language.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/win32/xp_menu.h"
#include "forms/win32/scr_neo_form.h"

namespace saverkit {

class TFormQelMsg : public TFormScrNeo {
 public:
  // `texts` (the caller's dynamic texts) may be null: the buttons then keep their built-in texts.
  TFormQelMsg(HWND owner, const std::string& text, const std::string& caption, uint32_t style,
              const std::vector<std::string>* texts);

  // The flat painter of its panels and buttons, made active at construction.
  TXPMenu& XXPMenu1() { return XXPMenu1_; }

 private:
  TXPMenu XXPMenu1_{*this, MessageFormXPSettings()};
};

// Shows the message modally, owned by the thread's active window (the dialog that asks), and
// returns the button pressed: IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7; closing the frame gives 2.
int MessageBoxForm(const std::string& text, const std::string& caption, uint32_t style,
                   const std::vector<std::string>* texts);

}  // namespace saverkit
