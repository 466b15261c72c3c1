#include "forms/scr_neo_frame.h"

namespace saverkit {
namespace {

constexpr int32_t kLeftCapWidth = 81;
constexpr int32_t kRightCapWidth = 94;
constexpr int32_t kCaptionLeft = 85;
constexpr int32_t kCaptionTop = 11;
constexpr int32_t kCloseFromRight = 38;
constexpr int32_t kBottomLeftWidth = 10;
constexpr int32_t kBottomRightWidth = 13;

void Place(ComponentOwner& frame, const char* name, ControlBounds bounds) {
  if (Component* c = frame.Find(name)) c->SetBounds(bounds);
}

int32_t WidthOf(ComponentOwner& frame, const char* name) {
  const Component* c = frame.Find(name);
  return c ? c->bounds.width : 0;
}

}  // namespace

const std::vector<LayoutRow>& ScrNeoFrameRows() {
  static const std::vector<LayoutRow> rows = {
      {"TPanel", "PanelTop", "", kUntagged, "", {0, 0, kScrNeoWidth, kCaptionBarHeight}, Props().Aligned(Align::kTop)},
      {"TLabel", "Label_XNeo_Caption", "PanelTop", kUntagged, "", {kCaptionLeft, kCaptionTop, 354, 16},
       Props().Font("Arial", -12, kColorWhite).Transparent().FixedSize()},
      {"TImage", "ImageTopLeft", "PanelTop", kUntagged, "", {0, 0, kLeftCapWidth, kCaptionBarHeight}, Props()},
      {"TImage", "ImageTopCenter", "PanelTop", kUntagged, "", {kLeftCapWidth, 0, 354, kCaptionBarHeight}, Props().Stretch()},
      {"TImage", "ImageTopRight", "PanelTop", kUntagged, "", {435, 0, kRightCapWidth, kCaptionBarHeight}, Props()},
      {"TImage", "ImageSysMenu", "PanelTop", kUntagged, "", {9, 5, 32, 32}, Props().Centred()},
      {"XImageEx", "ImageClose", "PanelTop", kUntagged, "", {491, 5, 17, 19}, Props().HandCursor()},
      {"TPanel", "PanelBottom", "", kUntagged, "", {0, 352, kScrNeoWidth, kBottomBorderHeight}, Props().Aligned(Align::kBottom)},
      {"TImage", "ImageBottomLeft", "PanelBottom", kUntagged, "", {0, 0, kBottomLeftWidth, kBottomBorderHeight}, Props()},
      {"TImage", "ImageBottomCenter", "PanelBottom", kUntagged, "", {kBottomLeftWidth, 0, 506, kBottomBorderHeight},
       Props().Stretch()},
      {"TImage", "ImageBottomRight", "PanelBottom", kUntagged, "", {516, 0, kBottomRightWidth, kBottomBorderHeight}, Props()},
      {"TPanel", "PanelLeft", "", kUntagged, "", {0, 0, kLeftBorderWidth, 303}, Props().Aligned(Align::kLeft)},
      {"TImage", "ImageLeft", "PanelLeft", kUntagged, "", {0, 0, kLeftBorderWidth, 303}, Props().Aligned(Align::kClient).Stretch()},
      {"TPanel", "PanelRight", "", kUntagged, "", {0, 0, kRightBorderWidth, 303}, Props().Aligned(Align::kRight)},
      {"TImage", "ImageRight", "PanelRight", kUntagged, "", {0, 0, kRightBorderWidth, 303},
       Props().Aligned(Align::kClient).Stretch()},
  };
  return rows;
}

std::optional<CaptionPictures> CaptionPicturesFor(int activationState) {
  switch (activationState) {
    case 1:  // WA_ACTIVE
    case 2:  // WA_CLICKACTIVE
      return CaptionPictures{0, 1, 4};
    case 0:  // WA_INACTIVE
      return CaptionPictures{2, 3, 5};
  }
  return std::nullopt;
}

void PanelTopResize(ComponentOwner& frame, int32_t formWidth) {
  const int32_t width = WidthOf(frame, "PanelTop");
  const int32_t middle = width - kLeftCapWidth - kRightCapWidth;
  if (Component* caption = frame.Find("Label_XNeo_Caption")) {
    caption->SetBounds({kCaptionLeft, kCaptionTop, formWidth - kLeftCapWidth - kRightCapWidth, caption->bounds.height});
    frame.SendToBack(*caption);
  }
  Place(frame, "ImageTopLeft", {0, 0, kLeftCapWidth, kCaptionBarHeight});
  Place(frame, "ImageTopRight", {width - kRightCapWidth, 0, kRightCapWidth, kCaptionBarHeight});
  if (Component* center = frame.Find("ImageTopCenter")) {
    frame.SendToBack(*center);
    center->SetBounds({kLeftCapWidth, 0, middle, kCaptionBarHeight});
  }
  if (Component* close = frame.Find("ImageClose")) {
    ControlBounds b = close->bounds;
    b.left = width - kCloseFromRight;
    close->SetBounds(b);
  }
  if (Component* panel = frame.Find("PanelTop")) panel->Repaint();
}

void PanelBottomResize(ComponentOwner& frame) {
  const int32_t width = WidthOf(frame, "PanelBottom");
  Place(frame, "ImageBottomLeft", {0, 0, kBottomLeftWidth, kBottomBorderHeight});
  Place(frame, "ImageBottomRight", {width - kBottomRightWidth, 0, kBottomRightWidth, kBottomBorderHeight});
  Place(frame, "ImageBottomCenter",
        {kBottomLeftWidth, 0, width - kBottomLeftWidth - kBottomRightWidth, kBottomBorderHeight});
  if (Component* panel = frame.Find("PanelBottom")) panel->Repaint();
}

ClientSize FitToContent(ComponentOwner& frame, Component& panel) {
  auto setSize = [&](const char* name, int32_t width, int32_t height) {
    if (Component* c = frame.Find(name)) {
      ControlBounds b = c->bounds;
      if (width >= 0) b.width = width;
      if (height >= 0) b.height = height;
      c->SetBounds(b);
    }
  };
  setSize("PanelTop", -1, kCaptionBarHeight);
  setSize("PanelBottom", -1, kBottomBorderHeight);
  setSize("PanelLeft", kLeftBorderWidth, -1);
  setSize("PanelRight", kRightBorderWidth, -1);
  const ClientSize size{panel.bounds.width + kLeftBorderWidth + kRightBorderWidth,
                        panel.bounds.height + kCaptionBarHeight + kBottomBorderHeight};
  // The bars take the new width at once, so the caption bar is laid out for the fitted frame.
  AlignChildren(frame, nullptr, size.width, size.height);
  PanelTopResize(frame, size.width);
  PanelBottomResize(frame);
  panel.SetBounds({kLeftBorderWidth, kCaptionBarHeight, panel.bounds.width, panel.bounds.height});
  return size;
}

}  // namespace saverkit
