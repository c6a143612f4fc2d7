#include "install_engine.h"

#include "battle.h"
#include "dice_tests.h"
#include "game.h"
#include "offers.h"
#include "rules_hooks.h"
#include "special_changes.h"

namespace zrx {

void InstallEngine(Game& game) {
  InstallRulesHooks(game);
  InstallDiceTestHooks(game);
  InstallSpecialChangeHooks(game);
  InstallOfferHooks(game);
  InstallBattleHooks(game);
}

}  // namespace zrx
