// Decoding a 12-megapixel picture with LoadPicture at each scale, beside libjpeg-turbo's own djpeg
// on the same JPEG file. djpeg runs as a process with its output thrown away; the processor time it
// takes to start and decode a tiny picture is measured first and subtracted. Compare the CPU column
// of BM_LoadPicture with the Time column of BM_Djpeg: both are processor time spent decoding.
//
//   build/<dir>/bench/load_picture_bench
//
// Goals: full-scale LoadPicture within 1.15x of djpeg; the eighth at least 4x faster than full size.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "package/xscr.h"
#include "raster/jpeg_codec.h"
#include "tools/scrpack/package_writer.h"
#include "photo_like.h"

extern char** environ;

namespace saverkit {
namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

std::string TempFile(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("saverkit-picture-bench-" + name)).string();
}

// The processor time (user and system) djpeg took, in seconds, or -1 when it failed. Processor
// time rather than elapsed time, so that other work on the machine does not count.
double RunDjpeg(const std::string& file, int scale) {
  const std::string scaleArgument = "1/" + std::to_string(1 << scale);
  const char* argv[] = {"djpeg", "-scale", scaleArgument.c_str(), "-outfile", "/dev/null", file.c_str(), nullptr};
  pid_t child = 0;
  if (posix_spawnp(&child, "djpeg", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double djpegStartup = 0;  // processor seconds: starting djpeg and decoding an 8 x 8 picture

void BM_LoadPicture(benchmark::State& state) {
  ReaderEnvironment environment;
  environment.executablePath = TempFile("package.scr");
  XSCR reader(environment);
  const int scale = int(state.range(0));
  for (auto _ : state) {
    Bitmap picture;
    if (!reader.LoadPicture(0, scale, picture)) {
      state.SkipWithError("LoadPicture failed");
      break;
    }
    benchmark::DoNotOptimize(picture.Data());
  }
}
BENCHMARK(BM_LoadPicture)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_Djpeg(benchmark::State& state) {
  const int scale = int(state.range(0));
  for (auto _ : state) {
    const double seconds = RunDjpeg(TempFile("picture.jpg"), scale);
    if (seconds < 0) {
      state.SkipWithError("djpeg failed (is libjpeg-turbo-progs installed?)");
      break;
    }
    state.SetIterationTime(std::max(0.0, seconds - djpegStartup));
  }
  state.counters["startup_ms_subtracted"] = djpegStartup * 1000;
}
BENCHMARK(BM_Djpeg)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace saverkit

int main(int argc, char** argv) {
  using namespace saverkit;
  const std::vector<uint8_t> jpeg = EncodeJpeg(PhotoLikePicture(kWidth, kHeight), 90);
  std::printf("%dx%d JPEG of %zu bytes\n", kWidth, kHeight, jpeg.size());
  Save(TempFile("picture.jpg"), jpeg);
  Save(TempFile("tiny.jpg"), EncodeJpeg(Bitmap(8, 8), 90));
  PackageContents contents;
  PackageItem item;
  item.data = jpeg;
  contents.items.push_back(std::move(item));
  Save(TempFile("package.scr"), WritePackage(contents).bytes);

  std::vector<double> startups;
  for (int i = 0; i < 21; ++i) startups.push_back(RunDjpeg(TempFile("tiny.jpg"), 0));
  std::nth_element(startups.begin(), startups.begin() + 10, startups.end());
  djpegStartup = std::max(0.0, startups[10]);

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (const char* name : {"picture.jpg", "tiny.jpg", "package.scr"}) std::filesystem::remove(TempFile(name));
  return 0;
}
