// At start, the player's copies of the installed packages are brought to the installed build:
// a copy laid out from another build is replaced whole, the player's names in "Source" are
// kept, and the player's own packages, saved games and other files stay as they are.
#include "bundled_update.h"

#include <gtest/gtest.h>

#include <functional>

#include "archive_writer.h"
#include "fixed_clock.h"
#include "names_block.h"
#include "package_fixture.h"
#include "raw_archive.h"
#include "source_coding.h"
#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;

class BundledUpdate : public ::testing::Test {
 public:
  fs::path installed() const { return temp.path() / "share" / "zrx"; }
  fs::path user() const { return temp.path() / "user"; }

  // Builds the installed package with its manifest, as the build lays it out.
  void install(const std::string& name, int bookCount, const std::string& version) {
    std::error_code ignored;
    fs::remove_all(installed() / name, ignored);
    test::WriteTestPackage(installed(), test::MakePackage(name, bookCount));
    ASSERT_EQ(WriteFolderManifest(installed() / name, version), kArchiveWritten);
  }
  // The player's copy as the first start lays it out.
  void layOut(const std::string& name) {
    fs::create_directories(user());
    fs::copy(installed() / name, user() / name, fs::copy_options::recursive);
  }
  // Everything in the player's folder but the packages themselves.
  std::vector<std::string> leftovers() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(user())) {
      if (entry.path().filename().string().size() != 6) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TempFolder temp;
};

struct UpdateCase {
  const char* what;
  std::string package;
  // Lays out the player's copy (v1, one book) and then installs the new build.
  std::function<void(BundledUpdate&)> arrange;
  bool replaced;
};

TEST_F(BundledUpdate, ReplacesOnlyCopiesLaidOutFromAnotherBuild) {
  const std::vector<UpdateCase> cases = {
      {"the same build", "Mondak",
       [](BundledUpdate& t) {
         t.install("Mondak", 1, "1.0");
         t.layOut("Mondak");
       },
       false},
      {"a newer program version, the same files", "Mondak",
       [](BundledUpdate& t) {
         t.install("Mondak", 1, "1.0");
         t.layOut("Mondak");
         t.install("Mondak", 1, "1.1");
       },
       true},
      {"the same version, other files", "Mondak",
       [](BundledUpdate& t) {
         t.install("Mondak", 1, "1.0");
         t.layOut("Mondak");
         t.install("Mondak", 2, "1.0");
       },
       true},
      {"an older installed build also wins", "Mondak",
       [](BundledUpdate& t) {
         t.install("Mondak", 2, "2.0");
         t.layOut("Mondak");
         t.install("Mondak", 1, "1.0");
       },
       true},
      {"the player's own package of that name (no manifest)", "Mondak",
       [](BundledUpdate& t) {
         test::WriteTestPackage(t.user(), test::MakePackage("Mondak", 2));
         t.install("Mondak", 1, "1.0");
       },
       false},
      {"Source laid out by an earlier program (no manifest)", "Source",
       [](BundledUpdate& t) {
         test::WriteTestPackage(t.user(), test::MakePackage("Source", 2));
         t.install("Source", 1, "1.0");
       },
       true},
      {"Source whose names block is cut short", "Source",
       [](BundledUpdate& t) {
         t.install("Source", 1, "1.0");
         t.layOut("Source");
         test::WriteBytes(t.user() / "Source" / "Data0.zrx", std::vector<std::uint8_t>(24, 0));
         t.install("Source", 2, "1.1");
       },
       false},
      {"a link in place of the copy", "Mondak",
       [](BundledUpdate& t) {
         t.install("Mondak", 2, "1.0");
         fs::create_directories(t.user() / "elsewhere");
         test::WriteTestPackage(t.user() / "elsewhere", test::MakePackage("Mondak", 1));
         fs::create_directory_symlink(t.user() / "elsewhere" / "Mondak", t.user() / "Mondak");
         t.install("Mondak", 1, "1.1");
       },
       false},
  };
  for (const UpdateCase& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(temp.path() / "share");
    fs::remove_all(user());
    fs::create_directories(user() / "Save");
    c.arrange(*this);
    const std::vector<std::string> before = test::FolderSnapshot(user());
    const std::vector<std::string> expectedLeftovers = leftovers();

    const std::vector<std::string> replaced = UpdateBundledPackages(installed(), user());

    EXPECT_EQ(replaced, c.replaced ? std::vector<std::string>{c.package} : std::vector<std::string>{});
    if (c.replaced && c.package != kSourcePackage) {
      EXPECT_EQ(test::FolderSnapshot(user() / c.package), test::FolderSnapshot(installed() / c.package));
    }
    if (c.replaced) {
      int bookCount = 0;
      EXPECT_GE(SourceCoding(user()).CheckPackage(c.package, bookCount), 0);
      int installedBooks = 0;
      SourceCoding(installed()).CheckPackage(c.package, installedBooks);
      EXPECT_EQ(bookCount, installedBooks);
    } else {
      EXPECT_EQ(test::FolderSnapshot(user()), before);
    }
    // No temporary folder is left behind.
    EXPECT_EQ(leftovers(), expectedLeftovers);
    // A second start finds nothing more to do.
    EXPECT_TRUE(UpdateBundledPackages(installed(), user()).empty());
  }
}

