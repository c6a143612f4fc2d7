// One round against one opponent: attack strengths, wounds, tallies, forced results,
// luck in battle, and the player's life at its limit.
#include <gtest/gtest.h>

#include "battle_fixture.h"

namespace zrx::test {
namespace {

using BattleRound = BattleFixture;

TEST_F(BattleRound, WonRoundWoundsTheOpponent) {
  fightOne(10);
  round({3, 3, 4, 4});
  EXPECT_EQ(13, b().OpponentAttack);
  EXPECT_EQ(18, b().PlayerAttack);
  EXPECT_EQ("13", panel().Szorny(1, "Tamadoero").text());
  EXPECT_EQ("18", panel().LabelJatekosTamadoero.text());
  EXPECT_EQ("Az Ellenfél elveszítette a Fordulót!", line1());
  EXPECT_EQ("Ellenfeled veszít 2 Életerő pontot!", line2());
  EXPECT_EQ(8, b().CurrentOpponent.Stamina);
  EXPECT_EQ("8", panel().Szorny(1, "Eletero").text());
  EXPECT_EQ("0202", b().OpponentLifeDamage);
  EXPECT_EQ("", b().OpponentSkillDamage);
  EXPECT_EQ(20, v().Stamina);
  EXPECT_EQ("2. Forduló", game.screen.BitBtn5.text());
  EXPECT_EQ("", game.screen.DKEredmenyLabel(2).text());
  EXPECT_TRUE(game.screen.ImageDE(2, 1).visible());
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(BattleRound, LostRoundWoundsThePlayer) {
  fightOne();
  round(kLost);
  EXPECT_EQ("Az Ellenfél megnyerte a Fordulót!", line1());
  EXPECT_EQ("Veszítesz 2 Életerő pontot!", line2());
  EXPECT_EQ(18, v().Stamina);
  EXPECT_EQ("18", panel().LabelJatekosEletero.text());
  EXPECT_EQ("18", game.screen.LabelStaminaTextNow.text());
  EXPECT_EQ("0202", b().PlayerLifeWounds);
  EXPECT_EQ(30, b().CurrentOpponent.Stamina);
}

TEST_F(BattleRound, DrawsAndStreaks) {
  fightOne();
  struct Step {
    std::initializer_list<int> pips;
    int fought, won, lost, last, streak;
  };
  const Step steps[] = {
      {kWon, 1, 1, 0, 1, 1},  {kWon, 2, 2, 0, 1, 2},  {kDraw, 3, 2, 0, 0, 1},
      {kWon, 4, 3, 0, 1, 1},  {kLost, 5, 3, 1, 2, 1}, {kLost, 6, 3, 2, 2, 2},
  };
  int n = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE("round " + std::to_string(++n));
    round(s.pips);
    EXPECT_EQ(s.fought, b().RoundsFought);
    EXPECT_EQ(s.won, b().RoundsWon);
    EXPECT_EQ(s.lost, b().RoundsLost);
    EXPECT_EQ(s.last, b().LastRoundResult);
    EXPECT_EQ(s.streak, b().ResultStreak);
    if (s.last == 0) {
      EXPECT_EQ("Döntetlen Forduló!", line1());
      EXPECT_EQ("", line2());
    }
  }
  EXPECT_EQ(24, b().CurrentOpponent.Stamina);
  EXPECT_EQ(16, v().Stamina);
}

TEST_F(BattleRound, ForcedResultsOfEquipment) {
  struct Case {
    const char* code;
    std::initializer_list<int> pips;
    int expectedResult;
    const char* dieLabel;
  };
  const Case cases[] = {
      {"CFN1N", kLost, 1, ""},         // won although weaker
      {"CFV1N", kWon, 2, ""},          // lost although stronger
      {"CFV1N", kDraw, 2, ""},         // no draw
      {"CFN1D36", {6, 6, 1, 1, 4}, 1, "4"},
      {"CFN1D36", {6, 6, 1, 1, 2}, 2, "2"},  // outside 3..6: the attack strengths decide
      {"CFX1N", kLost, 2, ""},         // no effect
      {"CFNEN", kLost, 1, ""},         // "E": before the first round only
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    b() = {};
    game.stores.items.Clear();
    game.stores.monsters.Clear();
    state().equipment.EquipmentList.clear();
    item(9, c.code);
    fightOne();
    round(c.pips);
    EXPECT_EQ(c.expectedResult, b().LastRoundResult);
    EXPECT_EQ(c.dieLabel, game.screen.DKEredmenyLabel(1).text());
    EXPECT_EQ(0u, dice.remaining());
  }
}

TEST_F(BattleRound, WoundSizesWithDiceAndPeriods) {
  fightOne(30, "D0211112");
  round(kLost);
  EXPECT_EQ("Veszítesz 2 Életerő pontot!", line2());
  EXPECT_EQ(10, v().Skill);
  round(kLost);  // the second lost round: the skill wound of period 2 is due
  EXPECT_EQ("Veszítesz 2 Életerő és 1 Ügyesség pontot!", line2());
  EXPECT_EQ(9, v().Skill);
  EXPECT_EQ("0101", b().PlayerSkillWounds);
  EXPECT_EQ("0402", b().PlayerLifeWounds);
  round({1, 1, 6, 6, 5});  // won: one die for the opponent's life
  EXPECT_EQ("Ellenfeled veszít 5 Életerő pontot!", line2());
  EXPECT_EQ("5", game.screen.DKEredmenyLabel(1).text());
  EXPECT_EQ(25, b().CurrentOpponent.Stamina);
}

TEST_F(BattleRound, SkillWoundBeyondTheRemainingSkill) {
  setPlayer(3, 20, 9);
  fightOne(30, "00051111");
  round({6, 6, 1, 1});
  EXPECT_EQ(0, v().Skill);
  EXPECT_EQ("0301", b().PlayerSkillWounds);
  EXPECT_EQ("Veszítesz 5 Ügyesség pontot!", line2());
}

TEST_F(BattleRound, TallyTexts) {
  fightOne(30, "20501111");
  round(kLost);
  b().CurrentOpponent.WoundMods = "20701111";
  round(kLost);
  EXPECT_EQ("1202", b().PlayerLifeWounds);
  EXPECT_EQ(8, v().Stamina);
}

TEST_F(BattleRound, AttackStrengthModifiers) {
  item(4, "CT+2");
  game.stores.infos.Insert({.Number = 5, .Name = "Infó", .Code = "CT-1"});
  game.stores.infos.Insert({.Number = 6, .Name = "Rejtett", .InfoFlag = 1, .Code = "CT+3"});
  state().knowledge.InfoList = {"005"};
  state().knowledge.HiddenInfoList = {"006"};
  TMonsterRec rec = opponent(1, 7, 30);
  rec.AttackMods = "1-22";  // -2 in the first two rounds
  add(rec);
  declare("N001");
  setUp();
  const int expected[] = {10 + 4 - 2, 10 + 4 - 2, 10 + 4};
  for (int bonus : expected) {
    round(kWon);
    EXPECT_EQ(12 + bonus, b().PlayerAttack);
  }
}

TEST_F(BattleRound, EquipmentChangesTheLifeWounds) {
  struct Case {
    const char* code;
    std::initializer_list<int> pips;
    int stamina, opponentStamina;
    const char* playerTally;
    const char* opponentTally;
    const char* note;  // the result line that tells what the item changed
  };
  const Case cases[] = {
      // the wound of 2 shrinks at most to nothing
      {"CVN+3", kLost, 20, 30, "0002", "", "Tárgy 9: 2 Életerő ponttal kevesebbet veszítesz!"},
      {"CVN+1", kLost, 19, 30, "0102", "", "Tárgy 9: 1 Életerő ponttal kevesebbet veszítesz!"},
      {"CVN-2", kLost, 16, 30, "0402", "", "Tárgy 9: további 2 Életerő pontot veszítesz!"},
      {"CVD-236", {6, 6, 1, 1, 4}, 16, 30, "0402", "", "Tárgy 9: további 2 Életerő pontot veszítesz!"},
      {"CVD-236", {6, 6, 1, 1, 1}, 18, 30, "0202", "", ""},
      {"CNN-1", kWon, 20, 27, "", "0302", "Tárgy 9: Ellenfeled további 1 Életerő pontot veszít!"},
      {"CND+116", {1, 1, 6, 6, 3}, 20, 29, "", "0102", "Tárgy 9: Ellenfeled 1 Életerő ponttal kevesebbet veszít!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    b() = {};
    setPlayer(10, 20, 9);
    game.stores.items.Clear();
    game.stores.monsters.Clear();
    state().equipment.EquipmentList.clear();
    item(9, c.code);
    fightOne();
    round(c.pips);
    EXPECT_EQ(c.stamina, v().Stamina);
    EXPECT_EQ(c.opponentStamina, b().CurrentOpponent.Stamina);
    EXPECT_EQ(c.playerTally, b().PlayerLifeWounds);
    EXPECT_EQ(c.opponentTally, b().OpponentLifeDamage);
    EXPECT_EQ(c.note, game.screen.battle.LabelEredmeny3.text());
  }
}

TEST_F(BattleRound, LuckAfterWonAndLostRounds) {
  struct Case {
    std::initializer_list<int> pips;
    int luckPips;
    const char* line1;
    const char* line2;
    int stamina, opponentStamina;
  };
  const Case cases[] = {
      {kWon, 2, "A Szerencse Próba sikeres volt!", "Ellenfeled veszít további 2 Életerő pontot!", 20, 26},
      {kWon, 6, "A Szerencse Próba sikertelen volt!", "Ellenfeled visszanyer 1 Életerő pontot!", 20, 29},
      {kLost, 2, "A Szerencse Próba sikeres volt!", "Visszanyertél 1 Életerő pontot!", 19, 30},
      {kLost, 6, "A Szerencse Próba sikertelen volt!", "További 1 Életerő pontot veszítesz!", 17, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line2);
    b() = {};
    game.stores.monsters.Clear();
    setPlayer(10, 20, 9);
    TMonsterRec rec = opponent(1, 7, 30);
    rec.BattleFlag = 1;
    add(rec);
    declare("N001");
    setUp();
    round(c.pips);
    EXPECT_TRUE(b().LuckInBattle);
    EXPECT_TRUE(game.screen.LabelSzProba.enabled());
    dice.push({c.luckPips, c.luckPips});
    diceTests().KlikkSzerencseProba();
    EXPECT_EQ(c.line1, line1());
    EXPECT_EQ(c.line2, line2());
    EXPECT_EQ(c.stamina, v().Stamina);
    EXPECT_EQ(c.opponentStamina, b().CurrentOpponent.Stamina);
    EXPECT_EQ(8, v().Luck);
    EXPECT_FALSE(b().LuckInBattle);
    EXPECT_FALSE(b().BattleLuckTestDone);
    EXPECT_FALSE(game.screen.LabelSzProba.enabled());
  }
}

TEST_F(BattleRound, NoLuckOfferWithoutTheBattleFlagOrAfterADraw) {
  fightOne();
  round(kWon);
  EXPECT_FALSE(b().LuckInBattle);
  EXPECT_FALSE(game.screen.LabelSzProba.enabled());
}

TEST_F(BattleRound, LastChanceNoticeAtTheLimit) {
  for (bool lucky : {true, false}) {
    SCOPED_TRACE(lucky ? "lucky" : "unlucky");
    b() = {};
    ui.clearEvents();
    state().GameLoaded = true;
    game.stores.monsters.Clear();
    setPlayer(10, 2, 8);
    TMonsterRec rec = opponent(1, 7, 30);
    rec.BattleFlag = 1;
    add(rec);
    declare("N001");
    setUp();
    round(kLost);
    EXPECT_EQ(0, v().Stamina);
    const std::vector<UiEvent> notices = ui.eventsOf(UiEvent::Kind::Info);
    ASSERT_EQ(1u, notices.size());
    EXPECT_EQ((std::vector<std::string>{"Életerő pontjaid száma nullára fog csökkenni! Tedd ",
                                        "próbára a Szerencsédet, hogy csökkentsd a sérülést!"}),
              notices[0].lines);
    EXPECT_FALSE(game.screen.BitBtn5.enabled());
    EXPECT_TRUE(b().BattleRunning);
    dice.push({lucky ? 1 : 6, lucky ? 1 : 6});
    diceTests().KlikkSzerencseProba();
    if (lucky) {
      EXPECT_EQ(1, v().Stamina);
      EXPECT_TRUE(game.screen.BitBtn5.enabled());
      EXPECT_FALSE(died());
    } else {
      EXPECT_TRUE(died());
      EXPECT_FALSE(state().GameLoaded);
    }
  }
}

TEST_F(BattleRound, AWoundBelowTheLimitKillsAtOnce) {
  setPlayer(10, 2, 8);
  TMonsterRec rec = opponent(1, 7, 30);
  rec.BattleFlag = 1;
  rec.WoundMods = "20301111";
  add(rec);
  declare("N001");
  setUp();
  round(kLost);
  EXPECT_TRUE(ui.eventsOf(UiEvent::Kind::Info).empty());
  EXPECT_TRUE(died());
  EXPECT_FALSE(state().GameLoaded);
}

TEST_F(BattleRound, DeathModeOneEndsTheBattleWithoutDeath) {
  setPlayer(10, 2, 8);
  TMonsterRec rec = opponent(1, 7, 30);
  rec.DeathMode = 1;
  add(rec);
  declare("N001");
  setUp();
  round(kLost);
  EXPECT_FALSE(died());
  EXPECT_EQ("Csata vége...", line1());
  EXPECT_FALSE(b().BattleRunning);
  EXPECT_EQ(TextList{"13"}, state().navigation.NextChapterList);
  EXPECT_EQ("Harc", game.screen.BitBtn5.text());
}

TEST_F(BattleRound, ADisabledFightButtonDoesNothing) {
  fightOne();
  game.screen.BitBtn5.setEnabled(false);
  battle().KlikkCsata();
  EXPECT_FALSE(b().BattleRunning);
  EXPECT_EQ(0, b().RoundsFought);
}

}  // namespace
}  // namespace zrx::test
