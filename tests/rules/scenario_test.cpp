// A small book written as a package, played from its rules text to "Győzelem" at every
// difficulty: a luck test, a typed continuation, a roll and path conditions decide the
// continuations, and the screen is checked at every step.
#include <gtest/gtest.h>

#include <algorithm>

#include "dice_tests.h"
#include "fixed_clock.h"
#include "game.h"
#include "lifecycle.h"
#include "navigation.h"
#include "package_fixture.h"
#include "scripted_dice.h"
#include "scripted_ui.h"
#include "temp_folder.h"

namespace zrx::test {
namespace {

PackageContent ScenarioPackage() {
  PackageBook book;
  book.record = {.Number = 1, .ChapterCount = 7, .Title = "A próba", .LastChapter = 5,
                 .SeriesTitle = "Sorozat", .DecorPictureCount = 1, .ChapterPictureCount = 2};
  book.chapters = {
      {.Number = -1, .NextChapters = "000"},
      {.Number = 0, .NextChapters = "001"},
      // A lucky test opens chapter 2 as well.
      {.Number = 1, .NextChapters = "002003", .Conditions = "S10#0", .PictureNumber = 1},
      // The number of the next chapter point must be typed: two attempts, then the end.
      {.Number = 2, .NextChapters = "003HHH", .Conditions = "X2", .PictureNumber = 2},
      {.Number = 3, .NextChapters = "004", .PictureNumber = 1},
      {.Number = 4, .NextChapters = "HHH005GGG", .Conditions = "VN01>=07#D106.#FT+002,FF+003",
       .PictureNumber = 2},
      {.Number = 5, .NextChapters = "HHH", .PictureNumber = 1},
  };
  book.texts = {{"Háttér"}, {"Első pont"}, {"Második pont"}, {"Harmadik pont"},
                {"Negyedik pont"}, {"Ötödik pont"}, {"Szabályok szövege", "második sor"}};
  book.chapterPictures = {test::MakeTestPicture(), test::MakeTestPicture(8, 8, 40)};
  book.decorPictures = {test::MakeTestPicture(8, 8, 200)};
  book.cover = test::MakeTestPicture(8, 8, 90);
  PackageContent content;
  content.name = "Source";
  content.books = {book};
  content.baseValues = {{.Number = 1, .Name = "Ügyesség"},
                        {.Number = 2, .LimitFatal = 1, .Name = "Életerő"},
                        {.Number = 3, .Name = "Szerencse"}};
  content.items = {{.Number = 1, .Name = "Arany"}};
  return content;
}

class ScenarioTest : public ::testing::TestWithParam<int> {
 protected:
  ScenarioTest() : loader(folder.path()), game(folder.path(), ui, dice, clock, loader) {
    test::WriteTestPackage(folder.path(), ScenarioPackage());
    game.state.settings.ChangeSignalLevel = 1;
    game.state.settings.SaveInterval = 3;
    game.state.settings.StepLogging = true;
  }

  void choose(const std::string& entry) {
    const auto& items = game.screen.ListBoxNext.items();
    const auto at = std::find(items.begin(), items.end(), entry);
    ASSERT_NE(items.end(), at) << entry << " is not offered";
    nav().ListBoxNextClick(static_cast<int>(at - items.begin()));
    ASSERT_TRUE(game.Perform([&] { nav().KlikkFejezetPontKivalasztas(); }));
  }
  void type(const std::string& text) {
    nav().EditNextChange(text);
    ASSERT_TRUE(game.Perform([&] { nav().KlikkFejezetPontKivalasztas(); }));
  }
  void expectShown(const char* caption, TextList text, TextList offered) {
    EXPECT_EQ(caption, game.screen.LabelFPont.text());
    EXPECT_EQ(text, game.screen.RichEdit1.items()) << caption;
    EXPECT_EQ(offered, game.screen.ListBoxNext.items()) << caption;
    EXPECT_EQ(0, game.screen.PageControl1.value()) << caption;
  }
  void expectChoiceSignalled(const char* caption) {
    EXPECT_EQ(ToInt(PendingKind::Choice), game.state.navigation.PendingKind) << caption;
    EXPECT_TRUE(game.screen.TimerAlarm.enabled()) << caption;
    EXPECT_EQ(ToInt(PendingKind::Choice), game.screen.TimerAlarm.value()) << caption;
  }
  Navigation nav() { return Navigation(game); }