TEST_F(BundledUpdate, SourceKeepsThePlayersNamesAndTheSavesStayUntouched) {
  install("Source", 1, "1.0");
  layOut("Source");
  test::FixedClock clock;
  NamesBlock names(user(), clock, [] { return std::uint8_t{7}; });
  std::vector<std::string> listed;
  ASSERT_EQ(names.WriteName(&listed, "Vándor", kWriteNameAndSettings, "1234560123"), 1);
  clock.set({2024, 3, 6, 7, 8, 9, 0});
  ASSERT_EQ(names.WriteName(&listed, "Íjász", kWriteNameOnly, ""), 1);
  fs::create_directories(user() / "Save");
  fs::create_directories(user() / "Other");
  test::WriteBytes(user() / "Save" / "Vándor.sav", {1, 2, 3});
  test::WriteBytes(user() / "Other" / "jegyzet.txt", {4, 5});
  const std::vector<std::string> saves = test::FolderSnapshot(user() / "Save");
  const std::vector<std::string> other = test::FolderSnapshot(user() / "Other");
  install("Source", 2, "1.1");

  ASSERT_EQ(UpdateBundledPackages(installed(), user()), std::vector<std::string>{"Source"});

  NamesBlock after(user(), clock, [] { return std::uint8_t{0}; });
  std::vector<std::string> kept;
  ASSERT_EQ(after.ReadNames(kept), 2);  // the item count of the new file: two books
  EXPECT_EQ(kept, (std::vector<std::string>{"Íjász", "Vándor"}));
  EXPECT_EQ(after.settingsLine(), "1234560123");
  EXPECT_EQ(after.NameList(), names.NameList());
  // The data file is the installed one but for the names block.
  const ContainerParts fresh = test::ReadContainer(user() / "Source" / "Data0.zrx", true);
  const ContainerParts shipped = test::ReadContainer(installed() / "Source" / "Data0.zrx", true);
  EXPECT_EQ(fresh.payload, shipped.payload);
  EXPECT_EQ(fresh.itemCount, shipped.itemCount);
  for (const auto& entry : fs::directory_iterator(installed() / "Source")) {
    if (entry.path().filename() == "Data0.zrx") continue;
    EXPECT_EQ(test::ReadBytes(entry.path()), test::ReadBytes(user() / "Source" / entry.path().filename()))
        << entry.path().filename();
  }
  EXPECT_EQ(test::FolderSnapshot(user() / "Save"), saves);
  EXPECT_EQ(test::FolderSnapshot(user() / "Other"), other);
}

TEST_F(BundledUpdate, OnlyTheFolderOfAnInstalledProgramIsUpdated) {
  install("Source", 1, "1.0");
  fs::create_directories(installed() / "Save");
  test::WriteBytes(installed() / "Save" / "Save.zrx", {0});
  const fs::path bin = temp.path() / "bin";
  fs::create_directories(bin);
  const ProgramFolderInputs inputs{.executableFolder = bin, .userDataHome = temp.path() / "home"};
  const fs::path folder = DecideProgramFolder(inputs);
  ASSERT_EQ(folder, temp.path() / "home" / "zrx");
  install("Source", 2, "1.1");
  UpdateBundledCopies(inputs, folder);
  int bookCount = 0;
  EXPECT_GE(SourceCoding(folder).CheckPackage("Source", bookCount), 0);
  EXPECT_EQ(bookCount, 2);
  // A folder given by option, or the one beside the program, is the developer's: it is never
  // laid out anew.
  const fs::path chosen = temp.path() / "chosen";
  test::WriteTestPackage(chosen, test::MakePackage("Source", 1));
  test::WriteTestPackage(bin, test::MakePackage("Source", 1));
  const std::vector<std::string> before = test::FolderSnapshot(temp.path());
  UpdateBundledCopies({.option = chosen, .executableFolder = bin, .userDataHome = temp.path() / "home"}, chosen);
  UpdateBundledCopies({.executableFolder = bin, .userDataHome = temp.path() / "home"}, bin);
  EXPECT_EQ(test::FolderSnapshot(temp.path()), before);
}

}  // namespace
}  // namespace zrx
