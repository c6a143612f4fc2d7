// A package written by the writer loads back into equal records, texts and pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "byte_io.h"
#include "container_format.h"
#include "key_coding.h"
#include "package_fixture.h"
#include "package_writer.h"
#include "record_codec.h"
#include "source_coding.h"
#include "temp_folder.h"
#include "win1250.h"

namespace zrx {
namespace {

namespace fs = std::filesystem;
using test::MakeBook;
using test::MakePackage;
using test::ReadBytes;
using test::TempFolder;
using test::WriteTestPackage;

template <class Rec, class Store>
std::vector<Rec> storeRecords(const Store& store) {
  std::vector<Rec> records;
  for (const auto& [number, rec] : store) records.push_back(rec);
  return records;
}

template <class Rec>
std::vector<Rec> sortedByNumber(std::vector<Rec> records) {
  std::sort(records.begin(), records.end(), [](const Rec& a, const Rec& b) { return a.Number < b.Number; });
  return records;
}

class PackageRoundTrip : public ::testing::TestWithParam<const char*> {
 protected:
  TempFolder program;
};

TEST_P(PackageRoundTrip, EverythingLoadsBackEqual) {
  const std::string name = GetParam();
  const PackageContent content = MakePackage(name, 2);
  WriteTestPackage(program.path(), content);
  SourceCoding source(program.path());

  int bookCount = 0;
  EXPECT_EQ(7, source.CheckPackage(name, bookCount));
  EXPECT_EQ(2, bookCount);

  std::vector<TBookRec> books;
  std::vector<Picture> covers;
  EXPECT_EQ(2, source.LoadBookList(name, 2, books, covers));
  ASSERT_EQ(2u, books.size());
  ASSERT_EQ(2u, covers.size());
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(content.books[i].record, books[i]);
    EXPECT_EQ(content.books[i].cover, covers[i]);
  }

  BookStores stores;
  EXPECT_EQ(2, source.LoadGameData(name, 2, stores));
  EXPECT_EQ(books, storeRecords<TBookRec>(stores.books));
  EXPECT_EQ(content.books[1].chapters, storeRecords<TChapterRec>(stores.chapters));
  EXPECT_EQ(content.monsters, storeRecords<TMonsterRec>(stores.monsters));
  EXPECT_EQ(sortedByNumber(content.items), storeRecords<TInventoryRec>(stores.items));
  EXPECT_EQ(content.infos, storeRecords<TInfoRec>(stores.infos));
  EXPECT_EQ(content.baseValues, storeRecords<TBaseValueRec>(stores.baseValues));
  EXPECT_EQ(content.magicSkills, storeRecords<TMagicSkillRec>(stores.magicSkills));

  std::vector<std::vector<std::string>> texts;
  const int chapterCount = content.books[1].record.ChapterCount;
  EXPECT_EQ(1, source.LoadChapterTexts(name, 2, chapterCount, texts));
  EXPECT_EQ(content.books[1].texts, texts);

