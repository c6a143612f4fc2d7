#include "dice.h"

#include <chrono>

namespace zrx {

int ClockSeededDice::roll() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  // Mix in the previous state so that two rolls within one clock tick still differ.
  generator_.seed(static_cast<std::mt19937::result_type>(ticks) ^ generator_());
  std::uniform_int_distribution<int> face(1, 6);
  return face(generator_);
}

}  // namespace zrx
