// A random source for tests: plays a script of numbers, then a fixed generator; counts reseeds.
#pragma once

#include <deque>
#include <random>

#include "base/random_source.h"

namespace saverkit {

class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::deque<int32_t> script) : script_(std::move(script)) {}

  void SeedFromClock() override { ++seeds; }
  int32_t Next() override {
    ++draws;
    if (script_.empty()) return int32_t(engine_() >> 1);
    const int32_t value = script_.front();
    script_.pop_front();
    return value;
  }

  int seeds = 0;
  int draws = 0;

 private:
  std::deque<int32_t> script_;
  std::mt19937 engine_{12345};
};

}  // namespace saverkit
