// Sizes and places of a control's parts, worked out from its model without a window: the height
// of a drop-down list's window and of its owner-drawn rows, an image's automatic size and where
// its picture goes, whether a bevel is a separator line, and where a label's text starts.
#pragma once

#include <cstdint>
#include <optional>

#include "forms/component.h"
#include "base/rect.h"

namespace saverkit {

// A drop-down list's window reaches down over its open list, whose border takes a pixel above
// and one below the rows.
inline constexpr int32_t kDropDownListBorder = 2;
// The closed box's selection field sits inside the box's frame, three pixels of it above and
// three below.
inline constexpr int32_t kComboFieldFrame = 6;

// The height of the control's window: a combo box's includes its open list (dropDownCount rows,
// at least one, each itemHeight or else the box's own height high); any other control's is the
// height of its bounds.
int32_t ControlWindowHeight(const Component& control);

// The height of an owner-drawn list's row as Windows asks for it (`selectionField`: the closed
// box's own field); none when the list has no fixed row height, so that Windows keeps its own.
std::optional<int32_t> OwnerDrawRowHeight(const Component& list, bool selectionField);

// An image with automatic size takes its picture's size; none when it does not change size
// (fixed size, a stretched picture, or no picture).
std::optional<ControlBounds> AutoSizedBounds(const Component& image, int32_t pictureWidth, int32_t pictureHeight);

// Where a picture or icon of that size goes in the box: centred in it, or at its top-left corner.
Rect PicturePlace(const Rect& box, int32_t width, int32_t height, bool centred);

// A bevel this high or lower is a separator: a line along its top instead of a frame.
inline constexpr int32_t kSeparatorBevelHeight = 2;
bool IsSeparatorBevel(const Component& bevel);

// How far below the top of a box `boxHeight` high a block of text `textHeight` high starts.
int32_t TextTopOffset(VerticalAlign layout, int32_t boxHeight, int32_t textHeight);

}  // namespace saverkit
