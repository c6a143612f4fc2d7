#include "names_block.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "atomic_file.h"
#include "fixed_clock.h"
#include "package_fixture.h"
#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// A clock set by day count, so that the tests can step it a day at a time.
class DayCountClock : public Clock {
 public:
  explicit DayCountClock(double days) : days(days) {}
  DateTime now() const override { return FromDayCount(days).value(); }
  double days;
};

class NamesFile : public ::testing::Test {
 protected:
  NamesFile() { test::WriteTestPackage(program.path(), test::MakePackage("Source", 1)); }

  NamesBlock block() {
    return NamesBlock(program.path(), clock, [this] { return ++filler; });
  }
  fs::path dataFile() const { return program.path() / "Source" / "Data0.zrx"; }
  std::uintmax_t fileSize() const { return fs::file_size(dataFile()); }

  Names readBack() {
    Names names;
    EXPECT_EQ(1, block().ReadNames(names));
    return names;
  }

  // Records the names one after another, a day apart.
  void record(NamesBlock& names, std::initializer_list<const char*> list) {
    for (const char* name : list) {
      clock.days += 1.0;
      Names listed;
      ASSERT_EQ(1, names.WriteName(&listed, name, kWriteNameOnly, "")) << name;
    }
  }

  test::TempFolder program;
  DayCountClock clock{45000.5};
  std::uint8_t filler = 0;
};

TEST_F(NamesFile, BlockWithoutNamesReadsAndListsNothing) {
  NamesBlock names = block();
  Names listed{"stale"};
  EXPECT_EQ(1, names.ReadNames(listed));
  EXPECT_TRUE(listed.empty());
  EXPECT_EQ(2, names.NameCount());
  EXPECT_EQ("1010000000", names.settingsLine());
}

TEST_F(NamesFile, NewNameAdds32BytesAndRewritingKeepsTheSize) {
  NamesBlock names = block();
  const auto before = fileSize();
  record(names, {"Béla"});
  EXPECT_EQ(before + 32, fileSize());
  const auto once = test::ReadBytes(dataFile());

  record(names, {"Béla"});
  const auto twice = test::ReadBytes(dataFile());
  ASSERT_EQ(once.size(), twice.size());
  // Only the 29-byte record of entry 3 changed: its filler and every other byte stay.
  const std::size_t record3 = 22 + 4 + 2 * 32 + 3;
  for (std::size_t i = 0; i < once.size(); ++i) {
    if (i < record3 || i >= record3 + 29) {
      ASSERT_EQ(once[i], twice[i]) << "byte " << i;
    }
  }

  NamesBlock reread = block();
  Names listed;
  EXPECT_EQ(1, reread.ReadNames(listed));
  EXPECT_EQ(Names{"Béla"}, listed);
  EXPECT_DOUBLE_EQ(clock.days, reread.NameList()[0].timestamp);
  EXPECT_EQ(3, reread.NameCount());
}

TEST_F(NamesFile, NamesAreListedNewestFirst) {
  NamesBlock names = block();
  record(names, {"Anna", "Béla", "Cili"});
  EXPECT_EQ((Names{"Cili", "Béla", "Anna"}), readBack());
  record(names, {"Anna"});
  EXPECT_EQ((Names{"Anna", "Cili", "Béla"}), readBack());
  NamesBlock reread = block();
  Names listed;
  reread.ReadNames(listed);
  int entry = 0;
  EXPECT_TRUE(reread.FindName("Anna", false, entry));
  EXPECT_EQ(3, entry);  // file order is the order of first recording
  EXPECT_TRUE(reread.FindName("Anna", true, entry));
  EXPECT_EQ(5, entry);  // the sorted list ends with the newest
}

TEST_F(NamesFile, DeletingRecodesTheLaterEntriesAtTheirNewPlaces) {
  NamesBlock names = block();
  record(names, {"Anna", "Béla", "Cili"});
  const double bela = clock.days - 1, cili = clock.days;
  const auto before = fileSize();
  Names listed;
  EXPECT_EQ(1, names.DeleteName(listed, "Anna"));
  EXPECT_EQ((Names{"Cili", "Béla"}), listed);
  EXPECT_EQ(before - 32, fileSize());

  NamesBlock reread = block();
  EXPECT_EQ(1, reread.ReadNames(listed));
  EXPECT_EQ((Names{"Cili", "Béla"}), listed);
  EXPECT_EQ((std::vector<NameRecord>{{"Béla", bela}, {"Cili", cili}}), reread.NameList());

  EXPECT_EQ(1, names.DeleteName(listed, "Senki"));  // not recorded: nothing changes
  EXPECT_EQ(before - 32, fileSize());
}

TEST_F(NamesFile, NamesCompareExactlyAndAreCutTo20Characters) {
  NamesBlock names = block();
  record(names, {"Anna", "anna", "Árvíztűrő tükörfúrógépek"});
  const Names listed = readBack();
  EXPECT_EQ((Names{"Árvíztűrő tükörfúróg", "anna", "Anna"}), listed);
  const auto size = fileSize();
  record(names, {"Árvíztűrő tükörfúrógépek"});  // the same name once cut
  EXPECT_EQ(size, fileSize());
  int entry = 0;
  EXPECT_FALSE(names.FindName("ANNA", false, entry));
}

