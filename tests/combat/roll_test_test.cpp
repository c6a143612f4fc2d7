#include <functional>

#include "hand_back_fixture.h"

namespace zrx::test {
namespace {

using RollTest = HandBackFixture;

TEST_F(RollTest, RollsThreeResultsAndShowsTheFirst) {
  dice.push({2, 3, 6, 6, 1, 1});
  game.screen.LabelDobasKocka(2).setEnabled(true);
  tests.KlikkDobasKockaval(2);
  const TestState& t = game.state.tests;
  EXPECT_EQ(5, t.RollResult1);
  EXPECT_EQ(12, t.RollResult2);
  EXPECT_EQ(2, t.RollResult3);
  EXPECT_EQ("5", game.screen.DKEredmenyLabel(2).text());
  EXPECT_FALSE(game.screen.LabelDobasKocka(2).enabled());
  EXPECT_EQ(Colour::Navy, game.screen.LabelDobasKocka(2).colour());
  EXPECT_EQ((PictureRef{PictureRef::Source::DiceFace, 3}), game.screen.ImageDE(2, 2).picture())
      << "only the first result is shown";
  EXPECT_TRUE(calls.empty()) << "no request, no hand-back";
}

TEST_F(RollTest, DisabledActionIgnoresTheClick) {
  tests.KlikkDobasKockaval(3);
  tests.KlikkDobasKockaval(0);
  tests.KlikkDobasKockaval(5);
  EXPECT_EQ(0, dice.rolls());
}

TEST_F(RollTest, HandsBackToTheFirstPendingRequester) {
  struct Case {
    const char* name;
    std::function<void(GameState&)> request;
    std::vector<std::string> calls;
    std::function<bool(const GameState&)> after;
  };
  const Case cases[] = {
      {"condition",
       [](GameState& s) {
         s.tests.ConditionRollRequested = true;
         s.conditions.TestPending = true;
       },
       {"FeltetelFelbontas(S#0|00A00B)"},
       [](const GameState& s) {
         return !s.tests.ConditionRollRequested && !s.conditions.TestPending && s.tests.RollTestDone;
       }},
      {"special change", [](GameState& s) { s.tests.ChangeRollPending = true; },
       {"SpecialValtozasFeldolgozas"},
       [](const GameState& s) { return !s.tests.ChangeRollPending && s.tests.ChangeRollDone; }},
      {"opponent pick", [](GameState& s) { s.battle.OpponentRollPending = true; },
       {"CsataElokeszites"},
       [](const GameState& s) { return !s.battle.OpponentRollPending && s.battle.OpponentRollDone; }},
      {"after-round roll wins over everything",
       [](GameState& s) {
         s.battle.RoundRollPending = true;
         s.tests.ConditionRollRequested = true;
       },
       {"ForduloUtaniDobas(4)"},
       [](const GameState& s) { return !s.battle.RoundRollPending && s.tests.ConditionRollRequested; }},
      {"condition before special change",
       [](GameState& s) {
         s.tests.ConditionRollRequested = true;
         s.tests.ChangeRollPending = true;
       },
       {"FeltetelFelbontas(S#0|00A00B)"},
       [](const GameState& s) { return s.tests.ChangeRollPending && !s.tests.ChangeRollDone; }},
      {"special change before opponent pick",
       [](GameState& s) {
         s.tests.ChangeRollPending = true;
         s.battle.OpponentRollPending = true;
       },
       {"SpecialValtozasFeldolgozas"},
       [](const GameState& s) { return s.battle.OpponentRollPending; }},
  };
  for (const Case& c : cases) {
    game.state.tests = {};
    game.state.battle = {};
    game.state.conditions.TestPending = false;
    calls.clear();
    c.request(game.state);
    dice.push({4, 4, 4});
    tests.DobasProba(1);
    EXPECT_EQ(c.calls, calls) << c.name;
    EXPECT_TRUE(c.after(game.state)) << c.name;
  }
}

TEST_F(RollTest, FreshRequestWipesEarlierDice) {
  struct Case {
    const char* name;
    bool opponent, condition;
    std::string marks, marksAfter;
    bool wiped;
  };
  const Case cases[] = {
      {"condition, fresh", false, true, "000001", "000002", true},
      {"condition, already handled", false, true, "000002", "000002", false},
      {"opponent, fresh", true, false, "000010", "000020", true},
      {"opponent not fresh, condition fresh", true, true, "000031", "000032", true},
      {"no request", false, false, "000011", "000011", false},
  };
  for (const Case& c : cases) {
    game.state.battle = {};
    game.state.tests = {};
    game.state.battle.OpponentRollPending = c.opponent;
    game.state.tests.ConditionRollRequested = c.condition;
    game.state.navigation.PageMarks = c.marks;
    game.screen.DKEredmenyLabel(4).setText("17");
    dice.push({2, 2, 2});
    tests.DobasProba(1);
    EXPECT_EQ(c.marksAfter, game.state.navigation.PageMarks) << c.name;
    EXPECT_EQ(c.wiped ? "" : "17", game.screen.DKEredmenyLabel(4).text()) << c.name;
    game.screen.ImageDE(1, 1).setVisible(false);
    game.screen.ImageDE(1, 2).setVisible(false);
    game.screen.ImageDE(1, 3).setVisible(false);
  }
}

TEST_F(RollTest, FurtherResultsAreRevealedOnce) {
  game.state.tests.RollResult1 = 7;
  game.state.tests.RollResult2 = 9;
  game.state.tests.RollResult3 = 4;
  Control& label = game.screen.DKEredmenyLabel(2);
  label.setText("7");
  tests.DobasEredmenyKitolt(2, 2);
  EXPECT_EQ("7,9", label.text());
  tests.DobasEredmenyKitolt(2, 2);
  EXPECT_EQ("7,9", label.text());

  Control& three = game.screen.DKEredmenyLabel(3);
  three.setText("7");
  tests.DobasEredmenyKitolt(3, 3);
  EXPECT_EQ("7,9,4", three.text());
  tests.DobasEredmenyKitolt(3, 3);
  EXPECT_EQ("7,9,4", three.text());

  const auto before = game.screen.DKEredmenyLabel(1).version();
  tests.DobasEredmenyKitolt(1, 1);
  tests.DobasEredmenyKitolt(1, 4);
  tests.DobasEredmenyKitolt(5, 2);
  tests.DobasEredmenyKitolt(0, 2);
  EXPECT_EQ(before, game.screen.DKEredmenyLabel(1).version());
}

}  // namespace
}  // namespace zrx::test
