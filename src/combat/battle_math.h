#pragma once
// The arithmetic of battles that needs no game: difficulty adjustment, wound tallies,
// result-line texts and the flight rule.
#include <string>
#include <string_view>

namespace zrx {

class Dice;

// Nearest integer, ties to the even neighbour, on an 80-bit extended value.
long double roundHalfEven(long double value);

// An opponent value adjusted to the difficulty: 0 "Könnyű" ×0.85, 1 "Normál" unchanged,
// 2 "Véletlen" ×percent/100; the product is formed in extended precision and rounded
// with ties to even (30 at 105 % gives 31, because 1.05 is held slightly below itself).
int adjustToDifficulty(int value, int difficulty, int percent);

// The percentage of "Véletlen": uniform over 75..125, drawn from the dice.
int drawDifficultyPercent(Dice& dice);

// A wound tally: two-digit total followed by the two-digit characteristic number; an
// empty tally has not been started and counts 0.
int tallyTotal(std::string_view tally);
// The tally after adding `amount` (negative heals). A total outside 0..99 cannot be
// written in two digits and is clamped into them.
std::string tallyAdd(std::string_view tally, int amount, std::string_view characteristic);

// The second result line after a round: `head` ("Veszítesz " or "Ellenfeled veszít ")
// followed by the wounds with the names of the battle's characteristics.
std::string woundLine(std::string_view head, int lifeWound, int skillWound, std::string_view lifeName,
                      std::string_view skillName);

// Whether the flight rule (the two characters of FlightCode) makes "Menekülés" available
// after a round, with `roundsFought` rounds fought against the present opponents.
bool flightAvailableAfterRound(std::string_view flightCode, int roundsFought);
// Whether the flight rule makes it available as soon as the opponent is loaded.
bool flightAvailableAtLoad(std::string_view flightCode);
// Whether the battle allows flight at all (first character not "0").
bool flightAllowed(std::string_view flightCode);

// The change of the player's attack strength that a "CT+d" / "CT-d" code of an item or an
// information makes; 0 for any other code.
int AttackModifierOf(std::string_view code);

// Whether a period digit is due at `counter`: "1" always, d when the counter is a
// multiple of d. A period "0" is never due.
bool periodDue(int period, int counter);

// Whether a held item's battle test with the "when" character is due with `roundsFought`
// rounds fought: "E" only before the first round, a digit d in the rounds divisible by d.
bool battleTestDue(char when, int roundsFought);

}  // namespace zrx
