#include "save_random.h"

#include <chrono>

namespace zrx {

void ClockSeededRandom::Reseed() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  generator_.seed(static_cast<std::uint32_t>(ticks) ^ static_cast<std::uint32_t>(ticks >> 32));
}

std::uint32_t ClockSeededRandom::Below(std::uint32_t bound) {
  return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(generator_);
}

}  // namespace zrx
