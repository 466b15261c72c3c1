#include "forms/win32/bitmap_drawing.h"

#include <limits>
#include <vector>

namespace saverkit {
namespace {

BITMAPINFO TopDownInfo(const Bitmap& bitmap) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = bitmap.Width();
  info.bmiHeader.biHeight = -bitmap.Height();  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

void DrawBitmap(HDC dc, const Bitmap& bitmap, int x, int y) {
  if (bitmap.Empty()) return;
  const BITMAPINFO info = TopDownInfo(bitmap);
  SetDIBitsToDevice(dc, x, y, DWORD(bitmap.Width()), DWORD(bitmap.Height()), 0, 0, 0, UINT(bitmap.Height()),
                    bitmap.Data(), &info, DIB_RGB_COLORS);
}

void StretchDrawBitmap(HDC dc, const Bitmap& bitmap, const Rect& target) {
  if (bitmap.Empty() || target.IsEmpty()) return;
  const BITMAPINFO info = TopDownInfo(bitmap);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, target.left, target.top, target.Width(), target.Height(), 0, 0, bitmap.Width(), bitmap.Height(),
                bitmap.Data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

HRGN RegionToHrgn(const Region& region) {
  const std::vector<Rect> rects = region.Rects();
  // RGNDATA carries its rectangle count and byte size as 32-bit values.
  if (rects.size() > (std::numeric_limits<DWORD>::max() - sizeof(RGNDATAHEADER)) / sizeof(RECT)) return nullptr;
  std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = DWORD(rects.size());
  data->rdh.nRgnSize = DWORD(rects.size() * sizeof(RECT));
  RECT bound = {0, 0, 0, 0};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < rects.size(); ++i) {
    out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    if (i == 0) {
      bound = out[i];
    } else {
      bound.left = std::min(bound.left, out[i].left);
      bound.top = std::min(bound.top, out[i].top);
      bound.right = std::max(bound.right, out[i].right);
      bound.bottom = std::max(bound.bottom, out[i].bottom);
    }
  }
  data->rdh.rcBound = bound;
  return ExtCreateRegion(nullptr, DWORD(buffer.size()), data);
}

}  // namespace saverkit
