#include "tools/scrpack/intake/turbo_jpeg.h"

#include <turbojpeg.h>

#include <memory>

#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

struct HandleCloser {
  void operator()(void* handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, HandleCloser>;

struct BufferFreer {
  void operator()(unsigned char* buffer) const { tjFree(buffer); }
};
using TjBuffer = std::unique_ptr<unsigned char, BufferFreer>;

std::string Reason(void* handle) {
  const char* text = tjGetErrorStr2(handle);
  return text && *text ? text : "libjpeg-turbo failed";
}

bool TooLarge(int width, int height) {
  return width <= 0 || height <= 0 || uint64_t(width) * uint64_t(height) > kMaxJpegPixels ||
         width > Bitmap::kMaxSide || height > Bitmap::kMaxSide;
}

// TurboJPEG takes its input as unsigned long; a picture cannot be larger than a package anyway.
bool FitsTurboJpeg(const std::vector<uint8_t>& jpeg) { return !jpeg.empty() && jpeg.size() < (1ul << 31); }

}  // namespace

bool ReadJpegHeader(const std::vector<uint8_t>& jpeg, JpegHeader& header, std::string& error) {
  TjHandle handle(tjInitDecompress());
  if (!handle) return error = "libjpeg-turbo could not start", false;
  if (!FitsTurboJpeg(jpeg)) return error = "not a JPEG picture", false;
  int width = 0, height = 0, subsampling = 0, colorspace = 0;
  if (tjDecompressHeader3(handle.get(), jpeg.data(), static_cast<unsigned long>(jpeg.size()), &width, &height,
                          &subsampling, &colorspace) != 0)
    return error = "not a JPEG picture (" + Reason(handle.get()) + ")", false;
  if (TooLarge(width, height))
    return error = "a JPEG of " + std::to_string(width) + " x " + std::to_string(height) +
                   " pixels is larger than a screen saver can show (64 megapixels)",
           false;
  header.width = width;
  header.height = height;
  header.cmyk = colorspace == TJCS_CMYK || colorspace == TJCS_YCCK;
  return true;
}

JpegTransform TransformForOrientation(int exifOrientation) {
  switch (exifOrientation) {
    case 2: return JpegTransform::kMirror;
    case 3: return JpegTransform::kRotate180;
    case 4: return JpegTransform::kFlip;
    case 5: return JpegTransform::kTranspose;
    case 6: return JpegTransform::kRotate90;
    case 7: return JpegTransform::kTransverse;
    case 8: return JpegTransform::kRotate270;
    default: return JpegTransform::kNone;
  }
}

bool TransformJpeg(const std::vector<uint8_t>& jpeg, JpegTransform transform, std::vector<uint8_t>& out,
                   std::string& error) {
  static constexpr int kOperations[] = {TJXOP_NONE, TJXOP_HFLIP, TJXOP_ROT180, TJXOP_VFLIP,
                                        TJXOP_TRANSPOSE, TJXOP_ROT90, TJXOP_TRANSVERSE, TJXOP_ROT270};
  JpegHeader header;
  if (!ReadJpegHeader(jpeg, header, error)) return false;
  TjHandle handle(tjInitTransform());
  if (!handle) return error = "libjpeg-turbo could not start", false;
  tjtransform operation{};
  operation.op = kOperations[int(transform)];
  operation.options = TJXOPT_TRIM;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const int status = tjTransform(handle.get(), jpeg.data(), static_cast<unsigned long>(jpeg.size()), 1, &buffer,
                                 &size, &operation, TJFLAG_STOPONWARNING);
  TjBuffer owned(buffer);
  if (status != 0 || !buffer) return error = "cannot turn the JPEG upright (" + Reason(handle.get()) + ")", false;
  out.assign(buffer, buffer + size);
  return true;
}

bool DecodeJpegAtLeast(const std::vector<uint8_t>& jpeg, int minWidth, int minHeight, Bitmap& out, std::string& error) {
  JpegHeader header;
  if (!ReadJpegHeader(jpeg, header, error)) return false;
  if (header.cmyk) return error = "a CMYK JPEG cannot be shown by the screen saver", false;
  TjHandle handle(tjInitDecompress());
  if (!handle) return error = "libjpeg-turbo could not start", false;
  // The factors come largest first; the last one that still covers the target wins.
  int count = 0;
  const tjscalingfactor* factors = tjGetScalingFactors(&count);
  int width = header.width, height = header.height;
  for (int i = 0; factors && i < count; ++i) {
    const int w = TJSCALED(header.width, factors[i]), h = TJSCALED(header.height, factors[i]);
    if (factors[i].num <= factors[i].denom && w >= minWidth && h >= minHeight && w * int64_t(h) < width * int64_t(height))
      width = w, height = h;
  }
  Bitmap picture(width, height);
  if (picture.Empty()) return error = "the picture is too large to decode", false;
  if (tjDecompress2(handle.get(), jpeg.data(), static_cast<unsigned long>(jpeg.size()), picture.Data(), width,
                    int(picture.Stride()), height, TJPF_BGR, TJFLAG_STOPONWARNING) != 0)
    return error = "the JPEG does not decode (" + Reason(handle.get()) + ")", false;
  out = std::move(picture);
  return true;
}

bool EncodeJpegPicture(const Bitmap& picture, int quality, std::vector<uint8_t>& out, std::string& error) {
  if (picture.Empty() || quality < 1 || quality > 100) return error = "nothing to encode", false;
  TjHandle handle(tjInitCompress());
  if (!handle) return error = "libjpeg-turbo could not start", false;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const int status = tjCompress2(handle.get(), picture.Data(), picture.Width(), int(picture.Stride()), picture.Height(),
                                 TJPF_BGR, &buffer, &size, TJSAMP_420, quality, 0);
  TjBuffer owned(buffer);
  if (status != 0 || !buffer) return error = "cannot encode the JPEG (" + Reason(handle.get()) + ")", false;
  out.assign(buffer, buffer + size);
  return true;
}

}  // namespace saverkit
