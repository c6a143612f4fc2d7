#pragma once
// Reading source packages: finding package folders, opening and checking their
// coded container files, and loading a book into the stores, texts and pictures.
// Every operation returns the package format's integer results: 0 or a count on
// success, a negative code for each failure.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "picture.h"
#include "record_store.h"

namespace zrx {

// The folders beside the program that may be packages: names of exactly six characters.
std::vector<std::string> FindPackageFolders(const std::filesystem::path& programFolder);

class SourceCoding {
 public:
  explicit SourceCoding(std::filesystem::path programFolder);

  // Opens "<package>/<kind><number>.zrx", reads it whole and checks its container header.
  // Item count (0..255), or -1 header mismatch, -2 read failure, -10 read-only, -11 missing.
  int OpenPackageFile(std::string_view kind, int number, std::string_view package);

  // Inflates the compressed block at the current position of the open file: 0, 1 or 2.
  int UnpackBlock();

  // Checks the "Data" file of a folder; the byte at offset 7 of its package header on success.
  int CheckPackage(std::string_view folder, int& bookCount);

  // The book table (at position Number - 1) and the covers of a package, for the new-game screen.
  int LoadBookList(std::string_view package, int bookCount, std::vector<TBookRec>& books,
                   std::vector<Picture>& covers);

  // Fills the seven stores; the chapter store with book `bookNumber`'s chapter points only.
  int LoadGameData(std::string_view package, int bookNumber, BookStores& stores);

  // Fills `texts` with `chapterCount` line lists (index -1 is the last list).
  int LoadChapterTexts(std::string_view package, int bookNumber, int chapterCount,
                       std::vector<std::vector<std::string>>& texts);

  int LoadChapterPictures(std::string_view package, int bookNumber, int decorCount,
                          int chapterPictureCount, std::vector<Picture>& chapterPictures,
                          std::vector<Picture>& decorPictures);

  // Size in bytes of "Source/Data0.zrx" when it was last opened.
  std::uintmax_t sourceDataFileSize() const { return sourceDataFileSize_; }

  const std::filesystem::path& programFolder() const { return programFolder_; }

 private:
  std::filesystem::path programFolder_;
  std::vector<std::uint8_t> file_;     // the open file, whole
  std::size_t filePos_ = 0;
  std::vector<std::uint8_t> payload_;  // the inflated block
  std::size_t payloadPos_ = 0;
  std::uintmax_t sourceDataFileSize_ = 0;
};

}  // namespace zrx
