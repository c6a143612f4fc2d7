#include <algorithm>

#include "book_loader.h"
#include "source_coding.h"

namespace zrx {

std::shared_ptr<PictureLoad> BookLoader::StartChapterPictures(std::string_view package, int bookNumber,
                                                              int decorCount, int chapterPictureCount) {
  std::vector<Picture> chapterPictures(static_cast<std::size_t>(std::max(chapterPictureCount, 0)));
  std::vector<Picture> decorPictures(static_cast<std::size_t>(std::max(decorCount, 0)));
  const int result =
      LoadChapterPictures(package, bookNumber, decorCount, chapterPictureCount, chapterPictures, decorPictures);
  return std::make_shared<PictureLoad>(result, std::move(chapterPictures), std::move(decorPictures));
}

// Each load opens its own SourceCoding: the loaders keep their open file in memory, and
// releasing it after every call is what the game start wants.
PackageBookLoader::PackageBookLoader(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)) {}

int PackageBookLoader::LoadGameData(std::string_view package, int bookNumber, BookStores& stores) {
  return SourceCoding(programFolder_).LoadGameData(package, bookNumber, stores);
}

int PackageBookLoader::LoadChapterTexts(std::string_view package, int bookNumber, int chapterCount,
                                        std::vector<TextList>& texts) {
  return SourceCoding(programFolder_).LoadChapterTexts(package, bookNumber, chapterCount, texts);
}

int PackageBookLoader::LoadChapterPictures(std::string_view package, int bookNumber, int decorCount,
                                           int chapterPictureCount,
                                           std::vector<Picture>& chapterPictures,
                                           std::vector<Picture>& decorPictures) {
  return SourceCoding(programFolder_)
      .LoadChapterPictures(package, bookNumber, decorCount, chapterPictureCount, chapterPictures,
                           decorPictures);
}

}  // namespace zrx

namespace zrx {

std::shared_ptr<PictureLoad> PackageBookLoader::StartChapterPictures(std::string_view package, int bookNumber,
                                                                     int decorCount, int chapterPictureCount) {
  return SourceCoding(programFolder_).StartChapterPictures(package, bookNumber, decorCount, chapterPictureCount);
}

}  // namespace zrx
