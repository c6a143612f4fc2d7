// Files a player might download from a stranger: each is refused (or survives) with its
// result, never writes or reads outside the program's folder, and costs bounded memory.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "fixed_clock.h"
#include "game_file.h"
#include "hostile_file_makers.h"
#include "names_block.h"
#include "package_fixture.h"
#include "save_container.h"
#include "save_store.h"
#include "save_test_support.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;
using test::ProgramFolder;

constexpr long kMemoryBoundKiB = 64 * 1024;
constexpr std::int32_t kBombSize = 64 * 1024 * 1024;  // above every cap of the files here
const std::vector<std::uint8_t> kOutsideBytes = {'k', 'e', 'e', 'p'};

// The program folder with the "Source" package of one book and an empty save index,
// and a file outside it that nothing may touch.
struct Installation {
  test::TempFolder outsideFolder;
  ProgramFolder program;
  fs::path outside = outsideFolder.path() / "outside.txt";
  test::FixedClock clock;

  Installation() {
    test::WriteTestPackage(program.path(), test::MakePackage());
    SaveFolder(program.path()).Write({std::string(kIndexSentinel)}, kIndexName, kIndexExtension);
    test::WriteBytes(outside, kOutsideBytes);
    fs::permissions(outside, fs::perms::owner_read);
  }
  fs::path source(const std::string& file) const { return program.path() / "Source" / file; }
  fs::path save(const std::string& file) const { return program.savePath() / file; }
  SaveFolder folder() const { return SaveFolder(program.path()); }
  NamesBlock names() const { return NamesBlock(program.path(), clock, [] { return std::uint8_t{0}; }); }
};

// A game of "Anna" whose package line says `package`, stored as AAAAAAAAAA.zrm.
int loadGameOfPackage(const Installation& in, const std::string& package) {
  SavedGame game;
  game.sourceName = package;
  game.bookNumber = 1;
  game.playerName = "Anna";
  game.characteristics = {{1, 0, 7, 7}, {2, 0, 20, 20}, {3, 0, 9, 9}};
  game.visitedPath = {"1"};
  game.currentChapter = 1;
  std::vector<std::string> lines = ComposeGameLines(game);
  lines.push_back("AAAAAAAAAA");
  in.folder().Write(lines, "AAAAAAAAAA", kGameExtension);
  SaveEntry entry;
  entry.fileName = "AAAAAAAAAA";
  SavedGame loaded;
  return ReadGame(in.folder(), entry, "Anna", loaded);
}

std::vector<std::uint8_t> saveBomb(std::string_view prefix) {
  return test::SaveFileOf(test::BlockOf(test::DeflateRepeated(prefix, 'a', kBombSize), kBombSize));
}

int loadTexts(const Installation& in) {
  std::vector<std::vector<std::string>> texts;
  return SourceCoding(in.program.path()).LoadChapterTexts("Source", 1, 5, texts);
}

int loadPictures(const Installation& in) {
  std::vector<Picture> chapterPictures, decorPictures;
  return SourceCoding(in.program.path()).LoadChapterPictures("Source", 1, 1, 2, chapterPictures, decorPictures);
}

int loadCovers(const Installation& in) {
  std::vector<TBookRec> books;
  std::vector<Picture> covers;
  return SourceCoding(in.program.path()).LoadBookList("Source", 1, books, covers);
}

int loadGameData(const Installation& in) {
  BookStores stores;
  return SourceCoding(in.program.path()).LoadGameData("Source", 1, stores);
}

// The "Data" file of "Source" with its payload changed by `edit`.
void editDataPayload(const Installation& in, const std::function<void(std::vector<std::uint8_t>&)>& edit) {
  ContainerParts parts = test::ReadContainer(in.source("Data0.zrx"), true);
  edit(parts.payload);
  test::WriteBytes(in.source("Data0.zrx"), *BuildContainer(parts));
}

