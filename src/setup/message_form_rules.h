// The message form (`TFormQelMsg`), portable half: its layout table and what a Windows
// message-box style value makes of it: the icon, the buttons with their texts and modal results,
// the default and the cancel button, and where the buttons go.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/layout.h"

namespace saverkit {

inline constexpr int32_t kMessageClientWidth = 410;
inline constexpr int32_t kMessageClientHeight = 211;
inline constexpr int32_t kMessageButtonWidth = 100;
inline constexpr int32_t kMessageButtonTop = 130;

// PanelMain (the content panel), Panel1, LabelMsg, ImageIcon, Btn1, Btn2, Btn3.
const std::vector<LayoutRow>& MessageFormRows();

// The system icon (IDI_ASTERISK 32516, IDI_EXCLAMATION 32515, IDI_QUESTION 32514, IDI_HAND
// 32513) for the style's icon field, or 0 for none.
int MessageIconFor(uint32_t style);

struct MessageButton {
  const char* name;  // "Btn1", "Btn2", "Btn3"
  int textIndex;     // into the caller's dynamic texts
  int modalResult;
  bool isDefault = false;
  bool isCancel = false;
  int32_t left = 0;
};

// The buttons the style uses, in order, with their roles and lefts in a panel `panelWidth` wide.
std::vector<MessageButton> MessageButtonsFor(uint32_t style, int32_t panelWidth);

// Text `index` of the caller's list, or the built-in text when the list is absent, too short or
// has no text there (a button without a caption could not be read): 17 "&OK", 18 "&Cancel",
// 19 "&Yes", 20 "&No".
std::string MessageButtonText(int index, const std::vector<std::string>* texts);

// Button k of n spread over the panel: (panelWidth - n * buttonWidth) * (k + 1) / (n + 1) + k * buttonWidth.
int32_t SpreadButtonLeft(int32_t panelWidth, int n, int k, int32_t buttonWidth);

}  // namespace saverkit
