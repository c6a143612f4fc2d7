// The play-tester on small books whose answers are known: a chapter point no state
// reaches, a stall, a book that cannot be won, a malformed code deep in a branch; the
// report is the same for the same seed; a run's replay script plays the same game in
// the text player.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cached_book_loader.h"
#include "lifecycle.h"
#include "package_fixture.h"
#include "played.h"
#include "playtest_command.h"
#include "save_index.h"
#include "session.h"
#include "temp_folder.h"

namespace zrx::book {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using test::PlainChapter;
using test::StoryPackage;

// The last FejezetPont opens the book's end; "FT+999" never holds: no chapter 999 is visited.
TChapterRec chapter(int number, const std::string& next, const std::string& conditions = "",
                    const std::string& battle = "") {
  return {.Number = number, .BattleCode = battle, .NextChapters = next, .Conditions = conditions};
}

Played playtest(const PackageContent& content, int runs = 120, bool expectWin = false) {
  return Play(content, {.packageFile = "proba.yaml", .runs = runs, .seed = 11, .expectWin = expectWin});
}

TEST(Playtest, NamesTheChapterPointNoStateReaches) {
  const Played played = playtest(StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                               chapter(1, "002003", "0#FT+999"), PlainChapter(2, "GGG"),
                                               PlainChapter(3, "GGG")}));
  EXPECT_EQ(0, played.status) << played.report;
  EXPECT_THAT(played.report, HasSubstr("Never reached: 1\n  3: from 1, whose conditions \"0#FT+999\" never let"));
  EXPECT_THAT(played.report, HasSubstr("Continuations never taken: 1\n  1 -> 3\n"));
  EXPECT_THAT(played.report, HasSubstr("Könnyű: 40 runs: 100.0%"));
  EXPECT_THAT(played.report, HasSubstr("Problems: 0\n"));
}

TEST(Playtest, FindsTheStallAndHowToReplayIt) {
  // After chapter point 2 the only way on needs a chapter never visited.
  const Played played = playtest(StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                               PlainChapter(1, "002003"), chapter(2, "004", "FT+999"),
                                               PlainChapter(3, "GGG"), PlainChapter(4, "GGG")}));
  EXPECT_EQ(1, played.status);
  EXPECT_THAT(played.report, HasSubstr("stall at chapter point 2 ("));
  EXPECT_THAT(played.report, HasSubstr("nothing to do: no continuation, test, round or offer that can be answered"));
  EXPECT_THAT(played.report, HasSubstr("path: 0 1 2\n"));
  EXPECT_THAT(played.report, HasSubstr("'tovább 2' | zrx-text --folder /tmp/zrx-replay --seed "));
  EXPECT_THAT(played.report, Not(HasSubstr("Never reached: 0")));  // chapter point 4
}

TEST(Playtest, BookThatCannotBeWon) {
  PackageContent content = StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                         chapter(1, "002", "", "N001"), PlainChapter(2, "GGG")});
  content.monsters = {{.Number = 1, .Name = "Óriás", .Stamina = 99, .Skill = 40, .FlightCode = "00",
                       .AttackMods = "0", .RollBattleCode = "0", .WoundMods = "20201111"}};
  const Played plain = playtest(content, 60);
  EXPECT_EQ(0, plain.status) << "dying is no fault of the book";
  EXPECT_THAT(plain.report, HasSubstr("Normál: 20 runs:   0.0% 100.0%"));
  EXPECT_THAT(plain.report, HasSubstr("Csata: Óriás: 60\n"));
  EXPECT_THAT(plain.report, HasSubstr("deadliest chapter points:  1 (60)"));
  EXPECT_THAT(plain.report, HasSubstr("1, Óriás (1): 60, 0, 0, 60,"));
  EXPECT_THAT(plain.report, HasSubstr("  0.0% exact against   0.0%"));

  const Played expecting = playtest(content, 60, true);
  EXPECT_EQ(1, expecting.status);
  EXPECT_THAT(expecting.errors, HasSubstr("Kis kaland: not won in 20 runs on Könnyű"));
}

