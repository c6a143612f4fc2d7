#pragma once
// Exact odds of the plain duel: one opponent, no rule of its own beyond fixed or one-die
// life wounds, fought by a player who tests luck only when the battle demands it.
namespace zrx {

// One side's life wound per lost round: a fixed number of points, or one die.
struct DuelWound {
  int points = 2;
  bool die = false;
};

struct DuelValues {
  int playerSkill = 0;
  int attackBonus = 0;  // the constant modifiers of the player's attack strength
  int playerStamina = 0, playerStaminaMin = 0;
  int playerLuck = 0, playerLuckMin = 0;
  bool luckOffered = false;  // the opponent's BattleFlag: luck may be tested in this battle
  int opponentSkill = 0, opponentStamina = 0;
  DuelWound opponentWound;  // taken by the opponent in a won round
  DuelWound playerWound;    // taken by the player in a lost round
};

// The chance that two dice show at most `luck`: a lucky luck test.
double LuckTestChance(int luck);

// The chances that one round is won, lost or drawn, for attack strengths of two dice
// plus `playerAttack` against two dice plus `opponentAttack`.
struct RoundChances {
  double won = 0, lost = 0, draw = 0;
};
RoundChances RoundOdds(int playerAttack, int opponentAttack);

// The chance that the player wins the duel, by dynamic programming over the player's life,
// the opponent's life and the player's luck. A duel in which the opponent cannot be
// wounded is never won.
double DuelWinChance(const DuelValues& duel);

}  // namespace zrx
