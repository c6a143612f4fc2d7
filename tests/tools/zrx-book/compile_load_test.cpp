// A bundled book compiled with zrx-book loads through the package loaders into
// exactly the records, texts and pictures of its source.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "compiler.h"
#include "linter.h"
#include "source_coding.h"
#include "source_parser.h"
#include "temp_folder.h"

namespace zrx::book {
namespace {

const std::filesystem::path kBooks = ZRX_BOOKS_DIR;

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CompiledPackage : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    Diagnostics diags;
    auto parsed = ParsePackageFile(kBooks / GetParam(), diags);
    ASSERT_TRUE(parsed);
    LintPackage(*parsed, diags);
    auto content = CompilePackage(*parsed, diags);
    ASSERT_EQ(0, diags.errorCount());
    ASSERT_TRUE(content);
    source = std::move(*parsed);
    ASSERT_EQ(0, WritePackage(folder.path() / source.name, *content));
  }

  test::TempFolder folder;
  SourcePackage source;
};

TEST_P(CompiledPackage, LoadsIntoTheRecordsOfItsSource) {
  SourceCoding coding(folder.path());
  int bookCount = 0;
  ASSERT_GE(coding.CheckPackage(source.name, bookCount), 0);
  ASSERT_EQ(static_cast<int>(source.books.size()), bookCount);
  for (const SourceBook& book : source.books) {
    SCOPED_TRACE(book.fileName());
    BookStores stores;
    ASSERT_EQ(bookCount, coding.LoadGameData(source.name, book.book.Number, stores));
    EXPECT_EQ(book.book, stores.books.Find(book.book.Number));
    EXPECT_EQ(book.chapters.size(), stores.chapters.size());
    for (const auto& c : book.chapters) EXPECT_EQ(c.rec, stores.chapters.Find(c.rec.Number)) << c.rec.Number;
    for (const auto& r : book.opponents) EXPECT_EQ(r.rec, stores.monsters.Find(r.rec.Number));
    for (const auto& r : book.items) EXPECT_EQ(r.rec, stores.items.Find(r.rec.Number));
    for (const auto& r : book.infos) EXPECT_EQ(r.rec, stores.infos.Find(r.rec.Number));
    for (const auto& r : book.baseValues) EXPECT_EQ(r.rec, stores.baseValues.Find(r.rec.Number));
    for (const auto& r : book.magicSkills) EXPECT_EQ(r.rec, stores.magicSkills.Find(r.rec.Number));
  }
}

TEST_P(CompiledPackage, LoadsTheTextsAndPicturesOfItsSource) {
  SourceCoding coding(folder.path());
  for (const SourceBook& book : source.books) {
    SCOPED_TRACE(book.fileName());
    std::vector<std::vector<std::string>> texts;
    ASSERT_GT(coding.LoadChapterTexts(source.name, book.book.Number, book.book.ChapterCount, texts), 0);
    for (const auto& c : book.chapters) {
      const std::size_t index = c.rec.Number == -1 ? texts.size() - 1 : static_cast<std::size_t>(c.rec.Number);
      EXPECT_EQ(c.text, texts.at(index)) << "chapter point " << c.rec.Number;
    }
    std::vector<Picture> chapterPictures, decorPictures;
    ASSERT_GT(coding.LoadChapterPictures(source.name, book.book.Number, book.book.DecorPictureCount,
                                         book.book.ChapterPictureCount, chapterPictures, decorPictures),
              0);
    ASSERT_EQ(book.chapterPictureFiles.size(), chapterPictures.size());
    for (std::size_t i = 0; i < chapterPictures.size(); ++i) {
      EXPECT_EQ(Picture(fileBytes(book.file.parent_path() / book.chapterPictureFiles[i])), chapterPictures[i]);
    }
    ASSERT_EQ(book.decorPictureFiles.size(), decorPictures.size());
    // Inflated by a worker, the pictures are the same.
    const std::shared_ptr<PictureLoad> load = coding.StartChapterPictures(
        source.name, book.book.Number, book.book.DecorPictureCount, book.book.ChapterPictureCount);
    ASSERT_GT(load->result(), 0);
    EXPECT_EQ(chapterPictures, PictureLoad::Pending(load, Picture::List::Chapter, book.book.ChapterPictureCount));
    EXPECT_EQ(decorPictures, PictureLoad::Pending(load, Picture::List::Decor, book.book.DecorPictureCount));
  }
  std::vector<TBookRec> books;
  std::vector<Picture> covers;
  ASSERT_GT(coding.LoadBookList(source.name, static_cast<int>(source.books.size()), books, covers), 0);
  ASSERT_EQ(source.books.size(), covers.size());
  for (std::size_t i = 0; i < covers.size(); ++i) {
    const SourceBook& book = source.books[i];
    EXPECT_EQ(Picture(fileBytes(book.file.parent_path() / book.coverFile)), covers[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(BundledBooks, CompiledPackage, ::testing::Values("source.yaml", "mondak.yaml"));

}  // namespace
}  // namespace zrx::book
