#include "raster/win32/bitmap_drawing.h"

namespace saverkit {
namespace {

BITMAPINFO TopDownInfo(const Bitmap& bitmap) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = bitmap.Width();
  info.bmiHeader.biHeight = -bitmap.Height();  // a negative height says the rows run top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

void DrawBitmap(const Bitmap& bitmap, int x, int y, HDC dc) {
  if (bitmap.Empty()) return;
  const BITMAPINFO info = TopDownInfo(bitmap);
  SetDIBitsToDevice(dc, x, y, DWORD(bitmap.Width()), DWORD(bitmap.Height()), 0, 0, 0, UINT(bitmap.Height()),
                    bitmap.Data(), &info, DIB_RGB_COLORS);
}

void StretchDrawBitmap(const Bitmap& bitmap, HDC dc, const Rect& target) {
  if (bitmap.Empty() || target.IsEmpty()) return;
  const BITMAPINFO info = TopDownInfo(bitmap);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, target.left, target.top, target.Width(), target.Height(), 0, 0, bitmap.Width(), bitmap.Height(),
                bitmap.Data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace saverkit
