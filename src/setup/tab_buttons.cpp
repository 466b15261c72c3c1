#include "setup/tab_buttons.h"

#include <algorithm>

namespace saverkit {

void ArrangeTabButtons(const std::vector<Component*>& buttons, const Component* down, int32_t panelWidth) {
  int32_t visible = 0;
  bool downVisible = false;
  for (const Component* button : buttons) {
    if (!button->visible) continue;
    ++visible;
    if (button == down) downVisible = true;
  }
  if (visible == 0) return;
  int32_t width = std::max(0, (panelWidth - 2) / visible);
  if (downVisible) width = width * 6 / 8;
  // A panel narrower than its gaps gives the down button nothing rather than a negative width.
  const int32_t downWidth = std::max(0, panelWidth - visible - width * (visible - 1) - 1);
  int32_t x = 0;
  for (Component* button : buttons) {
    if (!button->visible) continue;
    ControlBounds bounds = button->bounds;
    bounds.left = x;
    bounds.width = (downVisible && button == down) ? downWidth : width;
    button->SetBounds(bounds);
    x += bounds.width + 1;
  }
}

}  // namespace saverkit
