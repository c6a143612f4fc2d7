#include "program_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

std::string readFile(const fs::path& file) {
  std::ifstream in(file);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ProgramFolderTest : public ::testing::Test {
 protected:
  fs::path root() const { return temp.path(); }
  test::TempFolder temp;
};

TEST_F(ProgramFolderTest, AnOptionWins) {
  writeFile(root() / "bin" / "Source" / "Data0.zrx", "x");
  EXPECT_EQ(root() / "elsewhere",
            DecideProgramFolder({.option = root() / "elsewhere", .executableFolder = root() / "bin",
                                 .userDataHome = root() / "home"}));
}

TEST_F(ProgramFolderTest, PackagesBesideTheProgramMakeItsFolderTheProgramFolder) {
  writeFile(root() / "bin" / "Source" / "Data0.zrx", "x");
  EXPECT_EQ(root() / "bin",
            DecideProgramFolder({.executableFolder = root() / "bin", .userDataHome = root() / "home"}));
  EXPECT_FALSE(fs::exists(root() / "home"));
}

TEST_F(ProgramFolderTest, AnInstalledProgramLaysOutTheUsersFolderOnce) {
  const fs::path prefix = root() / "usr";
  writeFile(prefix / "share" / "zrx" / "Source" / "Data0.zrx", "installed");
  writeFile(prefix / "share" / "zrx" / "Mondak" / "Data0.zrx", "legends");
  writeFile(prefix / "share" / "zrx" / "README", "not a package");
  writeFile(prefix / "share" / "zrx" / "Save" / "Save.zrx", "empty index");
  fs::permissions(prefix / "share" / "zrx" / "Source" / "Data0.zrx", fs::perms::owner_read);
  const ProgramFolderInputs inputs{.executableFolder = prefix / "bin", .userDataHome = root() / "home"};

  const fs::path folder = DecideProgramFolder(inputs);
  ASSERT_EQ(root() / "home" / "zrx", folder);
  EXPECT_EQ("installed", readFile(folder / "Source" / "Data0.zrx"));
  EXPECT_EQ("legends", readFile(folder / "Mondak" / "Data0.zrx"));
  EXPECT_FALSE(fs::exists(folder / "README"));
  EXPECT_EQ("empty index", readFile(folder / "Save" / "Save.zrx"));
  EXPECT_TRUE(fs::is_directory(folder / "Other"));
  EXPECT_FALSE(fs::exists(folder / "Source.part"));
  // The user's copy is the program's to rewrite (the names live in it) ...
  EXPECT_NE(fs::perms::none, fs::status(folder / "Source" / "Data0.zrx").permissions() & fs::perms::owner_write);
  writeFile(folder / "Source" / "Data0.zrx", "names recorded");
  writeFile(folder / "Save" / "Save.zrx", "one saved game");
  // ... and a later start keeps it, and the saved games.
  ASSERT_EQ(folder, DecideProgramFolder(inputs));
  EXPECT_EQ("names recorded", readFile(folder / "Source" / "Data0.zrx"));
  EXPECT_EQ("one saved game", readFile(folder / "Save" / "Save.zrx"));
  EXPECT_EQ("installed", readFile(prefix / "share" / "zrx" / "Source" / "Data0.zrx"));
}

// A user's folder laid out before the installed save folder came along, or a first start
// cut short: the missing index and a missing package are laid out, nothing else is touched.
TEST_F(ProgramFolderTest, ALaterStartCompletesAnIncompleteUsersFolder) {
  const fs::path prefix = root() / "usr";
  writeFile(prefix / "share" / "zrx" / "Source" / "Data0.zrx", "installed");
  writeFile(prefix / "share" / "zrx" / "Mondak" / "Data0.zrx", "legends");
  writeFile(prefix / "share" / "zrx" / "Save" / "Save.zrx", "empty index");
  const fs::path user = root() / "home" / "zrx";
  writeFile(user / "Source" / "Data0.zrx", "names recorded");
  writeFile(user / "Save" / "QWERTYUI.zrm", "a saved game");
  writeFile(user / "Mondak.part" / "Data0.zrx", "cut short");

  ASSERT_EQ(user, DecideProgramFolder({.executableFolder = prefix / "bin", .userDataHome = root() / "home"}));
  EXPECT_EQ("names recorded", readFile(user / "Source" / "Data0.zrx"));
  EXPECT_EQ("legends", readFile(user / "Mondak" / "Data0.zrx"));
  EXPECT_FALSE(fs::exists(user / "Mondak.part"));
  EXPECT_EQ("empty index", readFile(user / "Save" / "Save.zrx"));
  EXPECT_EQ("a saved game", readFile(user / "Save" / "QWERTYUI.zrm"));
}

TEST_F(ProgramFolderTest, NoPackagesAnywhereKeepsTheProgramsFolder) {
  EXPECT_EQ(root() / "bin",
            DecideProgramFolder({.executableFolder = root() / "bin", .userDataHome = root() / "home"}));
}

}  // namespace
}  // namespace zrx
