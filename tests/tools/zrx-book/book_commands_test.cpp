// The commands as the build runs them: exit status, findings, the written folder.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "book_commands.h"
#include "temp_folder.h"

namespace zrx::book {
namespace {

void writeText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

class BookCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    writeText(folder.path() / "pkg.yaml", "Package: Teszt1\nBooks:\n  - konyv.yaml\n");
  }
  void writeBook(const std::string& chapter1) {
    writeText(folder.path() / "konyv.yaml",
              "Title: Próba\n"
              "BaseValues:\n"
              "  - {Number: 1, Name: Ügyesség}\n"
              "  - {Number: 2, Name: Életerő}\n"
              "  - {Number: 3, Name: Szerencse}\n"
              "Chapters:\n"
              "  - {Number: -1, Next: [0], Text: Szabályok}\n"
              "  - {Number: 0, Next: [1], Text: Háttér (1)}\n" +
                  chapter1);
  }
  test::TempFolder folder;
  std::ostringstream out, err;
};

TEST_F(BookCommands, BuildWritesThePackageFolder) {
  writeBook("  - {Number: 1, Next: [győzelem], Text: Vége jó}\n");
  EXPECT_EQ(0, RunCheck(folder.path() / "pkg.yaml", err)) << err.str();
  EXPECT_EQ(0, RunBuild(folder.path() / "pkg.yaml", folder.path() / "out", out, err)) << err.str();
  EXPECT_TRUE(std::filesystem::is_regular_file(folder.path() / "out" / "Teszt1" / "Data0.zrx"));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder.path() / "out" / "Teszt1" / "DataS1.zrx"));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder.path() / "out" / "Teszt1" / "DataK1.zrx"));
}

TEST_F(BookCommands, ErrorsStopTheBuildWithANonZeroStatus) {
  writeBook("  - {Number: 1, Next: [győzelem], Conditions: \"C0#C1\"}\n");
  EXPECT_EQ(1, RunCheck(folder.path() / "pkg.yaml", err));
  EXPECT_EQ(1, RunBuild(folder.path() / "pkg.yaml", folder.path() / "out", out, err));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "out" / "Teszt1"));
  EXPECT_NE(std::string::npos, err.str().find("konyv.yaml:9: error: Conditions \"C0#C1\" has 2 condition groups"));
}

TEST_F(BookCommands, APackageNameThatIsNotAPlainFolderNameIsRefused) {
  writeBook("  - {Number: 1, Next: [győzelem], Text: Vége jó}\n");
  for (const char* name : {"../Ev1", "/tmp/Q", "a\\\\bcde", "Ev1"}) {
    SCOPED_TRACE(name);
    writeText(folder.path() / "pkg.yaml", std::string("Package: \"") + name + "\"\nBooks:\n  - konyv.yaml\n");
    std::filesystem::create_directories(folder.path() / "out" / "inner");
    EXPECT_EQ(1, RunBuild(folder.path() / "pkg.yaml", folder.path() / "out" / "inner", out, err));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "out" / "Ev1"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "out" / "inner"));
  }
}

TEST_F(BookCommands, WarningsAloneDoNotFailTheCheck) {
  writeBook("  - {Number: 1}\n");
  EXPECT_EQ(0, RunCheck(folder.path() / "pkg.yaml", err));
  EXPECT_NE(std::string::npos, err.str().find("0 error(s), 1 warning(s)")) << err.str();
}

TEST_F(BookCommands, StrictFailsOnAWarning) {
  writeBook("  - {Number: 1}\n");
  EXPECT_EQ(1, RunCheck(folder.path() / "pkg.yaml", err, true));
  EXPECT_EQ(1, RunBuild(folder.path() / "pkg.yaml", folder.path() / "out", out, err, true));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "out" / "Teszt1"));
  EXPECT_NE(std::string::npos, err.str().find("1 error(s), 0 warning(s)")) << err.str();
}

TEST_F(BookCommands, GraphPrintsDot) {
  writeBook("  - {Number: 1, Next: [győzelem]}\n");
  EXPECT_EQ(0, RunGraph(folder.path() / "konyv.yaml", out, err));
  EXPECT_NE(std::string::npos, out.str().find("\"1\" -> gyozelem;"));
}

}  // namespace
}  // namespace zrx::book
