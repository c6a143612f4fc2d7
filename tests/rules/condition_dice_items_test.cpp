// Condition items that need a roll or a luck test, with scripted dice. At "Változás
// jelzés" 0 a requested test runs at once, so one evaluation decides the item.
#include <functional>

#include "rules_fixture.h"

namespace zrx::test {
namespace {

struct DiceCase {
  const char* item;
  std::initializer_list<int> pips;  // every die rolled, in order
  bool holds;
  std::function<void(GameState&)> setup = [](GameState&) {};
};

class ConditionDiceTest : public RulesFixture {
 protected:
  ConditionDiceTest() { state().settings.ChangeSignalLevel = 0; }

  void check(const DiceCase& c) {
    state().ResetPerGame();
    game.stores.baseValues.Clear();
    characteristic(1, 4);
    characteristic(2, 10);
    characteristic(3, 8);
    info(7);
    c.setup(state());
    dice.push(c.pips);
    evaluate(c.item, "001");
    EXPECT_FALSE(state().conditions.TestPending) << c.item;
    EXPECT_EQ(0u, dice.remaining()) << c.item << ": every scripted die is rolled";
    EXPECT_EQ(c.holds ? TextList{"1"} : TextList{}, offered()) << c.item;
  }
};

TEST_F(ConditionDiceTest, RollItems) {
  const DiceCase cases[] = {
      {"D105.", {5, 1, 1}, true},
      {"D105.", {4, 5, 5}, false},
      {"D203-08", {1, 2, 6, 6, 6, 6}, true},
      {"D203-08", {4, 5, 1, 1, 1, 1}, false},
      {"D203-08", {4, 4, 1, 1, 1, 1}, true},
      {"D420-24", {6, 6, 6, 6, 1, 1, 1, 1, 1, 1, 1, 1}, true},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionDiceTest, CharacteristicAgainstRolls) {
  auto held = [](GameState& s) { s.knowledge.InfoList = {"007"}; };
  const DiceCase cases[] = {
      // Skill 4 against each of three one-die rolls: all must hold.
      {"VD01>=13", {4, 3, 2}, true},
      {"VD01>=13", {4, 5, 1}, false},
      // Against the running totals 2, 2+1, 2+1+1.
      {"VT01>=13", {2, 1, 1}, true},
      {"VT01>=13", {2, 1, 2}, false},
      // One comparison is enough.
      {"VD01NK13", {5, 6, 3}, true},
      {"VD01NK13", {4, 5, 6}, false},
      {"VD01N>13", {6, 6, 4}, true},
      // A two-dice roll, one comparison.
      {"VD02==21", {4, 6, 1, 1, 1, 1}, true},
      // A modifier of +1 while information 007 is held: 4 >= 3 + 1.
      {"VI01>=11+1+007", {3, 6, 6}, true, held},
      {"VI01>=11+1+007", {4, 6, 6}, false, held},
      {"VI01>=11+1+007", {4, 6, 6}, true},
      // A modifier of -2 while it is not held: 4 >= 6 - 2.
      {"VI01>=11-2-007", {6, 1, 1}, true},
      {"VI01>=11-2-007", {6, 1, 1}, false, held},
      // Any other character at position 11 means no modifier.
      {"VI01>=11+3*007", {5, 1, 1}, false, held},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionDiceTest, FurtherRollsAreShownBesideTheAction) {
  dice.push({4, 3, 2});
  characteristic(1, 4);
  evaluate("VD01>=13", "001");
  EXPECT_EQ("4,3,2", game.screen.DKEredmenyLabel(1).text());
  EXPECT_EQ(TextList{"1"}, offered());
}

TEST_F(ConditionDiceTest, ParityItems) {
  const DiceCase cases[] = {
      {"EDP01", {3, 2, 2}, true},
      {"EDR01", {3, 2, 2}, false},
      {"EDR22", {2, 4, 1}, true},
      {"EDR22", {2, 3, 1}, false},
      {"EDP12", {2, 3, 6}, true},
      {"EDP12", {1, 3, 6}, false},
      {"EDP33", {1, 3, 5}, true},
      {"EDP33", {1, 3, 4}, false},
      {"EDR23", {2, 3, 4}, true},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionDiceTest, ParityItemsOutsideTheirFormSetNothing) {
  for (const char* item : {"EDX12", "EDP32", "EDP02", "EDR14"}) {
    state().ResetPerGame();
    dice.push({2, 4, 6});
    state().conditions.ConditionMet = true;
    conditions().FeltetelFelbontas(item, "001");
    EXPECT_EQ(TextList{"1"}, offered()) << item << " must leave the verdict as it was";
  }
}

TEST_F(ConditionDiceTest, LuckItems) {
  auto luck = [](int value) {
    return [value](GameState& s) {
      s.values.Luck = value;
      s.values.LuckMin = 0;
    };
  };
  const DiceCase cases[] = {
      {"S10", {3, 4}, true, luck(8)},
      {"S10", {5, 4}, false, luck(8)},
      {"S11", {5, 4}, true, luck(8)},
      // Two-fold: 3+4 <= 8, then 4+3 <= 7.
      {"S20", {3, 4, 4, 3}, true, luck(8)},
      {"S20", {3, 4, 4, 4}, false, luck(8)},
      // A failed first test rolls no second time.
      {"S20", {5, 4}, false, luck(8)},
      // Three-fold: the third roll is always made.
      {"S30", {1, 1, 1, 1, 1, 1}, true, luck(8)},
      {"S30", {6, 6, 1, 1}, false, luck(8)},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionDiceTest, OneLuckTestAndOneRollServeEveryGroup) {
  state().values.Luck = 8;
  characteristic(3, 8);
  dice.push({3, 4});  // lucky
  evaluate("S10#S11#S10", "001002003");
  EXPECT_EQ((TextList{"1", "3"}), offered());
  dice.push({5, 2, 3});
  state().navigation.NextChapterList.clear();
  // The second group asks for two dice, but the one-die roll already made decides it.
  evaluate("D105.#D205.#D106.#D102-06", "001002003004");
  EXPECT_EQ((TextList{"1", "2", "4"}), offered()) << "the first roll decides every group";
  EXPECT_EQ(0u, dice.remaining());
}

}  // namespace
}  // namespace zrx::test
