#include "large_book.h"

#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "container_format.h"
#include "package_fixture.h"

namespace zrx::bench {

namespace fs = std::filesystem;

namespace {

// Smooth bands with a little grain: about 125 KB per 1024x768 picture at the default
// quality, close to the scanned pages of a real book.
void fillRow(std::vector<unsigned char>& row, int y, std::uint32_t& state, std::uint32_t seed) {
  const int width = static_cast<int>(row.size() / 3);
  for (int x = 0; x < width; ++x) {
    state = state * 1664525u + 1013904223u;
    const int grain = static_cast<int>((state >> 24) % 23) - 11;
    const int base = static_cast<int>((x * 3 + y * 2 + seed * 37) % 256);
    row[3 * x] = static_cast<unsigned char>(std::clamp(base + grain, 0, 255));
    row[3 * x + 1] = static_cast<unsigned char>(std::clamp(255 - base + grain, 0, 255));
    row[3 * x + 2] = static_cast<unsigned char>(std::clamp((x ^ y) % 256 + grain, 0, 255));
  }
}

std::string chapterLine(int chapter, int line) {
  return "A(z) " + std::to_string(chapter) + ". fejezetpont " + std::to_string(line) +
         ". sora: a vándor útja a sötét erdőn át vezet, ahol őrök és tündérek várják.";
}

}  // namespace

Picture MakeBenchPicture(int width, int height, std::uint32_t seed) {
  std::uint32_t state = seed * 2654435761u + 1;
  return test::EncodeTestPicture(
      width, height, [&state, seed](int y, std::vector<unsigned char>& row) { fillRow(row, y, state, seed); }, 80);
}

LargeBook::LargeBook(BookShape shape) : shape_(shape) {
  programFolder_ = fs::temp_directory_path() /
                   ("zrx-bench-" + std::to_string(::getpid()) + "-" + std::to_string(shape.lastChapter) + "-" +
                    std::to_string(shape.chapterPictures) + "-" + std::to_string(shape.decorPictures));
  fs::create_directories(programFolder_);
  PackageContent content = test::MakePackage(kSourcePackage, 0);
  PackageBook book = test::MakeBook(1, shape.lastChapter, 0, 0);
  book.record.ChapterPictureCount = static_cast<std::uint8_t>(shape.chapterPictures);
  book.record.DecorPictureCount = static_cast<std::uint8_t>(shape.decorPictures);
  for (std::size_t c = 0; c < book.chapters.size(); ++c) {
    const int number = book.chapters[c].Number;
    book.chapters[c].SpecialChange1.clear();
    book.chapters[c].PictureNumber =
        static_cast<std::uint8_t>(number >= 1 && number <= shape.chapterPictures ? number : 0);
  }
  book.chapters.back().PictureNumber = 0;
  for (std::size_t t = 0; t < book.texts.size(); ++t)
    for (int line = 0; line < 12; ++line) book.texts[t].push_back(chapterLine(static_cast<int>(t), line));
  std::uint32_t seed = 1;
  for (int i = 0; i < shape.chapterPictures; ++i) book.chapterPictures.push_back(MakeBenchPicture(1024, 768, seed++));
  for (int i = 0; i < shape.decorPictures; ++i) book.decorPictures.push_back(MakeBenchPicture(1024, 768, seed++));
  book.cover = MakeBenchPicture(64, 48, seed);
  content.books.push_back(std::move(book));
  test::WriteTestPackage(programFolder_, content);
}

LargeBook::~LargeBook() {
  std::error_code ec;
  fs::remove_all(programFolder_, ec);
}

fs::path LargeBook::file(const char* kind, int number) const {
  return programFolder_ / kSourcePackage / PackageFileName(kind, number);
}

std::uintmax_t LargeBook::gameFileBytes() const {
  return fs::file_size(file(kDataKind, 0)) + fs::file_size(file(kTextsKind, 1)) +
         fs::file_size(file(kPicturesKind, 1));
}

const LargeBook& BookShelf::of(BookShape shape) {
  auto& book = books_[{shape.lastChapter, shape.chapterPictures, shape.decorPictures}];
  if (!book) book = std::make_unique<LargeBook>(shape);
  return *book;
}

}  // namespace zrx::bench
