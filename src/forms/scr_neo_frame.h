// The skinned frame of every dialog (`TFormScrNeo`), portable half: its components as a layout
// table and the rules that place them. A caption bar of a left cap, a stretched middle and a
// right cap with the system-menu icon, the caption text and the close button; thin borders left,
// right and at the bottom; a derived form's content panel fitted in between.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "forms/layout.h"

namespace saverkit {

inline constexpr int32_t kScrNeoWidth = 529;
inline constexpr int32_t kScrNeoHeight = 364;
inline constexpr uint32_t kScrNeoColor = 0xCFCFCF;
inline constexpr int32_t kCaptionBarHeight = 49;
inline constexpr int32_t kBottomBorderHeight = 12;
inline constexpr int32_t kLeftBorderWidth = 10;
inline constexpr int32_t kRightBorderWidth = 13;

// PanelTop, Label_XNeo_Caption, ImageTopLeft, ImageTopCenter, ImageTopRight, ImageSysMenu,
// ImageClose, PanelBottom with its three images, PanelLeft with ImageLeft, PanelRight with ImageRight.
const std::vector<LayoutRow>& ScrNeoFrameRows();

// The eight pictures the frame keeps, and where each comes from: "XTOP_" resources are JPEG in
// raw data, "XRKIMG_" resources bitmaps.
struct FramePicture {
  const char* resource;
  bool jpeg;
};
inline constexpr FramePicture kFramePictures[8] = {
    {"XTOP_0", true},      {"XTOP_1", true},      {"XTOP_2", true},     {"XTOP_3", true},
    {"XRKIMG_4", false},   {"XRKIMG_5", false},   {"XRKIMG_11", false}, {"XRKIMG_12", false},
};
inline constexpr int kCloseNormalPicture = 6;
inline constexpr int kCloseLitPicture = 7;

// The border images, loaded straight into them (bitmap resources).
struct BorderPicture {
  const char* image;
  const char* resource;
};
inline constexpr BorderPicture kBorderPictures[5] = {
    {"ImageLeft", "XRKIMG_6"},         {"ImageRight", "XRKIMG_7"},         {"ImageBottomLeft", "XRKIMG_8"},
    {"ImageBottomCenter", "XRKIMG_9"}, {"ImageBottomRight", "XRKIMG_10"},
};

// Which of the eight pictures the caption bar shows for a WM_ACTIVATE state: WA_ACTIVE (1) and
// WA_CLICKACTIVE (2) the active ones, WA_INACTIVE (0) the inactive ones; any other value none.
struct CaptionPictures {
  int left, right, center;
};
std::optional<CaptionPictures> CaptionPicturesFor(int activationState);

// Places the caption bar's parts for the width of PanelTop and of the form; the middle picture
// goes to the very back, the caption text just in front of it.
void PanelTopResize(ComponentOwner& frame, int32_t formWidth);
void PanelBottomResize(ComponentOwner& frame);

// Sizes the frame around a content panel: the client size it needs (the panel's size plus the
// borders and the caption bar), with the panel moved to the borders' inside corner.
struct ClientSize {
  int32_t width, height;
};
ClientSize FitToContent(ComponentOwner& frame, Component& panel);

}  // namespace saverkit
