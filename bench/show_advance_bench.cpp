// One show advance of a 12-megapixel photo (4000 x 3000) on a 1920 x 1080 screen: the real
// sequence, reader and stage decode the picture, stretch it to the item's 1920 x 1080 and hand it
// to the picture control, which takes it in at once. Beside it, in the same run, libjpeg-turbo's
// djpeg decodes the same file at half scale. Both are timed in processor time; djpeg's start-up
// (decoding an 8 x 8 picture) is measured first and subtracted.
//
//   build/native/bench/show_advance_bench
//
// The advance is timed twice: with the allocator's own reuse of freed blocks, and with every large
// block fresh from the system, as Windows gives large heap blocks (on a virtual machine first
// touching a page is costly).
//
// Memory: a child process takes large blocks from the system, builds the show, shows the picture
// once (so the control's own buffers exist), then resets the peak resident size and shows it
// again; the growth of the peak is what one advance needs on top of a running show. It is
// reported in megabytes and against the goal, two bitmaps of the shown size plus the decoded
// picture.
//
// Goals: the advance within 1.2x djpeg -scale 1/2; its memory growth within that goal.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "package/xscr.h"
#include "pictrans/pic_trans.h"
#include "raster/jpeg_codec.h"
#include "show/show_sequencer.h"
#include "show/trans_stage.h"
#include "show/xscr_show_package.h"
#include "quiet_host.h"
#include "show_fakes.h"
#include "tools/scrpack/package_writer.h"
#include "photo_like.h"

extern char** environ;

