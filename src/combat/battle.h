#pragma once
// Battles: the set-up from a chapter point's battle declaration, the opponents and
// their groups, the rounds fought with "Harc", luck in battle, flight, the special
// weapon, the end of a battle, death, and the opponents' after-round rules. All state
// lives in GameState::battle and the main values; the panel is ScreenModel::battle.
//
// The round calls out to the dice tests (luck test, one-die roll) by request flags;
// their hand-back calls ForduloNyeres, ForduloVesztes and ForduloUtaniDobas.
#include <string>
#include <string_view>
#include <vector>

#include "game.h"

namespace zrx {

// The outcomes of CsataVege.
enum class BattleOutcome { Victory = 0, EndWithoutDeath = 1, Fled = 2 };

// The change of the player's attack strength in a round after `roundsFought` rounds: the
// "CT" codes of held items and known information, and the opponent's attack rule.
int PlayerAttackModifier(const Game& game, int roundsFought);

// Whether "Harc" fights a round now.
bool FightOffered(const Game& game);

class Battle {
 public:
  explicit Battle(Game& game) : game_(game) {}

  // Set-up (battle_setup.cpp).
  void CsataElokeszites();
  void UjSzornyBetoltes();
  void ParValasztas();

  // Equipment battle codes checked in a round (battle_equipment.cpp). A1: the "CU"
  // tests; A2 runs one: 0 the opponent dies, 1 nothing, 2 the player dies. B1: the
  // "CF" tests, giving the round's forced result; B2 runs one: 0 won, 1 no effect, 2 lost.
  void CsataTargyEllenorzesA1();
  int CsataTargyEllenorzesA2(std::string_view code);
  int CsataTargyEllenorzesB1();
  int CsataTargyEllenorzesB2(std::string_view code);

  // A round (battle_rounds.cpp).
  void KlikkCsata();
  void TamadoEroSzamitas();
  void TobbEllenfelVagySzovetsegesek();

  // Won and lost rounds, wounds, tallies (round_results.cpp).
  void ForduloNyeres();
  void ForduloVesztes();
  // who: 0 player, 1 opponent; kind: 0 skill, 1 life.
  int Sebesules(int who, int kind);
  void SebzesMeres(int amount, int kind);
  void SebesulesMeres(int amount, int kind);

  // Flight and the special weapon (flight_weapon.cpp).
  void KlikkElmenekules();
  void KlikkSpecFegyverAlkalmazas();

  // The end of a battle, death (battle_end.cpp).
  void CsataVege(BattleOutcome outcome);
  void Halal();
  // The battle side of the tests-and-battles page reset.
  void CsataPanelAlaphelyzet();

  // After-round rules (after_round_rules.cpp).
  void ForduloUtaniExtrak();
  // The after-round roll's result, handed back by the one-die roll test.
  void ForduloUtaniDobas(int pips);

 private:
  // battle_setup.cpp
  void queueOpponents(std::string_view numbers, int chapter);
  void queueFromPairings(std::string_view groups, int chapter);
  void startDeclaredBattle();
  TMonsterRec takeFromQueue();
  void loadFightingValues();
  void takeNewGroup();
  void adjustToDifficulty(TMonsterRec* const* opponents, int count);
  void refreshPanel();
  void showOpponentRow(int row);
  std::string opponentLine(const TMonsterRec& opponent) const;
  std::string pairChoiceHeader() const;

  // battle_rounds.cpp
  void rollAttacks(bool cuRolled);
  void decideRound();
  void groupStrikes();
  void alliesStrike();
  void strikeOfGroupMember(int attack);

  // round_results.cpp
  void lostRoundNormal();
  void lostRoundWithLuck();
  void lostRoundEnd();
  void wonRoundNormal();
  void wonRoundWithLuck();
  void wonRoundEnd();
  // The wounds of a normal round on the side that lost it (who as for Sebesules), with
  // its result lines.
  void woundRoundLoser(int who, std::string_view caption, std::string_view head);
  // The held items' "CV" (who 0) or "CN" (who 1) codes after a round's life wound.
  void applyRoundItems(int who, int lifeWound);
  // SebesulesMeres for the player, SebzesMeres for the opponent.
  void tallyWound(int who, int amount, int kind);
  // The result line that names the items in use which changed the round's wound by `total`
  // (positive: more); `who` is "" for the player or "Ellenfeled " for the opponent.
  std::string itemChangeLine(const std::vector<std::string>& items, int total, std::string_view who) const;
  // One "CV" or "CN" code: the change of life it makes (negative heals the wound).
  int itemLifeChange(std::string_view code, int remainingWound);
  // One die shown among the single-die pictures, its pips added to the one-die label.
  int rollShownDie(std::string_view purpose);
  // The current opponent has died: the next one (or victory) follows.
  void opponentDies();

  // flight_weapon.cpp
  void checkFlightAfterRound();
  void useUpSpecialWeapon(int item);

  // battle_end.cpp
  // The player's life has run out: death, or the end without death of DeathMode 1.
  void playerDies();
  void writeBackValues();

  // after_round_rules.cpp
  void endCondition(std::string_view code);
  void requestRoundRoll();
  void roundRollAction(char letter, std::string_view code, std::size_t digitPosition);
  // ">" ends the battle without death; anything else is the player's death.
  void endWithoutDeathOrDie(char ending);
  // Life points taken (negative: given back) with the tally and the panel; the player's
  // version is false when the wound killed.
  void woundOpponent(int amount);
  bool woundPlayer(int amount);
  void informationGained(std::string_view code);
  void damageLimit(std::string_view code);

  // battle_values.cpp: the battle's skill and life characteristics (BattleValueCodes,
  // or 1 and 2), their names, and the values shown in the panel and on the sheet.
  int skillNumber() const;
  int lifeNumber() const;
  std::string skillName() const;
  std::string lifeName() const;
  void showPlayerValues();
  void showOpponentValues();
  bool battleRuns() const { return game_.state.battle.BattleRunning; }
  void setFightEnabled(bool enabled);

  Game& game_;
};

}  // namespace zrx
