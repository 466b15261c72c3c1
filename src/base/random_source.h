// The pseudo-random numbers of the whole program: the show's shuffles, places and random effects,
// the mover's directions, the music order, and the effects' ragged edges and dissolves. One
// interface; tests script it.
#pragma once

#include <cstdint>
#include <ctime>
#include <random>

namespace saverkit {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Reseeds from the wall clock (whole seconds), as every shuffle and every new mover does.
  virtual void SeedFromClock() = 0;
  // The next number, never negative (31 bits).
  virtual int32_t Next() = 0;
};

// A Mersenne twister. The show seeds it from the clock so that shows differ; an effect seeded
// with a fixed number draws the same frames every time, which tests and the frame tool rely on.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(uint32_t seed = 1) : engine_(seed) {}
  void Seed(uint32_t seed) { engine_.seed(seed); }
  void SeedFromClock() override { Seed(uint32_t(std::time(nullptr))); }
  int32_t Next() override { return int32_t(engine_() >> 1); }
  // A uniform integer in 0..n-1 from one whole 32-bit draw; 0 when n <= 0. The effects draw this
  // way, and their stored frames depend on it.
  int Random(int n) {
    if (n <= 0) return 0;
    return int(engine_() % uint32_t(n));
  }

 private:
  std::mt19937 engine_;
};

}  // namespace saverkit
