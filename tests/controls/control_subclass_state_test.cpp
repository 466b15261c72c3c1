#include <gtest/gtest.h>

#include "controls/control_subclass_state.h"
#include "controls/xp_attach_rules.h"

namespace saverkit {
namespace {

using E = SubclassEvent;

TEST(ControlSubclassState, MouseFocusAndPressSequences) {
  ControlSubclassState s(SubclassKind::Button);

  auto r = s.OnEvent(E::MouseMove, true);
  EXPECT_TRUE(s.MouseInControl());
  EXPECT_TRUE(r.repaint && r.trackMouseLeave);
  r = s.OnEvent(E::MouseMove, true);  // already in: nothing to repaint
  EXPECT_FALSE(r.repaint || r.trackMouseLeave);

  s.OnEvent(E::LeftDown, true);
  EXPECT_TRUE(s.LeftPressed());
  s.OnEvent(E::MouseLeave, true);  // held while outside: the press stays, the light goes
  EXPECT_FALSE(s.MouseInControl());
  EXPECT_TRUE(s.LeftPressed());
  s.OnEvent(E::LeftUp, true);
  EXPECT_FALSE(s.LeftPressed());

  // Focus lights the control as if the mouse were over it; losing it puts both out.
  s.OnEvent(E::FocusGained, true);
  EXPECT_TRUE(s.Focused() && s.MouseInControl());
  s.OnEvent(E::MouseLeave, true);
  EXPECT_TRUE(s.Focused());
  EXPECT_FALSE(s.MouseInControl());
  s.OnEvent(E::FocusLost, true);
  EXPECT_FALSE(s.Focused() || s.MouseInControl());

  // A disabled control does not light up under the mouse.
  r = s.OnEvent(E::MouseMove, false);
  EXPECT_FALSE(s.MouseInControl() || r.repaint);
}

TEST(ControlSubclassState, SpaceIsPaintedOnceWhileHeld) {
  ControlSubclassState s(SubclassKind::CheckBox);
  EXPECT_TRUE(s.OnEvent(E::SpaceDown, true).repaint);
  EXPECT_TRUE(s.SpacePressed());
  EXPECT_FALSE(s.OnEvent(E::SpaceDown, true).repaint);  // auto-repeat
  EXPECT_FALSE(s.OnEvent(E::SpaceDown, true).repaint);
  EXPECT_TRUE(s.OnEvent(E::SpaceUp, true).repaint);
  EXPECT_FALSE(s.SpacePressed());
  EXPECT_TRUE(s.OnEvent(E::SpaceDown, true).repaint);  // a new press
}

TEST(ControlSubclassState, DoubleClickIsASecondPressForButtonsOnly) {
  const struct {
    SubclassKind kind;
    bool forwarded;
  } cases[] = {{SubclassKind::Button, true},  {SubclassKind::SpeedButton, true}, {SubclassKind::CheckBox, true},
               {SubclassKind::Radio, false},  {SubclassKind::Edit, false},       {SubclassKind::Combo, false}};
  for (const auto& c : cases) {
    ControlSubclassState s(c.kind);
    const auto r = s.OnEvent(E::LeftDoubleClick, true);
    EXPECT_EQ(r.forwardAsLeftDown, c.forwarded) << int(c.kind);
    EXPECT_EQ(s.LeftPressed(), c.forwarded) << int(c.kind);
  }
}

TEST(ControlSubclassState, RebuildingHoldsOffPaintingAndDestruction) {
  ControlSubclassState s(SubclassKind::Edit);
  EXPECT_TRUE(s.OnEvent(E::Destroy, true).restoreAndFree);
  s.OnEvent(E::Ctl3DChanged, true);
  EXPECT_TRUE(s.Building());
  // The window is recreated while the frame changes: keep the subclass for the new one.
  EXPECT_FALSE(s.OnEvent(E::Destroy, true).restoreAndFree);
  EXPECT_TRUE(s.OnEvent(E::Paint, true).repaint);
  EXPECT_FALSE(s.Building());
  for (E e : {E::CheckStateChanged, E::ButtonStateChanged, E::EnabledChanged, E::TextChanged, E::ParentColorChanged})
    EXPECT_TRUE(s.OnEvent(e, true).repaint) << int(e);
  EXPECT_FALSE(s.OnEvent(E::Other, true).repaint);
}

TEST(XPAttachRules, WhichControlsAreSubclassed) {
  using K = ComponentKind;
  const XPMenuSettings all;
  const XPMenuSettings wizard = SetupWizardXPSettings();
  const XPMenuSettings config = ConfigurationDialogXPSettings();
  struct Case {
    const char* what;
    XPCandidate candidate;
    const XPMenuSettings& settings;
    bool taken;
  };
  const Case cases[] = {
      {"button on a panel", {K::kButton, 0, K::kPanel, 0}, all, true},
      {"button tagged 999", {K::kButton, 999, K::kPanel, 0}, all, false},
      {"on a panel tagged 999", {K::kEdit, 0, K::kPanel, 999}, all, false},
      {"other tags are fine", {K::kEdit, 998, K::kPanel, 1000}, all, true},
      {"label is not painted", {K::kLabel, 0, K::kPanel, 0}, all, false},
      {"unknown parent", {K::kButton, 0, K::kOther, 0}, all, false},
      {"on the form", {K::kButton, 0, K::kForm, 0}, all, true},
      {"on the form, dialog", {K::kButton, 0, K::kForm, 0}, config, false},
      {"on a tab sheet, wizard", {K::kCheckBox, 0, K::kTabSheet, 0}, wizard, true},
      {"on a tab sheet, configuration", {K::kCheckBox, 0, K::kTabSheet, 0}, config, false},
      {"radio not in the dialogs' kinds", {K::kRadioButton, 0, K::kPanel, 0}, wizard, false},
      {"speed button in a group box", {K::kSpeedButton, 0, K::kGroupBox, 0}, config, true},
      {"labelled edit counts as edit", {K::kLabeledEdit, 0, K::kPanel, 0}, config, true},
      {"memo needs its own kind", {K::kMemo, 0, K::kPanel, 0}, config, false},
  };
  for (const Case& c : cases) EXPECT_EQ(ShouldSubclass(c.candidate, c.settings), c.taken) << c.what;
}

// Up-down controls are taken when buttons are, but painted by no painter: they keep their arrows.
TEST(XPAttachRules, EachTakenKindHasItsPainter) {
  using K = ComponentKind;
  EXPECT_TRUE(ShouldSubclass({K::kUpDown, 0, K::kPanel, 0}, XPMenuSettings()));
  const std::pair<K, SubclassKind> cases[] = {
      {K::kButton, SubclassKind::Button},     {K::kBitButton, SubclassKind::Button},  {K::kUpDown, SubclassKind::Other},
      {K::kLabeledEdit, SubclassKind::Edit},  {K::kMemo, SubclassKind::Edit},         {K::kComboBox, SubclassKind::Combo},
      {K::kSpeedButton, SubclassKind::SpeedButton}, {K::kGroupBox, SubclassKind::GroupBox}, {K::kLabel, SubclassKind::Other},
  };
  for (const auto& [kind, painter] : cases) EXPECT_EQ(SubclassKindOf(kind), painter) << int(kind);
}

TEST(XPAttachRules, MenuItemsAndTheDialogsSettings) {
  XPMenuSettings s;
  EXPECT_TRUE(TakesOwnerDraw(0, false, s));
  EXPECT_FALSE(TakesOwnerDraw(999, false, s));
  EXPECT_FALSE(TakesOwnerDraw(0, true, s));
  s.overrideOwnerDraw = true;
  EXPECT_TRUE(TakesOwnerDraw(0, true, s));
  EXPECT_FALSE(TakesOwnerDraw(999, true, s));

  const XPMenuSettings config = ConfigurationDialogXPSettings(), wizard = SetupWizardXPSettings();
  EXPECT_EQ(config.iconWidth, 20);
  EXPECT_TRUE(config.gradient);
  EXPECT_EQ(wizard.iconWidth, 10);
  EXPECT_FALSE(wizard.gradient);
  EXPECT_EQ(config.controls.Bits(), wizard.controls.Bits());
  EXPECT_EQ(config.containers.Bits(), (1u << xccPanel) | (1u << xccGroupBox));
  EXPECT_EQ(MessageFormXPSettings().controls.Bits(), 0xFFFFu);
}

}  // namespace
}  // namespace saverkit
