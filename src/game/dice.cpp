#include "dice.h"

#include <chrono>
#include <string>

#include "ui_port.h"

namespace zrx {
namespace {

int uniformFrom(std::mt19937& generator, int count) {
  if (count <= 1) return 0;
  return std::uniform_int_distribution<int>(0, count - 1)(generator);
}

int faceFrom(std::mt19937& generator) { return std::uniform_int_distribution<int>(1, 6)(generator); }

}  // namespace

int Dice::uniform(int count) {
  if (count <= 1) return 0;
  // The fewest dice whose combinations cover `count`; the top combinations that would
  // favour some values are thrown again.
  long long range = 6;
  int dice = 1;
  while (range < count) {
    range *= 6;
    ++dice;
  }
  const long long limit = range - range % count;
  for (;;) {
    long long value = 0;
    for (int i = 0; i < dice; ++i) value = value * 6 + (roll("") - 1);
    if (value < limit) return static_cast<int>(value % count);
  }
}

void ClockSeededDice::reseed() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  // Mix in the previous state so that two rolls within one clock tick still differ.
  generator_.seed(static_cast<std::mt19937::result_type>(ticks) ^ generator_());
}

int ClockSeededDice::roll(std::string_view) {
  reseed();
  return faceFrom(generator_);
}

int ClockSeededDice::uniform(int count) {
  reseed();
  return uniformFrom(generator_, count);
}

int SeededDice::roll(std::string_view) { return faceFrom(generator_); }

int SeededDice::uniform(int count) { return uniformFrom(generator_, count); }

int ParsePips(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return 0;
  const auto last = text.find_last_not_of(" \t\r");
  const std::string_view trimmed = text.substr(first, last - first + 1);
  return trimmed.size() == 1 && trimmed[0] >= '1' && trimmed[0] <= '6' ? trimmed[0] - '0' : 0;
}

int ManualDice::roll(std::string_view purpose) {
  for (;;) {
    const int pips = ParsePips(ui_.KockaBekeres(std::string(purpose)));
    if (pips != 0) return pips;
  }
}

}  // namespace zrx
