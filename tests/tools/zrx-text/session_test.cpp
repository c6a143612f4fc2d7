// The text player driven through a Session: sign-in, the new-game dialog, navigation to
// the end of a book, and the messages on the way.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "text_player_fixture.h"

namespace zrx::test {
namespace {

using ::testing::HasSubstr;

// -1 rules -> 0 background -> 1 -> 2 (two ways: 3 or victory) -> 3 (end).
std::vector<TChapterRec> smallStory() {
  return {PlainChapter(-1, "000"), PlainChapter(0, "001"), PlainChapter(1, "002"),
          PlainChapter(2, "003GGG"), PlainChapter(3, "HHH")};
}

class SessionTest : public ::testing::Test, public TextPlayerFixture {
 protected:
  void SetUp() override { writePackage(StoryPackage(smallStory())); }
};

TEST_F(SessionTest, PlaysFromSignInToVictory) {
  const int status = play({"Béla", "új 1 1 2", "tovább 0", "1", "2", "tovább Győzelem"});
  EXPECT_EQ(0, status) << output();
  for (const char* expected : {"Üdvözöllek, Béla, a ZRX világában!", "Könyvek (Source):", "1) Kis kaland",
                               "Nehézségi fokozat: Könnyű", "=== Szabályok ===", "=== Háttértörténet ===",
                               "=== 1 ===", "=== 2 ===", "Lehetőségek:\n  3\n  Győzelem\n",
                               "GYŐZELEMMEL ZÁRTAD A KÖNYVET!"}) {
    EXPECT_THAT(output(), HasSubstr(expected)) << expected;
  }
}

TEST_F(SessionTest, FailedCommandsMakeTheScriptFail) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    const char* message;
  };
  const Case cases[] = {
      {"unknown command", {"Béla", "ugrás"}, "Ismeretlen parancs: ugrás"},
      {"no game", {"Béla", "tovább 3"}, "Nincs folyamatban játék"},
      {"continuation not offered", {"Béla", "új 1 1", "", "tovább 7"}, "Nincs ilyen továbblépési lehetőség: 7"},
      {"nothing chosen", {"Béla", "új 1 1", "", "tovább"}, "Válassz egy lehetőséget"},
      {"test not requested", {"Béla", "új 1 1", "", "szerencse"}, "A(z) \"Szerencse próba\" most nem érhető el."},
      {"unanswered question", {"Béla", "új 1 1", "", "befejezés"}, "Nincs válasz: nem."},
      {"refused name", {"Bé'la", "Béla"}, "Nem megengedett karakterek vannak a névben!"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(1, play(c.lines)) << c.name << "\n" << output();
    EXPECT_THAT(output(), HasSubstr(c.message)) << c.name;
  }
}

TEST_F(SessionTest, RefusedNameShowsBothNotices) {
  play({"a<b", "Béla"});
  EXPECT_THAT(output(), HasSubstr("Információ: Nem megengedett karakterek vannak a névben!\n"
                                  "            Adj meg másik nevet!\n"
                                  "Információ: A nem megengedett karakterek a következők:\n"
                                  "            \\ / : * ? \" ' < > |\n"));
  EXPECT_THAT(output(), HasSubstr("Üdvözöllek, Béla, a ZRX világában!"));
}

TEST_F(SessionTest, SignedInNameIsRecordedForTheNextRun) {
  ASSERT_EQ(0, play({"Cili"}));
  ASSERT_EQ(0, play({"Dani"}));
  EXPECT_THAT(output(), HasSubstr("Ismert játékosok: Cili"));
}

TEST_F(SessionTest, EndingTheGameAsksFirst) {
  // The last command finds no game: the script fails there, and only there.
  EXPECT_EQ(1, play({"Béla", "új 1 1 1", "befejezés", "nem", "tovább 0", "befejezés", "igen", "tovább 1"}));
  EXPECT_THAT(output(), HasSubstr("Kérdés: Biztos, hogy befejezed a játékot?"));
  EXPECT_THAT(output(), HasSubstr("=== Háttértörténet ==="));
  EXPECT_THAT(output(), HasSubstr("Nincs folyamatban játék"));
}

TEST_F(SessionTest, HelpListsEveryCommand) {
  ASSERT_EQ(0, play({"Béla", "súgó"}));
  for (const char* command : {"tovább", "kalandlap", "tárgyak", "próbák", "információk", "varázslatok", "használ",
                              "szerencse", "dob", "jegyzet", "mentés", "betöltés", "törlés", "befejezés", "új",
                              "kilépés"}) {
    EXPECT_THAT(output(), HasSubstr("\n  " + std::string(command))) << command;
  }
}

}  // namespace
}  // namespace zrx::test
