// Time to load a book of a few hundred chapter points: what a game start waits for.
#include <benchmark/benchmark.h>

#include "package_fixture.h"
#include "source_coding.h"
#include "temp_folder.h"

namespace zrx {
namespace {

constexpr int kLastChapter = 400;
constexpr int kChapterPictures = 60;
constexpr int kDecorPictures = 10;

// One written package shared by the benchmarks of this program.
class WrittenBook {
 public:
  WrittenBook() {
    PackageContent content = testing::MakePackage("Source", 0);
    PackageBook book = testing::MakeBook(1, kLastChapter, kChapterPictures, kDecorPictures);
    for (auto& text : book.texts)
      for (int i = 0; i < 20; ++i) text.push_back("Egy hosszabb sor a fejezet szövegéből, ékezetekkel: őű.");
    content.books.push_back(std::move(book));
    testing::WriteTestPackage(folder_.path(), content);
  }
  const std::filesystem::path& path() const { return folder_.path(); }

 private:
  testing::TempFolder folder_;
};

const WrittenBook& writtenBook() {
  static const WrittenBook book;
  return book;
}

void BM_LoadGameData(benchmark::State& state) {
  SourceCoding source(writtenBook().path());
  for (auto _ : state) {
    BookStores stores;
    benchmark::DoNotOptimize(source.LoadGameData("Source", 1, stores));
  }
}
BENCHMARK(BM_LoadGameData);

void BM_LoadChapterTexts(benchmark::State& state) {
  SourceCoding source(writtenBook().path());
  for (auto _ : state) {
    std::vector<std::vector<std::string>> texts;
    benchmark::DoNotOptimize(source.LoadChapterTexts("Source", 1, kLastChapter + 2, texts));
  }
}
BENCHMARK(BM_LoadChapterTexts);

void BM_LoadChapterPictures(benchmark::State& state) {
  SourceCoding source(writtenBook().path());
  for (auto _ : state) {
    std::vector<Picture> chapterPictures, decorPictures;
    benchmark::DoNotOptimize(
        source.LoadChapterPictures("Source", 1, kDecorPictures, kChapterPictures, chapterPictures, decorPictures));
  }
}
BENCHMARK(BM_LoadChapterPictures);

}  // namespace
}  // namespace zrx

BENCHMARK_MAIN();
