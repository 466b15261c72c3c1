#include "forms/component.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

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

  form.Remove(5);
  form.Remove(-1);
  EXPECT_EQ(form.Count(), 2);

  form.Remove(0);
  ASSERT_EQ(form.Count(), 1);
  EXPECT_EQ(form.At(0).parent, nullptr);  // no dangling parent after its removal
}

}  // namespace
}  // namespace saverkit
