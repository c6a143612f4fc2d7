#pragma once
// The odds of the battle at hand, from the current game state: exact for a plain duel
// (duel_odds.h), otherwise measured by playing the rest of the battle many times through
// the engine on a copy of the game, with seeded dice. The game itself is not touched.
#include <optional>

#include "duel_odds.h"
#include "game.h"

namespace zrx {

struct BattleOdds {
  double winChance = 0;  // 0..1
  bool exact = false;    // true: computed; false: measured over `runs` simulated battles
  int runs = 0;
};

// Whether a battle is at hand: running, or waiting for its first "Harc".
bool BattleAtHand(const Game& game);

// The plain duel of the battle at hand, or nullopt when the battle has anything the
// duel does not cover: more opponents to come or at once, allies, a rule of the opponent
// after rounds or on attack strengths for the first rounds only, skill wounds or wounds
// every few rounds, an equipment code that acts in battle (tests, forced results, wound
// changes), or a wound code that cannot be read.
std::optional<DuelValues> PlainDuel(const Game& game);

// The chance to win the battle at hand for a player who fights with "Harc", takes the
// tests the battle demands and never flees; nullopt when no battle is at hand. A battle
// that ends without death ("Csata vége...") counts as not won.
std::optional<BattleOdds> BattleWinChance(const Game& game, unsigned seed = 1, int runs = 4000);

// The same chance measured by simulation alone, whatever the battle: `runs` battles played
// to their end on a copy of the game with dice seeded by `seed`.
BattleOdds SimulatedWinChance(const Game& game, unsigned seed, int runs);

// The chance that a luck test taken now is lucky.
double LuckTestChanceNow(const Game& game);

}  // namespace zrx
