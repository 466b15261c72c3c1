#include "forms/caption_label_controls.h"

#include <cstring>
#include <limits>

#include "raster/saturating.h"

namespace saverkit {
namespace {

// The index a label's name carries; -1 when the rest of the name is not a decimal number.
int LabelIndexOf(const std::string& name) {
  const size_t prefixLength = std::strlen(kCaptionLabelPrefix);
  const std::string digits = name.substr(prefixLength);
  size_t start = (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) ? 1 : 0;
  if (start == digits.size()) return -1;
  long long value = 0;
  for (size_t i = start; i < digits.size(); ++i) {
    if (digits[i] < '0' || digits[i] > '9') return -1;
    value = value * 10 + (digits[i] - '0');
    if (value > std::numeric_limits<int>::max()) return -1;
  }
  return int(digits[0] == '-' ? -value : value);
}

}  // namespace

FontStyleSet ApplyFontStyle(uint8_t styleBits) {
  FontStyleSet style;
  style.bold = (styleBits & 1) != 0;
  style.italic = (styleBits & 2) != 0;
  style.underline = (styleBits & 4) != 0;
  style.strikeOut = (styleBits & 8) != 0;
  return style;
}

void ShowCaptionLabels(ComponentOwner& showWindow, const std::vector<CaptionLabel>& labels, double scale,
                       TextMeasurer& measurer) {
  for (size_t i = 0; i < labels.size(); ++i) {
    const CaptionLabel& label = labels[i];
    ControlFont font;
    font.name = label.fontName;
    font.size = label.fontSize;
    font.style = ApplyFontStyle(label.fontStyle);
    font.color = label.fontColor;
    const TextExtent extent = measurer.Measure(font, label.text);

    const std::string name = kCaptionLabelPrefix + std::to_string(i);
    Component* control = showWindow.Find(name);
    const bool isNew = control == nullptr;
    if (isNew) {
      Component created;
      created.name = name;
      created.SetClassName("TLabel");
      created.visible = false;
      created.autoSize = false;
      created.showAccelChar = false;
      created.tag = -int32_t(i);
      control = &showWindow.Add(std::move(created));
    }

    control->font = font;
    control->font.size = TruncToI32(label.fontSize * scale);
    control->bounds.left = TruncToI32(scale * label.centerX - scale * extent.width * 0.5);
    control->bounds.top = TruncToI32(scale * label.centerY - scale * extent.height * 0.5);
    control->bounds.width = TruncToI32(scale * extent.width);
    control->bounds.height = TruncToI32(scale * extent.height);
    control->caption = label.text;
    control->transparent = label.transparent;
    if (!label.transparent) control->color = label.backColor;

    if (isNew) {
      control->centred = true;
      control->visible = true;
    }
  }
}

void RemoveCaptionLabels(ComponentOwner& showWindow, int first) {
  const size_t prefixLength = std::strlen(kCaptionLabelPrefix);
  for (int i = showWindow.Count() - 1; i >= 0; --i) {
    const std::string& name = showWindow.At(i).name;
    if (name.compare(0, prefixLength, kCaptionLabelPrefix) != 0) continue;
    if (first <= 0 || LabelIndexOf(name) >= first) showWindow.Remove(i);
  }
}

}  // namespace saverkit
