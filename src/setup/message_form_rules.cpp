#include "setup/message_form_rules.h"

namespace saverkit {
namespace {

constexpr int kOkText = 17;
constexpr int kCancelText = 18;
constexpr int kYesText = 19;
constexpr int kNoText = 20;

}  // namespace

const std::vector<LayoutRow>& MessageFormRows() {
  static const std::vector<LayoutRow> rows = {
      {"TPanel", "PanelMain", "", kUntagged, "", {0, 0, 392, 183}, Props()},
      {"TPanel", "Panel1", "PanelMain", kUntagged, "", {16, 16, 361, 97},
       Props().Bevels(Bevel::kRaised, Bevel::kLowered).Colour(kColorWhite)},
      {"TLabel", "LabelMsg", "Panel1", kUntagged, "", {64, 16, 288, 65}, Props().FixedSize().Transparent().WordWrap()},
      {"TImage", "ImageIcon", "Panel1", kUntagged, "", {16, 16, 32, 32}, Props()},
      {"TButton", "Btn1", "PanelMain", kUntagged, "", {34, kMessageButtonTop, kMessageButtonWidth, 29},
       Props().Disabled().Hidden().Result(kModalYes)},
      {"TButton", "Btn2", "PanelMain", kUntagged, "", {122, kMessageButtonTop, kMessageButtonWidth, 29},
       Props().Disabled().Hidden().Result(kModalNo)},
      {"TButton", "Btn3", "PanelMain", kUntagged, "", {202, kMessageButtonTop, kMessageButtonWidth, 29},
       Props().Disabled().Hidden().Result(kModalYes)},
  };
  return rows;
}

int MessageIconFor(uint32_t style) {
  switch (style & 0xF0) {
    case 0x40: return 32516;  // IDI_ASTERISK
    case 0x30: return 32515;  // IDI_EXCLAMATION
    case 0x20: return 32514;  // IDI_QUESTION
    case 0x10: return 32513;  // IDI_HAND
  }
  return 0;
}

std::vector<MessageButton> MessageButtonsFor(uint32_t style, int32_t panelWidth) {
  std::vector<MessageButton> buttons;
  if (style & 0x4) {  // MB_YESNO, MB_RETRYCANCEL
    buttons = {{"Btn1", kYesText, kModalYes}, {"Btn2", kNoText, kModalNo}};
  } else if ((style & 0x3) == 0x3) {  // MB_YESNOCANCEL
    buttons = {{"Btn1", kYesText, kModalYes}, {"Btn2", kNoText, kModalNo}, {"Btn3", kCancelText, kModalCancel}};
    buttons[2].isCancel = true;
  } else if (style & 0x1) {  // MB_OKCANCEL: OK answers IDOK, as the form's callers read it
    buttons = {{"Btn1", kOkText, kModalOk}, {"Btn2", kCancelText, kModalCancel}};
  } else {  // MB_OK, MB_ABORTRETRYIGNORE
    buttons = {{"Btn1", kOkText, kModalOk}};
    buttons[0].isCancel = true;
  }
  // The default: MB_DEFBUTTON2 or 3 where the form has that button, else the first.
  size_t defaultIndex = 0;
  if ((style & 0x100) && buttons.size() >= 2) defaultIndex = 1;
  if ((style & 0x200) && buttons.size() >= 3) defaultIndex = 2;
  buttons[defaultIndex].isDefault = true;
  const int n = int(buttons.size());
  for (int k = 0; k < n; ++k) buttons[size_t(k)].left = SpreadButtonLeft(panelWidth, n, k, kMessageButtonWidth);
  return buttons;
}

std::string MessageButtonText(int index, const std::vector<std::string>* texts) {
  if (texts && index >= 0 && size_t(index) < texts->size() && !(*texts)[size_t(index)].empty())
    return (*texts)[size_t(index)];
  switch (index) {
    case kOkText: return "&OK";
    case kCancelText: return "&Cancel";
    case kYesText: return "&Yes";
    case kNoText: return "&No";
  }
  return {};
}

int32_t SpreadButtonLeft(int32_t panelWidth, int n, int k, int32_t buttonWidth) {
  return (panelWidth - n * buttonWidth) * (k + 1) / (n + 1) + k * buttonWidth;
}

}  // namespace saverkit
