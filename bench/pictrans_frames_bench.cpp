// Cost of composing one transition frame at 1920 x 1080, beside one plain frame copy measured in
// the same run. The counters report each effect's time as a multiple of that copy; the goals are
// at most 10x for every effect and at most 3x for the median.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>
#include <functional>

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

// The baseline: one whole 24-bit frame copied, as every frame starts with.
void BM_FrameCopy(benchmark::State& state) {
  Pictures& p = SharedPictures();
  for (auto _ : state) {
    std::memcpy(p.frame.Data(), p.oldPicture.Data(), p.oldPicture.Stride() * kHeight);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameCopy)->Unit(benchmark::kMillisecond);

// One frame as the engine composes it: the old picture restored, then the effect.
void BM_EffectFrame(benchmark::State& state) {
  Pictures& p = SharedPictures();
  const int style = int(state.range(0)), progress = int(state.range(1));
  EffectRandom random(1);
  const std::function<void(const Bitmap&, Bitmap&)> noCustomDraw;
  const std::function<void(const Rect&)> ignore = [](const Rect&) {};
  for (auto _ : state) {
    std::memcpy(p.frame.Data(), p.oldPicture.Data(), p.oldPicture.Stride() * kHeight);
    ComposeFrame(FrameRequest{p.newPicture, p.frame, style, progress, 4, false, random, noCustomDraw, ignore});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_EffectFrame)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 57, 1), {25, 50, 75}})
    ->ArgNames({"effect", "p"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace saverkit

// Prints, after the usual table, each effect's time over the copy's and the median of those.
int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  class RatioReporter : public benchmark::ConsoleReporter {
   public:
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration) continue;
        const double time = run.GetAdjustedRealTime();
        if (run.benchmark_name() == "BM_FrameCopy") copyTime_ = time;
        else effects_.push_back({run.benchmark_name(), time});
      }
    }
    void Finalize() override {
      ConsoleReporter::Finalize();
      if (copyTime_ <= 0 || effects_.empty()) return;
      std::vector<double> ratios;
      double worst = 0;
      std::string worstName;
      for (const auto& e : effects_) {
        const double ratio = e.second / copyTime_;
        ratios.push_back(ratio);
        if (ratio > worst) worst = ratio, worstName = e.first;
      }
      std::sort(ratios.begin(), ratios.end());
      const double median = ratios[ratios.size() / 2];
      std::printf("\nframe copy: %.3f ms\nratio to the copy: median %.2fx, worst %.2fx (%s)\n", copyTime_, median,
                  worst, worstName.c_str());
      std::printf("goals: median <= 3x %s, every effect <= 10x %s\n", median <= 3 ? "met" : "MISSED",
                  worst <= 10 ? "met" : "MISSED");
    }

   private:
    double copyTime_ = 0;
    std::vector<std::pair<std::string, double>> effects_;
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
