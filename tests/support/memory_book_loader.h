#pragma once
// A book loader for tests: hands out a book built in memory, or a scripted failure code.
#include <string>
#include <vector>

#include "book_loader.h"

namespace zrx::test {

class MemoryBookLoader : public BookLoader {
 public:
  BookStores book;                      // copied into the game's stores
  std::vector<TextList> texts;          // chapter texts, index = chapter, last = rules text
  std::vector<Picture> chapterPictures;
  std::vector<Picture> decorPictures;
  int gameDataResult = 1;               // results returned by the three loads
  int textsResult = 1;
  int picturesResult = 1;
  int picturesCalls = 0;
  std::string lastPackage;

  // A small well-formed book 1: chapters -1 (rules), 0, 1 and 2; the three main
  // characteristics ("Életerő" fatal at its minimum); texts "Szabályok szövege",
  // "Háttér", "Első pont", "Második pont".
  void useMinimalBook() {
    book.books.Insert(TBookRec{.Number = 1, .ChapterCount = 4, .Title = "Próbakönyv",
                               .LastChapter = 2, .SeriesTitle = "Sorozat", .MoneyItem = 1});
    for (int chapter = -1; chapter <= 2; ++chapter) {
      book.chapters.Insert(TChapterRec{.Number = chapter, .NextChapters = chapter < 2 ? "002" : "GGG"});
    }
    book.baseValues.Insert(TBaseValueRec{.Number = 1, .Name = "Ügyesség"});
    book.baseValues.Insert(TBaseValueRec{.Number = 2, .LimitFatal = 1, .Name = "Életerő"});
    book.baseValues.Insert(TBaseValueRec{.Number = 3, .Name = "Szerencse"});
    texts = {{"Háttér"}, {"Első pont"}, {"Második pont"}, {"Szabályok szövege"}};
  }

  int LoadGameData(std::string_view package, int, BookStores& stores) override {
    lastPackage = std::string(package);
    if (gameDataResult < 1) return gameDataResult;
    for (const auto& [n, r] : book.books) stores.books.Insert(r);
    for (const auto& [n, r] : book.chapters) stores.chapters.Insert(r);
    for (const auto& [n, r] : book.monsters) stores.monsters.Insert(r);
    for (const auto& [n, r] : book.items) stores.items.Insert(r);
    for (const auto& [n, r] : book.infos) stores.infos.Insert(r);
    for (const auto& [n, r] : book.magicSkills) stores.magicSkills.Insert(r);
    for (const auto& [n, r] : book.baseValues) stores.baseValues.Insert(r);
    return gameDataResult;
  }

  int LoadChapterTexts(std::string_view, int, int chapterCount, std::vector<TextList>& out) override {
    if (textsResult < 1) return textsResult;
    for (int i = 0; i < chapterCount && i < static_cast<int>(texts.size()) &&
                    i < static_cast<int>(out.size());
         ++i) {
      out[static_cast<std::size_t>(i)] = texts[static_cast<std::size_t>(i)];
    }
    return textsResult;
  }

  int LoadChapterPictures(std::string_view, int, int, int, std::vector<Picture>& chapters,
                          std::vector<Picture>& decors) override {
    ++picturesCalls;
    if (picturesResult < 1) return picturesResult;
    for (std::size_t i = 0; i < chapters.size() && i < chapterPictures.size(); ++i) chapters[i] = chapterPictures[i];
    for (std::size_t i = 0; i < decors.size() && i < decorPictures.size(); ++i) decors[i] = decorPictures[i];
    return picturesResult;
  }
};

}  // namespace zrx::test
