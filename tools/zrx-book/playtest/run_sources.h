#pragma once
// The dice and the save-name source that a play-tested game holds for its whole life,
// reseeded for every run exactly as zrx-text seeds them from --seed.
#include <cstdint>
#include <memory>

#include "dice.h"
#include "seeded_save_random.h"

namespace zrx::playtest {

class RunDice : public Dice {
 public:
  void reseed(std::uint32_t seed) { current_ = SeededDice(seed); }
  int roll(std::string_view purpose) override { return current_.roll(purpose); }
  int uniform(int count) override { return current_.uniform(count); }

 private:
  SeededDice current_{0};
};

class RunSaveRandom : public SaveRandom {
 public:
  void reseed(std::uint32_t diceSeed) { current_ = SeededSaveRandom(SaveNameSeed(diceSeed)); }
  std::uint32_t Below(std::uint32_t bound) override { return current_.Below(bound); }

 private:
  SeededSaveRandom current_{0};
};

}  // namespace zrx::playtest
