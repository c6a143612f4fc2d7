// Groups and continuations, test requests and their resumption, contests, information use.
#include "book_code.h"
#include "information.h"
#include "rules_fixture.h"

namespace zrx::test {
namespace {

using ConditionFlowTest = RulesFixture;

TEST_F(ConditionFlowTest, GroupsDecideTheirContinuations) {
  struct Case { const char* conditions; const char* targets; TextList expected; };
  item(1, 1);
  item(2, 0);
  item(3, 1);
  const Case cases[] = {
      {"0#0#0", "00A00B00C", {"10", "11", "12"}},
      {"K2001002#0", "00A00B", {"11"}},
      {"K2001003#0", "00A00B", {"10", "11"}},
      {"0#K2001002", "00AGGG", {"10"}},
      {"T001==001,T003>=001#T002>>000,T001==001#0", "HHH00FGGG", {"Vége", "Győzelem"}},
      // An item outside the table leaves the verdict of the group before it.
      {"K2001003#Z", "001002", {"1", "2"}},
      {"K2001002#Z", "001002", {}},
      // A failing item stops its group: the rest is not read.
      {"T002>>000,Z?", "001", {}},
  };
  for (const auto& c : cases) {
    state().navigation.NextChapterList.clear();
    evaluate(c.conditions, c.targets);
    EXPECT_EQ(c.expected, offered()) << c.conditions;
    EXPECT_EQ(c.expected, game.screen.ListBoxNext.items()) << c.conditions << ": shown";
    EXPECT_EQ(ToInt(PendingKind::Choice), state().navigation.PendingKind) << c.conditions;
  }
}

TEST_F(ConditionFlowTest, LuckTestBeforeRollInOneGroupAndResumption) {
  state().values.Luck = 9;
  characteristic(3, 9);
  evaluate("S10,D106.#0", "001002");

  // The luck item asks first; nothing is offered yet.
  const ConditionState& cs = state().conditions;
  EXPECT_TRUE(cs.TestPending);
  EXPECT_EQ(0, state().navigation.PendingKind);
  EXPECT_EQ("S10,D106.#0", cs.PendingConditions);
  EXPECT_EQ("001002", cs.PendingTargets);
  EXPECT_EQ("000001", state().navigation.PageMarks);
  EXPECT_TRUE(offered().empty());
  EXPECT_TRUE(game.screen.LabelSzProba.enabled());
  EXPECT_EQ(Colour::DarkBlue, game.screen.LabelSzProba.colour());
  EXPECT_EQ("9", game.screen.LabelSZPErtek.text());
  EXPECT_TRUE(game.screen.TimerAlarm.enabled());
  EXPECT_EQ(0, game.screen.TimerAlarm.value());
  EXPECT_EQ(0, dice.rolls()) << "at \"Változás jelzés\" 1 the player starts the test";

  // The luck test resumes the same group, which now asks for the roll.
  dice.push({2, 3});
  diceTests().KlikkSzerencseProba();
  EXPECT_TRUE(state().tests.LuckTestDone);
  EXPECT_TRUE(cs.TestPending);
  EXPECT_EQ(1, state().navigation.PendingKind);
  EXPECT_TRUE(game.screen.LabelDobasKocka(1).enabled());
  EXPECT_EQ(1, game.screen.TimerAlarm.value());
  EXPECT_TRUE(offered().empty());

  // The roll decides the group; the continuations are complete.
  dice.push({6, 1, 1});
  diceTests().KlikkDobasKockaval(1);
  EXPECT_FALSE(cs.TestPending);
  EXPECT_EQ((TextList{"1", "2"}), offered());
  EXPECT_EQ((TextList{"1", "2"}), game.screen.ListBoxNext.items());
  EXPECT_FALSE(state().tests.LuckTestDone);
  EXPECT_FALSE(state().tests.RollTestDone);
  EXPECT_EQ(ToInt(PendingKind::Choice), state().navigation.PendingKind);
  EXPECT_EQ("000003", state().navigation.PageMarks);
  EXPECT_EQ(ToInt(PendingKind::Choice), game.screen.TimerAlarm.value());
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(ConditionFlowTest, UnluckyTestEndsTheGroupWithoutTheRoll) {
  state().values.Luck = 5;
  characteristic(3, 5);
  evaluate("S10,D106.#0", "001002");
  dice.push({4, 3});
  diceTests().KlikkSzerencseProba();
  EXPECT_EQ(TextList{"2"}, offered());
  EXPECT_EQ(2, dice.rolls());
}

TEST_F(ConditionFlowTest, ImmediateTestsAtSignalLevelZero) {
  state().settings.ChangeSignalLevel = 0;
  state().values.Luck = 9;
  characteristic(3, 9);
  game.screen.LabelSzProba.setEnabled(false);
  dice.push({2, 3, 6, 1, 1});
  evaluate("S10,D106.#0", "001002");
  EXPECT_EQ((TextList{"1", "2"}), offered());
  EXPECT_FALSE(game.screen.LabelSzProba.enabled()) << "nothing waits for the player";
}

TEST_F(ConditionFlowTest, InformationUseResumesTheWaitingGroup) {
  info(5);
  info(6);
  state().knowledge.InfoList = {"006", "005"};
  game.screen.ListBox_IN.setItems({"Infó 6", "Infó 5"});
  state().battle.LastBattleWon = true;
  evaluate("I+005,C0#0", "001002");
  ConditionState& cs = state().conditions;
  EXPECT_TRUE(cs.TestPending);
  EXPECT_TRUE(cs.InfoUseAwaited);
  EXPECT_EQ("005", cs.AwaitedInfo);
  EXPECT_EQ(ToInt(PendingKind::InfoUse), state().navigation.PendingKind);
  EXPECT_EQ(ToInt(PendingKind::InfoUse), game.screen.TimerAlarm.value());
  EXPECT_EQ("000001", state().navigation.PageMarks);
  EXPECT_TRUE(offered().empty());

  // Another information does not answer the condition.
  game.screen.ListBox_IN.setSelection(0);
  Information(game).ListBox_INDblClick();
  EXPECT_TRUE(cs.TestPending);
  EXPECT_TRUE(offered().empty());

  // The awaited one lets the same group go on: the used information decides its item.
  game.screen.ListBox_IN.setSelection(1);
  Information(game).ListBox_INDblClick();
  EXPECT_EQ((TextList{"1", "2"}), offered());
  EXPECT_FALSE(cs.InfoUsed);
  EXPECT_FALSE(cs.InfoUseAwaited);
  EXPECT_EQ(ToInt(PendingKind::Choice), state().navigation.PendingKind);
}

TEST_F(ConditionFlowTest, AwaitedInformationStartsNoTestAtSignalLevelZero) {
  state().settings.ChangeSignalLevel = 0;
  info(5);
  state().knowledge.InfoList = {"005"};
  evaluate("I+005", "001");
  EXPECT_TRUE(state().conditions.TestPending);
  EXPECT_EQ(0, dice.rolls());
}

TEST_F(ConditionFlowTest, MalformedCodeAbandonsTheEvaluation) {
  EXPECT_FALSE(game.Perform([&] { evaluate("0#D512.#0", "001002003"); }));
  const auto shown = ui.eventsOf(UiEvent::Kind::BookCodeError);
  ASSERT_EQ(1u, shown.size());
  EXPECT_NE(std::string::npos, shown[0].lines[0].find("D512."));
  EXPECT_TRUE(game.screen.ListBoxNext.items().empty()) << "no continuation is offered";
  EXPECT_FALSE(state().conditions.TestPending);
  EXPECT_FALSE(game.Perform([&] { evaluate("0#0", "00A0"); }));
  EXPECT_FALSE(game.Perform([&] { evaluate("0#0", "00A"); })) << "a group without its code";
  EXPECT_FALSE(game.Perform([&] { evaluate("0", "00A00B"); })) << "a code without its group";
}

// Contests with scripted dice at "Változás jelzés" 0: each roll test makes three rolls of
// d dice; the item uses the first two.
class ContestTest : public RulesFixture {
 protected:
  ContestTest() {
    state().settings.ChangeSignalLevel = 0;
    characteristic(1, 7);
  }
};

TEST_F(ContestTest, RaceRollsUntilASideReachesTheThreshold) {
  // A 5, B 0, threshold 20, two dice: 5+2 / 0+12, then 7+2 / 12+10: side B wins.
  dice.push({1, 1, 6, 6, 1, 1, /* second roll */ 1, 1, 5, 5, 1, 1});
  evaluate("EW0520200+0#EL0520200+0", "001002");
  EXPECT_EQ(TextList{"1"}, offered()) << "the second group sees the decided scores";
  EXPECT_EQ(0u, dice.remaining());
  EXPECT_EQ("2,10", game.screen.DKEredmenyLabel(2).text());
}

TEST_F(ContestTest, EqualScoresOverTheThresholdRollOnOneDieEach) {
  struct Case { const char* item; bool holds; };
  const Case cases[] = {{"EL0506100+0", false}, {"EW0506100+0", true}};
  for (const auto& c : cases) {
    state().ResetPerGame();
    // A 5+1 = 6, B 0+6 = 6, both at the threshold; tie-break 3/3, then 2/5: B ahead.
    dice.push({1, 6, 1, /* tie-break */ 3, 3, 2, 5});
    evaluate(c.item, "001");
    EXPECT_EQ(c.holds ? TextList{"1"} : TextList{}, offered()) << c.item;
    EXPECT_EQ(0u, dice.remaining()) << c.item;
    EXPECT_EQ(11, state().conditions.ContestScoreA) << c.item;
    EXPECT_EQ(14, state().conditions.ContestScoreB) << c.item;
  }
}

TEST_F(ContestTest, SingleRoundComparesTheOtherWayRound) {
  struct Case { const char* item; std::initializer_list<int> pips; bool holds; };
  // "ES": side A adds the second roll, side B the first.
  const Case cases[] = {
      {"ES05>=100+0", {6, 1, 1}, true},   // A 5+1 = 6, B 0+6 = 6
      {"ES05>>100+0", {6, 1, 1}, false},
      {"ES05<<101+0", {1, 2, 3}, true},   // A 5+2 = 7, B 7+1 = 8
      {"ES05<<101+0", {1, 4, 3}, false},  // A 5+4 = 9, B 8
  };
  for (const auto& c : cases) {
    state().ResetPerGame();
    dice.push(c.pips);
    evaluate(c.item, "001");
    EXPECT_EQ(c.holds ? TextList{"1"} : TextList{}, offered()) << c.item;
    EXPECT_EQ(0u, dice.remaining()) << c.item;
  }
}

TEST_F(ContestTest, EveryRollOfARaceIsThePlayersClick) {
  state().settings.ChangeSignalLevel = 1;
  evaluate("EW0520200+0#0", "001002");
  EXPECT_EQ(2, state().navigation.PendingKind);
  for (const auto& pips : {std::initializer_list<int>{1, 1, 6, 6, 1, 1}, {1, 1, 5, 5, 1, 1}}) {
    ASSERT_TRUE(state().conditions.TestPending);
    ASSERT_TRUE(game.screen.LabelDobasKocka(2).enabled()) << "the race asks for its next roll";
    EXPECT_TRUE(offered().empty());
    dice.push(pips);
    diceTests().KlikkDobasKockaval(2);
  }
  EXPECT_FALSE(state().conditions.TestPending);
  EXPECT_EQ(9, state().conditions.ContestScoreA);
  EXPECT_EQ(22, state().conditions.ContestScoreB);
  EXPECT_EQ((TextList{"1", "2"}), offered());
  EXPECT_EQ(ToInt(PendingKind::Choice), state().navigation.PendingKind);
}

TEST_F(ContestTest, SetUpReadsTheCharacteristicAndBonus) {
  state().settings.ChangeSignalLevel = 1;
  struct Case { const char* item; int a, b; };
  const Case cases[] = {
      {"EL0510101+2", 5, 9}, {"EL0510101-2", 5, 5}, {"EL0510101-9", 5, 0}, {"EL1210100-3", 12, 0},
  };
  for (const auto& c : cases) {
    state().ResetPerGame();
    evaluate(c.item, "001");
    EXPECT_TRUE(state().conditions.TestPending) << c.item;
    EXPECT_EQ(c.a, state().conditions.ContestScoreA) << c.item;
    EXPECT_EQ(c.b, state().conditions.ContestScoreB) << c.item;
  }
}

}  // namespace
}  // namespace zrx::test
