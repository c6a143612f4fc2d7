#pragma once
// The tests the player takes by hand on the tests-and-battles page: the luck test and
// the roll test with one to four dice.
//
// Tests are requested, not called. A requester (a condition, a special change, the
// battle) sets its request flag in GameState::tests or GameState::battle, enables the
// action on the page and stops. The player's click runs the test here, which clears the
// request flag, sets the matching done flag and hands back to the requester:
//   roll test:  RoundRollPending       -> ForduloUtaniDobas(pips)
//               ConditionRollRequested -> FeltetelFelbontas(PendingConditions, PendingTargets)
//               ChangeRollPending      -> SpecialValtozasFeldolgozas()
//               OpponentRollPending    -> CsataElokeszites()
//   luck test:  LuckInBattle           -> ForduloNyeres() / ForduloVesztes()
//               ConditionLuckRequested -> FeltetelFelbontas(PendingConditions, PendingTargets)
//               FlightLuckTest         -> ForduloVesztes()
//               WeaponLuckTest         -> (the caller reads LuckTestLucky)
//               ChangeLuckTestPending  -> SpecialValtozasFeldolgozas()
#include "game.h"
#include "test_hand_back.h"

namespace zrx {

// Whether "Dobás ... kockával" with n dice (1..4) rolls now, and "Szerencse próba" tests now.
bool RollOffered(const Game& game, int n);
bool LuckTestOffered(const Game& game);

class DiceTests {
 public:
  explicit DiceTests(Game& game) : game_(game), engine_(game), handBack_(engine_) {}
  // Hands back to `handBack` in place of the engine's parts.
  DiceTests(Game& game, TestHandBack& handBack) : game_(game), engine_(game), handBack_(handBack) {}
  DiceTests(const DiceTests&) = delete;
  DiceTests& operator=(const DiceTests&) = delete;

  // Click on "Dobás egy/két/három/négy kockával" (n = 1..4).
  void KlikkDobasKockaval(int n);
  // The roll test with n dice and its hand-back; also started directly by a requester.
  void DobasProba(int n);
  // Click on "Szerencse próba".
  void KlikkSzerencseProba();
  // The luck test and its hand-back; also started directly by a requester.
  void SzerencseProba();
  // Reveals the second (k = 2) or second and third (k = 3) result beside the n-dice action.
  void DobasEredmenyKitolt(int n, int k);
  // Clears the dice panel.
  void DobokockakAlaphelyzet();
  // Clears the tests-and-battles page: dice panel, luck-test panel and battle panel.
  void ProbakCsatakAlaphelyzet();

 private:
  // The further tests of a two- or three-fold luck test that a condition asked for.
  void conditionLuckFollowUp();
  // Two dice against the current Luck, counted in the game's tally; true when lucky.
  bool rollLuck();
  void showLuck();
  void showLuckOutcome();

  Game& game_;
  EngineHandBack engine_;
  TestHandBack& handBack_;
};

}  // namespace zrx
