#include "forms/control_geometry.h"

#include "base/fit_rect.h"

namespace saverkit {

int32_t ControlWindowHeight(const Component& control) {
  if (control.Kind() != ComponentKind::kComboBox) return control.bounds.height;
  const int32_t rows = control.dropDownCount > 0 ? control.dropDownCount : 1;
  const int32_t rowHeight = control.itemHeight > 0 ? control.itemHeight : control.bounds.height;
  return control.bounds.height + rows * rowHeight + kDropDownListBorder;
}

std::optional<int32_t> OwnerDrawRowHeight(const Component& list, bool selectionField) {
  if (list.itemHeight <= 0) return std::nullopt;
  return selectionField ? list.bounds.height - kComboFieldFrame : list.itemHeight;
}

std::optional<ControlBounds> AutoSizedBounds(const Component& image, int32_t pictureWidth, int32_t pictureHeight) {
  if (!image.autoSize || image.stretch || pictureWidth <= 0 || pictureHeight <= 0) return std::nullopt;
  return ControlBounds{image.bounds.left, image.bounds.top, pictureWidth, pictureHeight};
}

Rect PicturePlace(const Rect& box, int32_t width, int32_t height, bool centred) {
  return centred ? CentreRect(width, height, box) : RectAt(box.left, box.top, width, height);
}

bool IsSeparatorBevel(const Component& bevel) { return bevel.bounds.height <= kSeparatorBevelHeight; }

int32_t TextTopOffset(VerticalAlign layout, int32_t boxHeight, int32_t textHeight) {
  const int32_t spare = boxHeight - textHeight;
  switch (layout) {
    case VerticalAlign::kCenter: return spare / 2;
    case VerticalAlign::kBottom: return spare;
    default: return 0;
  }
}

}  // namespace saverkit
