#include "show/xscr_show_package.h"

namespace saverkit {

CaptionLabel CaptionFromRecord(const LabelRecord& record) {
  CaptionLabel caption;
  caption.fontName = record.FontName;
  caption.fontSize = record.FontSize;
  caption.fontStyle = record.FontStyle;
  caption.fontColor = uint32_t(record.FontColor);
  caption.transparent = record.Transparent != 0;
  caption.backColor = uint32_t(record.BackColor);
  caption.centerX = record.CenterX;
  caption.centerY = record.CenterY;
  caption.text = record.Text();
  return caption;
}

std::vector<CaptionLabel> XscrShowPackage::Captions(int32_t index) const {
  std::vector<CaptionLabel> captions;
  const LabelList* list = reader_.Labels().Get(index);
  if (!list) return captions;
  for (int i = 0; i < list->Count(); ++i) captions.push_back(CaptionFromRecord(*list->Get(i)));
  return captions;
}

}  // namespace saverkit
