// Whole flows through the text player on packages written in code: a battle lost to
// death, a save-quit-load cycle with a delete, a malformed book code that is shown while
// play goes on, a book that cannot be chosen, and the error window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "session.h"
#include "text_player_fixture.h"

namespace zrx::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// A Session kept open between commands, so that a test can act on what it sees.
class OpenSession {
 public:
  OpenSession(const std::filesystem::path& folder, const std::string& input, unsigned seed = 7)
      : in_(input), session_({.programFolder = folder, .seed = seed, .script = true}, in_, out_) {}
  Session& operator*() { return session_; }
  Session* operator->() { return &session_; }
  std::string output() const { return out_.str(); }

 private:
  std::istringstream in_;
  std::ostringstream out_;
  Session session_;
};

class PlayFlowsTest : public ::testing::Test, public TextPlayerFixture {};

TEST_F(PlayFlowsTest, LosingABattleEndsInDeath) {
  std::vector<TChapterRec> chapters = {PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                       {.Number = 1, .BattleCode = "N003", .NextChapters = "002", .Conditions = "C0"},
                                       PlainChapter(2, "GGG")};
  PackageContent content = StoryPackage(chapters);
  content.monsters.push_back({.Number = 3, .Name = "Kőóriás", .Stamina = 40, .Skill = 20, .FlightCode = "00",
                              .BattleFlag = 1, .AttackMods = "0", .RollBattleCode = "0", .WoundMods = "20201111"});
  writePackage(content);

  OpenSession session(folder(), "Béla\n");
  ASSERT_TRUE(session->signIn());
  for (const char* line : {"új 1 1 1", "tovább 0", "tovább 1"}) ASSERT_TRUE(session->execute(line)) << line;
  EXPECT_THAT(session.output(), HasSubstr("Jelzés: a(z) \"Próbák - Csaták\" lap vár: Csata (harc)."));
  // The fight waits for its page: the command opens it, as a click on the blinking tab.
  ASSERT_TRUE(session->execute("harc"));
  EXPECT_THAT(session.output(), HasSubstr("(a(z) \"Próbák - Csaták\" lap megnyílik)"));
  EXPECT_THAT(session.output(), HasSubstr("Ellenfél 1: Kőóriás"));
  int rounds = 0;
  while (session->game().state.GameLoaded && rounds < 100) {
    ASSERT_TRUE(session->execute("harc")) << "round " << rounds << "\n" << session.output();
    ++rounds;
  }
  EXPECT_FALSE(session->game().state.GameLoaded);
  EXPECT_THAT(session.output(), HasSubstr("Te Életerő: "));
  EXPECT_THAT(session.output(), HasSubstr("MEGHALTÁL!\nA játék végetért! Próbálkozz újra!\n"));
}

TEST_F(PlayFlowsTest, ARoundAgainstTwoOpponentsIsToldWhole) {
  std::vector<TChapterRec> chapters = {PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                       {.Number = 1, .BattleCode = "N003004", .NextChapters = "002", .Conditions = "C0"},
                                       PlainChapter(2, "GGG")};
  PackageContent content = StoryPackage(chapters);
  // Two giants fighting at once: the second strikes every round, and hits.
  for (int number : {3, 4}) {
    content.monsters.push_back({.Number = number, .Name = number == 3 ? "Kőóriás" : "Vasóriás", .Stamina = 40,
                                .Skill = 30, .FlightCode = "00", .BattleFlag = 0, .AttackMods = "0",
                                .RollBattleCode = "0", .WoundMods = "20201111", .OpponentMode = 5});
  }
  writePackage(content);

  OpenSession session(folder(), "Béla\n1\n");
  ASSERT_TRUE(session->signIn());
  for (const char* line : {"új 1 1 1", "tovább 0", "tovább 1", "harc"}) ASSERT_TRUE(session->execute(line)) << line;
  const int stamina = session->game().state.values.Stamina;
  const std::string& out = session.output();
  const std::size_t summary = out.find("A Forduló összesítése:\n");
  ASSERT_NE(std::string::npos, summary) << out;
  const std::string told = out.substr(summary);
  EXPECT_THAT(told, HasSubstr("  Támadóerő: Te "));
  EXPECT_THAT(told, HasSubstr("támadóereje "));
  EXPECT_THAT(told, HasSubstr(": eltalált, 2 pontot veszítesz\n"));
  EXPECT_THAT(told, HasSubstr(" -> " + std::to_string(stamina) + " (-"));
  EXPECT_THAT(told, HasSubstr("  Ellenfelek Életereje: "));
}

