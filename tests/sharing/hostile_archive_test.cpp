// Archives from a stranger: each is refused with its own verdict, and the program folder is
// exactly as it was (no package, no temporary folder, no stray file).
#include <gtest/gtest.h>

#include <functional>

#include "archive_reader.h"
#include "byte_io.h"
#include "key_coding.h"
#include "package_fixture.h"
#include "package_stage.h"
#include "raw_archive.h"
#include "sha256.h"
#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;
using test::RawEntry;
using Entries = std::vector<RawEntry>;
using Kind = RawEntry::Kind;

// Gives `entry` new bytes and makes the manifest agree with them, so that only the
// package's content is wrong.
void replaceTruthfully(Entries& entries, const std::string& name, std::vector<std::uint8_t> bytes) {
  PackageManifest manifest = test::ManifestOf(entries);
  for (ManifestFile& file : manifest.files) {
    if (file.name != name) continue;
    file.size = bytes.size();
    file.sha256 = Sha256Hex(bytes);
  }
  test::EntryNamed(entries, name).bytes = std::move(bytes);
  test::SetManifest(entries, manifest);
}

void renamePackage(Entries& entries, const std::string& name) {
  PackageManifest manifest = test::ManifestOf(entries);
  manifest.packageName = name;
  test::SetManifest(entries, manifest);
}

void declareExtraFiles(Entries& entries, int count) {
  PackageManifest manifest = test::ManifestOf(entries);
  for (int i = 0; i < count; ++i)
    manifest.files.push_back({.name = "DataS" + std::to_string(i % 99 + 1) + ".zrx", .size = 1, .sha256 = std::string(64, 'a')});
  test::SetManifest(entries, manifest);
}

// A pictures file whose block claims to inflate to far more than any package needs: a few
// KiB of zeros that would become 64 MiB.
std::vector<std::uint8_t> inflationBomb(const std::string& package) {
  ContainerParts parts{.packageName = package, .fileCode = "K01", .itemCount = 1};
  parts.payload.assign(64 * 1024 * 1024, 0);
  return BuildContainer(parts).value();
}

struct Case {
  const char* name;
  std::function<void(Entries&)> bend;
  ImportVerdict verdict;
  const char* culprit;  // the entry, file or name the notice is about
};

