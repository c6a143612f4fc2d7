#pragma once
// The sources of pips. Every random number of pips in the game comes through one Dice.
#include <random>
#include <string_view>

namespace zrx {

class UiPort;

class Dice {
 public:
  virtual ~Dice() = default;

  // One die: 1..6. `purpose` names what the roll decides; dice thrown by hand show it.
  virtual int roll(std::string_view purpose) = 0;

  // A uniform choice in 0..count-1 for the program's own picks that no rule of the books
  // throws dice for (a decorative picture, the "Véletlen" percentage). By default it is
  // drawn from this source's dice by rejection, so that scripted dice decide it too.
  virtual int uniform(int count);
};

// Production dice: the generator is reseeded from a high-resolution clock before every
// roll, so that consecutive rolls do not follow one fixed sequence from program start.
class ClockSeededDice : public Dice {
 public:
  int roll(std::string_view purpose) override;
  int uniform(int count) override;

 private:
  void reseed();
  std::mt19937 generator_;
};

// Reproducible dice: one generator seeded once.
class SeededDice : public Dice {
 public:
  explicit SeededDice(unsigned seed) : generator_(seed) {}
  int roll(std::string_view purpose) override;
  int uniform(int count) override;

 private:
  std::mt19937 generator_;
};

// The player's own dice: every die is asked for through the UI port, with what it decides.
// The program's own random picks come from `picks`, never from the player.
class ManualDice : public Dice {
 public:
  ManualDice(UiPort& ui, Dice& picks) : ui_(ui), picks_(picks) {}
  int roll(std::string_view purpose) override;
  int uniform(int count) override { return picks_.uniform(count); }

 private:
  UiPort& ui_;
  Dice& picks_;
};

// The pips of a typed answer: 1..6, or 0 when the text is anything else.
int ParsePips(std::string_view text);

}  // namespace zrx
