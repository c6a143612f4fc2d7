#include "rules_hooks.h"

#include "conditions.h"
#include "game.h"
#include "navigation.h"

namespace zrx {

void InstallRulesHooks(Game& game) {
  game.hooks.FejezetPont = [&game] { Navigation(game).FejezetPont(); };
  game.hooks.FeltetelFelbontas = [&game](const std::string& conditions, const std::string& targets) {
    Conditions(game).FeltetelFelbontas(conditions, targets);
  };
  game.hooks.TovabbLepesValasztas = [&game] { Navigation(game).TovabbLepesValasztas(); };
  game.hooks.ValtasBeallitas = [&game] { Navigation(game).ValtasBeallitas(); };
  game.hooks.OldalValtasJelzes = [&game](int kind, bool blink) { Navigation(game).OldalValtasJelzes(kind, blink); };
  game.hooks.LepesekFajlbaMentese = [&game] { return Navigation(game).LepesekFajlbaMentese(); };
}

}  // namespace zrx
