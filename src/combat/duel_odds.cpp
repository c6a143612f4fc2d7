#include "duel_odds.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zrx {
namespace {

// Ways in which two dice make each sum 0..12, out of 36.
constexpr std::array<int, 13> kTwoDiceWays = {0, 0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1};

// The wound sizes with their chances.
std::vector<std::pair<int, double>> woundSizes(const DuelWound& wound) {
  if (!wound.die) return {{wound.points, 1.0}};
  std::vector<std::pair<int, double>> sizes;
  for (int pips = 1; pips <= 6; ++pips) sizes.emplace_back(pips, 1.0 / 6);
  return sizes;
}

// The duel's value table: chance of winning with player life p (above the limit), the
// opponent's life o and luck l. Rounds that are drawn change nothing and drop out of the
// recurrence, so every state depends only on states with less life on one side.
class DuelTable {
 public:
  explicit DuelTable(const DuelValues& duel)
      : duel_(duel),
        lifeSpan_(duel.playerStamina - duel.playerStaminaMin + 1),
        opponentSpan_(duel.opponentStamina + 1),
        luckSpan_(std::max(duel.playerLuck, 0) + 1),
        table_(static_cast<std::size_t>(lifeSpan_ * opponentSpan_ * luckSpan_), -1.0),
        opponentWounds_(woundSizes(duel.opponentWound)),
        playerWounds_(woundSizes(duel.playerWound)) {
    const RoundChances round = RoundOdds(duel.playerSkill + duel.attackBonus, duel.opponentSkill);
    decisive_ = round.won + round.lost;
    wonShare_ = decisive_ > 0 ? round.won / decisive_ : 0;
  }

  double chance(int life, int opponent, int luck) {
    if (opponent < 1) return 1.0;
    if (life <= duel_.playerStaminaMin) return 0.0;
    double& slot = table_[index(life, opponent, luck)];
    if (slot >= 0) return slot;
    // A round that wounds nobody leads back to this state: its weight is solved out.
    double stay = 0, value = 0;
    for (const auto& [size, p] : opponentWounds_) {
      if (size == 0) stay += wonShare_ * p;
      else value += wonShare_ * p * chance(life, opponent - size, luck);
    }
    for (const auto& [size, p] : playerWounds_) {
      if (size == 0) stay += (1 - wonShare_) * p;
      else value += (1 - wonShare_) * p * afterLostRound(life - size, opponent, luck);
    }
    slot = stay < 1 ? value / (1 - stay) : 0.0;  // nobody is ever wounded: never won
    return slot;
  }

 private:
  // At exactly the limit the battle demands a luck test when luck may be tested and
  // enough of it is left; a lucky test gives one life point back.
  double afterLostRound(int life, int opponent, int luck) {
    if (life > duel_.playerStaminaMin) return chance(life, opponent, luck);
    const bool demanded = duel_.luckOffered && life == duel_.playerStaminaMin && luck >= 2 &&
                          luck >= duel_.playerLuckMin + 2;
    if (!demanded) return 0.0;
    const int after = luck > duel_.playerLuckMin ? luck - 1 : luck;
    return LuckTestChance(luck) * chance(life + 1, opponent, after);
  }

  std::size_t index(int life, int opponent, int luck) const {
    const int l = std::clamp(luck, 0, luckSpan_ - 1);
    return static_cast<std::size_t>(((life - duel_.playerStaminaMin) * opponentSpan_ + opponent) * luckSpan_ + l);
  }

  const DuelValues& duel_;
  int lifeSpan_, opponentSpan_, luckSpan_;
  std::vector<double> table_;
  std::vector<std::pair<int, double>> opponentWounds_, playerWounds_;
  double decisive_ = 0, wonShare_ = 0;
};

}  // namespace

double LuckTestChance(int luck) {
  int ways = 0;
  for (int sum = 2; sum <= 12; ++sum) {
    if (sum <= luck) ways += kTwoDiceWays[static_cast<std::size_t>(sum)];
  }
  return ways / 36.0;
}

RoundChances RoundOdds(int playerAttack, int opponentAttack) {
  RoundChances odds;
  for (int mine = 2; mine <= 12; ++mine) {
    for (int theirs = 2; theirs <= 12; ++theirs) {
      const double p = kTwoDiceWays[static_cast<std::size_t>(mine)] * kTwoDiceWays[static_cast<std::size_t>(theirs)] /
                       1296.0;
      const int difference = (mine + playerAttack) - (theirs + opponentAttack);
      (difference > 0 ? odds.won : difference < 0 ? odds.lost : odds.draw) += p;
    }
  }
  return odds;
}

double DuelWinChance(const DuelValues& duel) {
  if (duel.opponentStamina < 1) return 1.0;
  if (duel.playerStamina <= duel.playerStaminaMin) return 0.0;
  DuelTable table(duel);
  return table.chance(duel.playerStamina, duel.opponentStamina, duel.playerLuck);
}

}  // namespace zrx
