#include <gtest/gtest.h>

#include "battle_math.h"
#include "scripted_dice.h"

namespace zrx {
namespace {

TEST(BattleMath, DifficultyAdjustmentRoundsExtendedProductsHalfToEven) {
  struct Case {
    int value, difficulty, percent, expected;
  };
  const Case cases[] = {
      {30, 2, 105, 31},  // 1.05 is held slightly below itself: 31.4999... gives 31
      {25, 2, 118, 29},
      {75, 2, 106, 79},
      {10, 2, 125, 12},  // an exact half goes to the even neighbour
      {10, 2, 75, 8},
      {20, 2, 100, 20},
      {10, 0, 0, 8},     // 8.5
      {30, 0, 0, 26},    // 25.5
      {9, 0, 0, 8},
      {7, 0, 0, 6},
      {5, 0, 0, 4},
      {10, 1, 0, 10},
      {0, 2, 125, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, adjustToDifficulty(c.value, c.difficulty, c.percent))
        << c.value << " at difficulty " << c.difficulty << ", " << c.percent << " %";
  }
}

TEST(BattleMath, RoundHalfEven) {
  EXPECT_EQ(0.0L, roundHalfEven(0.5L));
  EXPECT_EQ(2.0L, roundHalfEven(1.5L));
  EXPECT_EQ(2.0L, roundHalfEven(2.5L));
  EXPECT_EQ(3.0L, roundHalfEven(2.5000001L));
  EXPECT_EQ(2.0L, roundHalfEven(2.4999999L));
}

TEST(BattleMath, DifficultyPercentIsUniformOverSeventyFiveToOneHundredTwentyFive) {
  struct Case {
    std::initializer_list<int> pips;
    int expected;
  };
  const Case cases[] = {
      {{1, 1, 1}, 75},
      {{1, 6, 1}, 105},           // 30
      {{2, 3, 3}, 125},           // 50
      {{2, 3, 4}, 75},            // 51 wraps
      {{6, 6, 6, 1, 1, 2}, 76},   // 215 is beyond the fair range: rolled again
  };
  for (const Case& c : cases) {
    test::ScriptedDice dice(c.pips);
    EXPECT_EQ(c.expected, drawDifficultyPercent(dice));
    EXPECT_EQ(0u, dice.remaining());
  }
}

TEST(BattleMath, TalliesAreTwoDigitTotalsWithTheCharacteristic) {
  EXPECT_EQ("1202", tallyAdd(tallyAdd("", 5, "02"), 7, "02"));
  EXPECT_EQ("0302", tallyAdd("", 3, "02"));
  EXPECT_EQ("0104", tallyAdd("0304", -2, "04"));
  EXPECT_EQ(0, tallyTotal(""));
  EXPECT_EQ(12, tallyTotal("1202"));
  // Totals beyond two digits are clamped into them.
  EXPECT_EQ("9902", tallyAdd("9502", 7, "02"));
  EXPECT_EQ("0002", tallyAdd("0202", -5, "02"));
  EXPECT_EQ("0002", tallyAdd("", -1, "02"));
}

TEST(BattleMath, WoundLines) {
  struct Case {
    int life, skill;
    const char* expected;
  };
  const Case cases[] = {
      {2, 0, "Veszítesz 2 Életerő pontot!"},
      {2, 1, "Veszítesz 2 Életerő és 1 Ügyesség pontot!"},
      {0, 1, "Veszítesz 1 Ügyesség pontot!"},
      {0, 0, "Veszítesz "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, woundLine("Veszítesz ", c.life, c.skill, "Életerő", "Ügyesség")) << c.expected;
  }
  EXPECT_EQ("Ellenfeled veszít 3 Kitartás és 2 Erő pontot!", woundLine("Ellenfeled veszít ", 3, 2, "Kitartás", "Erő"));
}

TEST(BattleMath, FlightRules) {
  struct Case {
    const char* code;
    int rounds;
    bool afterRound;
  };
  const Case cases[] = {
      {"3<", 2, false}, {"3<", 3, true}, {"3<", 7, true},  {"2>", 2, true},  {"2>", 3, false},
      {"2M", 4, true},  {"2M", 3, false}, {"0N", 0, false}, {"1N", 5, true},  {"", 1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.afterRound, flightAvailableAfterRound(c.code, c.rounds)) << c.code << " after " << c.rounds;
  }
  EXPECT_TRUE(flightAvailableAtLoad("1N"));
  EXPECT_TRUE(flightAvailableAtLoad("2>"));
  EXPECT_FALSE(flightAvailableAtLoad("3<"));
  EXPECT_FALSE(flightAvailableAtLoad("0N"));
  EXPECT_FALSE(flightAllowed("0<"));
  EXPECT_TRUE(flightAllowed("3<"));
}

TEST(BattleMath, Periods) {
  EXPECT_TRUE(periodDue(1, 3));
  EXPECT_TRUE(periodDue(2, 4));
  EXPECT_FALSE(periodDue(2, 3));
  EXPECT_FALSE(periodDue(0, 0));  // a period "0" is never due
}

}  // namespace
}  // namespace zrx
