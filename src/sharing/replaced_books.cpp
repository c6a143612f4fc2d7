#include "replaced_books.h"

#include <algorithm>

#include "container_format.h"
#include "file_access.h"
#include "save_index.h"
#include "sha256.h"
#include "source_coding.h"

namespace zrx {
namespace fs = std::filesystem;
namespace {

// Index line fields: player, date, save name, file name, package, title, difficulty, chapter.
constexpr std::size_t kIndexFields = 8;

std::vector<std::string> splitFields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (const char c : line) {
    if (c == '|') fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}

const TBookRec* bookTitled(const std::vector<TBookRec>& books, const std::string& title) {
  const auto it = std::find_if(books.begin(), books.end(), [&](const TBookRec& b) { return b.Title == title; });
  return it == books.end() ? nullptr : &*it;
}

// Whether the installed file differs from the incoming one of the same name.
bool fileChanges(const fs::path& installedFolder, const PackageManifest& incoming, const std::string& name) {
  const ManifestFile* declared = incoming.findFile(name);
  std::vector<std::uint8_t> bytes;
  if (!declared || !ReadWholeFile(installedFolder / name, MaxPackageFileSize(kPicturesKind), bytes)) return true;
  return bytes.size() != declared->size || Sha256Hex(bytes) != declared->sha256;
}

}  // namespace

std::vector<AffectedSave> SavesAffectedByReplacing(const fs::path& programFolder, const PackageManifest& incoming,
                                                   const std::vector<TBookRec>& incomingBooks) {
  const std::string& package = incoming.packageName;
  SourceCoding source(programFolder);
  int bookCount = 0;
  std::vector<TBookRec> installedBooks;
  std::vector<Picture> covers;
  if (source.CheckPackage(package, bookCount) < 0 || source.LoadBookList(package, bookCount, installedBooks, covers) < 0)
    return {};
  SaveIndex index;
  if (SearchIndex(SaveFolder(programFolder), "", index) != 0) return {};

  const fs::path installedFolder = programFolder / package;
  const bool recordsChange = fileChanges(installedFolder, incoming, PackageFileName(kDataKind, 0));
  std::vector<AffectedSave> affected;
  for (std::size_t i = 1; i < index.lines.size(); ++i) {
    const std::vector<std::string> fields = splitFields(index.lines[i]);
    if (fields.size() != kIndexFields || fields[4] != package) continue;
    const TBookRec* installed = bookTitled(installedBooks, fields[5]);
    if (!installed) continue;
    const TBookRec* replacement = bookTitled(incomingBooks, fields[5]);
    const int number = installed->Number;
    const bool changes = !replacement || replacement->Number != number || recordsChange ||
                         fileChanges(installedFolder, incoming, PackageFileName(kTextsKind, number)) ||
                         fileChanges(installedFolder, incoming, PackageFileName(kPicturesKind, number));
    if (changes)
      affected.push_back({.player = fields[0], .saveName = fields[2], .title = fields[5], .bookDropped = !replacement});
  }
  return affected;
}

}  // namespace zrx
