// Cost of composing one transition frame at 1920 x 1080, beside one plain frame copy measured in
// the same run. The counters report each effect's time as a multiple of that copy; the goals are
// at most 10x for every effect, at most 2x for the median and at most 3x for the cross-fade.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>
#include <functional>
#include <map>

#include "pictrans/frame_composer.h"
#include "raster/bitmap.h"

namespace saverkit {
namespace {

constexpr int kWidth = 1920, kHeight = 1080;

struct Pictures {
  Bitmap oldPicture, newPicture, frame;
  Pictures() : oldPicture(kWidth, kHeight), newPicture(kWidth, kHeight), frame(kWidth, kHeight) {
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        oldPicture.SetPixel(x, y, Rgb{uint8_t(x), uint8_t(y), 40});
        newPicture.SetPixel(x, y, Rgb{uint8_t(y), 90, uint8_t(x)});
      }
  }
};

Pictures& SharedPictures() {
  static Pictures pictures;
  return pictures;
}

// The baseline: one whole 24-bit frame copied, as most frames start with.
void BM_FrameCopy(benchmark::State& state) {
  Pictures& p = SharedPictures();
  for (auto _ : state) {
    std::memcpy(p.frame.Data(), p.oldPicture.Data(), p.oldPicture.Stride() * kHeight);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameCopy)->Unit(benchmark::kMillisecond);

// One frame as the engine composes it: the old picture restored (unless the effect writes every
// pixel itself), then the effect.
void BM_EffectFrame(benchmark::State& state) {
  Pictures& p = SharedPictures();
  const int style = int(state.range(0)), progress = int(state.range(1));
  EffectRandom random(1);
  const std::function<void(const Bitmap&, Bitmap&)> noCustomDraw;
  const std::function<void(const Rect&)> ignore = [](const Rect&) {};
  for (auto _ : state) {
    ComposeFrame(FrameRequest{p.newPicture, p.frame, style, progress, 4, false, random, noCustomDraw, ignore,
                              &p.oldPicture});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_EffectFrame)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 127, 1), {25, 50, 75}})
    ->ArgNames({"effect", "p"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace saverkit

// Prints, after the usual table, each effect's time over the copy's at each progress, then the
// median and the worst of those ratios and the cross-fade's worst against the goals. Ratios are
// given for wall-clock time and for processor time: on a machine shared with other work the
// second is the steadier measure.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const Times t{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      const std::string name = run.benchmark_name();
      int effect = 0, progress = 0;
      if (name == "BM_FrameCopy") {
        copy_ = Fastest(copy_, t);
      } else if (std::sscanf(name.c_str(), "BM_EffectFrame/effect:%d/p:%d", &effect, &progress) == 2) {
        Times& kept = effects_[{effect, progress}];
        kept = Fastest(kept, t);
      }
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (copy_.real <= 0 || copy_.cpu <= 0 || effects_.empty()) return;
    std::printf("\nframe copy: %.3f ms wall, %.3f ms processor\n", copy_.real, copy_.cpu);
    std::printf("ratio to the copy, wall (processor)\neffect      p=25          p=50          p=75\n");
    int row = -1;
    for (const auto& [key, times] : effects_) {
      if (key.first != row) {
        std::printf("%s%6d", row < 0 ? "" : "\n", key.first);
        row = key.first;
      }
      std::printf("  %5.2f (%5.2f)", times.real / copy_.real, times.cpu / copy_.cpu);
    }
    std::printf("\n");
    Summarise("wall", [](const Times& t) { return t.real; });
    Summarise("processor", [](const Times& t) { return t.cpu; });
  }

 private:
  struct Times {
    double real = 0, cpu = 0;
  };
  // With --benchmark_repetitions each run is measured several times; the fastest is the one
  // least disturbed by other work on the machine.
  static Times Fastest(const Times& kept, const Times& t) {
    if (kept.real <= 0) return t;
    return Times{std::min(kept.real, t.real), std::min(kept.cpu, t.cpu)};
  }
  static constexpr int kCrossFade = 118;

  template <typename Pick>
  void Summarise(const char* clock, Pick pick) const {
    std::vector<double> ratios;
    double worst = 0, worstCrossFade = 0;
    std::pair<int, int> worstRun;
    for (const auto& [key, times] : effects_) {
      const double ratio = pick(times) / pick(copy_);
      ratios.push_back(ratio);
      if (ratio > worst) worst = ratio, worstRun = key;
      if (key.first == kCrossFade) worstCrossFade = std::max(worstCrossFade, ratio);
    }
    std::sort(ratios.begin(), ratios.end());
    const double median = ratios[ratios.size() / 2];
    std::printf("%s time: median %.2fx, worst %.2fx (effect %d at p=%d), cross-fade worst %.2fx\n", clock, median,
                worst, worstRun.first, worstRun.second, worstCrossFade);
    std::printf("  goals: median <= 2x %s, every effect <= 10x %s, cross-fade <= 3x %s\n",
                median <= 2 ? "met" : "MISSED", worst <= 10 ? "met" : "MISSED",
                worstCrossFade <= 3 ? "met" : (worstCrossFade > 0 ? "MISSED" : "not measured"));
  }

  Times copy_;
  std::map<std::pair<int, int>, Times> effects_;  // by effect and progress
};

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
