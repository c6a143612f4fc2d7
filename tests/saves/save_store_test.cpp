#include "save_store.h"

#include <gtest/gtest.h>

#include "atomic_file.h"
#include "save_test_support.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;
using test::ProgramFolder;
using test::CountingFiller;
using test::ScriptedRandom;
using test::ScriptForName;

const std::string kSentinel(kIndexSentinel);
const std::string kOtherLine = "Béla|2026.01.03. 10:11:12|Régi|BBBBBBBBBB|Source|A könyv|2|40";

SavedGame gameOf(const std::string& player, int chapter) {
  SavedGame game;
  game.sourceName = "Source";
  game.bookNumber = 1;
  game.playerName = player;
  game.currentChapter = chapter;
  game.characteristics = {{1, 0, 10, 10}, {2, 0, 20, 20}, {3, 0, 9, 9}};
  game.visitedPath = {"1", std::to_string(chapter)};
  return game;
}

SaveEntry entryFor(const std::string& saveName, int chapter) {
  SaveEntry entry;
  entry.date = "2026.05.06. 07:08:09";
  entry.saveName = saveName;
  entry.package = "Source";
  entry.title = "A könyv";
  entry.difficulty = "0";
  entry.chapter = std::to_string(chapter);
  return entry;
}

class SaveStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, folder.Write({kSentinel, kOtherLine}, kIndexName, kIndexExtension));
    ASSERT_EQ(0, SearchIndex(folder, "Anna", index));
  }

  int store(const std::string& saveName, int chapter, ScriptedRandom& random) {
    return StoreGame(folder, index, "Anna", entryFor(saveName, chapter),
                     ComposeGameLines(gameOf("Anna", chapter)), index.FindSaveName(saveName), random);
  }

  std::vector<std::string> indexLines() {
    std::vector<std::string> lines;
    EXPECT_EQ(0, folder.Read(lines, kIndexName, kIndexExtension));
    return lines;
  }

  ProgramFolder program;
  SaveFolder folder{program.path(), CountingFiller()};
  SaveIndex index;
};

TEST_F(SaveStoreTest, NewSaveGetsAFreshNameAndAnIndexLine) {
  // The first draw repeats the other player's file name and must be drawn again.
  auto script = ScriptForName("BBBBBBBBBB");
  const auto second = ScriptForName("QQQQQQQQQQ");
  script.insert(script.end(), second.begin(), second.end());
  ScriptedRandom random(script);
  ASSERT_EQ(0, store("Első", 12, random));

  const auto lines = indexLines();
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ(kOtherLine, lines[1]);
  EXPECT_EQ("Anna|2026.05.06. 07:08:09|Első|QQQQQQQQQQ|Source|A könyv|0|12", lines[2]);
  ASSERT_EQ(1u, index.entries.size());
  EXPECT_EQ(2u, index.entries[0].lineIndex);

  SavedGame loaded;
  ASSERT_EQ(0, ReadGame(folder, index.entries[0], "Anna", loaded));
  SavedGame expected = gameOf("Anna", 12);
  expected.fileName = "QQQQQQQQQQ";
  EXPECT_EQ(expected, loaded);
}

TEST_F(SaveStoreTest, OverwriteKeepsTheLineAndTheFileName) {
  ScriptedRandom random;
  ASSERT_EQ(0, store("Első", 12, random));
  ASSERT_EQ(0, store("Második", 14, random));
  const std::string fileName = index.entries[0].fileName;

  auto changed = entryFor("Első", 30);
  changed.date = "2026.05.07. 00:00:00";
  ASSERT_EQ(0, StoreGame(folder, index, "Anna", changed, ComposeGameLines(gameOf("Anna", 30)), 0, random));

  const auto lines = indexLines();
  ASSERT_EQ(4u, lines.size());
  EXPECT_EQ("Anna|2026.05.07. 00:00:00|Első|" + fileName + "|Source|A könyv|0|30", lines[2]);
  EXPECT_EQ(fileName, index.entries[0].fileName);
  SavedGame loaded;
  ASSERT_EQ(0, ReadGame(folder, index.entries[0], "Anna", loaded));
  EXPECT_EQ(30, loaded.currentChapter);
  EXPECT_EQ(3, std::distance(fs::directory_iterator(program.savePath()), fs::directory_iterator()))
      << "two game files beside the index";
}

TEST_F(SaveStoreTest, MissingFolderOrIndexIsReportedBeforeWriting) {
  ScriptedRandom random;
  fs::remove(folder.filePath(kIndexName, kIndexExtension));
  EXPECT_EQ(-2, store("Első", 12, random));
  EXPECT_TRUE(index.entries.empty());
  fs::remove_all(program.savePath());
  EXPECT_EQ(-1, store("Első", 12, random));
}

