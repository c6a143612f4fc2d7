#pragma once
// Where a started game's book comes from. Production reads the package files through
// SourceCoding (PackageBookLoader); tests and tools may fill the stores from memory.
// Results follow the package loaders: a positive count on success, 0 or a negative code.
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "game_state.h"
#include "picture.h"
#include "picture_load.h"
#include "record_store.h"

namespace zrx {

class BookLoader {
 public:
  virtual ~BookLoader() = default;
  virtual int LoadGameData(std::string_view package, int bookNumber, BookStores& stores) = 0;
  virtual int LoadChapterTexts(std::string_view package, int bookNumber, int chapterCount,
                               std::vector<TextList>& texts) = 0;
  virtual int LoadChapterPictures(std::string_view package, int bookNumber, int decorCount,
                                  int chapterPictureCount, std::vector<Picture>& chapterPictures,
                                  std::vector<Picture>& decorPictures) = 0;
  // The pictures as a load that the game may take later. Unless a loader does better,
  // the load is done at once by LoadChapterPictures.
  virtual std::shared_ptr<PictureLoad> StartChapterPictures(std::string_view package, int bookNumber,
                                                            int decorCount, int chapterPictureCount);
};

// Reads books from the package folders beside the program.
class PackageBookLoader : public BookLoader {
 public:
  explicit PackageBookLoader(std::filesystem::path programFolder);
  int LoadGameData(std::string_view package, int bookNumber, BookStores& stores) override;
  int LoadChapterTexts(std::string_view package, int bookNumber, int chapterCount,
                       std::vector<TextList>& texts) override;
  int LoadChapterPictures(std::string_view package, int bookNumber, int decorCount,
                          int chapterPictureCount, std::vector<Picture>& chapterPictures,
                          std::vector<Picture>& decorPictures) override;
  // The pictures file is opened and checked at once, then inflated by a worker.
  std::shared_ptr<PictureLoad> StartChapterPictures(std::string_view package, int bookNumber, int decorCount,
                                                    int chapterPictureCount) override;

 private:
  std::filesystem::path programFolder_;
};

}  // namespace zrx
