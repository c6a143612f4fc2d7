// The odds command of the tests page: the chance to win the battle at hand and the chance
// of a lucky luck test.
#include <cmath>
#include <cstdio>

#include "battle_odds.h"
#include "command_handlers.h"
#include "session.h"

namespace zrx {
namespace {

// A chance as a Hungarian percentage with one decimal: "58,3%".
std::string percent(double chance) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f%%", 100.0 * chance);
  std::string result = text;
  if (const auto dot = result.find('.'); dot != std::string::npos) result[dot] = ',';
  return result;
}

}  // namespace

bool CmdOdds(Session& session, const CommandArgs&) {
  if (!NeedGame(session)) return false;
  const Game& game = session.game();
  if (const std::optional<BattleOdds> odds = BattleWinChance(game)) {
    session.out() << "Esély a Csata megnyerésére: " << percent(odds->winChance)
                  << (odds->exact ? " (pontos számítás)" : " (" + std::to_string(odds->runs) + " lejátszott Csata alapján)")
                  << '\n';
  } else {
    session.out() << "Nincs Csata folyamatban.\n";
  }
  session.out() << "Esély a sikeres Szerencse próbára: " << percent(LuckTestChanceNow(game))
                << " (Szerencse: " << game.state.values.Luck << ")\n";
  return true;
}

}  // namespace zrx