const Case kCases[] = {
    {"manifest not first", [](Entries& e) { std::swap(e[0], e[1]); }, ImportVerdict::BadManifest, "zrx-csomag.txt"},
    {"manifest malformed", [](Entries& e) { e[0].bytes = {'z', 'r', 'x', '\n'}; }, ImportVerdict::BadManifest, "zrx-csomag.txt"},
    {"parent folder", [](Entries& e) { e[1].name = "../Data0.zrx"; }, ImportVerdict::UnsafePath, "../Data0.zrx"},
    {"absolute path", [](Entries& e) { e[1].name = "/tmp/Data0.zrx"; }, ImportVerdict::UnsafePath, "/tmp/Data0.zrx"},
    {"sub-folder", [](Entries& e) { e[1].name = "x/Data0.zrx"; }, ImportVerdict::UnsafePath, "x/Data0.zrx"},
    {"symbolic link", [](Entries& e) { e.insert(e.begin() + 1, {.name = "Data0.zrx", .kind = Kind::Symlink, .linkTarget = "/etc/passwd"}); },
     ImportVerdict::Link, "Data0.zrx"},
    {"hard link", [](Entries& e) { e.insert(e.begin() + 1, {.name = "Data0.zrx", .kind = Kind::Hardlink, .linkTarget = "/etc/passwd"}); },
     ImportVerdict::Link, "Data0.zrx"},
    {"device", [](Entries& e) { e.insert(e.begin() + 1, {.name = "Data0.zrx", .kind = Kind::CharDevice}); },
     ImportVerdict::NotRegularFile, "Data0.zrx"},
    {"folder", [](Entries& e) { e.insert(e.begin() + 1, {.name = "Data0.zrx", .kind = Kind::Folder}); },
     ImportVerdict::NotRegularFile, "Data0.zrx/"},
    {"duplicate name", [](Entries& e) { e.push_back(e[1]); }, ImportVerdict::Duplicate, "Data0.zrx"},
    {"case-colliding names", [](Entries& e) { e.push_back(e[1]); e.back().name = "DATA0.ZRX"; }, ImportVerdict::CaseCollision, "DATA0.ZRX"},
    {"undeclared file", [](Entries& e) { e.push_back({.name = "DataS7.zrx", .bytes = {1, 2, 3}}); }, ImportVerdict::UndeclaredFile, "DataS7.zrx"},
    {"unknown file name", [](Entries& e) {
       PackageManifest m = test::ManifestOf(e);
       m.files.push_back({.name = "run.sh", .size = 3, .sha256 = Sha256Hex(std::vector<std::uint8_t>{1, 2, 3})});
       test::SetManifest(e, m);
       e.push_back({.name = "run.sh", .bytes = {1, 2, 3}});
     }, ImportVerdict::UnknownFile, "run.sh"},
    {"missing file", [](Entries& e) { e.pop_back(); }, ImportVerdict::MissingFile, "DataS2.zrx"},
    {"name of five characters", [](Entries& e) { renamePackage(e, "Rövid"); }, ImportVerdict::BadPackageName, "Rövid"},
    {"name with a separator", [](Entries& e) { renamePackage(e, "Ka/and"); }, ImportVerdict::BadPackageName, "Ka/and"},
    {"name Source", [](Entries& e) { renamePackage(e, "Source"); }, ImportVerdict::ReservedName, "Source"},
    {"name SOURCE", [](Entries& e) { renamePackage(e, "SOURCE"); }, ImportVerdict::ReservedName, "SOURCE"},
    {"name Other", [](Entries& e) { renamePackage(e, "Other"); }, ImportVerdict::ReservedName, "Other"},
    {"301 files", [](Entries& e) { declareExtraFiles(e, 301 - static_cast<int>(e.size() - 1)); }, ImportVerdict::TooManyFiles, ""},
    {"file above its cap", [](Entries& e) {
       PackageManifest m = test::ManifestOf(e);
       m.files[0].size = kMaxImportFileSize + 1;
       test::SetManifest(e, m);
     }, ImportVerdict::TooLarge, "Data0.zrx"},
    {"entry longer than the manifest says", [](Entries& e) { e[1].bytes.resize(e[1].bytes.size() + 4 * 1024 * 1024, 7); },
     ImportVerdict::SizeMismatch, "Data0.zrx"},
    {"entry shorter than the manifest says", [](Entries& e) { e[1].bytes.pop_back(); }, ImportVerdict::SizeMismatch, "Data0.zrx"},
    {"manifest lies about a hash", [](Entries& e) { e[1].bytes[30] ^= 1; }, ImportVerdict::HashMismatch, "Data0.zrx"},
    {"inflation bomb", [](Entries& e) { replaceTruthfully(e, "DataK1.zrx", inflationBomb("Kaland")); }, ImportVerdict::TooLarge, "DataK1.zrx"},
    {"loaders refuse a file", [](Entries& e) {
       std::vector<std::uint8_t> bytes = test::EntryNamed(e, "DataS2.zrx").bytes;
       bytes.resize(bytes.size() - 10);
       replaceTruthfully(e, "DataS2.zrx", bytes);
     }, ImportVerdict::PackageRefused, "DataS2.zrx"},
    {"manifest lies about a title", [](Entries& e) {
       PackageManifest m = test::ManifestOf(e);
       m.books[1].title = "Más könyv";
       test::SetManifest(e, m);
     }, ImportVerdict::BooksMismatch, "Más könyv"},
    {"manifest lies about a cover", [](Entries& e) {
       PackageManifest m = test::ManifestOf(e);
       m.books[0].coverSize = 0;
       m.books[0].coverSha256.clear();
       test::SetManifest(e, m);
     }, ImportVerdict::BooksMismatch, "Próbakönyv 1"},
};

TEST(HostileArchive, EachIsRefusedAndLeavesTheProgramFolderAsItWas) {
  test::TempFolder source;
  const Entries valid = test::PackedPackageEntries(source.path(), "Kaland");
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    test::TempFolder program;
    test::WriteTestPackage(program.path(), test::MakePackage("Kaland", 1));  // an installed older copy
    const std::vector<std::string> before = test::FolderSnapshot(program.path());
    Entries entries = valid;
    c.bend(entries);
    ArchiveContents contents = ReadPackageArchive(test::WriteRawArchive(entries));
    ImportVerdict verdict = contents.verdict;
    std::string culprit = contents.culprit;
    if (verdict == ImportVerdict::Accepted) {
      PackageStage stage(program.path(), std::move(contents));
      verdict = stage.review().verdict;
      culprit = stage.review().culprit;
      EXPECT_EQ(stage.install(), ImportVerdict::InstallFailed);
    }
    EXPECT_EQ(verdict, c.verdict) << VerdictNotice(verdict);
    EXPECT_EQ(culprit, c.culprit);
    EXPECT_FALSE(VerdictNotice(verdict).empty());
    EXPECT_EQ(test::FolderSnapshot(program.path()), before);
  }
}

TEST(HostileArchive, BytesThatAreNoArchiveAreUnreadable) {
  for (const std::vector<std::uint8_t>& bytes :
       {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>(10000, 0x5a), std::vector<std::uint8_t>{'P', 'K', 3, 4}}) {
    EXPECT_EQ(ReadPackageArchive(bytes).verdict, ImportVerdict::Unreadable);
  }
}

}  // namespace
}  // namespace zrx
