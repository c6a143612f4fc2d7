#include "characteristics.h"

#include "book_code.h"

#include "game_fixture.h"

namespace zrx::test {
namespace {

class CharacteristicsTest : public GameFixture {
 protected:
  Characteristics characteristics{game};

  void setRecord(const TBaseValueRec& rec) {
    game.stores.baseValues.Insert(rec);
  }
  TBaseValueRec record(int number) const { return game.stores.baseValues.Find(number); }
};

TEST_F(CharacteristicsTest, MainRollsWithTheDifficultyBonus) {
  struct Case {
    const char* name;
    int difficulty;
    std::initializer_list<int> pips;  // skill die, two stamina dice, luck die
    int skill, stamina, luck;
  };
  const Case cases[] = {
      {"easy, low rolls get the bonus", 0, {3, 3, 4, 3}, 12, 24, 12},
      {"easy, skill 9 and stamina 19 still get it", 0, {3, 3, 4, 2}, 12, 24, 11},
      {"easy, skill 10 and stamina 20 do not", 0, {4, 4, 4, 4}, 10, 20, 10},
      {"easy, top rolls", 0, {6, 6, 6, 6}, 12, 24, 12},
      {"easy, lowest rolls", 0, {1, 1, 1, 1}, 10, 19, 10},
      {"normal leaves the rolls", 1, {3, 3, 4, 3}, 9, 19, 9},
      {"random leaves the rolls", 2, {1, 1, 1, 6}, 7, 14, 12},
  };
  for (const Case& c : cases) {
    game.state.Difficulty = c.difficulty;
    dice.push(c.pips);
    characteristics.rollMainCharacteristics();
    EXPECT_EQ(c.skill, game.state.values.Skill) << c.name;
    EXPECT_EQ(c.stamina, game.state.values.Stamina) << c.name;
    EXPECT_EQ(c.luck, game.state.values.Luck) << c.name;
    EXPECT_EQ(0u, dice.remaining()) << c.name;
  }
}

TEST_F(CharacteristicsTest, LimitCheck) {
  struct Case {
    const char* name;
    std::uint8_t countsUp, limitFatal, current, minimum, start;
    bool result;
    int after;
  };
  const Case cases[] = {
      {"within limits", 0, 1, 7, 0, 12, true, 7},
      {"above start is set back", 0, 0, 14, 0, 12, true, 12},
      {"above start, fatal only downwards", 0, 1, 14, 0, 12, true, 12},
      {"counting up past its maximum, not fatal", 1, 0, 14, 0, 12, true, 12},
      {"counting up past its maximum, fatal", 1, 1, 14, 0, 12, false, 14},
      {"counting up exactly at its maximum, fatal", 1, 1, 12, 0, 12, false, 12},
      {"at the minimum, fatal", 0, 1, 0, 0, 20, false, 0},
      {"at the minimum, not fatal", 0, 0, 0, 0, 20, true, 0},
      {"below a raised minimum is set up", 0, 0, 2, 3, 20, true, 3},
      {"below a raised minimum, fatal, stays", 0, 1, 2, 3, 20, false, 2},
      {"counting up at its minimum is clamped", 1, 1, 0, 0, 12, true, 0},
      {"start at or below minimum: the second test decides", 0, 0, 5, 5, 5, true, 5},
      {"start at or below minimum, fatal", 0, 1, 4, 5, 3, false, 3},
  };
  for (const Case& c : cases) {
    game.stores.baseValues.Clear();
    setRecord({.Number = 7, .CountsUp = c.countsUp, .LimitFatal = c.limitFatal, .Current = c.current,
               .Minimum = c.minimum, .Start = c.start});
    EXPECT_EQ(c.result, characteristics.AlapErtekEllenorzes(7)) << c.name;
    EXPECT_EQ(c.after, record(7).Current) << c.name;
  }
}

TEST_F(CharacteristicsTest, ChangeByOperator) {
  struct Case {
    const char* name;
    int selector;
    char op;
    int amount;
    int current, start, minimum;
  };
  // Record before each case: Current 10, Start 12, Minimum 2.
  const Case cases[] = {
      {"plus current", 1, '+', 3, 13, 12, 2},   {"minus current", 1, '-', 4, 6, 12, 2},
      {"set current", 1, '=', 9, 9, 12, 2},     {"other operator zeroes", 1, '*', 9, 0, 12, 2},
      {"minus past zero stores 0", 1, '-', 15, 0, 12, 2},
      {"plus start", 2, '+', 2, 10, 14, 2},     {"set minimum", 3, '=', 5, 10, 12, 5},
      {"unknown selector changes nothing", 4, '=', 5, 10, 12, 2},
  };
  for (const Case& c : cases) {
    game.stores.baseValues.Clear();
    setRecord({.Number = 5, .Current = 10, .Minimum = 2, .Start = 12});
    characteristics.AlapErtekValtoztatas(5, c.selector, c.op, c.amount);
    EXPECT_EQ(c.current, record(5).Current) << c.name;
    EXPECT_EQ(c.start, record(5).Start) << c.name;
    EXPECT_EQ(c.minimum, record(5).Minimum) << c.name;
  }
  characteristics.AlapErtekValtoztatas(99, 1, '+', 1);  // absent: nothing, no failure
  EXPECT_EQ(kAbsentRecord, record(99).Number);
}

TEST_F(CharacteristicsTest, SpecialValueRolledAndShown) {
  game.state.CurrentBook.SpecialValueCount = 2;
  game.state.CurrentBook.SpecialValueCodes = "0504";
  for (int n = 1; n <= 3; ++n) setRecord({.Number = n});
  setRecord({.Number = 5, .CountsUp = 1, .Dice = 2, .Bonus = 3, .Name = "Félelem"});
  setRecord({.Number = 4, .CountsUp = 0, .Dice = 1, .Bonus = 10, .Name = "Mágia"});
  game.state.values = {.Skill = 11, .Stamina = 20, .Luck = 9};
  dice.push({4, 6, 2});
  characteristics.ErtekInicializalas();

  EXPECT_EQ(0, record(5).Current);
  EXPECT_EQ(13, record(5).Start);
  EXPECT_EQ(12, record(4).Current);
  EXPECT_EQ(12, record(4).Start);
  EXPECT_EQ("0", game.screen.LabelBV(1, "TextNow").text());
  EXPECT_EQ("Maximum Félelem", game.screen.LabelBV(1, "Start").text());
  EXPECT_EQ("13", game.screen.LabelBV(1, "TextStart").text());
  EXPECT_EQ("Aktuális Félelem", game.screen.LabelBV(1, "Now").text());
  EXPECT_EQ("12", game.screen.LabelBV(2, "TextNow").text());
  EXPECT_EQ("Kezdeti Mágia", game.screen.LabelBV(2, "Start").text());
  for (const char* part : {"Start", "TextStart", "Now", "TextNow"}) {
    EXPECT_TRUE(game.screen.LabelBV(2, part).visible()) << part;
  }
  // The main values went through records 1..3 onto the sheet.
  EXPECT_EQ("11", game.screen.LabelSkillTextStart.text());
  EXPECT_EQ(11, game.state.values.SkillStart);
}

TEST_F(CharacteristicsTest, MainValuesRoundTripThroughRecords) {
  for (int n = 1; n <= 3; ++n) setRecord({.Number = n});
  game.state.values = {.Skill = 10, .SkillStart = 11, .SkillMin = 1, .Stamina = 17, .StaminaStart = 20,
                       .StaminaMin = 0, .Luck = 8, .LuckStart = 9, .LuckMin = 2};
  characteristics.FoAlapErtekFrissites();
  EXPECT_EQ(17, record(2).Current);
  EXPECT_EQ(20, record(2).Start);
  EXPECT_EQ(2, record(3).Minimum);

  characteristics.AlapErtekValtoztatas(2, 1, '-', 5);
  characteristics.FoAlapErtekVisszaIras();
  EXPECT_EQ(12, game.state.values.Stamina);
  EXPECT_EQ("12", game.screen.LabelStaminaTextNow.text());
  EXPECT_EQ("20", game.screen.LabelStaminaTextStart.text());
  EXPECT_EQ("8", game.screen.LabelLuckTextNow.text());
}

TEST_F(CharacteristicsTest, RestoreFromSavedLines) {
  for (int n = 1; n <= 3; ++n) setRecord({.Number = n});
  setRecord({.Number = 6, .CountsUp = 1, .Name = "Átok"});
  game.state.CurrentBook.SpecialValueCount = 1;
  game.state.CurrentBook.SpecialValueCodes = "06";

  characteristics.ErtekInicializalasBetoltes("2|0|20|7", 2);
  EXPECT_EQ(20, game.state.values.StaminaStart);
  EXPECT_EQ(7, game.state.values.Stamina);
  EXPECT_EQ(0, game.state.values.StaminaMin);
  EXPECT_EQ("7", game.screen.LabelStaminaTextNow.text());

  characteristics.ErtekInicializalasBetoltes("6|0|9|4", 4);
  EXPECT_EQ(4, record(6).Current);
  EXPECT_EQ(9, record(6).Start);
  EXPECT_EQ("4", game.screen.LabelBV(1, "TextNow").text()) << "a restored counting-up value shows itself";
  EXPECT_EQ("Maximum Átok", game.screen.LabelBV(1, "Start").text());

  EXPECT_THROW(characteristics.ErtekInicializalasBetoltes("2|0|20", 2), BookCodeError);
  EXPECT_THROW(characteristics.ErtekInicializalasBetoltes("2|x|20|7", 2), BookCodeError);
}

TEST_F(CharacteristicsTest, MalformedSpecialCodesAreBookCodeErrors) {
  game.state.CurrentBook.SpecialValueCount = 2;
  game.state.CurrentBook.SpecialValueCodes = "05";
  EXPECT_THROW(characteristics.ErtekKiiras(2), BookCodeError);
}

}  // namespace
}  // namespace zrx::test
