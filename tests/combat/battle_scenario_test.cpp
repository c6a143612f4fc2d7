// Whole battles through the whole engine: a book written as a package and started on
// the new-game path, the chapter point entered from its predecessor's continuation, the
// battle fought with "Harc", and what follows.
#include <gtest/gtest.h>

#include <algorithm>

#include "battle.h"
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

// A book whose rules text leads to chapter point 1, which declares the battle and goes
// on to chapter point 2, the book's end.
PackageContent BattlePackage(const std::string& battleCode) {
  PackageBook book;
  book.record = {.Number = 1, .ChapterCount = 4, .Title = "Csaták", .LastChapter = 2, .SeriesTitle = "Sorozat"};
  book.chapters = {{.Number = -1, .NextChapters = "001"},
                   {.Number = 0, .NextChapters = "001"},
                   {.Number = 1, .BattleCode = battleCode, .NextChapters = "002"},
                   {.Number = 2, .NextChapters = "GGG"}};
  book.texts = {{"Háttér"}, {"A barlang előtt"}, {"A kincs"}, {"Szabályok"}};
  const TMonsterRec base{.FlightCode = "0<", .AttackMods = "0", .RollBattleCode = "0", .WoundMods = "20201111"};
  TMonsterRec first = base, second = base, brute = base;
  first.Number = 1, first.Name = "Goblin", first.Skill = 6, first.Stamina = 4;
  second.Number = 2, second.Name = "Patkány", second.Skill = 5, second.Stamina = 2;
  brute.Number = 3, brute.Name = "Troll", brute.Skill = 12, brute.Stamina = 30, brute.WoundMods = "20601111";
  PackageContent content;
  content.name = "Source";
  content.books = {book};
  content.monsters = {first, second, brute};
  content.baseValues = {{.Number = 1, .Name = "Ügyesség"},
                        {.Number = 2, .LimitFatal = 1, .Name = "Életerő"},
                        {.Number = 3, .Name = "Szerencse"}};
  content.items = {{.Number = 1, .Name = "Arany"}};
  return content;
}

class BattleScenario : public ::testing::Test {
 protected:
  BattleScenario() : loader(folder.path()), game(folder.path(), ui, dice, clock, loader) {}

  // Writes the book and starts it at "Normál": Skill 10, Stamina 18, Luck 12.
  void start(const std::string& battleCode) {
    test::WriteTestPackage(folder.path(), BattlePackage(battleCode));
    dice.push({4, 3, 3, 6});
    Lifecycle(game).Indit({.package = "Source", .bookNumber = 1, .bookCount = 1, .difficulty = 1});
    ASSERT_TRUE(game.state.GameLoaded);
  }

  void choose(const std::string& entry) {
    const std::vector<std::string>& items = game.screen.ListBoxNext.items();
    const auto it = std::find(items.begin(), items.end(), entry);
    ASSERT_NE(items.end(), it) << entry << " is not offered";
    Navigation navigation(game);
    navigation.ListBoxNextClick(static_cast<int>(it - items.begin()));
    game.Perform([&navigation] { navigation.KlikkFejezetPontKivalasztas(); });
  }

  // The player opens the "Próbák - Csaták" page that blinks for the battle: "Harc" is enabled.
  void openBattlePage() {
    ASSERT_EQ(5, game.state.navigation.PendingKind);
    ASSERT_TRUE(game.screen.TimerAlarm.enabled());
    game.screen.BitBtn5.setEnabled(true);
  }

  void fight(std::initializer_list<int> pips) {
    dice.push(pips);
    ASSERT_TRUE(game.Perform([this] { Battle(game).KlikkCsata(); }));
  }

  test::TempFolder folder;
  ScriptedUi ui;
  ScriptedDice dice;
  FixedClock clock;
  PackageBookLoader loader;
  Game game;
};

TEST_F(BattleScenario, VictoryLeadsToTheContinuations) {
  start("N001002");
  choose("1");
  EXPECT_EQ(1, game.state.CurrentChapter);
  EXPECT_EQ("Goblin", game.screen.battle.Szorny(1, "Nev").text());
  EXPECT_TRUE(game.state.navigation.NextChapterList.empty());
  openBattlePage();

  fight({1, 1, 6, 6});
  EXPECT_EQ("2. Forduló", game.screen.BitBtn5.text());
  fight({6, 6, 1, 1});
  EXPECT_EQ(16, game.state.values.Stamina);
  fight({1, 1, 6, 6});
  EXPECT_EQ("Patkány", game.screen.battle.Szorny(1, "Nev").text());
  fight({1, 1, 6, 6});

  EXPECT_TRUE(game.state.battle.LastBattleWon);
  EXPECT_EQ("Győztél! Válts a Történet fülre!", game.screen.battle.LabelEredmeny1.text());
  EXPECT_EQ(std::vector<std::string>{"2"}, game.screen.ListBoxNext.items());
  EXPECT_EQ(16, game.stores.baseValues.Find(2).Current);
  EXPECT_EQ("0602", game.state.battle.OpponentLifeDamage);
  EXPECT_EQ("0202", game.state.battle.PlayerLifeWounds);

  choose("2");
  EXPECT_EQ(2, game.state.CurrentChapter);
  // The chapter point without a battle drops the tallies of the last one.
  EXPECT_EQ("", game.state.battle.PlayerLifeWounds);
  choose("Győzelem");
  EXPECT_EQ(1u, ui.eventsOf(UiEvent::Kind::Victory).size());
  EXPECT_FALSE(game.state.GameLoaded);
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(BattleScenario, DeathEndsTheGame) {
  start("N003");
  choose("1");
  openBattlePage();
  fight({6, 6, 1, 1});
  fight({6, 6, 1, 1});
  EXPECT_EQ(6, game.state.values.Stamina);
  EXPECT_TRUE(ui.eventsOf(UiEvent::Kind::Death).empty());
  fight({6, 6, 1, 1});
  EXPECT_EQ(1u, ui.eventsOf(UiEvent::Kind::Death).size());
  EXPECT_FALSE(game.state.GameLoaded);
  EXPECT_EQ("A Zengő Rengeteg Krónikája világában jársz...", game.screen.LabelTortenetNev.text());
  EXPECT_FALSE(game.screen.BitBtn5.enabled());
  EXPECT_EQ(0u, dice.remaining());
}

TEST_F(BattleScenario, BrokenDeclarationIsShownAndTheProgramGoesOn) {
  start("N009");
  choose("1");
  const std::vector<UiEvent> boxes = ui.eventsOf(UiEvent::Kind::BookCodeError);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_NE(std::string::npos, boxes[0].lines[0].find("1. FejezetPont")) << boxes[0].lines[0];
  EXPECT_TRUE(game.state.GameLoaded);
}

}  // namespace
}  // namespace zrx::test
