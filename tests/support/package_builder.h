// The one full package of the tests, benchmarks and fuzz seeds, made with our own package writer:
// every kind of record, which each user changes where it looks at something else. Pictures are
// encoded at build time; no test framework is needed, so the benchmarks and the seed writer link it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"
#include "tools/scrpack/package_writer.h"

namespace saverkit::testing {

// A picture with a gradient and a diagonal, so that scaling and re-encoding show in the pixels.
Bitmap TestPicture(int width, int height);
std::vector<uint8_t> TestJpeg(int width, int height, int quality = 90);
std::vector<uint8_t> PatternBytes(size_t size, uint8_t seed);

// A package of every kind of item at `format`: two pictures (the first with two labels, the second
// an overlay), a movie, an item of an unknown kind, two pieces of music (the second with a resource
// name), author, dynamic and static texts, background and licence, on an 800 x 600 design screen.
PackageContents FullContents(int32_t format = 5);

}  // namespace saverkit::testing