  std::vector<Picture> chapterPictures, decorPictures;
  EXPECT_EQ(1, source.LoadChapterPictures(name, 2, 1, 2, chapterPictures, decorPictures));
  EXPECT_EQ(content.books[1].chapterPictures, chapterPictures);
  EXPECT_EQ(content.books[1].decorPictures, decorPictures);
  EXPECT_TRUE(source.fileBytes().empty());  // a finished load keeps no file in memory
}

INSTANTIATE_TEST_SUITE_P(SourceAndOther, PackageRoundTrip, ::testing::Values("Source", "Kaland"));

TEST(PackageLayout, DataPayloadHasThePackedRecordSizes) {
  TempFolder program;
  const PackageContent content = MakePackage("Kaland", 1);
  WriteTestPackage(program.path(), content);
  const ContainerParts parts = test::ReadContainer(program.path() / "Kaland" / "Data0.zrx", false);
  const std::size_t chapters = content.books[0].chapters.size();
  const std::size_t expected = 3 + kPackageHeaderSize + 3 + (1 + kBookRecSize) + 2 * (1 + kMonsterRecSize) +
                               2 * (1 + kInventoryRecSize) + (1 + kInfoRecSize) + 4 * (1 + kBaseValueRecSize) +
                               (1 + kMagicSkillRecSize) + 1 + 4 + chapters * (1 + kChapterRecSize);
  EXPECT_EQ(expected, parts.payload.size());
  EXPECT_EQ("Kaland", parts.packageName);
  EXPECT_EQ("N00", parts.fileCode);
  EXPECT_EQ(1, parts.itemCount);
}

// The "Source" package keeps its names block in front of the compressed block;
// any other package has the compressed block right at offset 22.
TEST(PackageLayout, NamesBlockOnlyInSource) {
  TempFolder program;
  WriteTestPackage(program.path(), MakePackage("Source", 1));
  WriteTestPackage(program.path(), MakePackage("Kaland", 1));
  const auto source = ReadBytes(program.path() / "Source" / "Data0.zrx");
  const auto other = ReadBytes(program.path() / "Kaland" / "Data0.zrx");
  const auto decodeAt = [](const std::vector<std::uint8_t>& bytes, std::size_t offset, long long keyOffset) {
    return DecodeInt32(CodingKey::kShort, keyOffset, std::span<const std::uint8_t, 4>(bytes.data() + offset, 4));
  };
  EXPECT_EQ(2, decodeAt(source, 22, 22));
  const std::size_t sourceBlock = test::BlockSizesOffset(2);
  EXPECT_EQ(static_cast<std::int32_t>(source.size() - sourceBlock - 131), decodeAt(source, sourceBlock, 0));
  EXPECT_EQ(static_cast<std::int32_t>(other.size() - 22 - 131), decodeAt(other, 22, 0));
  EXPECT_EQ(source.size(), other.size() + 4 + 2 * kNameEntrySize);

  // Each loader finds its block only where its package keeps it.
  fs::rename(program.path() / "Kaland", program.path() / "Other1");
  SourceCoding coding(program.path());
  BookStores stores;
  EXPECT_EQ(1, coding.LoadGameData("Source", 1, stores));
  EXPECT_EQ(-1, coding.LoadGameData("Other1", 1, stores));  // header names "Kaland"
}

TEST(PackageFolders, OnlyFoldersOfExactlySixCharacters) {
  TempFolder program;
  for (const char* folder : {"Source", "Kaland", "Abcde", "Abcdefg", "Őrség1", "Árvíztű"})
    WriteTestPackage(program.path(), MakePackage("Source", 1), folder);
  std::ofstream(program.path() / "Fájl12") << "not a folder";
  EXPECT_EQ((std::vector<std::string>{"Kaland", "Source", "Őrség1"}), FindPackageFolders(program.path()));
  EXPECT_TRUE(FindPackageFolders(program.path() / "missing").empty());
}

// A book whose LastChapter is not ChapterCount - 2 counts only in "Source";
// its chapter block is skipped either way.
TEST(BookList, IllFormedBookCountsOnlyInSource) {
  TempFolder program;
  for (const char* name : {"Source", "Kaland"}) {
    PackageContent content = MakePackage(name, 2);
    content.books[1].record.LastChapter = 99;
    WriteTestPackage(program.path(), content);
  }
  SourceCoding source(program.path());
  std::vector<TBookRec> books;
  std::vector<Picture> covers;
  EXPECT_EQ(2, source.LoadBookList("Source", 2, books, covers));
  EXPECT_EQ(99, books[1].LastChapter);
  EXPECT_EQ(-6, source.LoadBookList("Kaland", 2, books, covers));

  BookStores stores;
  EXPECT_EQ(-15, source.LoadGameData("Source", 2, stores));  // no chapter points to play
  BookStores first;
  EXPECT_EQ(2, source.LoadGameData("Source", 1, first));     // the skipped block does not disturb book 1
  EXPECT_EQ(5u, first.chapters.size());
  EXPECT_EQ(-1, first.chapters.begin()->first);
}

TEST(ChapterTexts, IndexMinusOneFillsTheLastListAndLinesSplitAtCrLfAndLf) {
  TempFolder program;
  PackageContent content = MakePackage("Kaland", 1);
  WriteTestPackage(program.path(), content);
  ByteWriter payload;
  const std::vector<std::pair<std::int32_t, std::string>> entries = {
      {-1, "Szabályok\r\nkét sor"}, {0, "Háttér\nLF\r\nvegyes\r\n"}, {1, ""}, {2, "a\rb"}, {3, "\r\n\r\nx"}};
  payload.writeInt32(static_cast<std::int32_t>(entries.size()));
  for (const auto& [index, text] : entries) {
    const std::string bytes = *Utf8ToWin1250(text);
    payload.writeZeros(3);
    payload.writeInt32(index);
    payload.writeInt32(static_cast<std::int32_t>(bytes.size()));
    payload.writeBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  }
  test::WriteBytes(program.path() / "Kaland" / "DataS1.zrx",
                      *BuildContainer({"Kaland", "S01", 1, {}, payload.release()}));
  SourceCoding source(program.path());
  std::vector<std::vector<std::string>> texts;
  ASSERT_EQ(1, source.LoadChapterTexts("Kaland", 1, 5, texts));
  const std::vector<std::vector<std::string>> expected = {
      {"Háttér", "LF", "vegyes"}, {}, {"a\rb"}, {"", "", "x"}, {"Szabályok", "két sor"}};
  EXPECT_EQ(expected, texts);
}

TEST(ChapterPictures, TotalAndDecorCountsMustMatchTheBook) {
  TempFolder program;
  PackageContent content = MakePackage("Kaland", 0);
  content.books.push_back(MakeBook(1, 3, 3, 2));  // P = 5, Q' = 2
  WriteTestPackage(program.path(), content);
  SourceCoding source(program.path());
  std::vector<Picture> chapterPictures, decorPictures;
  EXPECT_EQ(1, source.LoadChapterPictures("Kaland", 1, 2, 3, chapterPictures, decorPictures));
  EXPECT_EQ(3u, chapterPictures.size());
  EXPECT_EQ(2u, decorPictures.size());
  EXPECT_EQ(content.books[0].decorPictures[1], decorPictures[1]);
  const struct {
    int decor, chapter;
  } wrong[] = {{3, 2}, {2, 2}, {1, 4}, {0, 5}, {2, 4}};
  for (const auto& w : wrong)
    EXPECT_EQ(-6, source.LoadChapterPictures("Kaland", 1, w.decor, w.chapter, chapterPictures, decorPictures))
        << "decor " << w.decor << ", chapter " << w.chapter;
}

TEST(OpenPackageFile, FileCodeMustNameTheBookNumber) {
  TempFolder program;
  WriteTestPackage(program.path(), MakePackage("Kaland", 4));
  SourceCoding source(program.path());
  EXPECT_EQ(1, source.OpenPackageFile("DataS", 3, "Kaland"));
  fs::copy_file(program.path() / "Kaland" / "DataS4.zrx", program.path() / "Kaland" / "DataS3.zrx",
                fs::copy_options::overwrite_existing);
  EXPECT_EQ(-1, source.OpenPackageFile("DataS", 3, "Kaland"));  // its code is S04
  EXPECT_EQ(1, source.OpenPackageFile("DataK", 4, "Kaland"));
  EXPECT_EQ(-11, source.OpenPackageFile("DataS", 0, "Kaland"));
  EXPECT_EQ(4, source.OpenPackageFile("Data", 0, "Kaland"));
}

TEST(OpenPackageFile, ReadOnlyMarkIsRemovedOrReported) {
  TempFolder program;
  WriteTestPackage(program.path(), MakePackage("Kaland", 1));
  const fs::path data = program.path() / "Kaland" / "Data0.zrx";
  fs::permissions(data, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(-10, SourceCoding(program.path(), [](const fs::path&) { return false; })
                     .OpenPackageFile("Data", 0, "Kaland"));
  EXPECT_EQ(1, SourceCoding(program.path()).OpenPackageFile("Data", 0, "Kaland"));
  EXPECT_NE(fs::perms::none, fs::status(data).permissions() & fs::perms::owner_write);
}

TEST(OpenPackageFile, ReadsThroughTheGivenReaderWithTheKindsCap) {
  TempFolder program, other;
  WriteTestPackage(program.path(), MakePackage("Kaland", 1));
  WriteTestPackage(other.path(), MakePackage("Kaland", 3));
  const std::vector<std::uint8_t> threeBooks = ReadBytes(other.path() / "Kaland" / "Data0.zrx");
  std::vector<std::pair<fs::path, std::uintmax_t>> asked;
  const auto fromMemory = [&](bool serves) {
    return [&, serves](const fs::path& path, std::uintmax_t maxBytes, ByteBuffer& out) {
      asked.emplace_back(path, maxBytes);
      if (!serves) return false;
      out = ByteBuffer::ForOverwrite(threeBooks.size());
      std::copy(threeBooks.begin(), threeBooks.end(), out.data());
      return true;
    };
  };
  // The disk holds one book; the reader's bytes count three.
  EXPECT_EQ(3, SourceCoding(program.path(), RemoveReadOnlyMark, fromMemory(true)).OpenPackageFile("Data", 0, "Kaland"));
  EXPECT_EQ(-2, SourceCoding(program.path(), RemoveReadOnlyMark, fromMemory(false)).OpenPackageFile("Data", 0, "Kaland"));
  // A file that is not in the folder is never asked for.
  EXPECT_EQ(-11, SourceCoding(program.path(), RemoveReadOnlyMark, fromMemory(true)).OpenPackageFile("DataS", 9, "Kaland"));
  const std::pair<fs::path, std::uintmax_t> expected{program.path() / "Kaland" / "Data0.zrx", MaxPackageFileSize("Data")};
  EXPECT_EQ((std::vector{expected, expected}), asked);
}

TEST(OpenPackageFile, RecordsTheSizeOfTheSourceDataFile) {
  TempFolder program;
  WriteTestPackage(program.path(), MakePackage("Source", 1));
  SourceCoding source(program.path());
  EXPECT_EQ(1, source.OpenPackageFile("Data", 0, "Source"));
  EXPECT_EQ(fs::file_size(program.path() / "Source" / "Data0.zrx"), source.sourceDataFileSize());
}

TEST(PackageWriter, RefusesContentThatCannotBeWritten) {
  TempFolder program;
  PackageContent tooManyBooks = MakePackage("Kaland", 0);
  tooManyBooks.books.resize(256);
  PackageContent badText = MakePackage("Kaland", 1);
  badText.items[0].Name = "日本";
  PackageContent badTextLine = MakePackage("Kaland", 1);
  badTextLine.books[0].texts[0][0] = "ĉ";
  PackageContent mixedCovers = MakePackage("Kaland", 2);
  mixedCovers.books[0].cover = {};
  PackageContent bookNumber = MakePackage("Kaland", 1);
  bookNumber.books[0].record.Number = 100;
  for (const auto* content : {&tooManyBooks, &badText, &badTextLine, &mixedCovers, &bookNumber})
    EXPECT_EQ(kPackageContentInvalid, WritePackage(program.path() / "Kaland", *content));
}

TEST(PackageWriter, PackageWithoutCoversLoadsAnEmptyCoverList) {
  TempFolder program;
  PackageContent content = MakePackage("Kaland", 1);
  content.books[0].cover = {};
  WriteTestPackage(program.path(), content);
  std::vector<TBookRec> books;
  std::vector<Picture> covers{Picture{{1}}};
  EXPECT_EQ(1, SourceCoding(program.path()).LoadBookList("Kaland", 1, books, covers));
  EXPECT_TRUE(covers.empty());
}

}  // namespace
}  // namespace zrx
