#pragma once
// Reproducible save-file names for --seed: with the engine's SeededDice, a script plays
// the same game every time.
#include <cstdint>
#include <random>

#include "save_random.h"

namespace zrx {

class SeededSaveRandom final : public SaveRandom {
 public:
  explicit SeededSaveRandom(std::uint32_t seed) : generator_(seed) {}
  std::uint32_t Below(std::uint32_t bound) override {
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(generator_);
  }

 private:
  std::mt19937 generator_;
};

}  // namespace zrx
