#include "player_names.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fixed_clock.h"
#include "package_fixture.h"
#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;

class PlayerNamesTest : public ::testing::Test {
 protected:
  explicit PlayerNamesTest(const std::string& settings = "1010000000") {
    PackageContent source = test::MakePackage("Source", 1);
    source.settingsLine = settings;
    test::WriteTestPackage(folder.path(), source);
  }
  fs::path dataFile() const { return folder.path() / "Source" / "Data0.zrx"; }

  test::TempFolder folder;
  test::FixedClock clock;
};

TEST_F(PlayerNamesTest, SignInRecordsTheName) {
  PlayerNames names(folder.path(), clock);
  ASSERT_EQ(0, names.ReadNames());
  EXPECT_TRUE(names.names().empty());
  EXPECT_EQ("1010000000", names.settingsLine());
  ASSERT_EQ(0, names.Record("Kalandor"));
  EXPECT_EQ(std::vector<std::string>({"Kalandor"}), names.names());
}

TEST_F(PlayerNamesTest, SaveWritesOnlyWhatIsAsked) {
  PlayerNames names(folder.path(), clock);
  ASSERT_EQ(0, names.ReadNames());
  ASSERT_EQ(0, names.Record("Anna"));
  ASSERT_EQ(0, names.Save("", "2121511111"));  // settings only
  PlayerNames reread(folder.path(), clock);
  ASSERT_EQ(0, reread.ReadNames(NamesReader::Settings));
  EXPECT_EQ("2121511111", reread.settingsLine());
  EXPECT_EQ(std::vector<std::string>({"Anna"}), reread.names());
  ASSERT_EQ(0, reread.Save("Béla", ""));  // a name only: the settings stay
  ASSERT_EQ(0, reread.Save("Cili", "1010000000"));
  PlayerNames last(folder.path(), clock);
  ASSERT_EQ(0, last.ReadNames());
  EXPECT_EQ("1010000000", last.settingsLine());
  EXPECT_EQ(3u, last.names().size());
  EXPECT_EQ(0, last.Save("", ""));
}

TEST_F(PlayerNamesTest, DeleteRemovesAName) {
  PlayerNames names(folder.path(), clock);
  ASSERT_EQ(0, names.ReadNames());
  ASSERT_EQ(0, names.Record("Anna"));
  ASSERT_EQ(0, names.Record("Béla"));
  ASSERT_EQ(0, names.Delete("Anna"));
  EXPECT_EQ(std::vector<std::string>({"Béla"}), names.names());
}

// Each window turns the same failure into its own error code.
TEST_F(PlayerNamesTest, FailuresGiveEachWindowsCode) {
  fs::remove(dataFile());
  PlayerNames names(folder.path(), clock);
  const int welcome = names.ReadNames(NamesReader::Welcome);
  const int settings = names.ReadNames(NamesReader::Settings);
  EXPECT_EQ(1, welcome);
  EXPECT_EQ(101, settings);
  EXPECT_EQ(10, names.Record("Anna"));
  EXPECT_EQ(110, names.Save("Anna", "1010000000"));
  EXPECT_EQ(119, names.Delete("Anna"));
}

TEST(PlayerNameCheck, RefusesAndCuts) {
  struct Case {
    const char* typed;
    NameVerdict verdict;
    const char* name;
  };
  const Case cases[] = {
      {"", NameVerdict::Empty, ""},
      {"   ", NameVerdict::Empty, ""},
      {"Ka'land", NameVerdict::Forbidden, ""},
      {"Ka|land", NameVerdict::Forbidden, ""},
      {"Kaland 日本", NameVerdict::NotWritable, ""},
      {"Ka\tland", NameVerdict::NotWritable, ""},
      {"Ka\nland", NameVerdict::NotWritable, ""},
      {"Kaland\r", NameVerdict::NotWritable, ""},
      {"Ka\x01land", NameVerdict::NotWritable, ""},
      {"Ka\x7fland", NameVerdict::NotWritable, ""},
      {"  Kalandor ", NameVerdict::Accepted, "Kalandor"},
      {"Árvíztűrő tükörfúrógép ötven", NameVerdict::Accepted, "Árvíztűrő tükörfúróg"},
  };
  for (const Case& c : cases) {
    std::string name;
    EXPECT_EQ(c.verdict, CheckPlayerName(c.typed, name)) << c.typed;
    EXPECT_EQ(c.name, name) << c.typed;
  }
}

}  // namespace
}  // namespace zrx
