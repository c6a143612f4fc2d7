#pragma once
// A book loader that reads each book from its package folder once and hands out copies,
// so that thousands of games start without reading and inflating the files again.
#include <map>
#include <string>
#include <vector>

#include "book_loader.h"

namespace zrx::playtest {

class CachedBookLoader : public BookLoader {
 public:
  explicit CachedBookLoader(const std::filesystem::path& programFolder) : files_(programFolder) {}

  int LoadGameData(std::string_view package, int bookNumber, BookStores& stores) override;
  int LoadChapterTexts(std::string_view package, int bookNumber, int chapterCount,
                       std::vector<TextList>& texts) override;
  int LoadChapterPictures(std::string_view package, int bookNumber, int decorCount, int chapterPictureCount,
                          std::vector<Picture>& chapterPictures, std::vector<Picture>& decorPictures) override;

 private:
  // One load's result: the loader's own return value and what it filled in.
  struct Data {
    int result = 0;
    BookStores stores;
  };
  struct Texts {
    int result = 0;
    std::vector<TextList> texts;
  };
  struct Pictures {
    int result = 0;
    std::vector<Picture> chapters, decors;
  };
  using Key = std::pair<std::string, int>;

  PackageBookLoader files_;
  std::map<Key, Data> data_;
  std::map<Key, Texts> texts_;
  std::map<Key, Pictures> pictures_;
};

}  // namespace zrx::playtest
