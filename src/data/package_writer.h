#pragma once
// Writing a source package from memory: the files that SourceCoding reads,
// byte for byte. Used by the book compiler and by every test fixture.
// Filler bytes are written as zeros, so the same content gives the same files.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "picture.h"
#include "records.h"

namespace zrx {

struct PackageBook {
  // Written as given: ChapterCount, LastChapter and the picture counts are the caller's to keep consistent.
  TBookRec record;
  std::vector<TChapterRec> chapters;
  // One line list per chapter text: list i has index i, except the last, which
  // is written with index -1 (the rules text).
  std::vector<std::vector<std::string>> texts;
  std::vector<Picture> chapterPictures;
  std::vector<Picture> decorPictures;
  Picture cover;  // either every book has a cover or none does
};

struct PackageContent {
  std::string name;            // at most 6 characters; the folder's name when loaded
  std::uint8_t checkByte = 0;  // passed on by the package check
  std::vector<PackageBook> books;  // book-table order; at most 255
  std::vector<TMonsterRec> monsters;
  std::vector<TInventoryRec> items;
  std::vector<TInfoRec> infos;
  std::vector<TBaseValueRec> baseValues;
  std::vector<TMagicSkillRec> magicSkills;
  // Only the package named "Source" carries the names block.
  std::string settingsLine = "1010000000";
  double settingsWrittenAt = 0;
};

enum PackageWriteResult {
  kPackageWritten = 0,
  kPackageContentInvalid = -1,  // text outside Windows-1250, too many books, a book number outside 1..99, mixed covers
  kPackageWriteFailed = -2,     // a file could not be written
};

// Writes "Data0.zrx", "DataK0.zrx" and "DataS<n>.zrx" / "DataK<n>.zrx" for every
// book number n into `folder` (created when missing).
int WritePackage(const std::filesystem::path& folder, const PackageContent& content);

// One coded container file; nullopt when the name or code cannot be written.
struct ContainerParts {
  std::string packageName;
  std::string fileCode;  // "N00", "S03", "K00"...
  std::uint8_t itemCount = 0;
  std::vector<std::uint8_t> namesBlock;  // coded, empty when the file has none
  std::vector<std::uint8_t> payload;
};
std::optional<std::vector<std::uint8_t>> BuildContainer(const ContainerParts& parts);

// Line lists joined as file text: every line ends with CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

}  // namespace zrx
