// The text player as a person uses it: forgiving input, questions in scripts, the quiet
// mode for screen readers, stepping back, and refusals that say why.
#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "text_player_fixture.h"

namespace zrx::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// -1 rules -> 0 background -> 1 -> ... -> 5, then victory; saving allowed after three.
PackageContent longStory() {
  std::vector<TChapterRec> chapters = {PlainChapter(-1, "000"), PlainChapter(0, "001")};
  for (int n = 1; n <= 4; ++n) chapters.push_back(PlainChapter(n, "00" + std::to_string(n + 1)));
  chapters.push_back(PlainChapter(5, "GGG"));
  PackageContent content = StoryPackage(chapters);
  content.settingsLine = "1000000000";
  return content;
}

class PlayerComfortTest : public ::testing::Test, public TextPlayerFixture {
 protected:
  void SetUp() override { writePackage(longStory()); }
};

TEST_F(PlayerComfortTest, CommandsAndContinuationsMatchWithoutCaseOrAccents) {
  ASSERT_EQ(0, play({"Béla", "UJ 1 1 2", "tovabb 0", "1", "2", "3", "4", "5", "SUGO", "tovabb gyozelem"})) << output();
  for (const char* shownBack : {"> UJ 1 1 2\n(új)\n", "> tovabb 0\n(tovább)\n", "> SUGO\n(súgó)\n",
                                "> tovabb gyozelem\n(tovább)\n(Győzelem)\n", "GYŐZELEMMEL ZÁRTAD A KÖNYVET!"}) {
    EXPECT_THAT(output(), HasSubstr(shownBack)) << shownBack;
  }
}

TEST_F(PlayerComfortTest, AnAnswerThatIsNeitherYesNorNoStopsTheScriptThere) {
  EXPECT_EQ(1, play({"Béla", "új 1 1 2", "befejezés", "talán", "tovább 0"}));
  EXPECT_THAT(output(), HasSubstr("A kérdésre igen vagy nem a válasz, nem \"talán\": a szkript itt megáll."));
  EXPECT_THAT(output(), Not(HasSubstr("> tovább 0"))) << "the line after it is not swallowed as an answer";
}

TEST_F(PlayerComfortTest, QuietModeTellsChangesInWordsWithoutDecoration) {
  ASSERT_EQ(0, play({"Béla", "csendes", "új 1 1 2", "tovább 0", "1", "2", "új 1 1 2", "igen"})) << output();
  EXPECT_THAT(output(), HasSubstr("Csendes mód: be."));
  EXPECT_THAT(output(), HasSubstr("FejezetPont: 2\n"));
  EXPECT_THAT(output(), HasSubstr("Kérdés: Biztos, hogy befejezed a játékot, és kezdesz egy újat?\n"));
  for (const char* decoration : {"=== ", "--- ", "Bejárt út", "lenyíló menü"}) {
    EXPECT_THAT(output(), Not(HasSubstr(decoration))) << decoration;
  }
}

TEST_F(PlayerComfortTest, SteppingBackRestoresTheChapterPointsWhereSavingIsAllowed) {
  ASSERT_EQ(1, play({"Béla", "új 1 1 2", "tovább 0", "1", "2", "3", "4", "vissza", "vissza", "2", "vissza",
                     "vissza"}))
      << output();
  const std::string& out = output();
  const std::size_t first = out.find("> vissza\n");
  ASSERT_NE(std::string::npos, first);
  EXPECT_THAT(out.substr(first), HasSubstr("> vissza\n=== 3 ===\n"));
  EXPECT_THAT(out.substr(first), HasSubstr("> vissza\n=== 2 ===\n"));
  // Going on from 2 and back again; then nothing is left before the first kept point.
  EXPECT_THAT(out.substr(first), HasSubstr("> 2\n"));
  EXPECT_THAT(out, HasSubstr("Nincs visszalépés: nincs korábbi FejezetPont"));
}

TEST_F(PlayerComfortTest, RefusalsSayWhy) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    const char* message;
  };
  const Case cases[] = {
      {"no stepping back on Normál", {"Béla", "új 1 1 1", "tovább 0", "1", "2", "3", "vissza"},
       "Nincs visszalépés: \"Normál\" nehézségi fokozaton nincs visszalépés, ahogy mentés sem."},
      {"saving at the start", {"Béla", "új 1 1 2", "mentés Korai"},
       "Itt most nem lehet menteni: a Szabályok és a Háttértörténet alatt nincs mentés."},
      {"an empty list", {"Béla", "új 1 1 2", "info 1"}, "Nincs egy információ sem a listán."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(1, play(c.lines)) << c.name << "\n" << output();
    EXPECT_THAT(output(), HasSubstr(c.message)) << c.name << "\n" << output();
    EXPECT_THAT(output(), Not(HasSubstr("(1-0)"))) << c.name;
  }
}

TEST_F(PlayerComfortTest, SavingTooSoonSaysHowManyChapterPointsAreLeft) {
  PackageContent content = longStory();
  content.settingsLine = "1010000000";  // thirteen chapter points between saves
  writePackage(content);
  EXPECT_EQ(1, play({"Béla", "új 1 1 2", "tovább 0", "1", "2", "mentés Korai"}));
  // Entered so far: the rules text, the background story, 1 and 2.
  EXPECT_THAT(output(), HasSubstr("Itt most nem lehet menteni: még 9 FejezetPontot kell megtenned a legutóbbi "
                                  "mentés vagy betöltés óta."));
}

TEST_F(PlayerComfortTest, AMissingFileIsNamedAfterTheErrorWindow) {
  std::filesystem::remove(folder() / "Source" / "DataS1.zrx");
  EXPECT_EQ(1, play({"Béla", "új 1 1 2"}));
  EXPECT_THAT(output(), HasSubstr("*** HIBA! ***\nHIBA 1014: "));
  EXPECT_THAT(output(), HasSubstr("Hiányzó fájl: Source/DataS1.zrx\n"));
  EXPECT_THAT(output(), Not(HasSubstr("Hiányzó fájl: Source/Data0.zrx")));
}

TEST_F(PlayerComfortTest, ARaceOfRollsIsToldAsARunningScore) {
  std::vector<TChapterRec> chapters = {PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                       {.Number = 1, .NextChapters = "002003", .Conditions = "EL0812100+0#EW0812100+0"},
                                       PlainChapter(2, "GGG"), PlainChapter(3, "HHH")};
  writePackage(StoryPackage(chapters));
  ASSERT_EQ(0, play({"Béla", "új 1 1 2", "tovább 0", "1", "dob 1"})) << output();
  // Side A starts at 8, side B at 0; one die each.
  EXPECT_THAT(output(), ::testing::ContainsRegex("Verseny állása: (9|1[0-4]) : [1-6]\n"));
}

}  // namespace
}  // namespace zrx::test
