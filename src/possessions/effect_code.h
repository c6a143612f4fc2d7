#pragma once
// An item's effect code (`UseCode`): one group of six characters when the code is
// exactly six long, two groups for any other non-empty code. Position 1 of the whole
// code says what the item does: "A" usable, "K" in-use modifier.
#include <string_view>
#include <vector>

namespace zrx {

struct EffectGroup {
  int characteristic = 0;  // positions 2-3
  char op = ' ';           // position 4: "+", "-", "=" or "D"
  char kind = ' ';         // position 5
  char digit = ' ';        // position 6
  // Positions 5-6 as a two-digit number; read only for the plain kinds of a usable
  // item (any kind but "A", "F" and "H"), 0 otherwise.
  int amount = 0;
};

// True for a code whose first character is `letter`.
bool effectCodeIs(std::string_view useCode, char letter);

// The groups of a usable item's code, every field read before anything is applied,
// so that a malformed code raises BookCodeError without a partial effect.
std::vector<EffectGroup> usableItemGroups(std::string_view useCode);

// The groups of an in-use modifier's code; the digit of an "F" group must be a digit.
std::vector<EffectGroup> modifierGroups(std::string_view useCode);

// Half of a value rounded to the nearest integer, a half going to the even neighbour.
int halfToEven(int value);

}  // namespace zrx