namespace saverkit {
namespace {

constexpr int kPictureWidth = 4000, kPictureHeight = 3000;
constexpr int kScreenWidth = 1920, kScreenHeight = 1080;
constexpr double kShownBitmapBytes = double(kScreenWidth) * kScreenHeight * 3;
constexpr double kMegabyte = 1024.0 * 1024.0;

std::string TempFile(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("saverkit-advance-bench-" + name)).string();
}

double ProcessSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

struct ChildRun {
  double seconds = -1;  // processor time, user and system
  long peakKilobytes = 0;
};

ChildRun RunDjpeg(const std::string& file) {
  const char* argv[] = {"djpeg", "-scale", "1/2", "-outfile", "/dev/null", file.c_str(), nullptr};
  ChildRun run;
  pid_t child = 0;
  if (posix_spawnp(&child, "djpeg", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return run;
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
  run.seconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  run.peakKilobytes = usage.ru_maxrss;
  return run;
}

// The show as the show window builds it, with the window's own services standing in.
struct Show {
  XSCR reader;
  XscrShowPackage package{reader};
  testing::QuietHost host;
  TPic_Trans control{host};
  TransStage stage{control, host, Rgb{0, 0, 0}};
  testing::FakeWindow window;
  testing::ScriptedRandom random;
  ComponentOwner components;
  testing::FixedMeasurer measurer;
  ShowFlags flags;
  std::unique_ptr<ShowSequencer> sequencer;

  explicit Show(const std::string& packagePath) : reader(Environment(packagePath)) {
    control.SetThreaded(false);
    stage.SetBackground(Bitmap(kScreenWidth, kScreenHeight, Rgb{0, 0, 0}));
    ShowLayout layout;
    layout.areaWidth = layout.screenWidth = kScreenWidth;
    layout.areaHeight = layout.screenHeight = kScreenHeight;
    sequencer = std::make_unique<ShowSequencer>(layout, package, stage, window, random, components, measurer, flags,
                                                nullptr);
    sequencer->BuildShowOrder();
  }

  static ReaderEnvironment Environment(const std::string& packagePath) {
    ReaderEnvironment environment;
    environment.executablePath = packagePath;
    environment.screenWidth = kScreenWidth;
    environment.screenHeight = kScreenHeight;
    environment.tempDirectory = std::filesystem::temp_directory_path().string();
    return environment;
  }

  bool Advance() {
    sequencer->Advance(true);
    return control.Picture().Width() == kScreenWidth && control.Picture().Height() == kScreenHeight;
  }
};

ChildRun djpegStartup;  // an 8 x 8 picture: starting djpeg costs this much
ChildRun djpegHalf;     // the 12-megapixel picture at half scale, the median of several runs

// Makes every large block come fresh from the system and go back to it when freed, as large heap
// blocks do on Windows; the resident size then follows what is alive. Cannot be undone.
void TakeLargeBlocksFromTheSystem() {
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  mallopt(M_TRIM_THRESHOLD, 128 * 1024);
}

// With argument 1 every large block is fresh: each advance pays for first touching its pages.
void BM_ShowAdvance(benchmark::State& state) {
  if (state.range(0) == 1) TakeLargeBlocksFromTheSystem();
  Show show(TempFile("package.scr"));
  if (!show.Advance()) {
    state.SkipWithError("the picture did not reach the control at 1920 x 1080");
    return;
  }
  double seconds = 0;
  for (auto _ : state) {
    const double start = ProcessSeconds();
    show.Advance();
    seconds += ProcessSeconds() - start;
  }
  const double perAdvance = seconds / double(state.iterations());
  state.counters["cpu_ms"] = perAdvance * 1000;
  const double djpeg = djpegHalf.seconds - djpegStartup.seconds;
  if (djpeg > 0) state.counters["x_djpeg_half"] = perAdvance / djpeg;
}
BENCHMARK(BM_ShowAdvance)->ArgName("fresh_memory")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_DjpegHalf(benchmark::State& state) {
  for (auto _ : state) {
    const ChildRun run = RunDjpeg(TempFile("picture.jpg"));
    if (run.seconds < 0) {
      state.SkipWithError("djpeg failed (is libjpeg-turbo-progs installed?)");
      break;
    }
    state.SetIterationTime(std::max(0.0, run.seconds - djpegStartup.seconds));
  }
  state.counters["startup_ms_subtracted"] = djpegStartup.seconds * 1000;
}
BENCHMARK(BM_DjpegHalf)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

long StatusKilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
  }
  return -1;
}

// The growth of the peak resident size over one advance of a running show, in kilobytes, measured
// in a child process so that nothing else of this run counts; -1 when it cannot be measured.
long AdvancePeakGrowth() {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    TakeLargeBlocksFromTheSystem();
    long growth = -1;
    {
      Show show(TempFile("package.scr"));
      show.Advance();
      const long before = StatusKilobytes("VmRSS:");
      std::ofstream("/proc/self/clear_refs") << "5";  // resets the peak to the present size
      // A peak still far above the present size means the reset did not happen.
      if (StatusKilobytes("VmHWM:") <= before + 1024 && show.Advance()) growth = StatusKilobytes("VmHWM:") - before;
    }
    const ssize_t written = write(pipeEnds[1], &growth, sizeof growth);
    _exit(written == sizeof growth ? 0 : 1);
  }
  close(pipeEnds[1]);
  long growth = -1;
  if (child < 0 || read(pipeEnds[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  close(pipeEnds[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return growth;
}

}  // namespace
}  // namespace saverkit

int main(int argc, char** argv) {
  using namespace saverkit;
  const std::vector<uint8_t> jpeg = EncodeJpeg(PhotoLikePicture(kPictureWidth, kPictureHeight), 90);
  std::printf("%dx%d JPEG of %zu bytes shown at %dx%d\n", kPictureWidth, kPictureHeight, jpeg.size(), kScreenWidth,
              kScreenHeight);
  Save(TempFile("picture.jpg"), jpeg);
  Save(TempFile("tiny.jpg"), EncodeJpeg(Bitmap(8, 8), 90));
  PackageContents contents;
  PackageItem item;
  item.data = jpeg;
  item.record.Width = kScreenWidth;  // the design screen is the screen: scale 1
  item.record.Height = kScreenHeight;
  item.record.FixedPosition = 1;
  item.record.Effect = -2;  // shown at once
  item.record.OutEffect = -2;  // and left in place
  contents.items.push_back(std::move(item));
  Save(TempFile("package.scr"), WritePackage(contents).bytes);

  const auto median = [](const std::string& file, int runs) {
    std::vector<ChildRun> all;
    for (int i = 0; i < runs; ++i) all.push_back(RunDjpeg(file));
    std::sort(all.begin(), all.end(), [](const ChildRun& a, const ChildRun& b) { return a.seconds < b.seconds; });
    return all[all.size() / 2];
  };
  djpegStartup = median(TempFile("tiny.jpg"), 21);
  djpegHalf = median(TempFile("picture.jpg"), 21);

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  const long growth = AdvancePeakGrowth();
  const double goal = 2 * kShownBitmapBytes + double(kPictureWidth / 2) * (kPictureHeight / 2) * 3;
  std::printf("djpeg -scale 1/2: %.1f ms processor time after %.1f ms start-up, peak resident %.1f MB\n",
              (djpegHalf.seconds - djpegStartup.seconds) * 1000, djpegStartup.seconds * 1000,
              double(djpegHalf.peakKilobytes) / 1024);
  if (growth < 0) {
    std::printf("advance memory: could not be measured\n");
  } else {
    std::printf("advance memory: peak grows by %.1f MB = %.2f shown bitmaps of %.1f MB (goal %.1f MB: two shown "
                "bitmaps and the picture decoded at half scale)\n",
                double(growth) / 1024, double(growth) * 1024 / kShownBitmapBytes, kShownBitmapBytes / kMegabyte,
                goal / kMegabyte);
  }
  for (const char* name : {"picture.jpg", "tiny.jpg", "package.scr"}) std::filesystem::remove(TempFile(name));
  return 0;
}
