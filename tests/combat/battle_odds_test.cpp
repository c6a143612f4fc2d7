// The odds of a battle: the exact duel against hand-computed values and against the
// engine's own battles played many times, and the battles the exact duel leaves to
// simulation.
#include <gtest/gtest.h>

#include <cmath>

#include "battle_fixture.h"
#include "battle_odds.h"

namespace zrx::test {
namespace {

TEST(DuelOdds, HandComputedSmallCases) {
  EXPECT_DOUBLE_EQ(0.0, LuckTestChance(1));
  EXPECT_DOUBLE_EQ(1.0 / 36, LuckTestChance(2));
  EXPECT_DOUBLE_EQ(21.0 / 36, LuckTestChance(7));
  EXPECT_DOUBLE_EQ(1.0, LuckTestChance(12));

  const RoundChances even = RoundOdds(10, 10);
  EXPECT_DOUBLE_EQ(146.0 / 1296, even.draw);  // the squares of the ways to make each sum
  EXPECT_DOUBLE_EQ(even.won, even.lost);
  const RoundChances far = RoundOdds(21, 10);  // eleven ahead: never lost, never drawn
  EXPECT_DOUBLE_EQ(1.0, far.won);

  DuelValues duel{.playerSkill = 10, .playerStamina = 2, .opponentSkill = 10, .opponentStamina = 2};
  EXPECT_DOUBLE_EQ(0.5, DuelWinChance(duel));  // the first decisive round decides
  duel.opponentStamina = 4;
  EXPECT_DOUBLE_EQ(0.25, DuelWinChance(duel));  // two won rounds before one lost
  duel.playerStamina = 4;
  EXPECT_DOUBLE_EQ(0.5, DuelWinChance(duel));
  duel.playerSkill = 12;
  const RoundChances ahead = RoundOdds(12, 10);
  const double w = ahead.won / (ahead.won + ahead.lost);
  EXPECT_NEAR(w * w * (1 + 2 * (1 - w)), DuelWinChance(duel), 1e-12);  // two wins before two losses
  duel.opponentWound = {.points = 0};
  EXPECT_DOUBLE_EQ(0.0, DuelWinChance(duel));  // an opponent that cannot be wounded
}

TEST(DuelOdds, DemandedLuckTestAtTheLimit) {
  // One life point above the limit, a wound of 1: the demanded test is the only way on.
  DuelValues duel{.playerSkill = 10, .playerStamina = 1, .playerLuck = 7, .luckOffered = true,
                  .opponentSkill = 10, .opponentStamina = 2, .opponentWound = {.points = 2},
                  .playerWound = {.points = 1}};
  // Lose: at the limit, a lucky test (7) gives the point back with luck 6, and so on.
  const double lucky7 = LuckTestChance(7), lucky6 = LuckTestChance(6), lucky5 = LuckTestChance(5);
  const double expected = 0.5 + 0.5 * lucky7 * (0.5 + 0.5 * lucky6 * (0.5 + 0.5 * lucky5 * (0.5 + 0.5 * LuckTestChance(4) *
                          (0.5 + 0.5 * LuckTestChance(3) * (0.5 + 0.5 * LuckTestChance(2) * 0.5)))));
  EXPECT_NEAR(expected, DuelWinChance(duel), 1e-12);
  duel.luckOffered = false;
  EXPECT_DOUBLE_EQ(0.5, DuelWinChance(duel));
}

class BattleOddsTest : public BattleFixture {
 protected:
  // A single opponent declared and set up, ready for its first "Harc".
  void duel(int playerSkill, int playerStamina, const TMonsterRec& rec) {
    setPlayer(playerSkill, playerStamina, 9);
    add(rec);
    declare("N" + recordNumberText(rec.Number));
    setUp();
  }
};

TEST_F(BattleOddsTest, ExactDuelAgreesWithTheEngineOnATable) {
  struct Case {
    int skill, stamina, opponentSkill, opponentStamina;
    const char* wounds;
    int battleFlag;
  };
  const Case cases[] = {
      {10, 20, 7, 10, "20201111", 0}, {7, 8, 9, 12, "20201111", 0}, {9, 6, 9, 6, "20201111", 0},
      {11, 14, 8, 9, "D0201111", 0},  {8, 12, 8, 10, "203D1111", 0}, {9, 5, 10, 6, "20201111", 1},
      {12, 4, 6, 20, "30101111", 1},
  };
  for (const Case& c : cases) {
    const std::string name = std::to_string(c.skill) + "/" + std::to_string(c.stamina) + " against " +
                             std::to_string(c.opponentSkill) + "/" + std::to_string(c.opponentStamina) + " " + c.wounds;
    SCOPED_TRACE(name);
    TMonsterRec rec = opponent(1, c.opponentSkill, c.opponentStamina);
    rec.WoundMods = c.wounds;
    rec.BattleFlag = static_cast<std::uint8_t>(c.battleFlag);
    state().battle = {};
    duel(c.skill, c.stamina, rec);
    const std::optional<BattleOdds> exact = BattleWinChance(game);
    ASSERT_TRUE(exact.has_value());
    ASSERT_TRUE(exact->exact);
    const BattleState before = b();
    const int runs = 6000;
    const BattleOdds measured = SimulatedWinChance(game, 17, runs);
    EXPECT_EQ(before, b());  // the game itself is not touched
    const double error = std::sqrt(exact->winChance * (1 - exact->winChance) / runs);
    EXPECT_NEAR(exact->winChance, measured.winChance, 4 * error + 0.005);
  }
}

TEST_F(BattleOddsTest, SpecialRulesGoToSimulation) {
  struct Case {
    const char* what;
    void (*change)(TMonsterRec&);
  };
  const Case cases[] = {
      {"skill wounds", [](TMonsterRec& r) { r.WoundMods = "21201111"; }},
      {"wounds every second round", [](TMonsterRec& r) { r.WoundMods = "20202111"; }},
      {"an after-round rule", [](TMonsterRec& r) { r.RollBattleCode = "1GGN3"; }},
      {"allies", [](TMonsterRec& r) { r.ExtraCode = "08"; }},
      {"a modifier for the first rounds", [](TMonsterRec& r) { r.AttackMods = "1+23"; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMonsterRec rec = opponent(1, 7, 6);
    c.change(rec);
    state().battle = {};
    duel(10, 20, rec);
    EXPECT_FALSE(PlainDuel(game).has_value());
    const std::optional<BattleOdds> odds = BattleWinChance(game, 3, 500);
    ASSERT_TRUE(odds.has_value());
    EXPECT_FALSE(odds->exact);
    EXPECT_EQ(500, odds->runs);
  }
}

TEST_F(BattleOddsTest, ConstantAttackModifiersCountInTheDuel) {
  item(40, "CT+2");
  TMonsterRec rec = opponent(1, 9, 6);
  rec.AttackMods = "1-1A";
  duel(9, 6, rec);
  const std::optional<DuelValues> plain = PlainDuel(game);
  ASSERT_TRUE(plain.has_value());
  EXPECT_EQ(1, plain->attackBonus);
  item(41, "CVN+1");
  EXPECT_FALSE(PlainDuel(game).has_value());  // a wound change after lost rounds
}

TEST_F(BattleOddsTest, QueuedOpponentsAreSimulatedAndLowerTheChance) {
  add(opponent(1, 10, 10));
  add(opponent(2, 10, 10));
  declare("N001");
  setUp();
  const double one = BattleWinChance(game)->winChance;
  state().battle = {};
  declare("N001002", kBattleChapter + 2);
  setUp(kBattleChapter + 2);
  const std::optional<BattleOdds> two = BattleWinChance(game, 5, 3000);
  ASSERT_TRUE(two.has_value());
  EXPECT_FALSE(two->exact);
  EXPECT_LT(two->winChance, one);
  EXPECT_GT(two->winChance, 0.0);
}

TEST_F(BattleOddsTest, NoBattleAtHandNoOdds) {
  EXPECT_FALSE(BattleWinChance(game).has_value());
  setPlayer(10, 20, 8);
  EXPECT_DOUBLE_EQ(LuckTestChance(8), LuckTestChanceNow(game));
}

}  // namespace
}  // namespace zrx::test
