#include "game_file.h"

#include <gtest/gtest.h>

#include <functional>

namespace zrx {
namespace {

SavedGame sampleGame() {
  SavedGame game;
  game.sourceName = "Source";
  game.bookNumber = 2;
  game.playerName = "Anna";
  game.difficulty = 2;
  game.currentChapter = 57;
  game.ownNotes = {" első jegyzet", "", " harmadik | jel", "", " ötödik"};
  game.equippedItems = {7, 0, 12, 0, 0, 101};
  game.equipment = {{7, 1}, {12, 3}, {101, 25}};
  game.infos = {{4, 0}, {15, 1500}};
  game.hiddenInfos = {{30, 2}};
  game.characteristics = {{1, 0, 11, 9}, {2, 0, 20, 7}, {3, 0, 9, 9}, {5, 0, 12, 3}};
  game.magicSkills = {{3, 2, 0}, {8, 1, 255}};
  game.visitedPath = {"1", "5", "12", "57"};
  return game;
}

TEST(GameLines, ComposedInTheFileOrder) {
  const auto lines = ComposeGameLines(sampleGame());
  const std::vector<std::string> expected = {
      "Source", "2", "Anna", "2", "0.702.10", "57", "5", "3", "1007000012000000101", "2", "1", "4", "2", "4",
      " első jegyzet", "", " harmadik | jel", "", " ötödik",
      "007|1", "012|3", "101|25",
      "004|0", "015|1500",
      "030|2",
      "1|0|11|9", "2|0|20|7", "3|0|9|9", "5|0|12|3",
      "003|2|0", "008|1|255",
      "1", "5", "12", "57"};
  EXPECT_EQ(expected, lines);
}

TEST(GameLines, EquippedLine) {
  EXPECT_EQ("0", ComposeEquippedLine({0, 0, 0, 0, 0, 0}));
  EXPECT_EQ("1007000000000000000", ComposeEquippedLine({7, 0, 0, 0, 0, 0}));
  EXPECT_EQ("1000000000000000999", ComposeEquippedLine({0, 0, 0, 0, 0, 999}));
}

TEST(GameLines, ParseGivesBackWhatWasComposed) {
  SavedGame game = sampleGame();
  auto lines = ComposeGameLines(game);
  lines.push_back("QWERTZUIOP");
  game.fileName = "QWERTZUIOP";
  SavedGame parsed;
  ASSERT_EQ(0, ParseGameLines(lines, parsed));
  EXPECT_EQ(game, parsed);
}

TEST(GameLines, MoreOwnNoteLinesThanFiveAreSkipped) {
  auto lines = ComposeGameLines(sampleGame());
  lines[6] = "6";
  lines.insert(lines.begin() + 19, " hatodik");
  SavedGame parsed;
  ASSERT_EQ(0, ParseGameLines(lines, parsed));
  EXPECT_EQ(" ötödik", parsed.ownNotes[4]);
  EXPECT_EQ(sampleGame().equipment, parsed.equipment);
}

TEST(GameCheck, EachRuleHasItsCode) {
  struct Case {
    const char* name;
    std::function<void(std::vector<std::string>&)> change;
    int expected;
  };
  const Case cases[] = {
      {"a well-formed file", [](auto&) {}, 0},
      {"no lines", [](auto& l) { l.clear(); }, -1},
      {"version 0.700.10 without the name line", [](auto& l) { l[4] = "0.700.10"; l.pop_back(); }, 0},
      {"version 0.701.10 with another last line", [](auto& l) { l[4] = "0.701.10"; l.back() = "X"; }, 0},
      {"version 0.703.10", [](auto& l) { l[4] = "0.703.10"; }, -21},
      {"version 0.699.10", [](auto& l) { l[4] = "0.699.10"; }, -21},
      {"only four lines", [](auto& l) { l.resize(4); }, -21},
      {"difficulty 3", [](auto& l) { l[3] = "3"; }, -22},
      {"difficulty -1", [](auto& l) { l[3] = "-1"; }, -22},
      {"difficulty not a number", [](auto& l) { l[3] = "x"; }, -22},
      {"another player", [](auto& l) { l[2] = "Béla"; }, -23},
      {"player name with a trailing blank", [](auto& l) { l[2] = "Anna "; }, -23},
      {"last line names another file", [](auto& l) { l.back() = "ASDFGHJKLY"; }, -24},
      {"name line missing", [](auto& l) { l.pop_back(); }, -24},
      {"count not a number", [](auto& l) { l[7] = "three"; }, -5},
      {"negative count", [](auto& l) { l[9] = "-1"; }, -5},
      {"more lines announced than present", [](auto& l) { l[13] = "40"; }, -5},
      {"huge count", [](auto& l) { l[13] = "2147483647"; }, -5},
      {"equipment line without separator", [](auto& l) { l[19] = "0071"; }, -5},
      {"equipment count not a number", [](auto& l) { l[19] = "007|x"; }, -5},
      {"equipped line too short", [](auto& l) { l[8] = "1007"; }, -5},
      {"magic level above 255", [](auto& l) { l[29] = "003|256|0"; }, -5},
      {"magic uses above 255", [](auto& l) { l[30] = "008|1|300"; }, -5},
      {"characteristic above 255", [](auto& l) { l[25] = "1|0|256|9"; }, -5},
      {"characteristic with three fields", [](auto& l) { l[25] = "1|0|11"; }, -5},
      {"path entry not a number", [](auto& l) { l[33] = "x"; }, -5},
      {"head cut short", [](auto& l) { l.resize(12); l.push_back("QWERTZUIOP"); }, -5},
  };
  for (const auto& c : cases) {
    auto lines = ComposeGameLines(sampleGame());
    lines.push_back("QWERTZUIOP");
    c.change(lines);
    EXPECT_EQ(c.expected, CheckGameLines(lines, "QWERTZUIOP", "Anna")) << c.name;
  }
}

}  // namespace
}  // namespace zrx
