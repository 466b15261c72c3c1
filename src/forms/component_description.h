// A component's state as "key=value" lines, for tools that look at a running form from outside
// (the end-to-end driver asks a form for it by the component's name). Graphic controls have no
// window whose text could be read, so this is how their captions are seen.
#pragma once

#include <string>

#include "forms/component.h"

namespace saverkit {

// Lines: class, name, tag, caption, visible, enabled, checked, itemIndex, items (their count),
// bounds (left,top,width,height), parent (its name; empty for the form). Line breaks inside the
// caption are written as "\n" so that every value stays on its line.
std::string DescribeComponent(const Component& component);

}  // namespace saverkit
