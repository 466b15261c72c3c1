// The pseudo-random numbers effects draw (ragged edges, dissolves). Injectable so that a frame
// can be reproduced: the engine seeds it from the clock, tests and the frame tool seed it.
#pragma once

#include <cstdint>
#include <random>

namespace saverkit {

class EffectRandom {
 public:
  explicit EffectRandom(uint32_t seed = 1) : engine_(seed) {}
  void Seed(uint32_t seed) { engine_.seed(seed); }
  // A uniform integer in 0..n-1; 0 when n <= 0.
  int Random(int n) {
    if (n <= 0) return 0;
    return int(engine_() % uint32_t(n));
  }

 private:
  std::mt19937 engine_;
};

}  // namespace saverkit
