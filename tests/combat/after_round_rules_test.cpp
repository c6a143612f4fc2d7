#include <gtest/gtest.h>

#include "battle_fixture.h"

namespace zrx::test {
namespace {

class AfterRoundRule : public BattleFixture {
 protected:
  void fightWithRule(const std::string& rule, int stamina = 30, const std::string& woundMods = "20201111") {
    TMonsterRec rec = opponent(1, 7, stamina);
    rec.RollBattleCode = rule;
    rec.WoundMods = woundMods;
    add(rec);
    declare("N001");
    setUp();
  }
  // The after-round roll: "Dobás egy kockával" with the pips (and the two unseen results).
  void afterRoundRoll(int pips) {
    dice.push({pips, 1, 1});
    DiceTests(game).KlikkDobasKockaval(1);
  }
};

TEST_F(AfterRoundRule, EndConditions) {
  enum class End { None, Victory, WithoutDeath, Death };
  struct Case {
    const char* rule;
    std::vector<std::initializer_list<int>> rounds;
    End expected;
  };
  const std::vector<Case> cases = {
      {"1GxE3", {kWon, kWon}, End::None},
      {"1GxE3", {kWon, kWon, kWon}, End::Victory},
      {"1GxE3", {kWon, kLost, kWon, kWon}, End::None},
      {"1GxE2", {kWon, kDraw, kWon, kWon}, End::Victory},  // a draw breaks the streak
      {"1H>V2", {kLost, kWon, kLost}, End::WithoutDeath},
      {"1H>G2", {kLost, kWon, kLost}, End::None},
      {"1H>G2", {kWon, kLost, kLost}, End::WithoutDeath},
      {"1GxN2", {kWon, kLost, kWon}, End::Victory},
      {"1HxF5", {kWon, kLost, kDraw, kWon}, End::None},
      {"1XxF1", {kWon}, End::None},   // an unknown ending letter does nothing
      {"1GxZ1", {kWon}, End::None},   // an unknown counter does nothing
      {"1HxF5", {kWon, kLost, kDraw, kWon, kDraw}, End::Death},  // last: the death ends the game
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    b() = {};
    game.stores.monsters.Clear();
    setPlayer(10, 20, 9);
    fightWithRule(c.rule);
    for (const auto& pips : c.rounds) round(pips);
    switch (c.expected) {
      case End::None: EXPECT_TRUE(b().BattleRunning); break;
      case End::Victory:
        EXPECT_TRUE(b().LastBattleWon);
        EXPECT_EQ("Győztél! Válts a Történet fülre!", line1());
        break;
      case End::WithoutDeath:
        EXPECT_FALSE(b().BattleRunning);
        EXPECT_EQ("Csata vége...", line1());
        break;
      case End::Death: EXPECT_TRUE(died()); break;
    }
  }
}

TEST_F(AfterRoundRule, AfterRoundRollActions) {
  struct Case {
    int pips;
    int stamina, opponentStamina;
    const char* playerTally;
    const char* opponentTally;
  };
  // 2, M, 3, 2, any, E2, I1, R1: pips 1-3 take 2 from the opponent, 4-5 cost the player
  // 1, 6 gives the player 1 back.
  const Case cases[] = {
      {1, 20, 26, "", "0402"}, {3, 20, 26, "", "0402"}, {4, 19, 28, "0102", "0202"},
      {5, 19, 28, "0102", "0202"}, {6, 21, 28, "0002", "0202"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pips);
    b() = {};
    game.stores.monsters.Clear();
    setPlayer(10, 20, 9);
    fightWithRule("2M32xE2I1R1");
    round(kWon);
    EXPECT_TRUE(b().RoundRollPending);
    EXPECT_FALSE(game.screen.BitBtn5.enabled());
    EXPECT_TRUE(game.screen.LabelDobasKocka(1).enabled());
    afterRoundRoll(c.pips);
    EXPECT_FALSE(b().RoundRollPending);
    EXPECT_TRUE(game.screen.BitBtn5.enabled());
    EXPECT_EQ(c.stamina, v().Stamina);
    EXPECT_EQ(c.opponentStamina, b().CurrentOpponent.Stamina);
    EXPECT_EQ(c.playerTally, b().PlayerLifeWounds);
    EXPECT_EQ(c.opponentTally, b().OpponentLifeDamage);
  }
}

TEST_F(AfterRoundRule, RollAfterWonRoundsOnly) {
  fightWithRule("2N11xN0N0N0");
  round(kLost);
  EXPECT_FALSE(b().RoundRollPending);
  round(kDraw);
  EXPECT_FALSE(b().RoundRollPending);
  EXPECT_TRUE(game.screen.BitBtn5.enabled());
  round(kWon);
  EXPECT_TRUE(b().RoundRollPending);
  afterRoundRoll(1);
  EXPECT_TRUE(game.screen.BitBtn5.enabled());
}

TEST_F(AfterRoundRule, RollActionsThatEndTheBattle) {
  struct Case {
    const char* rule;
    int opponentStamina;
    const char* line1;
  };
  const Case cases[] = {
      {"2M33xG0H>N0", 30, "Győztél! Válts a Történet fülre!"},
      {"2M33xH>G0N0", 30, "Csata vége..."},
      {"2M33xE9N0N0", 9, "Győztél! Válts a Történet fülre!"},  // the last opponent dies
      {"2M33xZ0N0N0", 30, "Az Ellenfél elveszítette a Fordulót!"},  // unknown letter: battle goes on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    b() = {};
    game.stores.monsters.Clear();
    fightWithRule(c.rule, c.opponentStamina);
    round(kWon);
    afterRoundRoll(2);
    EXPECT_EQ(c.line1, line1());
    EXPECT_EQ(b().BattleRunning, game.screen.BitBtn5.enabled());
  }
}

TEST_F(AfterRoundRule, RollActionThatKillsThePlayer) {
  setPlayer(10, 3, 9);
  fightWithRule("2M33xI1N0N0");
  round(kLost);
  afterRoundRoll(1);
  EXPECT_TRUE(died());
}

TEST_F(AfterRoundRule, InformationIsGainedOnce) {
  game.stores.infos.Insert({.Number = 42, .Name = "Titok"});
  game.stores.infos.Insert({.Number = 43, .Name = "Rejtett", .InfoFlag = 1});
  fightWithRule("3N042");
  round(kLost);
  EXPECT_TRUE(state().knowledge.InfoList.empty());
  round(kWon);
  round(kWon);
  EXPECT_EQ(TextList{"042"}, state().knowledge.InfoList);
  EXPECT_EQ(std::vector<std::string>{"Titok"}, game.screen.ListBox_IN.items());

  b().CurrentOpponent.RollBattleCode = "3V043";
  round(kWon);
  EXPECT_TRUE(state().knowledge.HiddenInfoList.empty());
  round(kLost);
  EXPECT_EQ(TextList{"043"}, state().knowledge.HiddenInfoList);
  EXPECT_EQ(TextList{"042"}, state().knowledge.InfoList);
}

TEST_F(AfterRoundRule, DamageLimits) {
  enum class End { None, Victory, WithoutDeath, Death };
  struct Case {
    const char* rule;
    std::vector<std::initializer_list<int>> rounds;
    End expected;
  };
  const std::vector<Case> cases = {
      {"4G>E10", {kWon, kWon, kWon, kWon}, End::None},
      {"4G>E10", {kWon, kWon, kWon, kWon, kWon}, End::Victory},
      {"4D>E04", {kLost, kWon, kLost}, End::WithoutDeath},  // the player's side: lost rounds
      {"4H>E02", {kWon, kWon, kWon}, End::None},            // player's side only
      {"4GVT01", {kWon}, End::None},                        // no skill damage done
      {"4G>E00", {kWon}, End::Victory},                     // 0 compared with the tally
      {"4HxE02", {kLost}, End::None},                       // neither ">" nor "V"
      {"4HVE04", {kLost, kLost}, End::Death},               // last: the death ends the game
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    b() = {};
    game.stores.monsters.Clear();
    setPlayer(10, 20, 9);
    fightWithRule(c.rule, 30);
    for (const auto& pips : c.rounds) round(pips);
    switch (c.expected) {
      case End::None: EXPECT_TRUE(b().BattleRunning); break;
      case End::Victory: EXPECT_TRUE(b().LastBattleWon); break;
      case End::WithoutDeath: EXPECT_EQ("Csata vége...", line1()); break;
      case End::Death: EXPECT_TRUE(died()); break;
    }
  }
}

TEST_F(AfterRoundRule, LimitOnAnUnstartedTallyComparesWithZero) {
  fightWithRule("4H>T00");
  round(kLost);  // no skill wound: the skill tally was never started
  EXPECT_EQ("", b().PlayerSkillWounds);
  EXPECT_EQ("Csata vége...", line1());
}

}  // namespace
}  // namespace zrx::test
