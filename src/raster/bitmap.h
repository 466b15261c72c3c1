// A 24-bit picture laid out like a top-down DIB section: BGR pixels, each row padded to a
// multiple of 4 bytes, so the Win32 side can present it with StretchDIBits as it is.
// Invariants: width >= 0, height >= 0, stride == RowStride(width), pixels.size() == stride * height.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace saverkit {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// A Windows colour value 0x00BBGGRR as an Rgb.
inline Rgb RgbFromColorRef(uint32_t colorRef) {
  return Rgb{uint8_t(colorRef & 0xFF), uint8_t((colorRef >> 8) & 0xFF), uint8_t((colorRef >> 16) & 0xFF)};
}

class JpegDecoding;

class Bitmap {
 public:
  // The largest side accepted; bigger requests give an empty bitmap instead of a huge allocation.
  static constexpr int kMaxSide = 32768;
  // The most bytes one block of memory can span in this build: no object, and so no vector, may
  // be larger than the difference of two pointers can tell (2 GB on 32-bit Windows).
  static constexpr size_t kAddressableBytes = size_t(std::numeric_limits<std::ptrdiff_t>::max());

  // The bytes of a width x height picture, rows padded, as one overflow-checked product, or
  // nothing when it is not a positive size of at most `addressable` bytes. A request that passes
  // the side limit can still be too much for a 32-bit build (32768 x 32768 is 3 GB).
  static std::optional<size_t> PixelBytes(int width, int height, size_t addressable = kAddressableBytes);

  Bitmap() = default;
  Bitmap(int width, int height, Rgb fill = {});

  // Copying a picture is costly and usually a mistake: use Clone() where a copy is meant.
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  Bitmap(Bitmap&&) noexcept = default;
  Bitmap& operator=(Bitmap&&) noexcept = default;

  Bitmap Clone() const;

  static size_t RowStride(int width) { return (size_t(width) * 3 + 3) & ~size_t(3); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  size_t Stride() const { return stride_; }

  // Resizes, discarding the content; every pixel becomes `fill`.
  void Reset(int width, int height, Rgb fill = {});
  void Fill(Rgb colour);

  uint8_t* Row(int y) { return pixels_.data() + size_t(y) * stride_; }
  const uint8_t* Row(int y) const { return pixels_.data() + size_t(y) * stride_; }
  uint8_t* Data() { return pixels_.data(); }
  const uint8_t* Data() const { return pixels_.data(); }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Out-of-range reads give black, out-of-range writes are ignored.
  Rgb Pixel(int x, int y) const;
  void SetPixel(int x, int y, Rgb colour);

  bool SamePixels(const Bitmap& other) const;

 private:
  // Like std::allocator, except that growing the vector without a value leaves the new bytes
  // as they are instead of zeroing them (a zeroing pass over a 12-megapixel picture is measurable).
  template <typename T>
  struct UninitialisedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
      using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <typename U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
    template <typename U>
    void construct(U* p) noexcept {
      ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
  };

  // The JPEG decoder writes every row in full, padding included, right after sizing the bitmap,
  // so it alone may skip clearing it.
  friend class JpegDecoding;
  // Resizes like Reset, but the bytes are left unwritten: the caller writes every one of them.
  void ResetUninitialised(int width, int height);
  // Resizes, the bytes zeroed when `zeroed`, else left for the caller to write. A size that is
  // not positive, passes a side limit or does not fit in memory leaves the defined empty bitmap
  // (0 x 0, no byte), and so does an allocation that fails.
  void SetSize(int width, int height, bool zeroed);

  int width_ = 0;
  int height_ = 0;
  size_t stride_ = 0;
  std::vector<uint8_t, UninitialisedAllocator<uint8_t>> pixels_;
};

}  // namespace saverkit
