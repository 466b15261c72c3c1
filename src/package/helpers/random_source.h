// The pseudo-random numbers the show draws (shuffles, the mover's directions). Tests script them.
#pragma once

#include <cstdint>
#include <random>

namespace saverkit {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Reseeds from the wall clock (whole seconds), as every shuffle and every new mover does.
  virtual void SeedFromClock() = 0;
  // The next number, never negative.
  virtual int32_t Next() = 0;
};

class ClockSeededRandom : public RandomSource {
 public:
  void SeedFromClock() override;
  int32_t Next() override;

 private:
  std::mt19937 engine_;
};

}  // namespace saverkit
