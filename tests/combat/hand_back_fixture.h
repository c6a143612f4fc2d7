#pragma once
#include <string>
#include <vector>

#include "dice_tests.h"
#include "game_fixture.h"

namespace zrx::test {

// Records every hand-back of the tests, in place of the requesters.
class RecordedHandBack : public TestHandBack {
 public:
  void FeltetelFelbontas(const std::string& c, const std::string& t) override {
    calls.push_back("FeltetelFelbontas(" + c + "|" + t + ")");
  }
  void SpecialValtozasFeldolgozas() override { calls.push_back("SpecialValtozasFeldolgozas"); }
  void CsataElokeszites() override { calls.push_back("CsataElokeszites"); }
  void ForduloNyeres() override { calls.push_back("ForduloNyeres"); }
  void ForduloVesztes() override { calls.push_back("ForduloVesztes"); }
  void ForduloUtaniDobas(int pips) override { calls.push_back("ForduloUtaniDobas(" + std::to_string(pips) + ")"); }

  std::vector<std::string> calls;
};

class HandBackFixture : public GameFixture {
 protected:
  HandBackFixture() {
    game.state.conditions.PendingConditions = "S#0";
    game.state.conditions.PendingTargets = "00A00B";
  }

  RecordedHandBack recorded;
  std::vector<std::string>& calls = recorded.calls;
  DiceTests tests{game, recorded};
};

}  // namespace zrx::test