TEST_F(NamesFile, SettingsLineIsWrittenAndChecked) {
  NamesBlock names = block();
  const auto size = fileSize();
  EXPECT_EQ(1, names.WriteName(nullptr, "ignored", kWriteSettingsOnly, "0123456012"));
  EXPECT_EQ(size, fileSize());
  EXPECT_TRUE(readBack().empty());
  EXPECT_EQ(1, names.WriteName(nullptr, "Dóra", kWriteNameAndSettings, "6543210000"));
  EXPECT_EQ(Names{"Dóra"}, readBack());

  const struct {
    const char* line;
    int expected;
  } cases[] = {{"12345", -3}, {"12345678901", -3}, {"", -3}, {"1234567890", -4}, {"10100a0000", -4}, {"6666666666", 1}};
  for (const auto& c : cases) {
    ASSERT_EQ(1, names.WriteName(nullptr, "", kWriteSettingsOnly, c.line)) << c.line;
    Names listed;
    EXPECT_EQ(c.expected, block().ReadNames(listed)) << c.line;
  }
}

TEST_F(NamesFile, TimestampMustBeAValidMoment) {
  // Moments outside the years 1 to 9999 are written as day counts that do not read back.
  for (const DateTime bad : {DateTime{10000, 1, 1}, DateTime{0, 6, 1}, DateTime{-40, 1, 1}}) {
    test::WriteTestPackage(program.path(), test::MakePackage("Source", 1));
    NamesBlock names = block();
    record(names, {"Anna"});
    const test::FixedClock badClock(bad);
    NamesBlock writer(program.path(), badClock, [] { return std::uint8_t{0}; });
    writer.WriteName(nullptr, "Béla", kWriteNameOnly, "");
    Names listed;
    EXPECT_EQ(-5, block().ReadNames(listed)) << bad.year;
  }
}

TEST_F(NamesFile, PackageBlockStillLoadsAfterNamesChange) {
  NamesBlock names = block();
  record(names, {"Anna", "Béla", "Cili"});
  Names listed;
  names.DeleteName(listed, "Béla");
  names.WriteName(nullptr, "", kWriteSettingsOnly, "0000000000");
  BookStores stores;
  EXPECT_EQ(1, SourceCoding(program.path()).LoadGameData("Source", 1, stores));
  EXPECT_EQ(5u, stores.chapters.size());
}

TEST_F(NamesFile, FailedWriteLeavesTheOldFileIntact) {
  NamesBlock names = block();
  record(names, {"Anna"});
  const auto before = test::ReadBytes(dataFile());
  fs::create_directory(TemporaryPathFor(dataFile()));  // the temporary file cannot be made
  Names listed;
  EXPECT_EQ(-6, names.WriteName(&listed, "Béla", kWriteNameOnly, ""));
  EXPECT_EQ(-6, names.WriteName(nullptr, "", kWriteSettingsOnly, "0000000000"));
  EXPECT_EQ(-3, names.DeleteName(listed, "Anna"));
  EXPECT_EQ(before, test::ReadBytes(dataFile()));
  EXPECT_EQ(1, names.ReadNames(listed));
  EXPECT_EQ(Names{"Anna"}, listed);
}

TEST_F(NamesFile, NameOutsideTheCodePageIsRefused) {
  NamesBlock names = block();
  const auto before = test::ReadBytes(dataFile());
  EXPECT_EQ(-6, names.WriteName(nullptr, "名前", kWriteNameOnly, ""));
  EXPECT_EQ(before, test::ReadBytes(dataFile()));
}

TEST_F(NamesFile, FileErrorsAreReported) {
  NamesBlock names = block();
  Names listed;
  // A count that claims more entries than the file holds.
  auto bytes = test::ReadBytes(dataFile());
  const auto coded = EncodeInt32(CodingKey::kShort, 22, 100000);
  std::copy(coded.begin(), coded.end(), bytes.begin() + 22);
  test::WriteBytes(dataFile(), bytes);
  EXPECT_EQ(-6, names.ReadNames(listed));
  EXPECT_EQ(-6, names.WriteName(nullptr, "Anna", kWriteNameOnly, ""));
  EXPECT_EQ(-3, names.DeleteName(listed, "Anna"));

  fs::remove(dataFile());
  EXPECT_EQ(-11, names.ReadNames(listed));
  EXPECT_EQ(-11, names.WriteName(nullptr, "Anna", kWriteNameOnly, ""));
  EXPECT_EQ(-11, names.DeleteName(listed, "Anna"));
}

TEST(CheckName, RefusesEmptyNamesAndFileNameCharacters) {
  EXPECT_EQ(0, CheckName("Kovács Béla"));
  EXPECT_EQ(-1, CheckName(""));
  for (const char* bad : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "O'Hara"})
    EXPECT_EQ(-2, CheckName(bad)) << bad;
}

}  // namespace
}  // namespace zrx