TEST_F(PlayFlowsTest, SaveQuitLoadAndDelete) {
  PackageContent content = StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"), PlainChapter(1, "002"),
                                         PlainChapter(2, "003"), PlainChapter(3, "GGG")});
  content.settingsLine = "1000000000";  // saving allowed after three chapter points
  writePackage(content);

  ASSERT_EQ(0, play({"Béla", "új 1 1 2", "tovább 0", "1", "2", "mentés Kapu előtt", "3", "kilépés", "igen"}))
      << output();
  EXPECT_THAT(output(), HasSubstr("Mentve: Kapu előtt"));

  ASSERT_EQ(0, play({"Béla", "betöltés 1", "kalandlap", "3", "törlés 1", "igen"})) << output();
  EXPECT_THAT(output(), HasSubstr("1) Kapu előtt | "));
  EXPECT_THAT(output(), HasSubstr("=== 2 ==="));
  EXPECT_THAT(output(), HasSubstr("Bejárt út:\n  1, 2, \n"));
  EXPECT_THAT(output(), HasSubstr("=== 3 ==="));
  EXPECT_THAT(output(), HasSubstr("Kérdés: Biztosan törlöd ezt a Mentést?\n        Kapu előtt\n"));

  EXPECT_EQ(1, play({"Béla", "betöltés 1"}));
  EXPECT_THAT(output(), HasSubstr("Információ: Nincs mentésed a jelenlegi\n            Felhasználónévvel!\n"));
}

TEST_F(PlayFlowsTest, SavingWhereTheChapterForbidsIt) {
  writePackage(StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"), PlainChapter(1, "GGG")}));
  EXPECT_EQ(1, play({"Béla", "új 1 1 1", "tovább 0", "1", "mentés Itt"}));
  EXPECT_THAT(output(), HasSubstr("Itt most nem lehet menteni: \"Normál\" nehézségi fokozaton nincs mentés."));
}

TEST_F(PlayFlowsTest, MalformedBookCodeIsShownAndPlayGoesOn) {
  writePackage(StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"), PlainChapter(1, "0Z2"),
                             PlainChapter(2, "GGG")}));
  EXPECT_EQ(1, play({"Béla", "új 1 1 1", "tovább 0", "1", "kalandlap", "befejezés", "igen"}));
  EXPECT_THAT(output(), HasSubstr("=== 1 ===\nFejezet 1\n"));
  EXPECT_THAT(output(), HasSubstr("ZRX - hiba: "));
  EXPECT_THAT(output(), HasSubstr("0Z2"));
  EXPECT_THAT(output(), HasSubstr("--- Kalandlap ---\nNehézségi fokozat: Normál\n"));
  EXPECT_THAT(output(), HasSubstr("Kérdés: Biztos, hogy befejezed a játékot?"));
}

TEST_F(PlayFlowsTest, NotAvailableBookIsRefusedInTheDialog) {
  writePackage(StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "GGG")}, "(NA) Készülő könyv"));
  EXPECT_EQ(1, play({"Béla", "új 1 1 1", "mégse"}));
  EXPECT_THAT(output(), HasSubstr("1) (NA) Készülő könyv"));
  EXPECT_THAT(output(), HasSubstr("Ez a könyv nem választható."));
  EXPECT_THAT(output(), HasSubstr("Új játék: mégse."));
}

TEST_F(PlayFlowsTest, ReportedErrorShowsTheErrorWindowAndEndsTheProgram) {
  writePackage(StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "GGG")}));
  std::filesystem::remove_all(folder() / "Save");
  EXPECT_EQ(1, play({"Béla", "mentések", "súgó"}));
  EXPECT_THAT(output(), HasSubstr("*** HIBA! ***\nHIBA "));
  EXPECT_THAT(output(), Not(HasSubstr("Parancsok"))) << "nothing runs after the error window";
  EXPECT_FALSE(std::filesystem::is_empty(folder() / "Other")) << "the error log is written";
}

}  // namespace
}  // namespace zrx::test
