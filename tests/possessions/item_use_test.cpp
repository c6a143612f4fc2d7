#include <gtest/gtest.h>

#include "book_code.h"
#include "possessions_fixture.h"

namespace zrx::test {
namespace {

// Characteristic numbers of the fixture: 1 Ügyesség (10/10), 2 Életerő (15 of 20),
// 3 Szerencse (8 of 9), 5 Félelem (counts up: 6, limit 12, fatal).
class ItemUse : public PossessionsFixture {
 protected:
  void useOnce(const std::string& code, std::initializer_list<int> pips = {}) {
    dice.push(pips);
    addItem({.Number = 20, .Name = "Ital", .Count = 0, .UseCode = code, .Category = 8});
    game.stores.items.SetCount(20, 0);
    equipment.gainItem(20, 2);
    equipment.TargyFelhasznalas(code, 20);
  }
};

TEST_F(ItemUse, EffectsPerKindAndOperator) {
  struct Case {
    const char* code;
    std::initializer_list<int> pips;
    int characteristic;
    int expectedCurrent;
    int expectedStart;
  };
  const Case cases[] = {
      {"A01+05", {}, 1, 10, 10},  // +5 then checked back to the start value
      {"A02+03", {}, 2, 18, 20},
      {"A02+09", {}, 2, 20, 20},  // the check clamps at the start value
      {"A05+03", {}, 5, 6, 12},   // raising a value that counts up: nothing
      {"A05-04", {}, 5, 2, 12},
      {"A02-04", {}, 2, 15, 20},  // lowering an ordinary value: nothing
      {"A05=03", {}, 5, 3, 12},
      {"A05=40", {}, 5, 6, 12},   // not below the limit: nothing
      {"A02=17", {}, 2, 17, 20},
      {"A02D02", {3, 1}, 2, 19, 20},
      {"A05D01", {4}, 5, 2, 12},
      {"A05X00", {}, 5, 6, 12},   // unknown operator
      {"A05AA0", {}, 5, 0, 12},   // "A" kind: down to the minimum
      {"A02AA0", {}, 2, 15, 20},  // "A" kind on an ordinary value: nothing
      {"A02FF0", {}, 2, 20, 20},  // "F" kind: a fresh start value
      {"A02FF1", {}, 2, 21, 21},
      {"A02FF2", {}, 2, 22, 22},
      {"A05FF1", {}, 5, 6, 12},   // "F" on a value that counts up: nothing
      {"A03+H0", {}, 3, 9, 9},    // half of 9 is 4 (even), 8 + 4 checked back to 9
  };
  for (const Case& c : cases) {
    setValue({.Number = 2, .Current = 15, .Minimum = 0, .Start = 20});
    setValue({.Number = 5, .Current = 6, .Minimum = 0, .Start = 12});
    setValue({.Number = 1, .Current = 10, .Minimum = 0, .Start = 10});
    setValue({.Number = 3, .Current = 8, .Minimum = 0, .Start = 9});
    useOnce(c.code, c.pips);
    EXPECT_EQ(c.expectedCurrent, value(c.characteristic).Current) << c.code;
    EXPECT_EQ(c.expectedStart, value(c.characteristic).Start) << c.code;
    EXPECT_EQ(1, count(20)) << c.code << ": one piece is consumed in every case";
    EXPECT_EQ(0u, dice.remaining()) << c.code;
  }
}

TEST_F(ItemUse, HalfStartRoundsHalvesToEven) {
  struct Case { int start; int current; int expected; };
  // A02H0 adds half the start value: 9 / 2 = 4.5 -> 4, 11 / 2 = 5.5 -> 6.
  const Case cases[] = {{9, 1, 5}, {11, 1, 7}, {10, 2, 7}, {1, 0, 0}, {3, 0, 2}, {0, 0, 0}};
  for (const Case& c : cases) {
    setValue({.Number = 2, .Current = static_cast<std::uint8_t>(c.current), .Minimum = 0,
              .Start = static_cast<std::uint8_t>(c.start)});
    useOnce("A02+H0");
    EXPECT_EQ(c.expected, value(2).Current) << "start " << c.start << ", current " << c.current;
    EXPECT_EQ(c.expected, game.state.values.Stamina) << "written back to the game state";
  }
}

TEST_F(ItemUse, WorkingAmountCarriesToTheSecondGroup) {
  // Group 1 ("H" on a value that counts up) only computes the half; group 2 ("A" with a
  // digit other than 0) sets the value that counts up to that carried amount.
  setValue({.Number = 5, .Current = 9, .Minimum = 0, .Start = 12});
  useOnce("A05+H0A05AA9");
  EXPECT_EQ(6, value(5).Current);
}

TEST_F(ItemUse, TwoGroupsActInOrder) {
  useOnce("A02+05A05-02");
  EXPECT_EQ(20, value(2).Current);
  EXPECT_EQ(4, value(5).Current);
  EXPECT_EQ("20", game.screen.LabelStaminaTextNow.text());
  EXPECT_EQ("4", game.screen.LabelBV(1, "TextNow").text());
}

TEST_F(ItemUse, DiceAreShownOneByOne) {
  useOnce("A02D03", {1, 2, 3});
  EXPECT_EQ(20, value(2).Current);  // 15 + 6, checked back to 20
  for (int slot = 1; slot <= 3; ++slot) {
    EXPECT_TRUE(game.screen.ImageDE(1, slot).visible()) << slot;
    EXPECT_EQ(slot, game.screen.ImageDE(1, slot).picture().index) << slot;
  }
}

TEST_F(ItemUse, LastPieceLeavesTheLists) {
  addItem({.Number = 21, .Name = "Gyógyfű", .UseCode = "A02+02", .Category = 8});
  equipment.gainItem(21, 1);
  equipment.TargyFelhasznalas("A02+02", 21);
  EXPECT_EQ(17, value(2).Current);
  EXPECT_EQ(0, count(21));
  EXPECT_TRUE(held().empty());
  EXPECT_TRUE(shownItems().empty());
}

TEST_F(ItemUse, MalformedCodesChangeNothing) {
  const char* codes[] = {"A02+0", "A0X+05", "A02+05A02", "A02+5X", "A02+05A02+0"};
  for (const char* code : codes) {
    addItem({.Number = 22, .Name = "Rossz", .UseCode = code, .Category = 8});
    game.stores.items.SetCount(22, 0);
    equipment.gainItem(22, 1);
    EXPECT_THROW(equipment.TargyFelhasznalas(code, 22), BookCodeError) << code;
    EXPECT_EQ(15, value(2).Current) << code;
    EXPECT_EQ(1, count(22)) << code << ": no piece is consumed";
    equipment.loseItem(22, 1);
  }
}

}  // namespace
}  // namespace zrx::test
