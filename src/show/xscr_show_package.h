// The package reader as the show reads it.
#pragma once

#include "package/xscr.h"
#include "show/show_seams.h"

namespace saverkit {

class XscrShowPackage : public ShowPackage {
 public:
  explicit XscrShowPackage(XSCR& reader) : reader_(reader) {}

  int32_t ItemCount() const override { return reader_.ItemCount(); }
  int32_t OverlayCount() const override { return reader_.OverlayCount(); }
  ItemRecord GetItem(int32_t index) const override { return reader_.GetItem(index); }
  bool LoadPicture(int32_t index, int scale, Bitmap& picture) override {
    return reader_.LoadPicture(index, scale, picture);
  }
  bool LoadPictureToCover(int32_t index, int shownWidth, int shownHeight, Bitmap& picture) override {
    return reader_.LoadPictureToCover(index, shownWidth, shownHeight, picture);
  }
  bool PictureSize(int32_t index, int& width, int& height) override {
    return reader_.PictureSize(index, width, height);
  }
  bool ExtractMovie(int32_t index, std::string& path) override { return reader_.ExtractMovie(index, path); }
  std::vector<CaptionLabel> Captions(int32_t index) const override;

 private:
  XSCR& reader_;
};

// The fields of a stored label that drawing it needs.
CaptionLabel CaptionFromRecord(const LabelRecord& record);

}  // namespace saverkit