void putInt32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Plants in a package file a block that inflates to kBombSize bytes.
std::function<void(Installation&)> packageBomb(const char* file, int nameEntries) {
  return [file, nameEntries](Installation& in) {
    test::ReplacePackageBlock(in.source(file), test::BlockSizesOffset(nameEntries),
                                 test::BlockOf(test::DeflateRepeated("", 0, kBombSize), kBombSize));
  };
}

struct Case {
  const char* name;
  std::function<void(Installation&)> plant;
  std::function<int(Installation&)> run;
  int expected;
};

const Case kCases[] = {
    {"link planted at Save/Save.zrx.tmp: the save writes its own file (0)",
     [](Installation& in) { fs::create_symlink(in.outside, in.save("Save.zrx.tmp")); },
     [](Installation& in) { return in.folder().Write({std::string(kIndexSentinel)}, kIndexName, kIndexExtension); },
     0},
    {"link planted at Source/Data0.zrx.tmp: sign-in writes its own file (item count 1)",
     [](Installation& in) { fs::create_symlink(in.outside, in.source("Data0.zrx.tmp")); },
     [](Installation& in) { return in.names().WriteName(nullptr, "Béla", kWriteNameOnly, ""); }, 1},
    {"Save.zrx a link to a read-only outside file: not read (-2, code 303)",
     [](Installation& in) {
       fs::remove(in.save("Save.zrx"));
       fs::create_symlink(in.outside, in.save("Save.zrx"));
     },
     [](Installation& in) {
       std::vector<std::string> lines;
       return in.folder().Read(lines, kIndexName, kIndexExtension);
     },
     -2},
    {"package name ../ev1 (-5, code 322)", [](Installation&) {},
     [](Installation& in) { return loadGameOfPackage(in, "../ev1"); }, -5},
    {"package name /tmp/Q (-5, code 322)", [](Installation&) {},
     [](Installation& in) { return loadGameOfPackage(in, "/tmp/Q"); }, -5},
    {"package folder that is a link (-5, code 322)",
     [](Installation& in) { fs::create_directory_symlink(in.program.path() / "Source", in.program.path() / "Linked"); },
     [](Installation& in) { return loadGameOfPackage(in, "Linked"); }, -5},
    {"the real package folder (0)", [](Installation&) {},
     [](Installation& in) { return loadGameOfPackage(in, "Source"); }, 0},
    {"Save.zrx inflating to 64 MiB (-3, code 304)",
     [](Installation& in) { test::WriteBytes(in.save("Save.zrx"), saveBomb("")); },
     [](Installation& in) {
       std::vector<std::string> lines;
       return in.folder().Read(lines, kIndexName, kIndexExtension);
     },
     -3},
    {"game file with an own note of 64 MiB (-3, code 317)",
     [](Installation& in) {
       test::WriteBytes(in.save("AAAAAAAAAA.zrm"), saveBomb("Source\r\n1\r\nAnna\r\n0\r\n0.702.10\r\n1\r\n5\r\n0\r\n"));
     },
     [](Installation& in) {
       std::vector<std::string> lines;
       return in.folder().Read(lines, "AAAAAAAAAA", kGameExtension);
     },
     -3},
    {"texts file inflating to 64 MiB (-3, code 1012)",
     packageBomb("DataS1.zrx", -1),
     loadTexts, -3},
    {"a chapter text above 64 KiB (-5, code 1024)",
     [](Installation& in) {
       ContainerParts parts = test::ReadContainer(in.source("DataS1.zrx"), false);
       std::vector<std::uint8_t> payload(4 + 11 + 70 * 1024, 'a');
       putInt32(payload, 0, 5);
       payload[4] = payload[5] = payload[6] = 0;
       putInt32(payload, 7, 0);
       putInt32(payload, 11, 70 * 1024);
       parts.payload = payload;
       test::WriteBytes(in.source("DataS1.zrx"), *BuildContainer(parts));
     },
     loadTexts, -5},
    {"pictures file of three pictures inflating to 64 MiB (-3, code 1025)",
     packageBomb("DataK1.zrx", -1),
     loadPictures, -3},
    {"covers file of one cover inflating to 64 MiB (-7, code 225)",
     packageBomb("DataK0.zrx", -1),
     loadCovers, -7},
    {"records file inflating to 64 MiB (-3, code 1010)",
     packageBomb("Data0.zrx", 2),
     loadGameData, -3},
    {"two thousand million opponent records (-6, code 1003)",
     [](Installation& in) { editDataPayload(in, [](auto& payload) { putInt32(payload, 3 + 109, 0x7FFFFFFF); }); },
     loadGameData, -6},
    {"a thousand million names (-6, code 5)",
     [](Installation& in) {
       std::vector<std::uint8_t> bytes = test::ReadBytes(in.source("Data0.zrx"));
       const auto count = EncodeInt32(CodingKey::kShort, kContainerBlockOffset, 1 << 30);
       std::copy(count.begin(), count.end(), bytes.begin() + kContainerBlockOffset);
       test::WriteBytes(in.source("Data0.zrx"), bytes);
     },
     [](Installation& in) {
       std::vector<std::string> names;
       return in.names().ReadNames(names);
     },
     -6},
};

