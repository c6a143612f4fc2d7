// A package packed into one file and imported into another program folder arrives byte for
// byte, replacing an older copy in one step.
#include <gtest/gtest.h>

#include "archive_reader.h"
#include "archive_writer.h"
#include "package_fixture.h"
#include "package_stage.h"
#include "raw_archive.h"
#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;

struct Packed {
  test::TempFolder source;
  fs::path archive;
  explicit Packed(const PackageContent& content) {
    test::WriteTestPackage(source.path(), content);
    archive = source.path() / "csomag.zrxcs";
    EXPECT_EQ(WritePackageArchive(source.path() / content.name, "0.705.10", archive), kArchiveWritten);
  }
};

// The installed folder holds exactly the packed folder's files, each byte-identical.
void expectSameFolder(const fs::path& installed, const fs::path& packed) {
  EXPECT_EQ(test::FolderSnapshot(installed), test::FolderSnapshot(packed));
}

TEST(PackageArchive, ImportsIntoAFreshFolderByteForByte) {
  const PackageContent content = test::MakePackage("Kaland", 2);
  Packed packed(content);
  test::TempFolder program;
  ArchiveContents contents = ReadPackageArchive(packed.archive);
  ASSERT_EQ(contents.verdict, ImportVerdict::Accepted) << contents.culprit;
  EXPECT_EQ(contents.manifest.packageName, "Kaland");
  EXPECT_EQ(contents.manifest.programVersion, "0.705.10");
  {
    PackageStage stage(program.path(), std::move(contents));
    ASSERT_EQ(stage.review().verdict, ImportVerdict::Accepted) << stage.review().culprit;
    ASSERT_EQ(stage.review().books.size(), 2u);
    EXPECT_EQ(stage.review().books[1].Title, content.books[1].record.Title);
    EXPECT_EQ(stage.review().covers.size(), 2u);
    EXPECT_FALSE(stage.replaces());
    ASSERT_EQ(stage.install(), ImportVerdict::Accepted);
    EXPECT_EQ(stage.install(), ImportVerdict::InstallFailed);  // once only
  }
  expectSameFolder(program.path() / "Kaland", packed.source.path() / "Kaland");
  // The temporary folder is gone with the stage.
  EXPECT_EQ(std::distance(fs::directory_iterator(program.path()), fs::directory_iterator()), 1);
}

TEST(PackageArchive, ReplacesAnInstalledPackageWhole) {
  Packed packed(test::MakePackage("Kaland", 1));
  test::TempFolder program;
  test::WriteTestPackage(program.path(), test::MakePackage("Kaland", 2));
  {
    PackageStage stage(program.path(), ReadPackageArchive(packed.archive));
    ASSERT_EQ(stage.review().verdict, ImportVerdict::Accepted);
    EXPECT_TRUE(stage.replaces());
    ASSERT_EQ(stage.install(), ImportVerdict::Accepted);
  }
  // The second book's files of the old copy are gone with it.
  expectSameFolder(program.path() / "Kaland", packed.source.path() / "Kaland");
  EXPECT_EQ(std::distance(fs::directory_iterator(program.path()), fs::directory_iterator()), 1);
}

TEST(PackageArchive, AStageLeftWithoutInstallingLeavesNothing) {
  Packed packed(test::MakePackage("Kaland", 1));
  test::TempFolder program;
  // What a program killed in the middle of an import left behind goes with the next import.
  test::WriteTestPackage(program.path() / ".zrx-import-Ab12Cd", test::MakePackage("Kaland", 1));
  {
    PackageStage stage(program.path(), ReadPackageArchive(packed.archive));
    EXPECT_EQ(stage.review().verdict, ImportVerdict::Accepted);
  }
  EXPECT_TRUE(fs::is_empty(program.path()));
}

TEST(PackageArchive, PackingRefusesNamesNoImportAccepts) {
  test::TempFolder source;
  test::WriteTestPackage(source.path(), test::MakePackage("Source", 1));
  EXPECT_EQ(WritePackageArchive(source.path() / "Source", "0.705.10", source.path() / "x.zrxcs"), kArchiveNameRefused);
  EXPECT_EQ(WritePackageArchive(source.path() / "Nincs1", "0.705.10", source.path() / "x.zrxcs"), kArchivePackageInvalid);
  EXPECT_FALSE(fs::exists(source.path() / "x.zrxcs"));
}

TEST(PackageManifest, ComposedTextParsesBackAndRefusesWhatItCannotCarry) {
  PackageManifest manifest{.packageName = "Kaland", .programVersion = "0.705.10"};
  manifest.books.push_back({.number = 1, .title = "Első", .description = {"a#b", "", "c"}, .coverSize = 3,
                            .coverSha256 = std::string(64, 'f')});
  manifest.books.push_back({.number = 2, .title = "Második"});
  manifest.files.push_back({.name = "Data0.zrx", .size = 100, .sha256 = std::string(64, '0')});
  const auto text = ComposeManifest(manifest);
  ASSERT_TRUE(text);
  EXPECT_EQ(ParseManifest(*text), manifest);

  for (const auto& bend : {+[](PackageManifest& m) { m.books[0].title = "a\tb"; },
                           +[](PackageManifest& m) { m.books[0].description[2] = "a\nb"; },
                           +[](PackageManifest& m) { m.packageName = "a\rb"; }}) {
    PackageManifest bent = manifest;
    bend(bent);
    EXPECT_FALSE(ComposeManifest(bent));
  }
  const std::string good = *text;
  for (const std::string& bad : {std::string(), good.substr(0, good.size() - 1), "zrx-csomag 2" + good.substr(12),
                                 good + "file\tData1.zrx\t01\t" + std::string(64, '0') + "\n",
                                 good + "file\tData1.zrx\t1\t" + std::string(64, 'A') + "\n",
                                 good + "book\t100\tx\t\t\t\t0\t\n", good + "package\tMásik\n", good + "egyéb\n"}) {
    EXPECT_FALSE(ParseManifest(bad)) << bad;
  }
}

TEST(PackageFileNames, OnlyTheNamesAPackageFolderHolds) {
  for (const char* name : {"Data0.zrx", "DataK0.zrx", "DataK99.zrx", "DataS1.zrx", "DataS42.zrx"})
    EXPECT_TRUE(IsPackageFileName(name)) << name;
  for (const char* name : {"Data1.zrx", "DataS0.zrx", "DataK01.zrx", "DataS100.zrx", "datas1.zrx", "DataS1.ZRX",
                           "DataS1.zrx.sh", "DataX1.zrx", "DataS.zrx", "DataS+1.zrx", ""})
    EXPECT_FALSE(IsPackageFileName(name)) << name;
}

}  // namespace
}  // namespace zrx
