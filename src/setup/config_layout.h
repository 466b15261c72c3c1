// The configuration dialog's components as data: every page, button, list and menu item of
// TForm_XSCR_Config with its tag, built-in caption and place, in creation order.
#pragma once

#include <cstdint>
#include <vector>

#include "forms/layout.h"

namespace saverkit {

inline constexpr int32_t kConfigClientWidth = 599;
inline constexpr int32_t kConfigClientHeight = 407;

// The authoring tool's page, shown and opened by the Generator page's link.
inline constexpr char kGeneratorWebAddress[] = "https://saverkit.example";

const std::vector<LayoutRow>& ConfigDialogLayout();

}  // namespace saverkit
