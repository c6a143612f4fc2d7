// Replacing an installed package names the saved games whose book it drops or changes.
#include <gtest/gtest.h>

#include "archive_reader.h"
#include "archive_writer.h"
#include "package_fixture.h"
#include "package_stage.h"
#include "replaced_books.h"
#include "save_index.h"
#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;

struct Incoming {
  test::TempFolder source;
  std::optional<PackageStage> stage;
  Incoming(const fs::path& program, const PackageContent& content) {
    test::WriteTestPackage(source.path(), content);
    const fs::path archive = source.path() / "csomag.zrxcs";
    EXPECT_EQ(WritePackageArchive(source.path() / content.name, "0.705.10", archive), kArchiveWritten);
    stage.emplace(program, ReadPackageArchive(archive));
    EXPECT_EQ(stage->review().verdict, ImportVerdict::Accepted);
  }
  std::vector<AffectedSave> affected(const fs::path& program) const {
    return SavesAffectedByReplacing(program, stage->manifest(), stage->review().books);
  }
};

class ReplacedBooks : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteTestPackage(program.path(), test::MakePackage("Kaland", 2));
    const std::vector<std::string> lines = {std::string(kIndexSentinel),
                                            "Anna|2026.01.02. 10:11:12|Barlang|AAAAAAAAAA|Kaland|Próbakönyv 2|0|12",
                                            "Béla|2026.01.03. 10:11:12|Kapu|BBBBBBBBBB|Kaland|Próbakönyv 1|2|3",
                                            "Cili|2026.01.04. 10:11:12|Más|CCCCCCCCCC|Source|Próbakönyv 2|0|4"};
    fs::create_directories(program.path() / "Save");
    ASSERT_EQ(SaveFolder(program.path()).Write(lines, kIndexName, kIndexExtension), 0);
  }
  test::TempFolder program;
};

TEST_F(ReplacedBooks, ADroppedBookAndAChangedOneAreNamedWithTheirSaves) {
  const Incoming incoming(program.path(), test::MakePackage("Kaland", 1));
  const std::vector<AffectedSave> affected = incoming.affected(program.path());
  ASSERT_EQ(affected.size(), 2u);
  EXPECT_EQ(affected[0].player, "Anna");
  EXPECT_EQ(affected[0].saveName, "Barlang");
  EXPECT_EQ(affected[0].title, "Próbakönyv 2");
  EXPECT_TRUE(affected[0].bookDropped);
  // One book fewer changes the package's records, which every book reads.
  EXPECT_EQ(affected[1].player, "Béla");
  EXPECT_FALSE(affected[1].bookDropped);
}

TEST_F(ReplacedBooks, TheSamePackageAgainTouchesNoSave) {
  const Incoming incoming(program.path(), test::MakePackage("Kaland", 2));
  EXPECT_TRUE(incoming.affected(program.path()).empty());
}

TEST_F(ReplacedBooks, ChangedTextsOfOneBookTouchOnlyItsSaves) {
  PackageContent content = test::MakePackage("Kaland", 2);
  content.books[0].texts[1] = {"Új szöveg."};
  const Incoming incoming(program.path(), content);
  const std::vector<AffectedSave> affected = incoming.affected(program.path());
  ASSERT_EQ(affected.size(), 1u);
  EXPECT_EQ(affected[0].player, "Béla");
}

}  // namespace
}  // namespace zrx
