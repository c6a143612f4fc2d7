// The offer page on its own: text shortening, the four arrangements, the fillers, the
// quantity buttons and the criterion check of demands.
#include "offers.h"
#include "possessions_fixture.h"

namespace zrx::test {
namespace {

// Every character is 10 pixels wide, so widths are easy to count.
int tenPerCharacter(const std::string& text) { return 10 * static_cast<int>(Utf8Length(text)); }

TEST(ShortenToWidth, CutsCharactersUntilTheDotsFit) {
  struct Case {
    const char* text;
    int width;
    const char* expected;
  };
  const Case cases[] = {
      {"Kötél", 50, "Kötél"},
      {"Kötél", 49, "K..."},
      {"Hosszú kard", 100, "Hosszú ..."},
      {"Árvíztűrő", 90, "Árvíztűrő"},
      {"Árvíztűrő", 80, "Árvíz..."},
      {"ab", 10, "..."},
      {"", 0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, ShortenToWidth(c.text, c.width, tenPerCharacter)) << c.text << " in " << c.width;
  }
}

// A front end with a wide font: 20 pixels a character.
class WideFontUi : public ScriptedUi {
 public:
  int CheckBoxTextWidth(const std::string& text) override { return 20 * static_cast<int>(Utf8Length(text)); }
};

class OffersTest : public PossessionsFixture {
 protected:
  Offers offers{game};
  ScreenModel& s = game.screen;
};

TEST_F(OffersTest, CheckBoxTextIsShortenedToTheBoxOfTheLayout) {
  const std::string name(40, 'x');
  offers.FelszTargyElokeszites(1);
  offers.CheckBoxKitolt(name, 1);
  // Headless: 7 pixels a character, box 225 wide less 18 for the mark: 29 characters fit.
  EXPECT_EQ(std::string(26, 'x') + "...", s.CheckBox(1).text());
  offers.FelszTargyElokeszites(2);
  offers.CheckBoxKitolt(name, 1);
  EXPECT_EQ(std::string(23, 'x') + "...", s.CheckBox(1).text());
  offers.CheckBoxKitolt("2 db Kötél", 2);
  EXPECT_EQ("2 db Kötél", s.CheckBox(2).text());
  EXPECT_TRUE(s.CheckBox(2).visible());
}

TEST(OffersWidth, TheFrontEndsWidthFunctionDecides) {
  WideFontUi ui;
  ScriptedDice dice;
  FixedClock clock;
  MemoryBookLoader loader;
  Game game(std::filesystem::temp_directory_path(), ui, dice, clock, loader);
  Offers offers(game);
  offers.FelszTargyElokeszites(1);
  offers.CheckBoxKitolt(std::string(20, 'y'), 1);
  EXPECT_EQ(std::string(7, 'y') + "...", game.screen.CheckBox(1).text());
}

TEST_F(OffersTest, EmptyTextUnchecksAndHidesTheBox) {
  offers.CheckBoxKitolt("Kötél", 3);
  offers.CheckBoxKlikk(3);
  EXPECT_EQ(1, s.CheckBox(3).value());
  offers.CheckBoxKitolt("", 3);
  EXPECT_EQ(0, s.CheckBox(3).value());
  EXPECT_FALSE(s.CheckBox(3).visible());
  offers.CheckBoxKlikk(3);
  EXPECT_EQ(0, s.CheckBox(3).value()) << "a hidden box cannot be marked";
}

TEST_F(OffersTest, LayoutsArrangeThePage) {
  offers.FelszTargyElokeszites(2);
  EXPECT_TRUE(s.GroupBox1.visible());
  EXPECT_TRUE(s.LabelAr(0).visible());
  EXPECT_EQ("Tárgy ára", s.LabelAr(0).text());
  EXPECT_EQ(2, s.FT_Elrendezes.value());
  offers.FelszTargyElokeszites(1);
  EXPECT_FALSE(s.LabelAr(0).visible());
  offers.FelszTargyElokeszites(3);
  EXPECT_EQ("    Választható Tárgyak listája    ", s.FT_LabelFejlec1.text());
  EXPECT_TRUE(s.FT_SpinButton(10).visible());
  offers.TargyValasztoKitolt("Kötél", "0", 1);
  offers.CheckBoxKitolt("Kötél", 1);
  offers.ArListaKitolt("5 Arany", 1);
  s.LabelTargyFelvetel.setEnabled(true);
  offers.FelszTargyElokeszites(0);
  EXPECT_EQ("          Tárgyak listája         ", s.GroupBox1.text());
  EXPECT_EQ("", s.FT_LabelTNev(1).text());
  EXPECT_FALSE(s.FT_SpinButton(1).visible());
  EXPECT_FALSE(s.CheckBox(1).visible());
  EXPECT_EQ("", s.LabelAr(1).text());
  EXPECT_FALSE(s.LabelTargyFelvetel.enabled());
  EXPECT_EQ(Colour::Navy, s.LabelTargyKivalasztas.colour());
  EXPECT_EQ(3, s.FT_Elrendezes.value()) << "the plain offer page keeps the shortened list";
  // No empty frame or header of the closed offer stays on the page.
  EXPECT_FALSE(s.GroupBox1.visible());
  EXPECT_FALSE(s.LabelAr(0).visible());
  EXPECT_FALSE(s.FT_LabelFejlec1.visible());
  offers.FelszTargyAlaphelyzet();
  EXPECT_FALSE(s.GroupBox1.visible());
  EXPECT_FALSE(s.FT_LabelFejlec1.visible());
  EXPECT_EQ(0, s.FT_Elrendezes.value());
}

// Before any offer the page must be as idle as after one: nothing to tick, count or confirm.
TEST_F(OffersTest, AFreshWindowStandsAsAClosedOfferLeavesThePage) {
  const ScreenModel fresh;
  for (int layout : {2, 3}) offers.FelszTargyElokeszites(layout);
  for (int i = 1; i <= kChoiceBoxes; ++i) {
    offers.CheckBoxKitolt("Kötél", i);
    offers.ArListaKitolt("5 Arany", i);
  }
  for (int row = 1; row <= kQuantityRows; ++row) offers.TargyValasztoKitolt("Kötél", "0", row);
  s.LabelTargyFelvetel.setEnabled(true);
  s.LabelTargyKivalasztas.setEnabled(true);
  offers.FelszTargyElokeszites(0);
  offers.FelszTargyAlaphelyzet();

  std::vector<std::string> names = {"LabelTargyFelvetel", "LabelTargyKivalasztas", "GroupBox1", "FT_LabelFejlec1"};
  for (int i = 0; i <= kChoiceBoxes; ++i) names.push_back("LabelAr" + std::to_string(i));
  for (int i = 1; i <= kChoiceBoxes; ++i) names.push_back("CheckBox" + std::to_string(i));
  for (int row = 1; row <= kQuantityRows; ++row) names.push_back("FT_SpinButton" + TwoDigits(row));
  for (const std::string& name : names) {
    const Control& idle = fresh.control(name);
    EXPECT_FALSE(idle.enabled() && idle.visible()) << name << " is usable in a fresh window";
    EXPECT_EQ(s.control(name).visible(), idle.visible()) << name;
  }
  for (const Control* command : {&fresh.LabelTargyFelvetel, &fresh.LabelTargyKivalasztas}) {
    EXPECT_FALSE(command->enabled());
    EXPECT_EQ(Colour::Navy, command->colour());
  }
}

TEST_F(OffersTest, QuantityButtonsKeepWithinTheLimit) {
  offers.FelszTargyElokeszites(3);
  offers.TargyValasztoKitolt("Kötél", "0", 1);
  offers.TargyValasztoKitolt("Kard", "0", 2);
  offers.TargyValasztoKitolt("", "", 3);
  game.state.offers.OfferLimit = 2;
  const struct {
    bool up;
    int row;
    const char* row1;
    const char* row2;
  } presses[] = {
      {false, 1, "0", "0"}, {true, 1, "1", "0"}, {true, 3, "1", "0"}, {true, 2, "1", "1"},
      {true, 1, "1", "1"},  {false, 2, "1", "0"}, {true, 1, "2", "0"}, {false, 2, "2", "0"},
  };
  int step = 0;
  for (const auto& p : presses) {
    if (p.up) offers.FT_SpinButtonUpClick(p.row); else offers.FT_SpinButtonDownClick(p.row);
    EXPECT_EQ(p.row1, s.FT_LabelDB(1).text()) << "press " << step;
    EXPECT_EQ(p.row2, s.FT_LabelDB(2).text()) << "press " << step;
    ++step;
  }
  EXPECT_EQ(2, game.state.offers.OfferChosen);
}

// The label only shows the chosen count: what the rules count with stays in the offer state
// even when a front end redraws the label.
TEST_F(OffersTest, ChosenCountsLiveInTheOfferStateNotInTheirLabels) {
  offers.FelszTargyElokeszites(3);
  offers.TargyValasztoKitolt("Kötél", "0", 1);
  game.state.offers.OfferLimit = 3;
  offers.FT_SpinButtonUpClick(1);
  offers.FT_SpinButtonUpClick(1);
  s.FT_LabelDB(1).setText("");
  offers.FT_SpinButtonUpClick(1);
  EXPECT_EQ(3, game.state.offers.QuantityCounts[1]);
  EXPECT_EQ("3", s.FT_LabelDB(1).text());
  offers.TargyValasztoKitolt("", "", 1);
  EXPECT_EQ(0, game.state.offers.QuantityCounts[1]);
}

TEST_F(OffersTest, CriterionCheckMeetsLowersOrRefuses) {
  game.state.CurrentBook.MoneyItem = 1;
  addItem({.Number = 1, .Name = "Arany"});
  addItem({.Number = 3, .Name = "Kötél"});
  addItem({.Number = 6, .Name = "Gyűrű", .Value = 10, .Magic = 1, .Unique = 1});
  addItem({.Number = 7, .Name = "Lámpás", .Magic = 1, .NotDroppable = 1});
  addItem({.Number = 8, .Name = "Kard", .Unique = 1});
  equipment.gainItem(1, 12);
  equipment.gainItem(3, 2);
  equipment.gainItem(6, 1);
  equipment.gainItem(7, 1);
  equipment.gainItem(8, 1);
  struct Case {
    const char* criterion;
    bool met;
    const char* after;
  };
  const Case cases[] = {
      {"S00302", true, "S00302"}, {"S00303", true, "S00302"}, {"S003MM", true, "S003MM"},
      {"S00401", false, "S00401"}, {"S00112", true, "S00112"}, {"S00120", true, "S00120"},
      {"S00130", true, "S00122"}, {"TN03", true, "TN03"},     {"TN09", true, "TN04"},
      {"TM02", true, "TM01"},     {"TE05", true, "TE02"},     {"TX01", false, "TX01"},
      {"S00100", false, "S00100"},
  };
  for (const Case& c : cases) {
    game.state.offers.OfferList = {c.criterion};
    EXPECT_EQ(c.met, offers.TargyKivalasztasEllenorzes(0)) << c.criterion;
    EXPECT_EQ(c.after, game.state.offers.OfferList[0]) << c.criterion;
  }
}

TEST_F(OffersTest, MoneyDemandWithoutMoneyOrValuablesCannotBeMet) {
  game.state.CurrentBook.MoneyItem = 1;
  addItem({.Number = 1, .Name = "Arany"});
  addItem({.Number = 3, .Name = "Kötél"});
  equipment.gainItem(3, 1);
  game.state.offers.OfferList = {"S00105"};
  EXPECT_FALSE(offers.TargyKivalasztasEllenorzes(0));
}

}  // namespace
}  // namespace zrx::test
