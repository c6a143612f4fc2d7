// The new-game screen's lists and rules: which folders are packages, which books can be
// chosen, the difficulty items, the description lines, and the error codes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "error_log.h"
#include "new_game_screen.h"
#include "package_fixture.h"
#include "temp_folder.h"

namespace zrx::test {
namespace {

TEST(NewGameScreenTest, DescriptionLines) {
  struct Case {
    const char* name;
    std::string d1, d2, d3;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"empty", "", "", "", {"(nincs leírás)"}},
      {"one mark in the middle", "Egy#Kettő", "", "", {"Egy", "Kettő"}},
      {"leading mark", "#Egy", "", "", {"", "Egy"}},
      {"trailing mark", "Egy#", "", "", {"Egy", ""}},
      {"parts joined before splitting", "Eg", "y#Ke", "ttő", {"Egy", "Kettő"}},
  };
  for (const Case& c : cases) {
    TBookRec book{.Description1 = c.d1, .Description2 = c.d2, .Description3 = c.d3};
    EXPECT_EQ(c.lines, BookDescriptionLines(book)) << c.name;
  }
}

TEST(NewGameScreenTest, DifficultyItems) {
  EXPECT_EQ(1, DifficultyOfItem(0));  // "Normál"
  EXPECT_EQ(0, DifficultyOfItem(1));  // "Könnyű"
  EXPECT_EQ(2, DifficultyOfItem(2));  // "Véletlen"
  EXPECT_STREQ("Normál", kDifficultyItems[kDefaultDifficultyItem]);
}

TEST(NewGameScreenTest, ListsOnlyPackagesThatPassTheCheck) {
  TempFolder folder;
  WriteTestPackage(folder.path(), MakePackage(kSourcePackage, 1));
  WriteTestPackage(folder.path(), MakePackage("Masik1", 2));
  WriteTestPackage(folder.path(), MakePackage("Sourc", 1));            // five characters
  WriteTestPackage(folder.path(), MakePackage("Masik2", 1), "Harmad");  // names another package
  ErrorLog errors;
  NewGameSelection screen(folder.path(), errors);
  ASSERT_TRUE(screen.Open());
  EXPECT_EQ((std::vector<std::string>{"Masik1", "Source"}), screen.packages());
  EXPECT_EQ((std::vector<int>{2, 1}), screen.packageBookCounts());
  EXPECT_FALSE(errors.FatalErrorFlag());
  EXPECT_EQ((std::vector<std::string>{"Kihagyott csomag: Harmad (a Data0.zrx nem ehhez a csomaghoz tartozik)"}),
            screen.leftOutLines())
      << "the five-character folder is no package folder at all";
}

TEST(NewGameScreenTest, NotAvailableBookCannotBeChosen) {
  TempFolder folder;
  PackageContent content = MakePackage(kSourcePackage, 2);
  content.books[1].record.Title = "(NA) Készülő könyv";
  WriteTestPackage(folder.path(), content);
  ErrorLog errors;
  NewGameSelection screen(folder.path(), errors);
  ASSERT_TRUE(screen.Open());
  EXPECT_FALSE(screen.Choose(0, 0)) << "no package loaded yet";
  ASSERT_TRUE(screen.LoadPackage(0));
  ASSERT_EQ(2u, screen.books().size());
  EXPECT_EQ(2u, screen.covers().size());
  EXPECT_FALSE(screen.Choose(1, 0));
  EXPECT_FALSE(screen.Choose(2, 0)) << "beyond the list";
  const std::optional<NewGameChoice> choice = screen.Choose(0, 1);
  ASSERT_TRUE(choice);
  EXPECT_EQ("Source", choice->package);
  EXPECT_EQ(1, choice->bookNumber);
  EXPECT_EQ(2, choice->bookCount);
  EXPECT_EQ(0, choice->difficulty);
}

TEST(NewGameScreenTest, ErrorCodes) {
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> prepare;
    std::filesystem::path subfolder;
    std::vector<int> codes;
    std::string firstLineEnd;  // the file the first line names
  };
  const Case cases[] = {
      {"no package", [](const std::filesystem::path&) {}, "", {206}, "programot"},
      {"folder missing", [](const std::filesystem::path&) {}, "nincs", {207}, "Fájl: nincs"},
      // No package listed: 206 follows the other code.
      {"Source names another package",
       [](const std::filesystem::path& p) { WriteTestPackage(p, MakePackage("Masik1", 1), "Source"); }, "", {203, 206},
       "Fájl: Source/Data0.zrx"},
      {"Source without its data file",
       [](const std::filesystem::path& p) { std::filesystem::create_directories(p / "Source"); }, "", {201, 206},
       "Fájl: Source/Data0.zrx"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    c.prepare(folder.path());
    SCOPED_TRACE(c.name);
    ErrorLog errors;
    NewGameSelection screen(folder.path() / c.subfolder, errors);
    EXPECT_FALSE(screen.Open()) << c.name;
    EXPECT_EQ(c.codes, errors.codes()) << c.name;
    EXPECT_THAT(errors.lines().empty() ? "" : errors.lines().front(),
                ::testing::HasSubstr(std::to_string(c.codes.front())))
        << c.name;
    EXPECT_THAT(errors.lines().empty() ? "" : errors.lines().front(), ::testing::EndsWith(c.firstLineEnd));
  }
}

}  // namespace
}  // namespace zrx::test
