// Checking edited bytes gives what `zrx-book check --strict` prints once they are saved.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "book_commands.h"
#include "edited_check.h"
#include "temp_folder.h"

namespace zrx::book {
namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

std::string bookWith(const std::string& chapter1) {
  return "Title: Próba\n"
         "BaseValues:\n"
         "  - {Number: 1, Name: Ügyesség}\n"
         "  - {Number: 2, Name: Életerő}\n"
         "  - {Number: 3, Name: Szerencse}\n"
         "Items:\n"
         "  - {Number: 1, Name: Kard}\n"
         "Chapters:\n"
         "  - {Number: -1, Next: [0], Text: Szabályok}\n"
         "  - {Number: 0, Next: [1], Text: Háttér (1)}\n" +
         chapter1;
}

// What `zrx-book check --strict` prints, without its summary line.
std::string checkOutput(const fs::path& package) {
  std::ostringstream err;
  RunCheck(package, err, true);
  std::string text = err.str();
  text.erase(text.rfind(package.string() + ": "));
  return text;
}

TEST(EditedCheck, TheFindingsOfEditedBytesAreThoseOfTheCheckerOnceSaved) {
  const std::vector<std::string> chapters = {
      "  - {Number: 1, Next: [győzelem], Text: Jó}\n",
      "  - {Number: 1, Next: [győzelem], Conditions: \"C0#C1\"}\n",
      "  - {Number: 1, Next: [7], Text: Sehová (7)}\n",
      "  - {Number: 1, Next: [győzelem], Kulcs: x}\n",
      "  - {Number: 1, Next: [győzelem], Picture: nincs.jpg, Text: Kép}\n",
      "  - {Number: 1, Next: [győzelem], SpecialChange2: \"01N009+001#\", Text: Tárgy}\n",
      "  - {Number: 1, Next: [győzelem, Text: [nyitva}\n",
      "  - {Number: 1, Next: [győzelem], BattleCode: \"R0010\", Text: Csata}\n",
  };
  for (const std::string& chapter : chapters) {
    SCOPED_TRACE(chapter);
    test::TempFolder folder;
    const fs::path package = folder.path() / "pkg.yaml";
    const fs::path book = folder.path() / "konyv" / "konyv.yaml";
    writeText(package, "Package: Teszt1\nBooks:\n  - konyv/konyv.yaml\n");
    writeText(book, bookWith("  - {Number: 1, Next: [győzelem], Text: Mentett}\n"));
    const Diagnostics edited = CheckEditedPackage(package, {{book, bookWith(chapter)}});
    std::ostringstream printed;
    edited.print(printed);
    writeText(book, bookWith(chapter));
    EXPECT_EQ(checkOutput(package), printed.str());
    EXPECT_EQ(chapter == chapters.front(), printed.str().empty()) << printed.str();
  }
}

TEST(EditedCheck, ABrokenCodeIsFoundAtItsFileAndLine) {
  test::TempFolder folder;
  const fs::path package = folder.path() / "pkg.yaml";
  const fs::path book = folder.path() / "konyv.yaml";
  writeText(package, "Package: Teszt1\nBooks:\n  - konyv.yaml\n");
  writeText(book, bookWith("  - {Number: 1, Next: [győzelem], Text: Jó}\n"));
  const Diagnostics found =
      CheckEditedPackage(package, {{book, bookWith("  - {Number: 1, Next: [győzelem],\n     Conditions: \"C0#C1\"}\n")}});
  ASSERT_EQ(1u, found.all().size());
  EXPECT_EQ(book.string(), found.all()[0].file);
  EXPECT_EQ(12, found.all()[0].line);
  EXPECT_NE(std::string::npos, found.all()[0].message.find("Conditions \"C0#C1\""));
  // The saved file is as it was, and the check's copy is gone.
  EXPECT_EQ(bookWith("  - {Number: 1, Next: [győzelem], Text: Jó}\n"), [&] {
    std::ifstream in(book, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }());
  for (const auto& entry : fs::directory_iterator(fs::temp_directory_path())) {
    EXPECT_FALSE(entry.path().filename().string().starts_with("zrx-edit-")) << entry.path();
  }
}

}  // namespace
}  // namespace zrx::book
