#include "atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "package_fixture.h"
#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

TEST(AtomicFile, CreatesAndReplacesWithoutLeavingTheTemporaryFile) {
  test::TempFolder folder;
  const fs::path file = folder.path() / "Save.zrx";
  ASSERT_TRUE(ReplaceFileAtomically(file, Bytes{1, 2, 3}));
  ASSERT_TRUE(ReplaceFileAtomically(file, Bytes{9}));
  EXPECT_EQ(Bytes{9}, test::ReadBytes(file));
  EXPECT_FALSE(fs::exists(TemporaryPathFor(file)));
}

TEST(AtomicFile, FailureLeavesTheOldFileUntouched) {
  test::TempFolder folder;
  const fs::path file = folder.path() / "Data0.zrx";
  ASSERT_TRUE(ReplaceFileAtomically(file, Bytes{1, 2, 3}));
  fs::create_directory(TemporaryPathFor(file));
  EXPECT_FALSE(ReplaceFileAtomically(file, Bytes{4, 5}));
  EXPECT_EQ((Bytes{1, 2, 3}), test::ReadBytes(file));

  EXPECT_FALSE(ReplaceFileAtomically(folder.path() / "missing" / "x.zrx", Bytes{1}));
}

TEST(AtomicFile, TargetThatIsAFolderIsNotReplaced) {
  test::TempFolder folder;
  const fs::path target = folder.path() / "Other";
  fs::create_directories(target / "inside");
  EXPECT_FALSE(ReplaceFileAtomically(target, Bytes{1}));
  EXPECT_TRUE(fs::is_directory(target / "inside"));
  EXPECT_FALSE(fs::exists(TemporaryPathFor(target)));
}

TEST(AtomicFile, ALinkAtTheTemporaryNameIsRemovedNotFollowed) {
  test::TempFolder folder, outside;
  const fs::path target = folder.path() / "Save.zrx";
  const fs::path victim = outside.path() / "victim.txt";
  test::WriteBytes(victim, Bytes{7, 7});
  fs::create_symlink(victim, TemporaryPathFor(target));
  ASSERT_TRUE(ReplaceFileAtomically(target, Bytes{1, 2, 3}));
  EXPECT_EQ((Bytes{7, 7}), test::ReadBytes(victim));
  EXPECT_EQ((Bytes{1, 2, 3}), test::ReadBytes(target));
  EXPECT_FALSE(fs::exists(fs::symlink_status(TemporaryPathFor(target))));
}

// A disk that fills up while the new content is written (a file size limit stands in for it).
TEST(AtomicFile, AFullDiskLeavesTheOldFileWholeAndNoTemporary) {
  test::TempFolder folder;
  const fs::path target = folder.path() / "HibaLog_(2026.12.10.).txt";
  test::WriteBytes(target, Bytes{1, 2, 3});
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16, 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(ReplaceFileAtomically(target, Bytes(4096, 9)) ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(0, WEXITSTATUS(status)) << "the cut write is reported";
  EXPECT_EQ((Bytes{1, 2, 3}), test::ReadBytes(target));
  EXPECT_FALSE(fs::exists(TemporaryPathFor(target)));
}

}  // namespace
}  // namespace zrx