TEST_F(SaveStoreTest, FailedGameWriteLeavesTheIndexAlone) {
  ScriptedRandom random;
  ASSERT_EQ(0, store("Első", 12, random));
  const std::string file = index.entries[0].fileName;
  // A folder where the game file should go makes its replace fail.
  fs::remove(folder.filePath(file, kGameExtension));
  fs::create_directories(folder.filePath(file, kGameExtension) / "x");
  const auto before = indexLines();
  const auto entriesBefore = index.entries;

  EXPECT_EQ(-3, store("Első", 40, random));
  EXPECT_EQ(before, indexLines());
  EXPECT_EQ("12", index.entries[0].chapter);
  EXPECT_EQ(entriesBefore.size(), index.entries.size());
}

TEST_F(SaveStoreTest, FailedIndexWriteLeavesThePreviousIndex) {
  ScriptedRandom random;
  ASSERT_EQ(0, store("Első", 12, random));
  const auto before = indexLines();
  // A folder where the replacement is written first makes the index write fail.
  fs::create_directory(TemporaryPathFor(folder.filePath(kIndexName, kIndexExtension)));

  const auto filesBefore = std::distance(fs::directory_iterator(program.savePath()), fs::directory_iterator());
  EXPECT_EQ(-4, store("Második", 14, random));
  EXPECT_EQ(before, indexLines());
  EXPECT_EQ(1u, index.entries.size());
  EXPECT_EQ(-4, store("Első", 30, random));
  EXPECT_EQ(before, indexLines());
  EXPECT_EQ("12", index.entries[0].chapter);
  EXPECT_EQ(filesBefore, std::distance(fs::directory_iterator(program.savePath()), fs::directory_iterator()))
      << "no new game file without its line";
  SavedGame kept;
  ASSERT_EQ(0, ReadGame(folder, index.entries[0], "Anna", kept));
  EXPECT_EQ(12, kept.currentChapter) << "the overwritten game file has its old content back";
  EXPECT_EQ(-3, DeleteGame(folder, index, 0));
  EXPECT_EQ(before, indexLines());
  EXPECT_TRUE(fs::exists(folder.filePath(index.entries[0].fileName, kGameExtension)))
      << "the game file stays while its index line does";
}

TEST_F(SaveStoreTest, DeleteRewritesTheIndexAndRemovesTheFile) {
  ScriptedRandom random;
  ASSERT_EQ(0, store("Első", 12, random));
  ASSERT_EQ(0, store("Második", 14, random));
  const std::string firstFile = index.entries[0].fileName;
  const std::string secondFile = index.entries[1].fileName;

  ASSERT_EQ(0, DeleteGame(folder, index, 0));
  EXPECT_FALSE(fs::exists(folder.filePath(firstFile, kGameExtension)));
  EXPECT_TRUE(fs::exists(folder.filePath(secondFile, kGameExtension)));
  ASSERT_EQ(1u, index.entries.size());
  EXPECT_EQ("Második", index.entries[0].saveName);
  EXPECT_EQ(2u, index.entries[0].lineIndex);
  const auto lines = indexLines();
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ(kOtherLine, lines[1]);
  EXPECT_EQ(index.lines, lines);

  SaveIndex reread;
  ASSERT_EQ(0, SearchIndex(folder, "Anna", reread));
  EXPECT_EQ(1u, reread.entries.size());
}

TEST_F(SaveStoreTest, DeleteWithoutIndexFileChangesNothing) {
  ScriptedRandom random;
  ASSERT_EQ(0, store("Első", 12, random));
  const std::string file = index.entries[0].fileName;
  fs::remove(folder.filePath(kIndexName, kIndexExtension));
  EXPECT_EQ(-2, DeleteGame(folder, index, 0));
  EXPECT_TRUE(fs::exists(folder.filePath(file, kGameExtension)));
  EXPECT_EQ(1u, index.entries.size());
}

TEST_F(SaveStoreTest, ReadGameReportsEveryFailure) {
  ScriptedRandom random;
  ASSERT_EQ(0, store("Első", 12, random));
  SavedGame game;
  EXPECT_EQ(-23, ReadGame(folder, index.entries[0], "Béla", game));
  SaveEntry missing = index.entries[0];
  missing.fileName = "ZZZZZZZZZZ";
  EXPECT_EQ(-11, ReadGame(folder, missing, "Anna", game));
  SaveEntry traversal = index.entries[0];
  traversal.fileName = "../../x";
  EXPECT_EQ(-5, ReadGame(folder, traversal, "Anna", game));
  // A file copied under another name fails the name check of the current version.
  fs::copy_file(folder.filePath(index.entries[0].fileName, kGameExtension),
                folder.filePath("ZZZZZZZZZZ", kGameExtension));
  EXPECT_EQ(-24, ReadGame(folder, missing, "Anna", game));
}

}  // namespace
}  // namespace zrx
