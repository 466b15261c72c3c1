#include "raster/jpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>
#include <jerror.h>

namespace saverkit {

// Sizes the decoder's bitmap without clearing it; DecodeInto then writes every byte of it.
class JpegDecoding {
 public:
  static void SizeForDecoding(Bitmap& bitmap, int width, int height) { bitmap.ResetUninitialised(width, height); }
};

namespace {

// libjpeg's default error handler calls exit(); this one jumps back to the caller instead.
struct ErrorManager {
  jpeg_error_mgr base;
  jmp_buf escape;
};

void OnFatalError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  longjmp(manager->escape, 1);
}

void OnMessage(j_common_ptr) {}  // warnings about recoverable damage are not reported

// libjpeg decodes a picture whose data ends early as grey below the cut and calls it a warning;
// a picture cut short is a damaged picture, so the decode fails instead.
void OnEmitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnFatalError(info);
}

void InstallErrorManager(ErrorManager& manager, j_common_ptr info) {
  info->err = jpeg_std_error(&manager.base);
  manager.base.error_exit = OnFatalError;
  manager.base.output_message = OnMessage;
  manager.base.emit_message = OnEmitMessage;
}

// Picks the scale once the header has given the picture's full size.
using ScaleChoice = std::function<int(int width, int height)>;

// Everything that must survive a longjmp lives outside the function that calls setjmp.
bool ReadHeader(jpeg_decompress_struct& info, ErrorManager& errors, const uint8_t* data, size_t size) {
  if (setjmp(errors.escape)) return false;
  jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  return jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
}

bool DecodeInto(jpeg_decompress_struct& info, ErrorManager& errors, const uint8_t* data, size_t size,
                const ScaleChoice& chooseScale, Bitmap& result) {
  if (!ReadHeader(info, errors, data, size)) return false;
  if (setjmp(errors.escape)) return false;
  const int scale = chooseScale(int(info.image_width), int(info.image_height));
  if (scale < 0 || scale > 3) return false;
  info.scale_num = 1;
  info.scale_denom = 1u << scale;
  info.out_color_space = JCS_EXT_BGR;  // the Bitmap's byte order, converted by libjpeg itself
  info.dct_method = JDCT_ISLOW;
  jpeg_calc_output_dimensions(&info);
  if (uint64_t(info.output_width) * info.output_height > kMaxJpegPixels ||
      info.output_width > unsigned(Bitmap::kMaxSide) || info.output_height > unsigned(Bitmap::kMaxSide))
    return false;
  jpeg_start_decompress(&info);
  JpegDecoding::SizeForDecoding(result, int(info.output_width), int(info.output_height));
  if (result.Empty()) return false;
  // libjpeg writes each row's pixels; the padding after them is cleared here. A decode that fails
  // part-way leaves rows unwritten, but then the bitmap is thrown away.
  const size_t pixelBytes = size_t(result.Width()) * 3, padding = result.Stride() - pixelBytes;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = result.Row(int(info.output_scanline));
    if (jpeg_read_scanlines(&info, &row, 1) == 1) std::memset(row + pixelBytes, 0, padding);
  }
  jpeg_finish_decompress(&info);
  return true;
}

bool EncodeInto(jpeg_compress_struct& info, ErrorManager& errors, const Bitmap& picture, int quality,
                unsigned char*& buffer, unsigned long& length) {
  if (setjmp(errors.escape)) return false;
  jpeg_mem_dest(&info, &buffer, &length);
  info.image_width = JDIMENSION(picture.Width());
  info.image_height = JDIMENSION(picture.Height());
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(picture.Row(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  return true;
}

bool Decode(const uint8_t* data, size_t size, const ScaleChoice& chooseScale, Bitmap& out) {
  if (data == nullptr || size == 0) return false;
  jpeg_decompress_struct info;
  ErrorManager errors;
  InstallErrorManager(errors, reinterpret_cast<j_common_ptr>(&info));
  jpeg_create_decompress(&info);
  Bitmap result;
  const bool ok = DecodeInto(info, errors, data, size, chooseScale, result);
  jpeg_destroy_decompress(&info);
  if (ok) out = std::move(result);
  return ok;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, int scale, Bitmap& out) {
  return Decode(data, size, [scale](int, int) { return scale; }, out);
}

int ScaleToCover(int width, int height, int shownWidth, int shownHeight) {
  if (shownWidth <= 0 || shownHeight <= 0) return 0;
  // libjpeg rounds a reduced side up: 4001 pixels at one half decode to 2001.
  const auto reduced = [](int side, int scale) { return (int64_t(side) + (int64_t(1) << scale) - 1) >> scale; };
  int scale = 0;
  while (scale < 3 && reduced(width, scale + 1) >= shownWidth && reduced(height, scale + 1) >= shownHeight) ++scale;
  return scale;
}

bool DecodeJpegToCover(const uint8_t* data, size_t size, int shownWidth, int shownHeight, Bitmap& out) {
  return Decode(
      data, size, [&](int width, int height) { return ScaleToCover(width, height, shownWidth, shownHeight); }, out);
}

bool ReadJpegSize(const uint8_t* data, size_t size, int& width, int& height) {
  if (data == nullptr || size == 0) return false;
  jpeg_decompress_struct info;
  ErrorManager errors;
  InstallErrorManager(errors, reinterpret_cast<j_common_ptr>(&info));
  jpeg_create_decompress(&info);
  const bool ok = ReadHeader(info, errors, data, size);
  if (ok) {
    width = int(info.image_width);
    height = int(info.image_height);
  }
  jpeg_destroy_decompress(&info);
  return ok;
}

std::vector<uint8_t> EncodeJpeg(const Bitmap& picture, int quality) {
  if (picture.Empty() || quality < 1 || quality > 100) return {};
  jpeg_compress_struct info;
  ErrorManager errors;
  InstallErrorManager(errors, reinterpret_cast<j_common_ptr>(&info));
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  const bool ok = EncodeInto(info, errors, picture, quality, buffer, length);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> result;
  if (ok && buffer != nullptr) result.assign(buffer, buffer + length);
  std::free(buffer);
  return result;
}

}  // namespace saverkit
