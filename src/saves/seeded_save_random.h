#pragma once
// Reproducible save-file names: with the engine's SeededDice, a script plays the same
// game every time (zrx-text --seed, the play-tester).
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

// The seed of the save-file names of a game whose dice are seeded with `diceSeed`: a seed
// of its own, so that the names drawn do not mirror the dice.
inline std::uint32_t SaveNameSeed(std::uint32_t diceSeed) { return diceSeed ^ 0x5a5a5a5au; }

}  // namespace zrx
