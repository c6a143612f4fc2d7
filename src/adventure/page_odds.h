#pragma once
// The odds the player may weigh now: the battle at hand and a luck test.
#include <optional>

#include "battle_odds.h"

namespace zrx {

struct PageOdds {
  std::optional<BattleOdds> battle;  // only while a battle waits or runs
  double luckChance = 0;             // a luck test taken now is lucky
  int luck = 0;
};

PageOdds OddsNow(const Game& game);

}  // namespace zrx
