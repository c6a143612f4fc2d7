#include "cached_book_loader.h"

namespace zrx::playtest {

int CachedBookLoader::LoadGameData(std::string_view package, int bookNumber, BookStores& stores) {
  const Key key{std::string(package), bookNumber};
  auto found = data_.find(key);
  if (found == data_.end()) {
    Data loaded;
    loaded.result = files_.LoadGameData(package, bookNumber, loaded.stores);
    found = data_.emplace(key, std::move(loaded)).first;
  }
  stores = found->second.stores;
  return found->second.result;
}

int CachedBookLoader::LoadChapterTexts(std::string_view package, int bookNumber, int chapterCount,
                                       std::vector<TextList>& texts) {
  const Key key{std::string(package), bookNumber};
  auto found = texts_.find(key);
  if (found == texts_.end()) {
    Texts loaded;
    loaded.texts = texts;
    loaded.result = files_.LoadChapterTexts(package, bookNumber, chapterCount, loaded.texts);
    found = texts_.emplace(key, std::move(loaded)).first;
  }
  texts = found->second.texts;
  return found->second.result;
}

int CachedBookLoader::LoadChapterPictures(std::string_view package, int bookNumber, int decorCount,
                                          int chapterPictureCount, std::vector<Picture>& chapterPictures,
                                          std::vector<Picture>& decorPictures) {
  const Key key{std::string(package), bookNumber};
  auto found = pictures_.find(key);
  if (found == pictures_.end()) {
    Pictures loaded{.result = 0, .chapters = chapterPictures, .decors = decorPictures};
    loaded.result = files_.LoadChapterPictures(package, bookNumber, decorCount, chapterPictureCount, loaded.chapters,
                                               loaded.decors);
    found = pictures_.emplace(key, std::move(loaded)).first;
  }
  chapterPictures = found->second.chapters;
  decorPictures = found->second.decors;
  return found->second.result;
}

}  // namespace zrx::playtest
