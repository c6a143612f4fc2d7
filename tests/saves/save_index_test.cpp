#include "save_index.h"

#include <gtest/gtest.h>

#include "save_test_support.h"

namespace zrx {
namespace {

using test::ProgramFolder;
using test::CountingFiller;
using test::ScriptedRandom;
using test::ScriptForName;

const std::string kSentinel(kIndexSentinel);

void writeIndex(const SaveFolder& folder, const std::vector<std::string>& lines) {
  ASSERT_EQ(0, folder.Write(lines, kIndexName, kIndexExtension));
}

TEST(SaveFileName, OnlyTenAlphabetCharactersNameAGameFile) {
  struct Case {
    const char* name;
    bool valid;
  };
  const Case cases[] = {
      {"0123456789", true}, {"QWERTZUIOP", true}, {"MNBVCXYLKJ", true},
      {"012345678", false}, {"01234567890", false}, {"", false},
      {"../../x", false}, {"../../xxxx", false}, {"ABCDE/GHIJ", false},
      {"abcdefghij", false}, {"ABCDEFGHI.", false}, {"ABCDE FGHI", false},
      {"ÁBCDEFGHI", false}, {"ABCDEFGHI\\", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.valid, IsValidSaveFileName(c.name)) << '"' << c.name << '"';
}

TEST(SaveIndexSearch, SplitsThePlayersSavesAndCollectsEveryTakenName) {
  ProgramFolder program;
  SaveFolder folder(program.path(), CountingFiller());
  writeIndex(folder, {kSentinel,
                      "Anna|2026.01.02. 10:11:12|Első|AAAAAAAAAA|Source|A könyv|0|12",
                      "Béla|2026.01.03. 10:11:12|Első|BBBBBBBBBB|Source|A könyv|2|40",
                      "Anna|2026.01.04. 10:11:12|Második|CCCCCCCCCC|Other1|Más könyv|1|7"});
  SaveIndex index;
  ASSERT_EQ(0, SearchIndex(folder, "Anna", index));
  ASSERT_EQ(2u, index.entries.size());
  EXPECT_EQ(1u, index.entries[0].lineIndex);
  EXPECT_EQ("2026.01.02. 10:11:12", index.entries[0].date);
  EXPECT_EQ("Első", index.entries[0].saveName);
  EXPECT_EQ("AAAAAAAAAA", index.entries[0].fileName);
  EXPECT_EQ("Source", index.entries[0].package);
  EXPECT_EQ("A könyv", index.entries[0].title);
  EXPECT_EQ("0", index.entries[0].difficulty);
  EXPECT_EQ("12", index.entries[0].chapter);
  EXPECT_EQ(3u, index.entries[1].lineIndex);
  EXPECT_EQ("Other1", index.entries[1].package);
  EXPECT_EQ((std::vector<std::string>{"AAAAAAAAAA", "BBBBBBBBBB", "CCCCCCCCCC"}), index.takenFileNames);
  EXPECT_EQ(1, index.FindSaveName("Második"));
  EXPECT_EQ(-1, index.FindSaveName("második"));
  EXPECT_EQ(4u, index.lines.size());
}

TEST(SaveIndexSearch, MalformedIndexesGiveTheirCodes) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    int expected;
  };
  const std::string own = "Anna|2026.01.02. 10:11:12|Első|AAAAAAAAAA|Source|A könyv|0|12";
  std::string sentinelOff = kSentinel;
  sentinelOff.back() = '1';
  const Case cases[] = {
      {"sentinel off by one character", {sentinelOff, own}, -5},
      {"sentinel in lower case", {"source|2000.01.01.00:00:00|SOURCE|SOURCE|SOURCE|SOURCE|0|0"}, -5},
      {"sentinel missing", {own}, -5},
      {"line without separator", {kSentinel, own, "Anna"}, -6},
      {"empty line", {kSentinel, ""}, -6},
      {"own line with seven fields", {kSentinel, "Anna|d|n|AAAAAAAAAA|Source|T|0"}, -7},
      {"other line without file name field", {kSentinel, "Béla|d|n"}, -7},
      {"traversal name in own line", {kSentinel, "Anna|d|n|../../x|Source|T|0|12"}, -7},
      {"traversal name in other line", {kSentinel, "Béla|d|n|../../xxxxx|Source|T|0|12"}, -7},
      {"absolute path as name", {kSentinel, "Anna|d|n|/etc/passw|Source|T|0|12"}, -7},
      {"name of eleven characters", {kSentinel, "Anna|d|n|AAAAAAAAAAA|Source|T|0|12"}, -7},
      {"name in lower case", {kSentinel, "Anna|d|n|aaaaaaaaaa|Source|T|0|12"}, -7},
      {"good lines only", {kSentinel, own, "Béla|d|n|BBBBBBBBBB"}, 0},
  };
  for (const auto& c : cases) {
    ProgramFolder program;
    SaveFolder folder(program.path(), CountingFiller());
    writeIndex(folder, c.lines);
    SaveIndex index;
    EXPECT_EQ(c.expected, SearchIndex(folder, "Anna", index)) << c.name;
  }
}

TEST(SaveIndexSearch, EmptyOrMissingIndex) {
  ProgramFolder program;
  SaveFolder folder(program.path(), CountingFiller());
  SaveIndex index;
  EXPECT_EQ(-11, SearchIndex(folder, "Anna", index));
  writeIndex(folder, {});
  EXPECT_EQ(0, SearchIndex(folder, "Anna", index));
  EXPECT_TRUE(index.entries.empty());
  EXPECT_TRUE(index.lines.empty());
}

TEST(SaveIndexLayout, ANewInstallationGetsAnEmptyIndexAndAnOldOneKeepsItsSaves) {
  ProgramFolder program;
  std::filesystem::remove_all(program.path() / "Save");
  ASSERT_EQ(0, LayEmptySaveIndex(program.path()));
  SaveFolder folder(program.path(), CountingFiller());
  std::vector<std::string> lines;
  ASSERT_EQ(0, folder.Read(lines, kIndexName, kIndexExtension));
  EXPECT_EQ(std::vector<std::string>{kSentinel}, lines);

  const std::vector<std::string> saved = {kSentinel, "Anna|2026.01.02. 10:11:12|Első|AAAAAAAAAA|Source|A könyv|0|12"};
  writeIndex(folder, saved);
  ASSERT_EQ(0, LayEmptySaveIndex(program.path()));
  ASSERT_EQ(0, folder.Read(lines, kIndexName, kIndexExtension));
  EXPECT_EQ(saved, lines);
}

TEST(SaveIndexLine, FieldsAreJoinedInOrder) {
  SaveEntry entry{7, "2026.02.03. 04:05:06", "Név", "QWERTZUIOP", "Source", "Cím", "2", "101"};
  EXPECT_EQ("Anna|2026.02.03. 04:05:06|Név|QWERTZUIOP|Source|Cím|2|101", ComposeIndexLine("Anna", entry));
}

TEST(SaveFileNameDraw, NeverReusesATakenNameOrAnExistingFile) {
  ProgramFolder program;
  SaveFolder folder(program.path(), CountingFiller());
  SaveIndex index;
  index.takenFileNames = {"AAAAAAAAAA"};
  ASSERT_EQ(0, folder.Write({"x"}, "BBBBBBBBBB", kGameExtension));

  std::vector<std::uint32_t> script = ScriptForName("AAAAAAAAAA");
  for (const char* next : {"BBBBBBBBBB", "CCCCCCCCCC"}) {
    const auto more = ScriptForName(next);
    script.insert(script.end(), more.begin(), more.end());
  }
  ScriptedRandom random(script);
  EXPECT_EQ("CCCCCCCCCC", DrawFileName(index, folder, random));
  EXPECT_EQ(1, random.reseeds) << "the source is reseeded before the name is drawn";
}

TEST(SaveFileNameDraw, ClockSeededDrawsStayWithinTheBound) {
  ClockSeededRandom random;
  for (int i = 0; i < 1000; ++i) {
    random.Reseed();
    EXPECT_GT(36u, random.Below(36));
  }
  EXPECT_EQ(0u, random.Below(1));
}

TEST(SaveFileNameDraw, UsesTheWholeAlphabet) {
  ProgramFolder program;
  SaveFolder folder(program.path(), CountingFiller());
  ScriptedRandom random({0, 9, 10, 35, 36, 19, 20, 29, 30, 1});
  EXPECT_EQ("09QM0PAYX1", DrawFileName(SaveIndex{}, folder, random));
}

}  // namespace
}  // namespace zrx
