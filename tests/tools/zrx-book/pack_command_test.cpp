// Each bundled package packed with `zrx-book pack` and imported into a player's fresh folder
// arrives as `zrx-book build` writes it, and the new-game screen lists its books.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "archive_reader.h"
#include "book_commands.h"
#include "error_log.h"
#include "new_game_screen.h"
#include "package_fixture.h"
#include "package_manifest.h"
#include "package_stage.h"
#include "temp_folder.h"

namespace zrx::book {
namespace {

namespace fs = std::filesystem;

const fs::path kBooks = ZRX_BOOKS_DIR;

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> filesOf(const fs::path& folder) {
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files.emplace_back(entry.path().filename().string(), zrx::test::ReadBytes(entry.path()));
  std::sort(files.begin(), files.end());
  return files;
}

TEST(PackCommand, ABundledPackageImportsAsTheBuildWritesIt) {
  zrx::test::TempFolder built, player;
  std::ostringstream out, err;
  // The player's folder has the "Source" package, as every player's does.
  ASSERT_EQ(0, RunBuild(kBooks / "source.yaml", player.path(), out, err)) << err.str();
  ASSERT_EQ(0, RunBuild(kBooks / "mondak.yaml", built.path(), out, err)) << err.str();
  const fs::path archive = built.path() / "Mondak.zrxcs";
  ASSERT_EQ(0, RunPack(kBooks / "mondak.yaml", archive, out, err)) << err.str();

  {
    PackageStage stage(player.path(), ReadPackageArchive(archive));
    ASSERT_EQ(stage.review().verdict, ImportVerdict::Accepted) << stage.review().culprit;
    ASSERT_EQ(stage.install(), ImportVerdict::Accepted);
  }
  EXPECT_EQ(filesOf(player.path() / "Mondak"), filesOf(built.path() / "Mondak"));

  ErrorLog errors;
  NewGameSelection selection(player.path(), errors);
  ASSERT_TRUE(selection.Open());
  const auto& packages = selection.packages();
  const auto place = std::find(packages.begin(), packages.end(), "Mondak");
  ASSERT_NE(place, packages.end());
  ASSERT_TRUE(selection.LoadPackage(static_cast<int>(place - packages.begin())));
  ASSERT_EQ(selection.books().size(), 1u);
  EXPECT_EQ(selection.books()[0].Title, "A rézsárkány");
}

// The manifest that the build installs beside a package is the one its archive carries, so a
// start compares an installed package with the player's copy as an import would.
TEST(PackCommand, TheBuildWritesTheManifestOfTheArchiveIntoThePackageFolder) {
  zrx::test::TempFolder built;
  std::ostringstream out, err;
  ASSERT_EQ(0, RunBuild(kBooks / "mondak.yaml", built.path(), out, err, false, true)) << err.str();
  const fs::path archive = built.path() / "Mondak.zrxcs";
  ASSERT_EQ(0, RunPack(kBooks / "mondak.yaml", archive, out, err)) << err.str();
  const ArchiveContents contents = ReadPackageArchive(archive);
  ASSERT_EQ(contents.verdict, ImportVerdict::Accepted) << contents.culprit;

  const std::vector<std::uint8_t> text = zrx::test::ReadBytes(built.path() / "Mondak" / kManifestEntryName);
  const auto written = ParseManifest(std::string(text.begin(), text.end()));
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, contents.manifest);
  EXPECT_EQ(written->files.size() + 1, filesOf(built.path() / "Mondak").size());  // all but itself
}

TEST(PackCommand, ThePlayersOwnPackageIsNotPacked) {
  zrx::test::TempFolder folder;
  std::ostringstream out, err;
  EXPECT_EQ(1, RunPack(kBooks / "source.yaml", folder.path() / "Source.zrxcs", out, err));
  EXPECT_NE(err.str().find("cannot be shared"), std::string::npos) << err.str();
  EXPECT_TRUE(fs::is_empty(folder.path()));
}

}  // namespace
}  // namespace zrx::book
