// The order of changes across the four queues, pausing for tests at each
// "Változás jelzés" level, the page hand-over, and the end and skip flags.
#include "changes_fixture.h"

namespace zrx::test {
namespace {

TEST(ChangeSequence, NumbersOrderTheQueues) {
  ChangesWorld first;
  // Information 7 arrives first (01 in the third field), so the item change (02) sees it.
  first.info(7);
  first.enter("02xI04+01007+#", "", "01N+007#");
  EXPECT_EQ(1, first.current(4));
  EXPECT_TRUE(first.continuationsOffered());

  ChangesWorld second;
  second.info(7);
  second.enter("01xI04+01007+#", "", "02N+007#");
  EXPECT_EQ(0, second.current(4));
  EXPECT_TRUE(second.hasInfo(7));
  EXPECT_EQ("303000", second.game.state.navigation.PageMarks);
}

TEST(ChangeSequence, MissingNextNumberStopsWithoutContinuations) {
  ChangesWorld w;
  w.enter("01N04+01#03N04+01#");
  EXPECT_EQ(1, w.current(4));
  EXPECT_TRUE(w.offered().empty());
  EXPECT_TRUE(w.game.state.changes.ChangesActive);
}

TEST(ChangeSequence, AllDoneWithBattleGoesToTheBattleSetUp) {
  ChangesWorld w;
  w.enter("01N04+01#", "", "", "", "N001");
  EXPECT_TRUE(w.battleSetUp());
  EXPECT_TRUE(w.offered().empty());
}

TEST(ChangeSequence, SkipFlagDropsTheRestAndADeclaredBattle) {
  struct Case {
    const char* name;
    const char* q2;
    const char* q3;
  };
  const Case cases[] = {
      {"information E with U", "", "01E007+U#"},
      {"item H with U", "01xH001>=03U#", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ChangesWorld w;
    w.info(7);
    w.game.state.knowledge.InfoList = {"007"};
    w.hold(kMoney, 3);
    w.enter("02N04+01#", c.q2, c.q3, "", "N001");
    EXPECT_EQ(0, w.current(4));
    EXPECT_FALSE(w.battleSetUp());
    EXPECT_TRUE(w.continuationsOffered());
    EXPECT_EQ(ToInt(PendingKind::Choice), w.pendingKind());
  }
}

TEST(ChangeSequence, EndFlagFromInformationAndItemTests) {
  struct Case {
    const char* name;
    const char* q2;
    const char* q3;
    bool ends;
  };
  const Case cases[] = {
      {"E + held ends", "", "01E007+H#", true},
      {"E - held goes on", "", "01E007-H#", false},
      {"H == ends", "01xH001==03H#", "", true},
      {"H != goes on", "01xH001!=03H#", "", false},
      {"H with another relation goes on", "01xH001<>03H#", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ChangesWorld w;
    w.info(7);
    w.game.state.knowledge.InfoList = {"007"};
    w.hold(kMoney, 3);
    w.enter("02N04+01#", c.q2, c.q3);
    EXPECT_EQ(c.ends, w.endedHere());
    EXPECT_EQ(c.ends ? 0 : 1, w.current(4));
  }
}

// "D": the roll's total changes the characteristic.
TEST(ChangeSequence, RollRequestAtEachSignalLevel) {
  for (int level = 0; level <= 2; ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    ChangesWorld w;
    w.game.state.settings.ChangeSignalLevel = level;
    if (level == 0) w.dice.push({3, 4, 1, 1, 1, 1});
    w.enter("01xD012-#02N04+01#");
    if (level == 2) {
      EXPECT_EQ(12, w.pendingKind());
      EXPECT_EQ(10, w.current(1));
      w.openPage(kSheetPage);
    }
    if (level >= 1) {
      EXPECT_TRUE(w.changesWaiting());
      EXPECT_EQ(2, w.pendingKind());
      EXPECT_EQ("1", w.game.state.changes.ResumeQueue);
      EXPECT_EQ(0, w.game.state.changes.ChangeSequence);
      EXPECT_TRUE(w.game.screen.LabelDobasKocka(2).enabled());
      w.dice.push({3, 4, 1, 1, 1, 1});
      DiceTests(w.game).KlikkDobasKockaval(2);
    }
    if (level == 2) {
      // The next change waits for its page again; the player is back on it.
      EXPECT_EQ(12, w.pendingKind());
      w.openPage(kTestsPage);
      w.openPage(kSheetPage);
    }
    EXPECT_EQ(3, w.current(1));
    EXPECT_EQ(1, w.current(4));
    EXPECT_TRUE(w.continuationsOffered());
    EXPECT_FALSE(w.game.state.tests.ChangeRollDone);
  }
}

TEST(ChangeSequence, RollRelationAppliesOnlyWhenItHolds) {
  struct Case {
    const char* name;
    int pips;
    int expected;
  };
  const Case cases[] = {{"15 >= 4", 4, 13}, {"15 >= 6 too", 6, 13}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ChangesWorld w;
    w.game.state.settings.ChangeSignalLevel = 0;
    w.dice.push({c.pips, 1, 1});
    w.enter("01xO0102>=1+03#");
    EXPECT_EQ(c.expected > 12 ? 12 : c.expected, w.current(1));
  }
  ChangesWorld fails;
  fails.game.state.settings.ChangeSignalLevel = 0;
  fails.dice.push({6, 1, 1});
  fails.enter("01xO0104>=1+03#");  // characteristic 4 is 0, less than the roll
  EXPECT_EQ(10, fails.current(1));
}

TEST(ChangeSequence, RollRelationUnknownLeavesTheLastVerdictStanding) {
  for (bool earlier : {true, false}) {
    SCOPED_TRACE(earlier ? "an earlier verdict met" : "an earlier verdict not met");
    ChangesWorld w;
    w.game.state.settings.ChangeSignalLevel = 0;
    w.game.state.conditions.ConditionMet = earlier;
    w.dice.push({4, 1, 1});
    w.enter("01xO0102?=1-03#");
    EXPECT_EQ(earlier ? 7 : 10, w.current(1));
  }
}

TEST(ChangeSequence, LuckRequestAtEachSignalLevel) {
  struct Case {
    const char* name;
    const char* change;
    int die1, die2;
    int skill, luck;
  };
  const Case cases[] = {
      {"S applies when lucky", "01xS01S-03#", 2, 2, 7, 7},
      {"S does nothing when unlucky", "01xS01S-03#", 6, 6, 10, 7},
      {"B does nothing when lucky but costs the point", "01xS01B-03#", 1, 1, 10, 7},
      {"a change of luck adds to the spent point", "01xS03S+03#", 1, 2, 10, 10},
  };
  for (int level = 0; level <= 2; ++level) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + " at level " + std::to_string(level));
      ChangesWorld w;
      w.game.state.settings.ChangeSignalLevel = level;
      if (level == 0) w.dice.push({c.die1, c.die2});
      w.enter(c.change);
      if (level == 2) w.openPage(kSheetPage);
      if (level >= 1) {
        EXPECT_TRUE(w.changesWaiting());
        EXPECT_EQ(0, w.pendingKind());
        EXPECT_TRUE(w.game.screen.LabelSzProba.enabled());
        w.dice.push({c.die1, c.die2});
        DiceTests(w.game).KlikkSzerencseProba();
      }
      EXPECT_EQ(c.skill, w.current(1));
      EXPECT_EQ(c.luck, w.current(3));
      EXPECT_EQ(c.luck, w.game.state.values.Luck);
      EXPECT_TRUE(w.continuationsOffered());
    }
  }
}

TEST(ChangeSequence, LevelTwoWaitsForEachChangesPage) {
  ChangesWorld w;
  w.game.state.settings.ChangeSignalLevel = 2;
  w.info(7);
  w.item({.Number = 3, .Name = "Kötél"});
  w.magic(4);
  w.enter("01N04+01#", "02N003+001#", "03N+007#", "04N+004#");
  const struct {
    int kind;
    int page;
  } steps[] = {{12, kSheetPage}, {11, kEquipmentPage}, {13, kInformationPage}, {16, kMagicSkillsPage}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.kind);
    EXPECT_EQ(step.kind, w.pendingKind());
    EXPECT_TRUE(w.game.screen.TimerAlarm.enabled());
    EXPECT_TRUE(w.offered().empty());
    w.openPage(kStoryPage);  // another page hands nothing over
    EXPECT_EQ(step.kind, w.pendingKind());
    w.openPage(step.page);
  }
  EXPECT_EQ(1, w.current(4));
  EXPECT_EQ(1, w.count(3));
  EXPECT_TRUE(w.hasInfo(7));
  EXPECT_EQ(TextList{"004"}, w.game.state.knowledge.MagicSkillList);
  EXPECT_TRUE(w.continuationsOffered());
  EXPECT_EQ("3333" "00", w.game.state.navigation.PageMarks);
}

TEST(ChangeSequence, TimerTickHandsOverWhenThePlayerIsAlreadyOnThePage) {
  ChangesWorld w;
  w.game.state.settings.ChangeSignalLevel = 2;
  w.enter("01N04+01#02N04+01#");
  w.openPage(kSheetPage);
  EXPECT_EQ(1, w.current(4));
  EXPECT_EQ(12, w.pendingKind());
  PageSignal(w.game).TimerAlarmTimer();
  EXPECT_EQ(2, w.current(4));
  EXPECT_TRUE(w.continuationsOffered());
}

}  // namespace
}  // namespace zrx::test
