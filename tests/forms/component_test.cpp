#include "forms/component.h"

#include <gtest/gtest.h>

#include <vector>

#include "forms/layout.h"

namespace saverkit {
namespace {

// Records what the real control would be told.
struct RecordingLink : ControlLink {
  std::vector<std::pair<std::string, ComponentChange>> changes;
  void Changed(Component& component, ComponentChange change) override { changes.push_back({component.name, change}); }
};

TEST(ComponentOwner, FindsByExactNameAndRemovesSafely) {
  ComponentOwner form;
  Component panel;
  panel.name = "Panel";
  Component& parent = form.Add(panel);
  Component child;
  child.name = "Child";
  child.parent = &parent;
  form.Add(child);

  EXPECT_EQ(form.Find("panel"), nullptr);
  ASSERT_NE(form.Find("Child"), nullptr);
  EXPECT_EQ(form.Find("Child")->owner, &form);

  form.Remove(5);
  form.Remove(-1);
  EXPECT_EQ(form.Count(), 2);

  form.Remove(0);
  ASSERT_EQ(form.Count(), 1);
  EXPECT_EQ(form.At(0).parent, nullptr);  // no dangling parent after its removal
}

const std::vector<LayoutRow> kRows = {
    {"TPanel", "PanelTop", "", -1, "", {0, 0, 100, 49}, Props().Aligned(Align::kTop)},
    {"TPanel", "PanelBottom", "", -1, "", {0, 0, 100, 12}, Props().Aligned(Align::kBottom)},
    {"TPanel", "PanelLeft", "", -1, "", {0, 0, 10, 5}, Props().Aligned(Align::kLeft)},
    {"TPanel", "PanelRight", "", -1, "", {0, 0, 13, 5}, Props().Aligned(Align::kRight)},
    {"TPanel", "PanelMain", "", -1, "", {0, 0, 1, 1}, Props().Aligned(Align::kClient).Colour(kColorWhite)},
    {"TLabel", "Caption", "PanelTop", 7, "Hello", {85, 11, 40, 16}, Props().Font("Arial", -12, 0xFFFFFF).Transparent()},
    {"TButton", "BtnOk", "PanelMain", 1023, "&OK", {10, 10, 85, 35}, Props().Default().Result(kModalOk)},
    {"TSpeedButton", "Tab1", "PanelMain", 1001, "General", {0, 0, 80, 25}, Props().Group(1).Checked()},
    {"TSpeedButton", "Tab2", "PanelMain", 1002, "Pictures", {80, 0, 80, 25}, Props().Group(1)},
    {"TSpeedButton", "Other", "PanelTop", 1003, "Elsewhere", {0, 0, 80, 25}, Props().Group(1).Checked()},
};

TEST(Layout, RowsBecomeComponentsWithParentsPropertiesAndChildren) {
  ComponentOwner form;
  ASSERT_TRUE(AddLayout(form, kRows));
  ASSERT_EQ(form.Count(), int(kRows.size()));
  Component& caption = *form.Find("Caption");
  EXPECT_EQ(caption.parent, form.Find("PanelTop"));
  EXPECT_EQ(caption.tag, 7);
  EXPECT_EQ(caption.caption, "Hello");
  EXPECT_TRUE(caption.transparent);
  EXPECT_EQ(caption.EffectiveFont().height, -12);
  EXPECT_EQ(form.Find("BtnOk")->EffectiveColor(), kColorWhite);  // the parent's colour
  EXPECT_EQ(form.Find("PanelTop")->EffectiveColor(), kColorBtnFace);  // the form's colour
  EXPECT_EQ(form.Find("BtnOk")->EffectiveFont().name, form.font.name);

  const std::vector<Component*> children = form.ChildrenOf(form.Find("PanelMain"));
  ASSERT_EQ(children.size(), 3u);
  EXPECT_EQ(children[0]->name, "BtnOk");
  EXPECT_EQ(children[2]->name, "Tab2");
  EXPECT_EQ(form.ChildrenOf(nullptr).size(), 5u);
}

TEST(Layout, UnknownParentsAndRepeatedNamesAreReported) {
  ComponentOwner form;
  EXPECT_FALSE(AddLayout(form, {{"TLabel", "L", "Nowhere", 0, "", {}, Props()}}));
  EXPECT_EQ(form.At(0).parent, nullptr);
  ComponentOwner twice;
  EXPECT_FALSE(AddLayout(twice, {{"TLabel", "L", "", 0, "", {}, Props()}, {"TLabel", "L", "", 0, "", {}, Props()}}));
}

TEST(Layout, AlignedChildrenShareTheClientAreaAndTheirResizeEventsRun) {
  ComponentOwner form;
  AddLayout(form, kRows);
  int topResized = 0;
  form.Find("PanelTop")->events.onResize = [&](Component&) { ++topResized; };
  AlignChildren(form, nullptr, 300, 200);

  struct Case {
    const char* name;
    ControlBounds bounds;
  };
  const Case cases[] = {
      {"PanelTop", {0, 0, 300, 49}},
      {"PanelBottom", {0, 188, 300, 12}},
      {"PanelLeft", {0, 49, 10, 139}},
      {"PanelRight", {287, 49, 13, 139}},
      {"PanelMain", {10, 49, 277, 139}},
  };
  for (const Case& c : cases) EXPECT_EQ(form.Find(c.name)->bounds, c.bounds) << c.name;
  EXPECT_EQ(topResized, 1);
  AlignChildren(form, nullptr, 300, 200);
  EXPECT_EQ(topResized, 1);  // no change, no event

  form.Find("PanelTop")->SetVisible(false);  // hidden panels take no room
  AlignChildren(form, nullptr, 300, 200);
  EXPECT_EQ(form.Find("PanelLeft")->bounds, (ControlBounds{0, 0, 10, 188}));
}

TEST(Component, SettersTellTheRealControlOnlyOfChanges) {
  ComponentOwner form;
  AddLayout(form, kRows);
  RecordingLink link;
  Component& ok = *form.Find("BtnOk");
  ok.link = &link;
  ok.SetCaption("&OK");
  ok.SetEnabled(true);
  ok.SetVisible(true);
  ok.SetBounds(ok.bounds);
  EXPECT_TRUE(link.changes.empty());

  ok.SetCaption("&Fine");
  ok.SetEnabled(false);
  ok.SetVisible(false);
  ok.SetBounds({1, 2, 3, 4});
  ok.SetItems({"a", "b"});
  ok.SetItemIndex(1);
  ok.SetItemIndex(-5);  // anything below -1 means no row
  ok.SetHint("press");
  ok.Repaint();
  const std::vector<ComponentChange> expected = {
      ComponentChange::kCaption, ComponentChange::kEnabled,   ComponentChange::kVisible,
      ComponentChange::kBounds,  ComponentChange::kItems,     ComponentChange::kItemIndex,
      ComponentChange::kItemIndex, ComponentChange::kHint,    ComponentChange::kRepaint};
  ASSERT_EQ(link.changes.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(link.changes[i].second, expected[i]) << i;
  EXPECT_EQ(ok.itemIndex, -1);
}

TEST(Component, ExactlyOneSpeedButtonOfAGroupIsDownUnderItsParent) {
  ComponentOwner form;
  AddLayout(form, kRows);
  RecordingLink link;
  for (const char* name : {"Tab1", "Tab2", "Other"}) form.Find(name)->link = &link;
  Component& tab1 = *form.Find("Tab1");
  Component& tab2 = *form.Find("Tab2");

  tab1.SetChecked(false);  // the down button stays down
  EXPECT_TRUE(tab1.checked);
  tab2.SetChecked(true);
  EXPECT_FALSE(tab1.checked);
  EXPECT_TRUE(tab2.checked);
  EXPECT_TRUE(form.Find("Other")->checked);  // same group index, other parent
  ASSERT_EQ(link.changes.size(), 2u);
  EXPECT_EQ(link.changes[0].first, "Tab2");
  EXPECT_EQ(link.changes[1].first, "Tab1");
}

TEST(Component, ZOrderMovesWithinTheOwnersOrderAndBindFindsHandlers) {
  ComponentOwner form;
  AddLayout(form, kRows);
  RecordingLink link;
  Component& main = *form.Find("PanelMain");
  main.link = &link;
  form.SendToBack(main);
  EXPECT_EQ(&form.At(0), &main);
  form.BringToFront(main);
  EXPECT_EQ(&form.At(form.Count() - 1), &main);
  EXPECT_EQ(link.changes.size(), 2u);

  int clicks = 0;
  EXPECT_TRUE(Bind(form, "BtnOk", &ComponentEvents::onClick, [&](Component&) { ++clicks; }));
  EXPECT_FALSE(Bind(form, "BtnNope", &ComponentEvents::onClick, [&](Component&) { ++clicks; }));
  form.Find("BtnOk")->events.onClick(*form.Find("BtnOk"));
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace saverkit
