#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "dice.h"
#include "game_fixture.h"

namespace zrx {
namespace {

using test::ScriptedDice;
using test::ScriptedUi;
using Kind = test::UiEvent::Kind;

TEST(Dice, UniformPicksDrawTheFewestDiceAndRethrowTheTop) {
  struct Case {
    int count;
    std::vector<int> pips;
    int expected;
  };
  const Case cases[] = {
      {1, {}, 0},                  // nothing to choose: no die
      {3, {5}, 1},                 // one die covers three values: 4 % 3
      {6, {6}, 5},
      {7, {2, 3}, 1},              // two dice: (1 * 6 + 2) % 7
      {7, {6, 6, 1, 1}, 0},        // 35 lies above the last full set of seven: thrown again
      {51, {1, 1, 2}, 1},          // the "Véletlen" percentages need three dice
  };
  for (const Case& c : cases) {
    ScriptedDice dice;
    for (int p : c.pips) dice.push({p});
    EXPECT_EQ(c.expected, dice.uniform(c.count)) << "count " << c.count;
    EXPECT_EQ(0u, dice.remaining()) << "count " << c.count;
  }
}

TEST(Dice, SeededDiceRepeatTheirSequence) {
  SeededDice a(42), b(42);
  std::array<int, 7> seen{};
  for (int i = 0; i < 300; ++i) {
    const int pips = a.roll("");
    ASSERT_EQ(pips, b.roll(""));
    ASSERT_GE(pips, 1);
    ASSERT_LE(pips, 6);
    ++seen[static_cast<std::size_t>(pips)];
    ASSERT_EQ(a.uniform(10), b.uniform(10));
  }
  for (int f = 1; f <= 6; ++f) EXPECT_GT(seen[static_cast<std::size_t>(f)], 0) << "face " << f;
}

TEST(Dice, ParsePipsTakesOneFaceOnly) {
  struct Case {
    const char* text;
    int pips;
  };
  const Case cases[] = {{"1", 1}, {" 6 ", 6}, {"4\r", 4}, {"0", 0}, {"7", 0},
                        {"", 0},  {"12", 0},  {"x", 0},   {"-3", 0}, {"3.", 0}};
  for (const Case& c : cases) EXPECT_EQ(c.pips, ParsePips(c.text)) << '"' << c.text << '"';
}

TEST(Dice, ManualDiceAskUntilAFaceIsTypedAndLeavePicksToTheProgram) {
  ScriptedUi ui;
  ScriptedDice picks{3};
  ManualDice dice(ui, picks);
  for (const char* typed : {"hét", "9", "", "5"}) ui.type(typed);
  EXPECT_EQ(5, dice.roll("Sebzés"));
  ASSERT_EQ(4u, ui.eventsOf(Kind::DieThrow).size());
  for (const auto& e : ui.eventsOf(Kind::DieThrow)) EXPECT_EQ(std::vector<std::string>{"Sebzés"}, e.lines);
  EXPECT_EQ(2, dice.uniform(6));  // from the program's own source, no question asked
  EXPECT_EQ(4u, ui.eventsOf(Kind::DieThrow).size());
}

class RollPurposes : public test::GameFixture {
 protected:
  RollPurposes() { loader.useMinimalBook(); }
};

TEST_F(RollPurposes, CharacterCreationNamesEveryDie) {
  startGame(1, {3, 4, 5, 6});
  ASSERT_TRUE(game.state.GameLoaded);
  EXPECT_EQ((std::vector<std::string>{"Ügyesség", "Életerő", "Életerő", "Szerencse"}), dice.purposes());
}

TEST_F(RollPurposes, EveryDieOfAManyDiceRollCarriesThePurpose) {
  dice.push({1, 2, 3});
  EXPECT_EQ(6, game.KockaDobas(3, false, "Dobás próba, 1. eredmény"));
  EXPECT_EQ(std::vector<std::string>(3, "Dobás próba, 1. eredmény"), dice.purposes());
}

}  // namespace
}  // namespace zrx
