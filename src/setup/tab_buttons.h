// The configuration dialog's own tab row: speed buttons over the page control's tabs, the button
// of the active page wider than the others.
#pragma once

#include <cstdint>
#include <vector>

#include "forms/component.h"

namespace saverkit {

// Lays out the visible buttons of `buttons` side by side across `panelWidth` - 2 pixels with
// 1-pixel gaps; `down` (one of them, or nullptr) takes what the others leave. Hidden buttons are
// skipped; only left and width change.
void ArrangeTabButtons(const std::vector<Component*>& buttons, const Component* down, int32_t panelWidth);

}  // namespace saverkit
