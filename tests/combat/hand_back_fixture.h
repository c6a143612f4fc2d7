#pragma once
#include <string>
#include <vector>

#include "dice_tests.h"
#include "game_fixture.h"

namespace zrx::test {

// Records every hand-back hook the tests call.
class HandBackFixture : public GameFixture {
 protected:
  HandBackFixture() {
    GameHooks& h = game.hooks;
    h.FeltetelFelbontas = [this](const std::string& c, const std::string& t) {
      calls.push_back("FeltetelFelbontas(" + c + "|" + t + ")");
    };
    h.SpecialValtozasFeldolgozas = [this] { calls.push_back("SpecialValtozasFeldolgozas"); };
    h.CsataElokeszites = [this] { calls.push_back("CsataElokeszites"); };
    h.ForduloNyeres = [this] { calls.push_back("ForduloNyeres"); };
    h.ForduloVesztes = [this] { calls.push_back("ForduloVesztes"); };
    h.ForduloUtaniDobas = [this](int pips) { calls.push_back("ForduloUtaniDobas(" + std::to_string(pips) + ")"); };
    game.state.conditions.PendingConditions = "S#0";
    game.state.conditions.PendingTargets = "00A00B";
  }

  DiceTests tests{game};
  std::vector<std::string> calls;
};

}  // namespace zrx::test
