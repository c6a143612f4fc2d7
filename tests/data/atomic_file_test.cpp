#include "atomic_file.h"

#include <gtest/gtest.h>

#include "package_fixture.h"
#include "temp_folder.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

TEST(AtomicFile, CreatesAndReplacesWithoutLeavingTheTemporaryFile) {
  testing::TempFolder folder;
  const fs::path file = folder.path() / "Save.zrx";
  ASSERT_TRUE(ReplaceFileAtomically(file, Bytes{1, 2, 3}));
  ASSERT_TRUE(ReplaceFileAtomically(file, Bytes{9}));
  EXPECT_EQ(Bytes{9}, testing::ReadBytes(file));
  EXPECT_FALSE(fs::exists(TemporaryPathFor(file)));
}

TEST(AtomicFile, FailureLeavesTheOldFileUntouched) {
  testing::TempFolder folder;
  const fs::path file = folder.path() / "Data0.zrx";
  ASSERT_TRUE(ReplaceFileAtomically(file, Bytes{1, 2, 3}));
  fs::create_directory(TemporaryPathFor(file));
  EXPECT_FALSE(ReplaceFileAtomically(file, Bytes{4, 5}));
  EXPECT_EQ((Bytes{1, 2, 3}), testing::ReadBytes(file));

  EXPECT_FALSE(ReplaceFileAtomically(folder.path() / "missing" / "x.zrx", Bytes{1}));
}

TEST(AtomicFile, TargetThatIsAFolderIsNotReplaced) {
  testing::TempFolder folder;
  const fs::path target = folder.path() / "Other";
  fs::create_directories(target / "inside");
  EXPECT_FALSE(ReplaceFileAtomically(target, Bytes{1}));
  EXPECT_TRUE(fs::is_directory(target / "inside"));
  EXPECT_FALSE(fs::exists(TemporaryPathFor(target)));
}

}  // namespace
}  // namespace zrx
