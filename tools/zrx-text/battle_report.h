#pragma once
// A battle round told whole: the window shows its numbers side by side, which a reader of
// text cannot take in at a glance. After "harc" the round is summed up in words: both
// attack strengths, every further opponent's strike, the player's loss, and the life left
// to each opponent.
#include <ostream>
#include <string>
#include <vector>

#include "game.h"

namespace zrx {

// What the report compares with: the battle as it stood before the round.
struct RoundBefore {
  int roundsFought = 0;
  int stamina = 0;
  bool group = false;  // further opponents strike in the same round
  std::vector<std::string> strikers;  // names of the second and third opponent that strike
};

RoundBefore BeforeRound(const Game& game);

// Prints the summary when a round was fought since `before`.
void TellRound(std::ostream& out, const Game& game, const RoundBefore& before);

}  // namespace zrx
