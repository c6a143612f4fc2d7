#include <functional>

#include "hand_back_fixture.h"

namespace zrx::test {
namespace {

class LuckTest : public HandBackFixture {
 protected:
  LuckTest() { game.stores.baseValues.Insert({.Number = 3, .Current = 9, .Start = 12, .Name = "Szerencse"}); }
};

TEST_F(LuckTest, SingleTestOutcomeAndCost) {
  struct Case {
    const char* name;
    int luck, luckMin;
    std::initializer_list<int> pips;
    bool lucky;
    int luckAfter;
  };
  const Case cases[] = {
      {"sum equal to luck is lucky", 8, 0, {3, 5}, true, 7},
      {"sum above luck is unlucky", 8, 0, {4, 5}, false, 7},
      {"at the lower limit it costs nothing", 5, 5, {1, 1}, true, 5},
      {"luck 1 can never be lucky", 1, 0, {1, 1}, false, 0},
  };
  for (const Case& c : cases) {
    game.state.values.Luck = c.luck;
    game.state.values.LuckMin = c.luckMin;
    dice.push(c.pips);
    tests.SzerencseProba();
    EXPECT_EQ(c.lucky, game.state.tests.LuckTestLucky) << c.name;
    EXPECT_EQ(c.luckAfter, game.state.values.Luck) << c.name;
    EXPECT_EQ(c.lucky ? "Szerencse" : "Balszerencse", game.screen.LabelSZPEredmenyErtek.text()) << c.name;
    EXPECT_EQ(std::to_string(c.luckAfter), game.screen.LabelLuckTextNow.text()) << c.name;
    EXPECT_EQ(std::to_string(c.luckAfter), game.screen.LabelSZPErtek.text()) << c.name;
    EXPECT_EQ(0u, dice.remaining()) << c.name;
  }
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(9, game.stores.baseValues.Find(3).Current) << "outside conditions the record is left to its owner";
}

TEST_F(LuckTest, ConditionTestsOfOneTwoAndThreeFolds) {
  struct Case {
    const char* name;
    const char* item;
    int luck;
    std::initializer_list<int> pips;
    bool lucky;
    int luckAfter;
  };
  const Case cases[] = {
      {"single", "S", 9, {4, 5}, true, 8},
      {"single, unknown fold digit", "S7", 9, {5, 5}, false, 8},
      {"two-fold, both lucky", "S2", 9, {2, 2, 4, 4}, true, 7},
      {"two-fold, second fails against the lowered luck", "S2", 9, {1, 1, 5, 4}, false, 7},
      {"two-fold, first fails: no second roll, still two points", "S2", 9, {6, 6}, false, 7},
      {"three-fold, all lucky", "S3", 9, {1, 1, 3, 4, 3, 4}, true, 6},
      {"three-fold, third fails", "S3", 9, {1, 1, 1, 1, 4, 4}, false, 6},
      {"three-fold, first fails: first and third rolled", "S3", 9, {6, 6, 1, 1}, false, 6},
      {"three-fold, second fails, third still rolled", "S3", 9, {1, 1, 6, 6, 1, 1}, false, 6},
  };
  for (const Case& c : cases) {
    calls.clear();
    game.state.values.Luck = c.luck;
    game.state.values.LuckMin = 0;
    game.state.tests.ConditionLuckRequested = true;
    game.state.tests.LuckTestDone = false;
    game.state.conditions.TestPending = true;
    game.state.conditions.AwaitedInfo = c.item;
    dice.push(c.pips);
    tests.SzerencseProba();
    EXPECT_EQ(0u, dice.remaining()) << c.name;
    EXPECT_EQ(c.lucky, game.state.tests.LuckTestLucky) << c.name;
    EXPECT_EQ(c.lucky ? "Szerencse" : "Balszerencse", game.screen.LabelSZPEredmenyErtek.text()) << c.name;
    EXPECT_EQ(c.luckAfter, game.state.values.Luck) << c.name;
    EXPECT_EQ(c.luckAfter, game.stores.baseValues.Find(3).Current) << c.name << ": written into the record";
    EXPECT_FALSE(game.state.tests.ConditionLuckRequested) << c.name;
    EXPECT_FALSE(game.state.conditions.TestPending) << c.name;
    EXPECT_TRUE(game.state.tests.LuckTestDone) << c.name;
    EXPECT_EQ(std::vector<std::string>{"FeltetelFelbontas(S#0|00A00B)"}, calls) << c.name;
  }
}

TEST_F(LuckTest, FurtherFoldsIgnoreTheLowerLimitButTheRecordDoesNot) {
  game.state.values.Luck = 1;
  game.state.values.LuckMin = 1;
  game.state.tests.ConditionLuckRequested = true;
  game.state.conditions.AwaitedInfo = "S3";
  dice.push({6, 6, 6, 6});
  tests.SzerencseProba();
  // 1 (no cost at the limit), then 0 and -1 without the check; the record holds no
  // negative value and its minimum 0 (Minimum of record 3) stands.
  EXPECT_EQ(0, game.stores.baseValues.Find(3).Current);
  EXPECT_EQ(0, game.state.values.Luck);
  EXPECT_EQ("0", game.screen.LabelLuckTextNow.text());
}

TEST_F(LuckTest, BattleAndChangeHandBacks) {
  struct Case {
    const char* name;
    std::function<void(GameState&)> request;
    std::vector<std::string> calls;
    std::function<bool(const GameState&)> after;
  };
  const Case cases[] = {
      {"battle round won",
       [](GameState& s) {
         s.battle.LuckInBattle = true;
         s.battle.PlayerAttack = 15;
         s.battle.OpponentAttack = 15;
       },
       {"ForduloNyeres"}, [](const GameState& s) { return s.battle.BattleLuckTestDone; }},
      {"battle round lost",
       [](GameState& s) {
         s.battle.LuckInBattle = true;
         s.battle.PlayerAttack = 14;
         s.battle.OpponentAttack = 15;
       },
       {"ForduloVesztes"}, [](const GameState& s) { return s.battle.BattleLuckTestDone; }},
      {"battle before condition",
       [](GameState& s) {
         s.battle.LuckInBattle = true;
         s.tests.ConditionLuckRequested = true;
       },
       {"ForduloNyeres"}, [](const GameState& s) { return s.tests.ConditionLuckRequested; }},
      {"flight", [](GameState& s) { s.battle.FlightLuckTest = true; }, {"ForduloVesztes"},
       [](const GameState& s) { return s.battle.FlightLuckTest; }},
      {"special weapon", [](GameState& s) { s.battle.WeaponLuckTest = true; }, {},
       [](const GameState& s) { return !s.battle.WeaponLuckTest && s.battle.LuckInBattle; }},
      {"special change", [](GameState& s) { s.tests.ChangeLuckTestPending = true; },
       {"SpecialValtozasFeldolgozas"},
       [](const GameState& s) { return !s.tests.ChangeLuckTestPending && s.tests.ChangeLuckTestDone; }},
  };
  for (const Case& c : cases) {
    game.state.tests = {};
    game.state.battle = {};
    game.state.values.Luck = 7;
    calls.clear();
    c.request(game.state);
    dice.push({2, 3});
    tests.SzerencseProba();
    EXPECT_EQ(c.calls, calls) << c.name;
    EXPECT_TRUE(c.after(game.state)) << c.name;
    EXPECT_TRUE(game.state.tests.LuckTestLucky) << c.name;
    EXPECT_EQ(6, game.state.values.Luck) << c.name;
  }
}

TEST_F(LuckTest, ClickAsksBeforeAPossiblyDeadlyTest) {
  auto prepare = [this](int stamina, int playerAttack, int opponentAttack) {
    game.state.battle = {};
    game.state.battle.LuckInBattle = true;
    game.state.battle.PlayerAttack = playerAttack;
    game.state.battle.OpponentAttack = opponentAttack;
    game.state.values.Stamina = stamina;
    game.state.values.StaminaMin = 0;
    game.state.values.Luck = 9;
    game.screen.LabelSzProba.setEnabled(true);
    calls.clear();
  };

  prepare(1, 10, 12);
  ui.answer(false);
  tests.KlikkSzerencseProba();
  ASSERT_EQ(1u, ui.eventsOf(UiEvent::Kind::Question).size());
  EXPECT_EQ((std::vector<std::string>{"Biztosan Próbára teszed a Szerencsédet?", "(Balszerencse esetén meghalsz!)"}),
            ui.eventsOf(UiEvent::Kind::Question)[0].lines);
  EXPECT_EQ(0, dice.rolls()) << "no test";
  EXPECT_FALSE(game.screen.LabelSzProba.enabled()) << "stays disabled for the round";
  EXPECT_TRUE(calls.empty());

  prepare(1, 10, 12);
  ui.answer(true);
  dice.push({1, 2});
  tests.KlikkSzerencseProba();
  EXPECT_EQ(std::vector<std::string>{"ForduloVesztes"}, calls);

  for (const auto& [stamina, player, opponent] : {std::tuple{2, 10, 12}, std::tuple{1, 12, 12}}) {
    prepare(stamina, player, opponent);
    dice.push({1, 2});
    tests.KlikkSzerencseProba();
    EXPECT_EQ(2u, ui.eventsOf(UiEvent::Kind::Question).size()) << "no question: stamina " << stamina;
    EXPECT_EQ(1u, calls.size());
  }

  const int rolls = dice.rolls();
  tests.KlikkSzerencseProba();  // disabled now
  EXPECT_EQ(rolls, dice.rolls());
}

}  // namespace
}  // namespace zrx::test