  test::TempFolder folder;
  ScriptedUi ui;
  ScriptedDice dice;
  FixedClock clock;
  PackageBookLoader loader;
  Game game;
};

TEST_P(ScenarioTest, FromTheRulesTextToVictory) {
  const int difficulty = GetParam();
  // Skill 3+6, Stamina 4+5+12, Luck 2+6.
  dice.push({3, 4, 5, 2});
  Lifecycle(game).Indit({.package = "Source", .bookNumber = 1, .bookCount = 1, .difficulty = difficulty});
  ASSERT_TRUE(game.state.GameLoaded);
  EXPECT_EQ("Sorozat - A próba", game.screen.LabelTortenetNev.text());
  const int luck = difficulty == 0 ? 11 : 8;
  EXPECT_EQ(luck, game.state.values.Luck);
  expectShown("Szabályok", {"Szabályok szövege", "második sor"}, {"0"});
  expectChoiceSignalled("Szabályok");
  EXPECT_FALSE(game.state.SaveAllowed);

  // The one decorative picture of chapter 0 needs no die.
  choose("0");
  expectShown("Háttértörténet", {"Háttér"}, {"1"});
  EXPECT_EQ((PictureRef{PictureRef::Source::DecorPicture, 0}), game.screen.Image1.picture());
  EXPECT_TRUE(game.screen.MemoFP.items().empty());

  // Chapter 1 waits for a luck test before it offers anything.
  choose("1");
  expectShown("1", {"Első pont"}, {});
  EXPECT_EQ((PictureRef{PictureRef::Source::ChapterPicture, 0}), game.screen.Image1.picture());
  EXPECT_EQ(0, game.state.navigation.PendingKind);
  EXPECT_TRUE(game.screen.LabelSzProba.enabled());
  EXPECT_EQ(0, game.screen.TimerAlarm.value());
  EXPECT_EQ(std::to_string(luck), game.screen.LabelSZPErtek.text());
  nav().KlikkFejezetPontKivalasztas();
  EXPECT_EQ(3, game.screen.PageControl1.value()) << "the arrow opens the tests page";
  dice.push({2, 3});
  DiceTests(game).KlikkSzerencseProba();
  EXPECT_EQ("Szerencse", game.screen.LabelSZPEredmenyErtek.text());
  EXPECT_EQ((TextList{"2", "3"}), game.screen.ListBoxNext.items());
  expectChoiceSignalled("1");

  // Chapter 2 asks for the number of the next chapter point.
  game.screen.PageControl1.setValue(0);
  choose("2");
  expectShown("2", {"Második pont"}, {});
  EXPECT_FALSE(game.screen.ListBoxNext.visible());
  EXPECT_TRUE(game.screen.EditNext.visible());
  EXPECT_EQ("Továbblépés:", game.screen.LabelLehetosegek.text());
  expectChoiceSignalled("2");
  type("4");
  type("3");
  const auto infos = ui.eventsOf(UiEvent::Kind::Info);
  ASSERT_EQ(2u, infos.size());
  EXPECT_EQ((std::vector<std::string>{"Rossz értéket adtál meg!", "Próbálkozz újra!"}), infos[0].lines);
  EXPECT_EQ((std::vector<std::string>{"Helyes értéket adtál meg!", ""}), infos[1].lines);

  // Chapter 3 has no conditions: saving is possible unless the difficulty is "Normál".
  expectShown("3", {"Harmadik pont"}, {"4"});
  EXPECT_TRUE(game.screen.ListBoxNext.visible());
  EXPECT_EQ("Lehetőségek:", game.screen.LabelLehetosegek.text());
  EXPECT_EQ(difficulty != 1, game.state.SaveAllowed);

  // Chapter 4: skill offers the end, a roll of 6 chapter 5, the path the victory.
  choose("4");
  expectShown("4", {"Negyedik pont"}, {});
  EXPECT_FALSE(game.state.SaveAllowed);
  EXPECT_EQ(1, game.state.navigation.PendingKind);
  EXPECT_TRUE(game.screen.LabelDobasKocka(1).enabled());
  dice.push({6, 2, 2});
  DiceTests(game).KlikkDobasKockaval(1);
  EXPECT_EQ("6", game.screen.DKEredmenyLabel(1).text());
  EXPECT_EQ((TextList{"Vége", "5", "Győzelem"}), game.screen.ListBoxNext.items());
  expectChoiceSignalled("4");
  EXPECT_EQ((TextList{"1, 2, 3, 4, "}), game.screen.MemoFP.items());

  choose("Győzelem");
  EXPECT_EQ(1u, ui.eventsOf(UiEvent::Kind::Victory).size());
  EXPECT_TRUE(ui.eventsOf(UiEvent::Kind::Death).empty());
  EXPECT_FALSE(game.state.GameLoaded);
  EXPECT_TRUE(game.screen.ListBoxNext.items().empty());
  EXPECT_EQ("A Zengő Rengeteg Krónikája világában jársz...", game.screen.LabelTortenetNev.text());
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "Other" / "BejartUtak_(2024-Mar-05#07-08-09)_1.txt"))
      << "the visited path is saved at the end of the game";
  EXPECT_EQ(0u, dice.remaining());
  EXPECT_TRUE(ui.eventsOf(UiEvent::Kind::BookCodeError).empty());
}

std::string DifficultyName(const ::testing::TestParamInfo<int>& info) {
  const char* names[] = {"Konnyu", "Normal", "Veletlen"};
  return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(EveryDifficulty, ScenarioTest, ::testing::Values(0, 1, 2), DifficultyName);

}  // namespace
}  // namespace zrx::test
