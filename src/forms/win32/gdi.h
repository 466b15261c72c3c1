// Small owners of GDI objects and device contexts, so that every early return releases them.
#pragma once

#include <windows.h>

namespace saverkit {

// Owns a pen, brush, font, bitmap or region and deletes it.
template <typename Handle>
class ScopedGdiObject {
 public:
  explicit ScopedGdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~ScopedGdiObject() { Reset(); }
  ScopedGdiObject(const ScopedGdiObject&) = delete;
  ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
  ScopedGdiObject(ScopedGdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
    if (this != &other) {
      Reset(other.handle_);
      other.handle_ = nullptr;
    }
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_;
};

using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedRegion = ScopedGdiObject<HRGN>;

// Selects an object into a device context and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint / EndPaint of one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &paint_); }
  ~PaintScope() { EndPaint(hwnd_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

// GetDC / ReleaseDC of a window (or of the screen for a null window).
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A memory device context compatible with `reference` (the screen for null) holding its own
// bitmap of width x height; everything is released and deselected when it goes.
class MemoryDc {
 public:
  MemoryDc(HDC reference, int width, int height)
      : dc_(CreateCompatibleDC(reference)),
        bitmap_(reference ? CreateCompatibleBitmap(reference, width, height) : nullptr) {
    if (!bitmap_) {
      ScopedWindowDc screen(nullptr);
      bitmap_ = CreateCompatibleBitmap(screen.Dc(), width, height);
    }
    if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
  }
  ~MemoryDc() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Dc() const { return dc_; }
  explicit operator bool() const { return dc_ && bitmap_ && previous_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace saverkit
