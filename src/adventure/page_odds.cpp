#include "page_odds.h"

namespace zrx {

PageOdds OddsNow(const Game& game) {
  return {.battle = BattleWinChance(game), .luckChance = LuckTestChanceNow(game), .luck = game.state.values.Luck};
}

}  // namespace zrx
