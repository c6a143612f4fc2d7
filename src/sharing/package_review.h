#pragma once
// Checks a package's files with the program's own loaders, as a game start would read them:
// the package check, the book list with its covers, and every book's records, texts and
// pictures; then that the manifest tells the truth about the books.
#include <filesystem>
#include <set>
#include <string_view>
#include <string>
#include <vector>

#include "archive_reader.h"
#include "picture.h"
#include "records.h"

namespace zrx {

struct PackageReview {
  ImportVerdict verdict = ImportVerdict::PackageRefused;
  std::string culprit;
  std::vector<TBookRec> books;  // book n at place n - 1
  std::vector<Picture> covers;  // empty when the package has none
};

// The files a package of these books holds: "Data0.zrx", "DataK0.zrx" and each book's texts
// and pictures.
std::set<std::string> PackageFileNames(const std::vector<TBookRec>& books);

// The package name refused for an imported package ("Source", "Save", "Other", in any case),
// and one that is not six characters a folder name can hold.
bool IsReservedPackageName(std::string_view name);
bool IsSafePackageName(std::string_view name);

// What the manifest says of a book: its record's title and descriptions and its cover
// (covers: the package's, book n at place n - 1).
ManifestBook DescribeBook(const TBookRec& book, const std::vector<Picture>& covers);

// Refuses (TooLarge) a file whose block claims to inflate beyond kMaxImportPayloadSize, so
// that the loaders never hold more than that of one file; Accepted otherwise.
PackageReview CheckPayloadCaps(const ArchiveContents& contents);

// The package folder `programFolder`/<manifest's package name> as it lies on disk, file by
// file against the manifest (sizes, hashes, no other files), then through the loaders.
PackageReview ReviewPackageFolder(const std::filesystem::path& programFolder, const PackageManifest& manifest);

}  // namespace zrx
