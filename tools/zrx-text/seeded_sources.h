#pragma once
// Reproducible randomness for --seed: the dice and the draw of save-file names follow
// one fixed sequence per seed, so a script plays the same game every time.
#include <cstdint>
#include <random>

#include "dice.h"
#include "save_random.h"

namespace zrx {

class SeededDice final : public Dice {
 public:
  explicit SeededDice(std::uint32_t seed) : generator_(seed) {}
  int roll() override { return std::uniform_int_distribution<int>(1, 6)(generator_); }

 private:
  std::mt19937 generator_;
};

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
