// Opening a package must cost the same whatever its pictures, movies and music weigh: the reader
// reads the trailer, the directory and the small blocks, never the item data. This opens two
// packages alike in everything but their item data, 1 MB and 1 GB.
//
//   build/<dir>/bench/package_open_bench
//
// The big package is written sparsely (its movie is mostly a hole in the file) at start and
// removed at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "package/byte_order.h"
#include "package/package_trailer.h"
#include "package/xscr.h"
#include "support/package_builder.h"

namespace saverkit {
namespace {

constexpr int kPictures = 40;
constexpr int64_t kMegabyte = 1 << 20;

// The full package with its first picture (and its two labels) kPictures times, ahead of its movie.
PackageContents TypicalContents() {
  PackageContents contents = testing::FullContents();
  contents.info.DesignWidth = 1280;
  contents.extension.DesignHeight = 1024;
  const PackageItem picture = contents.items[0];
  const PackageItem movie = contents.items[2];
  contents.items.assign(kPictures, picture);
  contents.items.push_back(movie);
  return contents;
}

// Writes the package behind a stand-in runtime, with the last item (the movie, whose data comes
// last before the directory) grown by a hole so that the items hold `itemBytes` in all.
void WriteGrownPackage(const std::string& path, int64_t itemBytes) {
  WrittenPackage written = WritePackage(TypicalContents());
  std::vector<uint8_t>& bytes = written.bytes;
  const PackageLayout& layout = written.layout;
  const int64_t splitAt = layout.musicOffsets.front();  // the end of the movie's data
  const int64_t hole = itemBytes - (splitAt - layout.itemOffsets.front());

  const size_t movieLocator = size_t(layout.directoryOffset + (kPictures * 64) + 4);
  WriteI32(&bytes[movieLocator], ReadI32(&bytes[movieLocator]) + int32_t(hole));
  // Everything behind the movie moves back by the hole.
  for (int k = 0; k < 2; ++k) {
    const size_t locator = size_t(layout.directoryOffset + (kPictures + 1) * 64 + k * 24);
    WriteI32(&bytes[locator], ReadI32(&bytes[locator]) + int32_t(hole));
  }
  uint8_t* labelTrailer = &bytes[bytes.size() - PackageTrailer::kSize - LabelTrailer::kSize];
  LabelTrailer labels = LabelTrailer::Parse(labelTrailer);
  labels.LabelOffset += int32_t(hole);
  labels.Serialize(labelTrailer);
  uint8_t* stored = &bytes[bytes.size() - PackageTrailer::kSize];
  PackageTrailer trailer = PackageTrailer::FromStored(stored);
  trailer.PackageLength += int32_t(hole);
  trailer.DirectoryOffset += int32_t(hole);
  trailer.TextsOffset += int32_t(hole);
  trailer.ToStored(stored);

  const std::vector<char> runtime(64 * 1024, 'M');
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(runtime.data(), std::streamsize(runtime.size()));
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(splitAt));
  file.seekp(std::streamoff(hole), std::ios::cur);  // a hole: no disk space, no writing time
  file.write(reinterpret_cast<const char*>(bytes.data() + splitAt), std::streamsize(bytes.size() - size_t(splitAt)));
}

std::string PackagePath(int64_t megabytes) {
  return (std::filesystem::temp_directory_path() / ("saverkit-open-bench-" + std::to_string(megabytes) + "MB.scr"))
      .string();
}

void BM_OpenPackage(benchmark::State& state) {
  const std::string path = PackagePath(state.range(0));
  const PackageContents contents = TypicalContents();
  ReaderEnvironment environment;
  environment.executablePath = path;
  environment.screenWidth = 1280;
  environment.screenHeight = 1024;
  for (auto _ : state) {
    XSCR reader(environment);
    // Every block behind the hole must still be found, down to the licence at the very end.
    if (!reader.Packaged() || reader.ItemCount() != kPictures + 1 || reader.LicenceText() != contents.licence ||
        reader.Labels().Get(0)->Count() != contents.items[0].labels.Count() || !reader.Background()) {
      state.SkipWithError("the package did not load");
      break;
    }
    benchmark::DoNotOptimize(reader.ItemCount());
  }
  state.counters["item_bytes"] = double(state.range(0) * kMegabyte);
}
BENCHMARK(BM_OpenPackage)->Arg(1)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace saverkit

int main(int argc, char** argv) {
  using namespace saverkit;
  for (int64_t megabytes : {1, 1024}) WriteGrownPackage(PackagePath(megabytes), megabytes * kMegabyte);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (int64_t megabytes : {1, 1024}) std::filesystem::remove(PackagePath(megabytes));
  return 0;
}
