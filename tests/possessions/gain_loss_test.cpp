#include <gtest/gtest.h>

#include "possessions_fixture.h"

namespace zrx::test {
namespace {

class GainLoss : public PossessionsFixture {
 protected:
  GainLoss() {
    addItem({.Number = 7, .Name = "Rozsdás kard", .UseCode = "K01+F2", .Category = 1});
    addItem({.Number = 8, .Name = "Tőr", .UseCode = "K01-F1", .Category = 1});
    addItem({.Number = 9, .Name = "Amulett", .Category = 7, .Unique = 1});
    addItem({.Number = 12, .Name = "Arany", .Category = 0});
    addItem({.Number = 13, .Name = "Sisak", .UseCode = "K02-F5K01+F1", .Category = 4, .Unique = 1});
  }
};

TEST_F(GainLoss, GainRuleCountsAndLists) {
  struct Step { const char* name; int item; int pieces; int expectedCount; TextList expectedHeld; };
  const Step steps[] = {
      {"first gold", 12, 5, 5, {"012"}},
      {"more gold adds without a new line", 12, 3, 8, {"012"}},
      {"unique item: three pieces give one", 9, 3, 1, {"012", "009"}},
      {"unique item already held: nothing", 9, 1, 1, {"012", "009"}},
      {"weapon appended at the end", 7, 1, 1, {"012", "009", "007"}},
  };
  for (const Step& s : steps) {
    equipment.gainItem(s.item, s.pieces);
    EXPECT_EQ(s.expectedCount, count(s.item)) << s.name;
    EXPECT_EQ(s.expectedHeld, held()) << s.name;
    EXPECT_EQ(held().size(), shownItems().size()) << s.name;
  }
  EXPECT_EQ((std::vector<std::string>{"Arany", "Amulett", "Rozsdás kard"}), shownItems());
}

TEST_F(GainLoss, FirstWeaponGoesInUseSecondIsMerelyHeld) {
  equipment.gainItem(7, 1);
  EXPECT_EQ(7, inUse(1));
  EXPECT_EQ(12, value(1).Start);
  EXPECT_EQ(12, game.state.values.SkillStart) << "the main start value follows its record";
  EXPECT_EQ("12", game.screen.LabelSkillTextStart.text());
  EXPECT_EQ(10, value(1).Current) << "modifiers change start values only";
  EXPECT_TRUE(game.state.changes.CharacteristicsChanged);

  equipment.gainItem(8, 1);
  EXPECT_EQ(7, inUse(1)) << "a second weapon does not replace the one in use";
  EXPECT_EQ(12, value(1).Start);
}

TEST_F(GainLoss, LosingTheWeaponInUseEmptiesTheSlot) {
  equipment.gainItem(7, 1);
  equipment.gainItem(8, 1);
  equipment.loseItem(7, 1);
  EXPECT_EQ(0, inUse(1)) << "the other weapon is not put in use by itself";
  EXPECT_EQ(10, value(1).Start);
  EXPECT_EQ((TextList{"008"}), held());
  EXPECT_EQ((std::vector<std::string>{"Tőr"}), shownItems());
}

TEST_F(GainLoss, LossRuleKeepsPiecesAboveZeroAndNeverGoesNegative) {
  equipment.gainItem(12, 10);
  equipment.gainItem(7, 1);
  equipment.loseItem(12, 4);
  EXPECT_EQ(6, count(12));
  EXPECT_EQ((TextList{"012", "007"}), held());
  equipment.loseItem(12, 9);
  EXPECT_EQ(0, count(12)) << "giving up more than held leaves none";
  EXPECT_EQ((TextList{"007"}), held());
  EXPECT_EQ((std::vector<std::string>{"Rozsdás kard"}), shownItems());
}

TEST_F(GainLoss, NoPiecesGainedOrLostChangesNothing) {
  equipment.gainItem(7, 0);
  equipment.gainItem(12, -2);
  EXPECT_TRUE(held().empty());
  EXPECT_EQ(0, count(7));
  EXPECT_EQ(0, inUse(1));
  equipment.gainItem(12, 3);
  equipment.loseItem(12, 0);
  equipment.loseItem(12, -4);
  EXPECT_EQ(3, count(12));
}

TEST_F(GainLoss, TwoGroupModifierWithMinimumFloor) {
  setValue({.Number = 2, .Current = 3, .Minimum = 0, .Start = 3});
  equipment.gainItem(13, 1);  // K02-F5K01+F1
  EXPECT_EQ(13, inUse(4));
  EXPECT_EQ(0, value(2).Start) << "3 - 5 is held at the minimum";
  EXPECT_EQ(11, value(1).Start);
  equipment.loseItem(13, 1);
  EXPECT_EQ(5, value(2).Start) << "taking the item off adds the full 5 back";
  EXPECT_EQ(10, value(1).Start);
  EXPECT_EQ(5, game.state.values.StaminaStart);
}

TEST_F(GainLoss, SelectionFollowsRemovedLines) {
  equipment.gainItem(12, 1);
  equipment.gainItem(9, 1);
  equipment.gainItem(7, 1);
  selectItem("007");
  equipment.loseItem(9, 1);
  EXPECT_EQ(1, game.screen.ListBox_FT.selection());
  EXPECT_EQ("007", held()[1]);
  EXPECT_EQ("Rozsdás kard", shownItems()[1]);
}

TEST_F(GainLoss, DirectCountChanges) {
  struct Case { const char* name; int item; int before; int newCount; int expectedCount; bool expectedHeld; int expectedInUse; };
  const Case cases[] = {
      {"not held, set to 2", 7, 0, 2, 2, true, 7},
      {"unique capped at 1", 9, 0, 5, 1, true, 0},
      {"held, set to 0", 7, 1, 0, 0, false, 0},
      {"held, below 0 gives 0", 12, 3, -6, 0, false, 0},
      {"not held, set to 0: nothing", 12, 0, 0, 0, false, 0},
      {"held, raised", 12, 2, 9, 9, true, 0},
  };
  for (const Case& c : cases) {
    game.state.equipment = {};
    game.screen.ListBox_FT.clearItems();
    game.stores.items.SetCount(c.item, 0);
    if (c.before > 0) equipment.gainItem(c.item, c.before);
    equipment.setHeldCount(c.item, c.newCount);
    EXPECT_EQ(c.expectedCount, count(c.item)) << c.name;
    EXPECT_EQ(c.expectedHeld, equipment.holds(c.item)) << c.name;
    EXPECT_EQ(held().size(), shownItems().size()) << c.name;
    EXPECT_EQ(c.expectedInUse, inUse(1)) << c.name;
  }
}

TEST_F(GainLoss, EquipAndLockSwitchesAndLocks) {
  equipment.gainItem(7, 1);
  equipment.gainItem(8, 1);
  equipment.equipAndLock(8);
  EXPECT_EQ(8, inUse(1));
  EXPECT_EQ(9, value(1).Start) << "K01+F2 reversed, K01-F1 applied";
  EXPECT_TRUE(game.state.equipment.SlotLocked[1]);

  game.state.equipment.SlotLocked = {};
  equipment.equipAndLock(8);
  EXPECT_EQ(9, value(1).Start) << "already in use: modifiers untouched";
  EXPECT_TRUE(game.state.equipment.SlotLocked[1]) << "but the slot is locked again";
}

TEST_F(GainLoss, EquipAndLockIgnoresItemsNotHeldOrWithoutSlot) {
  equipment.equipAndLock(7);
  EXPECT_EQ(0, inUse(1));
  EXPECT_FALSE(game.state.equipment.SlotLocked[1]);
  equipment.gainItem(9, 1);
  equipment.equipAndLock(9);
  EXPECT_EQ((std::array<bool, 7>{}), game.state.equipment.SlotLocked);
}

TEST_F(GainLoss, ReplaceHeldKeepsPositionAndCount) {
  equipment.gainItem(12, 4);
  equipment.gainItem(9, 1);
  selectItem("009");
  equipment.replaceHeld(12, 8);
  EXPECT_EQ(1, game.screen.ListBox_FT.selection());
  EXPECT_EQ((TextList{"008", "009"}), held());
  EXPECT_EQ((std::vector<std::string>{"Tőr", "Amulett"}), shownItems());
  EXPECT_EQ(4, count(8));
  EXPECT_EQ(0, count(12));
  EXPECT_EQ(0, inUse(1)) << "in-use state is not touched";

  equipment.replaceHeld(8, 9);
  EXPECT_EQ((TextList{"008", "009"}), held()) << "the new item is held already";
}

TEST_F(GainLoss, UnknownItemHasNoCategoryEffects) {
  equipment.TargyErtekVizsgalat(404, '+');
  equipment.TargyErtekValtoztatas(404, '+');
  EXPECT_EQ((std::array<int, 7>{}), game.state.equipment.EquippedItems);
  EXPECT_FALSE(game.state.changes.CharacteristicsChanged);
}

}  // namespace
}  // namespace zrx::test
