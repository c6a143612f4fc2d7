#include "record_store.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

TEST(RecordStore, FirstRecordWithANumberWins) {
  InventoryStore items;
  items.Insert({.Number = 7, .Name = "Kard"});
  items.Insert({.Number = 7, .Name = "Pajzs"});
  EXPECT_EQ("Kard", items.Find(7).Name);
  EXPECT_EQ(1u, items.size());
}

TEST(RecordStore, AbsentNumbersReportMinusTwo) {
  ChapterStore chapters;
  EXPECT_EQ(kAbsentRecord, chapters.Find(0).Number);
  chapters.Insert({.Number = 1});
  EXPECT_EQ(kAbsentRecord, chapters.Find(2).Number);
  chapters.Clear();
  EXPECT_EQ(kAbsentRecord, chapters.Find(1).Number);
}

TEST(RecordStore, InfoTimeOperators) {
  struct Case { char op; int value; int expected; };
  const Case cases[] = {{'+', 3, 8}, {'-', 2, 3}, {'=', 0, 0}, {'*', 9, 5}, {' ', 9, 5}};
  for (const auto& c : cases) {
    InfoStore infos;
    infos.Insert({.Number = 1, .Time = 5});
    infos.ChangeTime(1, c.op, c.value);
    EXPECT_EQ(c.expected, infos.Find(1).Time) << "operator '" << c.op << "'";
  }
}

TEST(RecordStore, BaseValueSelectors) {
  BaseValueStore values;
  values.Insert({.Number = 1, .Current = 9, .Minimum = 1, .Start = 12});
  values.Set(1, 1, -3);
  EXPECT_EQ(0, values.Find(1).Current);
  values.Set(1, 2, 20);
  EXPECT_EQ(20, values.Find(1).Start);
  values.Set(1, 3, 4);
  EXPECT_EQ(4, values.Find(1).Minimum);
  values.Set(1, 4, 99);
  EXPECT_EQ((TBaseValueRec{.Number = 1, .Current = 0, .Minimum = 4, .Start = 20}), values.Find(1));
}

TEST(RecordStore, MagicSkillSelectorsAndCounts) {
  MagicSkillStore spells;
  spells.Insert({.Number = 3, .Level = 1, .Uses = 2});
  spells.Change(3, 'S', 4);
  spells.Change(3, 'K', 0);
  spells.Change(3, 'X', 9);
  EXPECT_EQ(4, spells.Find(3).Level);
  EXPECT_EQ(0, spells.Find(3).Uses);

  InventoryStore items;
  items.Insert({.Number = 2, .Count = 1});
  items.SetCount(2, 40);
  EXPECT_EQ(40, items.Find(2).Count);
}

TEST(RecordStore, UpdatingAnAbsentNumberChangesNothing) {
  BookStores stores;
  stores.items.SetCount(5, 1);
  stores.infos.ChangeTime(5, '+', 1);
  stores.magicSkills.Change(5, 'S', 1);
  stores.baseValues.Set(5, 1, 1);
  EXPECT_TRUE(stores.items.empty());
  EXPECT_TRUE(stores.infos.empty());
  EXPECT_TRUE(stores.magicSkills.empty());
  EXPECT_TRUE(stores.baseValues.empty());
}

}  // namespace
}  // namespace zrx