TEST(HostileFiles, AreRefusedWithTheirCodeInBoundedMemoryAndNothingOutsideChanges) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Installation in;
    c.plant(in);
    const test::MeasuredRun run = test::RunInChild([&] { return c.run(in); });
    EXPECT_EQ(c.expected, run.result);
    EXPECT_LT(run.peakGrowthKiB, kMemoryBoundKiB);
    RecordProperty(c.name, std::to_string(run.peakGrowthKiB) + " KiB");
    EXPECT_EQ(kOutsideBytes, test::ReadBytes(in.outside));
    EXPECT_EQ(fs::perms::owner_read, fs::status(in.outside).permissions() & fs::perms::all) << "read-only mark kept";
  }
}

TEST(HostileFiles, TheMemoryMeasureSeesAnAllocation) {
  const test::MeasuredRun run = test::RunInChild([] {
    std::vector<char> block(96 * 1024 * 1024, 1);
    return static_cast<int>(block[block.size() / 2]);
  });
  EXPECT_EQ(1, run.result);
  EXPECT_GT(run.peakGrowthKiB, 90 * 1024);
}

TEST(HostileFiles, EveryByteOfAnIndexSurvivesAReadAndAWrite) {
  Installation in;
  std::string text = std::string(kIndexSentinel) + "\r\nAnna\x81\x83\x88\x90\x98|d|n|AAAAAAAAAA|Source|T|0|1\r\n";
  test::WriteBytes(in.save("Save.zrx"), PackSaveContainer(text, test::CountingFiller()));
  std::vector<std::string> lines;
  ASSERT_EQ(0, in.folder().Read(lines, kIndexName, kIndexExtension));
  ASSERT_EQ(0, in.folder().Write(lines, kIndexName, kIndexExtension));
  std::string again;
  ASSERT_EQ(0, UnpackSaveContainer(test::ReadBytes(in.save("Save.zrx")), again));
  EXPECT_EQ(text, again);
}

TEST(HostileFiles, ALinkedSaveIndexIsReplacedNotWrittenThrough) {
  Installation in;
  fs::remove(in.save("Save.zrx"));
  fs::create_symlink(in.outside, in.save("Save.zrx"));
  ASSERT_EQ(0, in.folder().Write({std::string(kIndexSentinel)}, kIndexName, kIndexExtension));
  EXPECT_FALSE(fs::is_symlink(in.save("Save.zrx")));
  EXPECT_EQ(kOutsideBytes, test::ReadBytes(in.outside));
}

TEST(HostileFiles, APackageFolderThatIsALinkIsNotListed) {
  Installation in;
  fs::create_directory_symlink(in.program.path() / "Source", in.program.path() / "Linked");
  fs::create_directory_symlink(in.outsideFolder.path(), in.program.path() / "Outer1");
  EXPECT_EQ(std::vector<std::string>{"Source"}, FindPackageFolders(in.program.path()));
}

}  // namespace
}  // namespace zrx
