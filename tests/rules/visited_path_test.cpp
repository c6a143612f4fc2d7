// The visited-path memo and its export to "Other/BejartUtak_(...)_n.txt".
#include "visited_path.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>

#include "lifecycle.h"
#include "rules_fixture.h"

namespace zrx::test {
namespace {

TEST(PathMemo, LinesTakeNumbersWhileShorterThan38Characters) {
  struct Case { int digits; std::size_t perLine; };
  // One-digit numbers: 12 make 36 characters, so a 13th still fits (39); the 14th wraps.
  const Case cases[] = {{1, 13}, {2, 10}, {3, 8}, {4, 7}};
  for (const auto& c : cases) {
    const std::string number(static_cast<std::size_t>(c.digits), '7');
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < c.perLine; ++i) AppendToPathMemo(lines, number);
    ASSERT_EQ(1u, lines.size()) << c.digits << " digits";
    AppendToPathMemo(lines, number);
    ASSERT_EQ(2u, lines.size()) << c.digits << " digits";
    EXPECT_EQ(number + ", ", lines[1]);
  }
  std::vector<std::string> lines;
  for (const char* n : {"12", "15", "7"}) AppendToPathMemo(lines, n);
  EXPECT_EQ((std::vector<std::string>{"12, 15, 7, "}), lines);
}

std::filesystem::path MakeTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zrx-rules-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
  return pattern;
}

class PathExportTest : public RulesFixture {
 protected:
  PathExportTest() : RulesFixture(MakeTempFolder()) {
    clock.set({2024, 3, 5, 7, 8, 9, 0});
    for (int c : {1, 2, 3}) navigation().LepesFeltoltes(std::to_string(c));
  }
  ~PathExportTest() override { std::filesystem::remove_all(game.programFolder()); }

  std::filesystem::path expected(int n) {
    return game.programFolder() / "Other" / ("BejartUtak_(2024-Mar-05#07-08-09)_" + std::to_string(n) + ".txt");
  }
  static std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(PathExportTest, ExportsNumberTheFilesOfOneSecond) {
  EXPECT_TRUE(navigation().LepesekFajlbaMentese());
  EXPECT_EQ("1, 2, 3, \r\n", contents(expected(1)));
  EXPECT_TRUE(navigation().LepesekFajlbaMentese());
  EXPECT_TRUE(std::filesystem::exists(expected(2)));
  EXPECT_FALSE(std::filesystem::exists(expected(3)));
}

TEST_F(PathExportTest, NothingIsWrittenForAnEmptyMemoOrWithoutAGame) {
  state().GameLoaded = false;
  EXPECT_FALSE(navigation().LepesekFajlbaMentese());
  state().GameLoaded = true;
  game.screen.MemoFP.clearItems();
  EXPECT_FALSE(navigation().LepesekFajlbaMentese());
  EXPECT_FALSE(std::filesystem::exists(game.programFolder() / "Other" / "x") ||
               std::filesystem::exists(expected(1)));
}

TEST_F(PathExportTest, DoubleClickOnTheMemoExportsWithANotice) {
  navigation().MemoFPDblClick();
  const auto infos = ui.eventsOf(UiEvent::Kind::Info);
  ASSERT_EQ(1u, infos.size());
  EXPECT_EQ((std::vector<std::string>{"A bejárt FejezetPontok listáját sikeresen", "elmentetted!"}),
            infos[0].lines);
  EXPECT_TRUE(std::filesystem::exists(expected(1)));
}

TEST_F(PathExportTest, AFailedWriteShowsNoNotice) {
  // "Other" is a file here, so no folder can be made for the export.
  std::ofstream(game.programFolder() / "Other") << "x";
  navigation().MemoFPDblClick();
  EXPECT_TRUE(ui.eventsOf(UiEvent::Kind::Info).empty());
}

TEST_F(PathExportTest, EndOfGameExportsWhenTheSettingAsks) {
  state().settings.StepLogging = true;
  Lifecycle(game).Befejez();
  EXPECT_TRUE(std::filesystem::exists(expected(1)));
  EXPECT_TRUE(game.screen.MemoFP.items().empty());
}

TEST_F(PathExportTest, LineBreaksOfTheMemoReachTheFile) {
  for (int c = 4; c <= 14; ++c) navigation().LepesFeltoltes(std::to_string(c));
  ASSERT_TRUE(navigation().LepesekFajlbaMentese());
  EXPECT_EQ("1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, \r\n13, 14, \r\n", contents(expected(1)));
}

}  // namespace
}  // namespace zrx::test
