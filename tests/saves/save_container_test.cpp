#include "save_container.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "container_format.h"
#include "key_coding.h"
#include "save_folder.h"
#include "save_test_support.h"
#include "win1250.h"

namespace zrx {
namespace {

using test::ProgramFolder;
using test::CountingFiller;

constexpr std::size_t kCompressedSizeAt = 16;
constexpr std::size_t kTextSizeAt = 16 + 4 + 123;

std::int32_t sizeAt(const std::vector<std::uint8_t>& file, std::size_t at) {
  return DecodeInt32(CodingKey::kShort, 0, std::span<const std::uint8_t>(file).subspan(at).first<4>());
}

void setSizeAt(std::vector<std::uint8_t>& file, std::size_t at, std::int64_t value) {
  const auto coded = EncodeInt32(CodingKey::kShort, 0, static_cast<std::int32_t>(value));
  std::copy(coded.begin(), coded.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
}

TEST(SaveContainer, LayoutHasFillerCodedSizesStreamAndTrailer) {
  const std::string text = "Source\r\n1\r\nÁrvíztűrő\r\n";
  const auto win = Utf8ToWin1250(text).value();
  const auto file = PackSaveContainer(win, CountingFiller());

  const std::int32_t compressed = sizeAt(file, kCompressedSizeAt);
  EXPECT_EQ(static_cast<std::int32_t>(win.size()), sizeAt(file, kTextSizeAt));
  EXPECT_EQ(kSaveHeaderBytes + static_cast<std::size_t>(compressed) + kSaveTrailerBytes, file.size());
  EXPECT_EQ(0x78, file[kSaveHeaderBytes]) << "a zlib stream starts the text";
  EXPECT_EQ(0xDA, file[kSaveHeaderBytes + 1]) << "compressed at level 9";
  // The filler comes from the injected source: 7, 8, 9, ... in the counting one.
  EXPECT_EQ(7, file[0]);
  EXPECT_EQ(22, file[15]);

  std::string back;
  ASSERT_EQ(0, UnpackSaveContainer(file, back));
  EXPECT_EQ(win, back);
}

TEST(SaveContainer, EmptyTextRoundTrips) {
  std::string back = "x";
  ASSERT_EQ(0, UnpackSaveContainer(PackSaveContainer("", CountingFiller()), back));
  EXPECT_EQ("", back);
}

TEST(SaveContainer, CorruptFilesAreRefusedWithTheirCode) {
  struct Case {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> corrupt;
    int expected;
  };
  const std::string text(5000, 'a');
  const Case cases[] = {
      {"shorter than the header", [](auto& f) { f.resize(100); }, -3},
      {"empty file", [](auto& f) { f.clear(); }, -3},
      {"compressed bytes cut off",
       [](auto& f) { f.resize(kSaveHeaderBytes + static_cast<std::size_t>(sizeAt(f, kCompressedSizeAt)) - 1); }, -3},
      {"compressed size beyond the file", [](auto& f) { setSizeAt(f, kCompressedSizeAt, f.size()); }, -3},
      {"negative compressed size", [](auto& f) { setSizeAt(f, kCompressedSizeAt, -1); }, -3},
      {"text size above the cap", [](auto& f) { setSizeAt(f, kTextSizeAt, std::int64_t{kMaxSaveTextSize} + 1); }, -3},
      {"negative text size", [](auto& f) { setSizeAt(f, kTextSizeAt, -5); }, -3},
      {"text size beyond any deflate ratio",
       [](auto& f) { setSizeAt(f, kTextSizeAt, std::int64_t{sizeAt(f, kCompressedSizeAt)} * 2000); }, -3},
      {"text size larger than the stream gives", [](auto& f) { setSizeAt(f, kTextSizeAt, 5001); }, -4},
      {"text size smaller than the stream gives", [](auto& f) { setSizeAt(f, kTextSizeAt, 4999); }, -4},
      {"garbage instead of zlib", [](auto& f) { f[kSaveHeaderBytes] ^= 0xFF; }, -4},
      {"stream damaged inside",
       [](auto& f) { f[kSaveHeaderBytes + static_cast<std::size_t>(sizeAt(f, kCompressedSizeAt)) - 2] ^= 0x55; }, -4},
  };
  for (const auto& c : cases) {
    auto file = PackSaveContainer(text, CountingFiller());
    c.corrupt(file);
    std::string out;
    EXPECT_EQ(c.expected, UnpackSaveContainer(file, out)) << c.name;
    EXPECT_TRUE(out.empty()) << c.name;
  }
}

TEST(SaveLines, JoinEndsEveryLineWithCrLfAndSplitReadsItBack) {
  const std::vector<std::string> lines = {"a", "", "b|c", ""};
  EXPECT_EQ("a\r\n\r\nb|c\r\n\r\n", JoinLines(lines));
  EXPECT_EQ(lines, SplitLines(JoinLines(lines)));
  EXPECT_EQ((std::vector<std::string>{"x", "y", "z"}), SplitLines("x\ny\rz"));
  EXPECT_EQ((std::vector<std::string>{"x"}), SplitLines("x"));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_TRUE(JoinLines({}).empty());
}

TEST(SaveFolderFiles, LinesRoundTripInWindows1250) {
  ProgramFolder program;
  SaveFolder folder(program.path(), CountingFiller());
  const std::vector<std::string> lines = {"Ügyesség", "", "őrző|ŰR"};
  ASSERT_EQ(0, folder.Write(lines, "ABCDEFGHIJ", "zrm"));

  std::ifstream raw(program.savePath() / "ABCDEFGHIJ.zrm", std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
  std::string text;
  ASSERT_EQ(0, UnpackSaveContainer(bytes, text));
  EXPECT_EQ(Utf8ToWin1250("Ügyesség\r\n\r\nőrző|ŰR\r\n").value(), text);

  std::vector<std::string> back;
  ASSERT_EQ(0, folder.Read(back, "ABCDEFGHIJ", "zrm"));
  EXPECT_EQ(lines, back);
}

TEST(SaveFolderFiles, ReadReportsMissingAndDamagedFiles) {
  ProgramFolder program;
  SaveFolder folder(program.path(), CountingFiller());
  std::vector<std::string> lines = {"left over"};
  EXPECT_EQ(-11, folder.Read(lines, "NOSUCHFILE", "zrm"));
  EXPECT_TRUE(lines.empty());

  std::ofstream(program.savePath() / "SHORT.zrm", std::ios::binary) << "tiny";
  EXPECT_EQ(-3, folder.Read(lines, "SHORT", "zrm"));

  // A file beyond any save's size is refused unread (a sparse file takes no disk).
  std::filesystem::resize_file(folder.filePath("SHORT", "zrm"), kMaxSaveFileBytes + 1);
  EXPECT_EQ(-3, folder.Read(lines, "SHORT", "zrm"));
}

TEST(SaveFolderFiles, ReadOnlyFilesAreReadAfterTheirMarkIsRemoved) {
  ProgramFolder program;
  SaveFolder folder(program.path(), CountingFiller());
  ASSERT_EQ(0, folder.Write({"sor"}, "ABCDEFGHIJ", "zrm"));
  const auto path = folder.filePath("ABCDEFGHIJ", "zrm");
  std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);

  SaveFolder stuck(program.path(), CountingFiller(), [](const std::filesystem::path&) { return false; });
  std::vector<std::string> lines;
  EXPECT_EQ(-10, stuck.Read(lines, "ABCDEFGHIJ", "zrm"));

  ASSERT_EQ(0, folder.Read(lines, "ABCDEFGHIJ", "zrm"));
  EXPECT_EQ(std::vector<std::string>{"sor"}, lines);
  EXPECT_NE(std::filesystem::perms::none,
            std::filesystem::status(path).permissions() & std::filesystem::perms::owner_write);
}

TEST(SaveFolderFiles, ReadsThroughTheGivenReaderWithTheSaveCap) {
  ProgramFolder program;
  SaveFolder folder(program.path(), CountingFiller());
  ASSERT_EQ(0, folder.Write({"a lemezen"}, "ABCDEFGHIJ", "zrm"));
  const std::vector<std::uint8_t> inMemory = PackSaveContainer(*Utf8ToWin1250("a memóriában\r\n"), CountingFiller());
  std::vector<std::uintmax_t> caps;
  const auto reader = [&](bool serves) {
    return [&, serves](const std::filesystem::path& path, std::uintmax_t maxBytes, std::vector<std::uint8_t>& out) {
      EXPECT_EQ(folder.filePath("ABCDEFGHIJ", "zrm"), path);
      caps.push_back(maxBytes);
      if (serves) out = inMemory;
      return serves;
    };
  };
  std::vector<std::string> lines;
  ASSERT_EQ(0, SaveFolder(program.path(), CountingFiller(), RemoveReadOnlyMark, reader(true))
                   .Read(lines, "ABCDEFGHIJ", "zrm"));
  EXPECT_EQ(std::vector<std::string>{"a memóriában"}, lines);
  EXPECT_EQ(-2, SaveFolder(program.path(), CountingFiller(), RemoveReadOnlyMark, reader(false))
                    .Read(lines, "ABCDEFGHIJ", "zrm"));
  EXPECT_EQ(-11, SaveFolder(program.path(), CountingFiller(), RemoveReadOnlyMark, reader(true))
                     .Read(lines, "NOSUCHFILE", "zrm"));
  EXPECT_EQ((std::vector<std::uintmax_t>{kMaxSaveFileBytes, kMaxSaveFileBytes}), caps);
}

TEST(SaveFolderFiles, TextOutsideTheCodePageIsNotWritten) {
  ProgramFolder program;
  SaveFolder folder(program.path(), CountingFiller());
  EXPECT_EQ(-1, folder.Write({"日本"}, "ABCDEFGHIJ", "zrm"));
  EXPECT_FALSE(std::filesystem::exists(folder.filePath("ABCDEFGHIJ", "zrm")));
}

}  // namespace
}  // namespace zrx
