#pragma once
// The character's characteristics: the three main ones mirrored in the game state
// (Skill, Stamina, Luck with their start values and minimums) and up to four special
// ones of the book, held in the characteristic records.
#include <string>

#include "game.h"

namespace zrx {

class Characteristics {
 public:
  explicit Characteristics(Game& game) : game_(game) {}

  // The record setter: selector 1 Current (a negative value becomes 0), 2 Start, 3 Minimum.
  void AlapErtekModositas(int number, int selector, int value);
  // Sets up one characteristic: restored from the given values, or rolled from its record.
  void AlapErtekInicializalas(int number, bool restore, int current = 0, int start = 0, int minimum = 0);
  // Changes one field by operator "+", "-" or "="; any other operator sets it to 0.
  void AlapErtekValtoztatas(int number, int selector, char op, int amount);
  // Brings Current back within its limits; false when it reached a limit the
  // characteristic treats as fatal. Works on the record: code that holds a main value in
  // the game state reads it back afterwards (FoAlapErtekVisszaIras).
  bool AlapErtekEllenorzes(int number);

  // Main values into records 1..3, and back (with the six main labels).
  void FoAlapErtekFrissites();
  void FoAlapErtekVisszaIras();
  // Current and start of every special slot into its value labels.
  void SpecAlapErtekVisszaIras();

  // Skill, Stamina and Luck rolled for a new game, with the easy difficulty's bonus.
  void rollMainCharacteristics();
  void ErtekInicializalas();
  void ErtekKiiras(int slot);
  // Restores one characteristic from a saved line "number|minimum|start|current".
  void ErtekInicializalasBetoltes(const std::string& text, int index);

  // The characteristic number of special slot 1..4, read from the book's SpecialValueCodes.
  int specialSlotNumber(int slot) const;
  // Hides the sixteen special labels; empties the six main value labels.
  void clearDisplay();

 private:
  Game& game_;
};

}  // namespace zrx
