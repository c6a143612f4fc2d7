// Every condition item code that reads the game state without dice, one row per case.
#include <functional>

#include "book_code.h"
#include "rules_fixture.h"

namespace zrx::test {
namespace {

enum class Verdict { Holds, Fails, Unchanged };

struct ItemCase {
  const char* item;
  std::function<void(GameState&, BookStores&)> setup;
  Verdict expected;
};

void path(GameState& s, TextList visited) { s.navigation.VisitedPath = std::move(visited); }
void none(GameState&, BookStores&) {}

class ConditionItemTest : public RulesFixture {
 protected:
  // Evaluates the item once with the verdict preset to false and once preset to true.
  void check(const ItemCase& c) {
    for (const bool preset : {false, true}) {
      state().ResetPerGame();
      game.stores.ClearAll();
      c.setup(state(), game.stores);
      state().conditions.ConditionMet = preset;
      conditions().FeltetelEllenorzes(c.item);
      EXPECT_FALSE(state().conditions.TestPending) << c.item;
      const bool met = state().conditions.ConditionMet;
      switch (c.expected) {
        case Verdict::Holds: EXPECT_TRUE(met) << c.item << " (preset " << preset << ")"; break;
        case Verdict::Fails: EXPECT_FALSE(met) << c.item << " (preset " << preset << ")"; break;
        case Verdict::Unchanged: EXPECT_EQ(preset, met) << c.item << " must leave the verdict"; break;
      }
    }
  }
};

TEST_F(ConditionItemTest, BattleOutcomeItems) {
  auto won = [](bool w) { return [w](GameState& s, BookStores&) { s.battle.LastBattleWon = w; }; };
  auto fled = [](bool f) { return [f](GameState& s, BookStores&) { s.battle.LastBattleFled = f; }; };
  const ItemCase cases[] = {
      {"C0", won(true), Verdict::Holds},   {"C0", won(false), Verdict::Fails},
      {"C1", won(false), Verdict::Holds},  {"C1", won(true), Verdict::Fails},
      {"C2", won(true), Verdict::Unchanged},
      {"M0", fled(true), Verdict::Holds},  {"M0", fled(false), Verdict::Fails},
      {"M1", fled(false), Verdict::Holds}, {"M1", fled(true), Verdict::Fails},
      {"M9", fled(true), Verdict::Unchanged},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionItemTest, VisitedPathItems) {
  auto visited = [](TextList p) { return [p](GameState& s, BookStores&) { path(s, p); }; };
  const ItemCase cases[] = {
      {"FF+005", visited({"3", "5", "7"}), Verdict::Holds},
      {"FF+007", visited({"3", "5", "7"}), Verdict::Fails},
      {"FF-007", visited({"3", "5", "7"}), Verdict::Holds},
      {"FF*005", visited({"3", "5", "7"}), Verdict::Fails},  // only "+" affirms
      {"FF+MAX", visited({"1000", "2"}), Verdict::Holds},
      {"FF-MAX", visited({"1000", "2"}), Verdict::Fails},
      // Without a previous chapter point neither sign holds.
      {"FF+005", visited({"5"}), Verdict::Fails},
      {"FF-005", visited({"5"}), Verdict::Fails},
      {"FF-005", visited({}), Verdict::Fails},
      {"FT+005", visited({"3", "5", "7"}), Verdict::Holds},
      {"FT-005", visited({"3", "5", "7"}), Verdict::Fails},
      {"FT*009", visited({"3", "5", "7"}), Verdict::Fails},  // only "-" negates
      {"FT-009", visited({"3", "5", "7"}), Verdict::Holds},
      {"FT-MAX", visited({"1", "2"}), Verdict::Holds},
      {"FT-MAX", visited({"1", "1000"}), Verdict::Fails},
      {"FX+005", visited({"5", "5"}), Verdict::Unchanged},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionItemTest, InformationItemsDecidedWithoutWaiting) {
  auto infos = [](TextList shown, TextList hidden) {
    return [shown, hidden](GameState& s, BookStores& b) {
      b.infos.Insert({.Number = 4, .InfoFlag = 1});
      b.infos.Insert({.Number = 5, .InfoFlag = 0});
      s.knowledge.InfoList = shown;
      s.knowledge.HiddenInfoList = hidden;
    };
  };
  const ItemCase cases[] = {
      {"I+004", infos({}, {"004"}), Verdict::Holds},
      {"I-004", infos({}, {"004"}), Verdict::Fails},
      {"I-004", infos({"004"}, {}), Verdict::Holds},  // a hidden one counts only in the hidden list
      {"I+004", infos({"004"}, {}), Verdict::Fails},
      {"I+005", infos({}, {}), Verdict::Fails},
      {"I-005", infos({}, {}), Verdict::Holds},
      {"I*005", infos({}, {}), Verdict::Holds},       // any sign but "+" negates
      {"I-005", infos({"005"}, {}), Verdict::Fails},
      {"I+005", infos({}, {"005"}), Verdict::Fails},  // a visible one counts only in the visible list
      {"I+009", infos({}, {}), Verdict::Fails},       // an absent record is a visible one
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionItemTest, EquipmentItems) {
  auto counts = [](std::vector<std::pair<int, int>> held) {
    return [held](GameState&, BookStores& b) {
      for (const auto& [n, count] : held) b.items.Insert({.Number = n, .Count = count});
    };
  };
  const ItemCase cases[] = {
      {"K2001002", counts({{1, 1}, {2, 3}}), Verdict::Holds},
      {"K2001002", counts({{1, 1}, {2, 0}}), Verdict::Fails},
      {"K2001002", counts({{1, 1}}), Verdict::Fails},  // an absent record counts 0
      {"K3001002003", counts({{1, 1}, {2, 1}, {3, 1}}), Verdict::Holds},
      {"K3001002003", counts({{1, 1}, {2, 1}, {3, 0}}), Verdict::Fails},
      {"K4001002003004", counts({{1, 1}, {2, 1}, {3, 1}, {4, 1}}), Verdict::Unchanged},
      {"Y2004005006", counts({{4, 1}, {5, 2}, {6, 0}}), Verdict::Holds},
      {"Y2004005006", counts({{4, 1}, {5, 1}, {6, 1}}), Verdict::Fails},
      {"Y1004", counts({{4, 1}}), Verdict::Holds},
      {"Y1", counts({{4, 1}}), Verdict::Fails},
      {"T001==003", counts({{1, 3}}), Verdict::Holds},
      {"T001>>003", counts({{1, 3}}), Verdict::Fails},
      {"T001<=003", counts({{1, 3}}), Verdict::Holds},
      {"T001<>000", counts({{1, 3}}), Verdict::Holds},
      {"T001??003", counts({{1, 3}}), Verdict::Unchanged},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionItemTest, MagicAndSkillItems) {
  auto known = [](TextList list) {
    return [list](GameState& s, BookStores& b) {
      b.magicSkills.Insert({.Number = 1, .IsMagic = 1});
      b.magicSkills.Insert({.Number = 2, .IsMagic = 1});
      b.magicSkills.Insert({.Number = 3, .IsMagic = 0});
      s.knowledge.MagicSkillList = list;
    };
  };
  const ItemCase cases[] = {
      {"P1>=02", known({"001", "002", "003"}), Verdict::Holds},
      {"P1>>02", known({"001", "002", "003"}), Verdict::Fails},  // the skill is no spell
      {"P1==00", known({"003"}), Verdict::Holds},
      {"P2+003", known({"001", "003"}), Verdict::Holds},
      {"P2-003", known({"001", "003"}), Verdict::Fails},
      {"P2-002", known({"001", "003"}), Verdict::Holds},
      {"P2*002", known({"001", "003"}), Verdict::Fails},  // any sign but "-" affirms
      {"P3+001", known({"001"}), Verdict::Unchanged},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionItemTest, CharacteristicItemsWithoutDice) {
  auto values = [](GameState&, BookStores& b) {
    b.baseValues.Insert({.Number = 1, .Current = 12, .Start = 12});
    b.baseValues.Insert({.Number = 5, .Current = 3, .Start = 9});
  };
  const ItemCase cases[] = {
      {"VN01>=10", values, Verdict::Holds},
      {"VN01<<10", values, Verdict::Fails},
      {"VN01==12", values, Verdict::Holds},
      {"VN01NK12", values, Verdict::Fails},
      {"VN01NN13", values, Verdict::Holds},
      {"VN01N<12", values, Verdict::Holds},
      {"VN01N>11", values, Verdict::Fails},
      {"VN05<=03", values, Verdict::Holds},
      {"VN09==00", values, Verdict::Holds},  // an absent characteristic reads 0
      {"VN01=>10", values, Verdict::Unchanged},
      {"VX01>=10", values, Verdict::Unchanged},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionItemTest, CodeLettersOutsideTheTableSetNothing) {
  const ItemCase cases[] = {
      {"Z", none, Verdict::Unchanged},
      {"c0", none, Verdict::Unchanged},
      {"EX12", none, Verdict::Unchanged},
      {"#", none, Verdict::Unchanged},
  };
  for (const auto& c : cases) check(c);
}

TEST_F(ConditionItemTest, MalformedItemsRaiseBookCodeErrors) {
  const char* malformed[] = {
      "",             // no code letter
      "C",            // shorter than its form
      "FT+01",        // chapter field cut short
      "FT+0A1",       // chapter field not a number
      "K2001",        // second item missing
      "Y2004005AB",   // a partial item number
      "T001==",       // count missing
      "VN01>=1",      // number cut short
      "D512.",        // five dice: no action rolls them
      "D012.",        // no dice at all
      "VD01>=14",     // four comparisons
      "VD01>=51",     // five dice
      "ES05>=500+0",  // contest with five dice
      "P2+",          // number missing
      "I+0x1",        // number not a number
  };
  for (const char* item : malformed) {
    EXPECT_THROW(conditions().FeltetelEllenorzes(item), BookCodeError) << '"' << item << '"';
    EXPECT_FALSE(state().conditions.TestPending) << '"' << item << "\" must not wait for a test";
  }
}

}  // namespace
}  // namespace zrx::test
