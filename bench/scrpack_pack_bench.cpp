// Packing a folder of 12-megapixel photos with `scrpack build --pictures`, beside what the same
// work costs with the plain tools, all run as processes on the same files:
//   BM_CopyFiles       cp of the photos into an empty folder (the least any packer must do)
//   BM_ScrpackKeep     scrpack with --max-size none: every photo stored as it is
//   BM_ScrpackShrink   scrpack with --max-size 1920x1080: every photo shrunk and re-encoded
//   BM_DjpegCjpeg      djpeg -scale 3/8 | cjpeg -quality 90 for each photo (the scale libjpeg-turbo
//                      offers nearest above 1920 x 1080 for a 4000 x 3000 photo)
// Times are processor seconds (user and system) of the process and the processes it waited for,
// so other work on the machine does not count; wall_s gives the elapsed time beside them. After
// the table each scrpack run is given as a multiple of its plain-tool baseline, beside its goal.
//
//   build/<dir>/bench/scrpack_pack_bench [--photos=N] [--scrpack=PATH] [--benchmark_...]
//
// N defaults to 30; PATH (default: this build's scrpack) measures another build, such as an older one.
//
// Goals: BM_ScrpackKeep within 3x of BM_CopyFiles; BM_ScrpackShrink within 1.2x of BM_DjpegCjpeg.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "photo_like.h"
#include "raster/jpeg_codec.h"

extern char** environ;

namespace saverkit {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
int photoCount = 30;
std::string scrpackPath = SCRPACK_PATH;

fs::path Work() { return fs::temp_directory_path() / "saverkit-pack-bench"; }
fs::path Photos() { return Work() / "photos"; }

// Runs the command and returns the processor seconds it and its waited-for children took, or -1.
double RunMeasured(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  // The tools' own output (scrpack's progress and summary) would drown the table.
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// One measured run per iteration; `prepare` empties the output before the clock starts.
template <typename Prepare>
void Measure(benchmark::State& state, const std::vector<std::string>& command, Prepare prepare) {
  double wall = 0;
  for (auto _ : state) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    const double seconds = RunMeasured(command);
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (seconds < 0) {
      state.SkipWithError(("failed: " + command[0] + " " + command[1]).c_str());
      break;
    }
    state.SetIterationTime(seconds);
  }
  state.counters["wall_s"] = benchmark::Counter(wall, benchmark::Counter::kAvgIterations);
  state.counters["photos"] = photoCount;
}

std::vector<std::string> PhotoPaths() {
  std::vector<std::string> paths;
  for (int i = 1; i <= photoCount; ++i) paths.push_back((Photos() / ("IMG_" + std::to_string(i) + ".jpg")).string());
  return paths;
}

void ResetFolder(const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
}

void BM_CopyFiles(benchmark::State& state) {
  std::vector<std::string> command{"cp"};
  for (const std::string& path : PhotoPaths()) command.push_back(path);
  command.push_back((Work() / "copy").string());
  Measure(state, command, [] { ResetFolder(Work() / "copy"); });
}
BENCHMARK(BM_CopyFiles)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(5);

void Scrpack(benchmark::State& state, const char* maxSize) {
  const std::vector<std::string> command{scrpackPath, "build", "--pictures", Photos().string(), "--name", "Bench",
                                         "--runtime", (Work() / "runtime.exe").string(), "--out",
                                         (Work() / "Bench.scr").string(), "--max-size", maxSize};
  Measure(state, command, [] { fs::remove(Work() / "Bench.scr"); });
  state.counters["package_MB"] = double(fs::file_size(Work() / "Bench.scr")) / (1 << 20);
}

void BM_ScrpackKeep(benchmark::State& state) { Scrpack(state, "none"); }
BENCHMARK(BM_ScrpackKeep)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(5);

void BM_ScrpackShrink(benchmark::State& state) { Scrpack(state, "1920x1080"); }
BENCHMARK(BM_ScrpackShrink)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(3);

void BM_DjpegCjpeg(benchmark::State& state) {
  const std::string script = "for f in \"$@\"; do djpeg -scale 3/8 \"$f\" | cjpeg -quality 90 -outfile \"" +
                             (Work() / "shrunk").string() + "/$(basename \"$f\")\" || exit 1; done";
  std::vector<std::string> command{"sh", "-c", script, "sh"};
  for (const std::string& path : PhotoPaths()) command.push_back(path);
  Measure(state, command, [] { ResetFolder(Work() / "shrunk"); });
}
BENCHMARK(BM_DjpegCjpeg)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(3);

}  // namespace
}  // namespace saverkit

// Prints, after the usual table, each scrpack run over its baseline in processor and wall time,
// beside its goal.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const std::string name = run.benchmark_name();
      const auto wall = run.counters.find("wall_s");
      times_[name.substr(0, name.find('/'))] = {run.GetAdjustedRealTime(),
                                                wall == run.counters.end() ? 0 : double(wall->second)};
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n");
    Compare("scrpack keeping the photos, over cp", "BM_ScrpackKeep", "BM_CopyFiles", 3);
    Compare("scrpack shrinking the photos, over djpeg | cjpeg", "BM_ScrpackShrink", "BM_DjpegCjpeg", 1.2);
  }

 private:
  struct Times {
    double processor = 0, wall = 0;
  };
  void Compare(const char* what, const std::string& run, const std::string& baseline, double goal) const {
    const auto measured = times_.find(run), base = times_.find(baseline);
    if (measured == times_.end() || base == times_.end() || base->second.processor <= 0 || base->second.wall <= 0)
      return;
    const double ratio = measured->second.processor / base->second.processor;
    std::printf("%s: %.2fx processor time (%.3f s against %.3f s), %.2fx wall; goal <= %gx %s\n", what, ratio,
                measured->second.processor, base->second.processor, measured->second.wall / base->second.wall, goal,
                ratio <= goal ? "met" : "MISSED");
  }

  std::map<std::string, Times> times_;  // by benchmark name
};

int main(int argc, char** argv) {
  using namespace saverkit;
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--photos=", 9) == 0) photoCount = std::max(1, std::atoi(argv[i] + 9));
    else if (std::strncmp(argv[i], "--scrpack=", 10) == 0) scrpackPath = argv[i] + 10;
  ResetFolder(Photos());
  // One photo written under many names: the work per file is the same, and making the folder
  // stays quick.
  const std::vector<uint8_t> jpeg = EncodeJpeg(PhotoLikePicture(kWidth, kHeight), 92);
  for (const std::string& path : PhotoPaths()) Save(path, jpeg);
  Save((Work() / "runtime.exe").string(), std::vector<uint8_t>(64 * 1024, 0x90));
  std::printf("%d photos of %dx%d, %zu bytes each\n", photoCount, kWidth, kHeight, jpeg.size());

  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  fs::remove_all(Work());
  return 0;
}