// The way on needs an Ügyesség of 10: the win rate by starting Ügyesség shows who wins,
// and on "Könnyű" a rolled 7 to 9 starts as 10 to 12.
TEST(Playtest, WinRateByStartingSkill) {
  const PackageContent content = StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                               chapter(1, "002003", "VN01>=10#VN01<<10"), PlainChapter(2, "GGG"),
                                               PlainChapter(3, "HHH")});
  const Played normal = Play(content, {.packageFile = "proba.yaml", .runs = 300, .seed = 5, .difficulty = 1});
  EXPECT_EQ(0, normal.status) << normal.report;
  EXPECT_THAT(normal.report, ::testing::ContainsRegex("won by starting Ügyesség:  7: 0.0% of [0-9]+  8: 0.0% of "
                                                      "[0-9]+  9: 0.0% of [0-9]+  10: 100.0% of [0-9]+  11: 100.0%"));
  const Played easy = Play(content, {.packageFile = "proba.yaml", .runs = 60, .seed = 5, .difficulty = 0});
  EXPECT_THAT(easy.report, ::testing::ContainsRegex("won by starting Ügyesség:  10: 100.0% of [0-9]+  11: 100.0% of "
                                                    "[0-9]+  12: 100.0% of [0-9]+\n"));
}

TEST(Playtest, MalformedCodeDeepInABranch) {
  // Only the branch 1 -> 3 -> 4 -> 5 meets the broken condition of chapter point 5.
  const Played played = playtest(StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                               PlainChapter(1, "002003"), PlainChapter(2, "GGG"),
                                               PlainChapter(3, "004"), PlainChapter(4, "005"),
                                               chapter(5, "002", "T1"), PlainChapter(6, "GGG")}));
  EXPECT_EQ(1, played.status);
  EXPECT_THAT(played.report, HasSubstr("malformed code at chapter point 5 ("));
  EXPECT_THAT(played.report, HasSubstr("path: 0 1 3 4 5\n"));
}

TEST(Playtest, SameSeedSameReport) {
  PackageContent content = StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                         chapter(1, "002003", "", "N001"), PlainChapter(2, "GGG"),
                                         PlainChapter(3, "HHH")});
  content.monsters = {{.Number = 1, .Name = "Farkas", .Stamina = 8, .Skill = 8, .FlightCode = "1N", .BattleFlag = 1,
                       .AttackMods = "0", .RollBattleCode = "0", .WoundMods = "20201111"}};
  const Played first = playtest(content, 90);
  const Played second = playtest(content, 90);
  EXPECT_EQ(first.report, second.report);
  EXPECT_THAT(first.report, HasSubstr("Farkas"));
}

// A run's script replayed in the text player with the run's seed ends the same way.
TEST(Playtest, ReplayScriptPlaysTheSameGameInTheTextPlayer) {
  // A roll decides the way on after the first battle, as the settings line has it.
  PackageContent content = StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                         chapter(1, "002003", "D207-12#D202-06", "N001"),
                                         chapter(2, "004", "", "N002"), PlainChapter(3, "GGG"), PlainChapter(4, "GGG")});
  const TMonsterRec base{.FlightCode = "1N", .BattleFlag = 1, .AttackMods = "0", .RollBattleCode = "0",
                         .WoundMods = "20201111"};
  TMonsterRec wolf = base, bear = base;
  wolf.Number = 1, wolf.Name = "Farkas", wolf.Skill = 9, wolf.Stamina = 10;
  bear.Number = 2, bear.Name = "Medve", bear.Skill = 13, bear.Stamina = 16;
  content.monsters = {wolf, bear};
  zrx::test::TempFolder folder;
  zrx::test::WriteTestPackage(folder.path(), content);
  ASSERT_EQ(0, LayEmptySaveIndex(folder.path()));
  playtest::CachedBookLoader loader(folder.path());
  playtest::Playthrough playthrough(folder.path(), loader, {.package = "Source", .bookNumber = 1, .bookCount = 1},
                                    content.settingsLine, {});
  int victories = 0, deaths = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    playtest::RunResult run;
    playthrough.run(seed, 1, run);
    std::string input = "Teszt\núj 1 1 1\n";
    for (const std::string& line : run.script) input += line + "\n";
    std::istringstream in(input);
    std::ostringstream out;
    Session session({.programFolder = folder.path(), .seed = seed, .script = true}, in, out);
    session.run();
    const bool won = out.str().find("GYŐZELEMMEL ZÁRTAD A KÖNYVET!") != std::string::npos;
    const bool died = out.str().find("MEGHALTÁL!") != std::string::npos;
    EXPECT_EQ(run.end == playtest::RunEnd::Victory, won) << "seed " << seed << "\n" << out.str();
    EXPECT_EQ(run.end == playtest::RunEnd::Death, died) << "seed " << seed;
    victories += won ? 1 : 0;
    deaths += died ? 1 : 0;
  }
  EXPECT_GT(victories, 0);
  EXPECT_GT(deaths, 0);
}

}  // namespace
}  // namespace zrx::book
