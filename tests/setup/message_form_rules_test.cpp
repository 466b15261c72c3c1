#include "setup/message_form_rules.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

struct Expected {
  const char* name;
  int textIndex, result;
  bool isDefault, isCancel;
  int32_t left;
};

void ExpectButtons(uint32_t style, const std::vector<Expected>& expected) {
  const std::vector<MessageButton> buttons = MessageButtonsFor(style, 392);
  ASSERT_EQ(buttons.size(), expected.size()) << style;
  for (size_t i = 0; i < expected.size(); ++i) {
    const Expected& e = expected[i];
    EXPECT_STREQ(buttons[i].name, e.name) << style;
    EXPECT_EQ(buttons[i].textIndex, e.textIndex) << style << " " << e.name;
    EXPECT_EQ(buttons[i].modalResult, e.result) << style << " " << e.name;
    EXPECT_EQ(buttons[i].isDefault, e.isDefault) << style << " " << e.name;
    EXPECT_EQ(buttons[i].isCancel, e.isCancel) << style << " " << e.name;
    EXPECT_EQ(buttons[i].left, e.left) << style << " " << e.name;
  }
}

TEST(MessageForm, ButtonsRolesAndPlacesByStyle) {
  // MB_ICONQUESTION | MB_YESNOCANCEL: Yes, No, Cancel spread over the 392-pixel panel.
  ExpectButtons(35, {{"Btn1", 19, 6, true, false, 23}, {"Btn2", 20, 7, false, false, 146}, {"Btn3", 18, 2, false, true, 269}});
  // MB_YESNO: no cancel button, so Escape does nothing.
  ExpectButtons(4, {{"Btn1", 19, 6, true, false, 64}, {"Btn2", 20, 7, false, false, 228}});
  // MB_RETRYCANCEL has bit 4 too: Yes and No.
  ExpectButtons(5, {{"Btn1", 19, 6, true, false, 64}, {"Btn2", 20, 7, false, false, 228}});
  // MB_ICONINFORMATION and MB_ICONEXCLAMATION: one OK, default and cancel at once.
  ExpectButtons(64, {{"Btn1", 17, 1, true, true, 146}});
  ExpectButtons(48, {{"Btn1", 17, 1, true, true, 146}});
  ExpectButtons(2, {{"Btn1", 17, 1, true, true, 146}});
  // MB_OKCANCEL: OK answers IDOK.
  ExpectButtons(1, {{"Btn1", 17, 1, true, false, 64}, {"Btn2", 18, 2, false, false, 228}});
  // MB_DEFBUTTON2 and MB_DEFBUTTON3 move the default; a button the style lacks cannot take it.
  ExpectButtons(0x103, {{"Btn1", 19, 6, false, false, 23}, {"Btn2", 20, 7, true, false, 146}, {"Btn3", 18, 2, false, true, 269}});
  ExpectButtons(0x203, {{"Btn1", 19, 6, false, false, 23}, {"Btn2", 20, 7, false, false, 146}, {"Btn3", 18, 2, true, true, 269}});
  ExpectButtons(0x204, {{"Btn1", 19, 6, true, false, 64}, {"Btn2", 20, 7, false, false, 228}});
  ExpectButtons(0x100, {{"Btn1", 17, 1, true, true, 146}});
}

TEST(MessageForm, IconsByTheStylesIconField) {
  const std::pair<uint32_t, int> cases[] = {{64, 32516}, {48, 32515}, {35, 32514}, {16, 32513}, {0, 0}, {0x50, 0}, {0xF0, 0}};
  for (const auto& [style, icon] : cases) EXPECT_EQ(MessageIconFor(style), icon) << style;
}

TEST(MessageForm, ButtonTextsComeFromTheCallersListOrTheBuiltInOnes) {
  std::vector<std::string> nineteen(19);
  nineteen[17] = "D'accord";
  nineteen[18] = "Annuler";
  EXPECT_EQ(MessageButtonText(17, &nineteen), "D'accord");
  EXPECT_EQ(MessageButtonText(18, &nineteen), "Annuler");
  EXPECT_EQ(MessageButtonText(19, &nineteen), "&Yes");
  EXPECT_EQ(MessageButtonText(20, &nineteen), "&No");
  EXPECT_EQ(MessageButtonText(17, nullptr), "&OK");
  EXPECT_EQ(MessageButtonText(18, nullptr), "&Cancel");
  // A package that leaves a button's text empty keeps the button captioned.
  std::vector<std::string> blanks(25);
  EXPECT_EQ(MessageButtonText(19, &blanks), "&Yes");
  EXPECT_EQ(MessageButtonText(20, &blanks), "&No");
}

TEST(MessageForm, LayoutTableIsConsistent) {
  ComponentOwner form;
  EXPECT_TRUE(AddLayout(form, MessageFormRows()));
  for (const char* name : {"Btn1", "Btn2", "Btn3"}) {
    EXPECT_FALSE(form.Find(name)->visible) << name;
    EXPECT_FALSE(form.Find(name)->enabled) << name;
    EXPECT_EQ(form.Find(name)->bounds.top, kMessageButtonTop);
  }
  EXPECT_EQ(form.Find("PanelMain")->bounds.width, 392);
}

}  // namespace
}  // namespace saverkit
