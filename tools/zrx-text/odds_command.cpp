// The odds command of the tests page: the chance to win the battle at hand and the chance
// of a lucky luck test.
#include "command_handlers.h"
#include "page_odds.h"
#include "page_texts.h"
#include "session.h"

namespace zrx {

bool CmdOdds(Session& session, const CommandArgs&) {
  if (!NeedGame(session)) return false;
  const PageOdds odds = OddsNow(session.game());
  if (!odds.battle) session.out() << "Nincs Csata folyamatban.\n";
  PrintRows(session, OddsRows(odds));
  return true;
}

}  // namespace zrx
