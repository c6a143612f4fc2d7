#pragma once
// The source of pips. Every random number of pips in the game comes through one Dice.
#include <random>

namespace zrx {

class Dice {
 public:
  virtual ~Dice() = default;
  // One die: uniform over 1..6.
  virtual int roll() = 0;
};

// Production dice: the generator is reseeded from a high-resolution clock before every
// roll, so that consecutive rolls do not follow one fixed sequence from program start.
class ClockSeededDice : public Dice {
 public:
  int roll() override;

 private:
  std::mt19937 generator_;
};

}  // namespace zrx
