#pragma once
// The tests the player takes by hand on the tests-and-battles page: the luck test and
// the roll test with one to four dice.
//
// Tests are requested, not called. A requester (a condition, a special change, the
// battle) sets its request flag in GameState::tests or GameState::battle, enables the
// action on the page and stops. The player's click runs the test here, which clears the
// request flag, sets the matching done flag and hands back to the requester through its
// hook on the Game context (Game::hooks, see game_hooks.h):
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

namespace zrx {

class DiceTests {
 public:
  explicit DiceTests(Game& game) : game_(game) {}

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
  // Clears the tests-and-battles page: dice panel and luck-test panel (the battle panel
  // joins here with the battle).
  void ProbakCsatakAlaphelyzet();

 private:
  // The further tests of a two- or three-fold luck test that a condition asked for.
  void conditionLuckFollowUp();
  // Two dice against the current Luck, counted in the game's tally; true when lucky.
  bool rollLuck();
  void showLuck();
  void showLuckOutcome();

  Game& game_;
};

// Fills the page-reset hook that the game lifecycle calls.
void InstallDiceTestHooks(Game& game);

}  // namespace zrx
