#include "package_review.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "container_format.h"
#include "file_access.h"
#include "key_coding.h"
#include "sha256.h"
#include "source_coding.h"

namespace zrx {
namespace fs = std::filesystem;
namespace {

// The size the file's block claims to inflate to; packages other than "Source" have their
// block sizes right after the container head.
std::optional<std::int32_t> declaredPayloadSize(std::span<const std::uint8_t> file) {
  constexpr std::size_t kAt = kContainerBlockOffset + 4 + kBlockSizesGap;
  if (file.size() < kAt + 4) return std::nullopt;
  return DecodeInt32(CodingKey::kShort, 0, file.subspan(kAt).first<4>());
}

PackageReview refused(ImportVerdict verdict, std::string culprit = "") {
  return {.verdict = verdict, .culprit = std::move(culprit)};
}

// Runs every loader of a game start over the package, for each of its books.
PackageReview reviewWithLoaders(SourceCoding& source, const PackageManifest& manifest) {
  const std::string& name = manifest.packageName;
  PackageReview review;
  int bookCount = 0;
  if (source.CheckPackage(name, bookCount) < 0 || bookCount < 1) return refused(ImportVerdict::PackageRefused, "Data0.zrx");
  if (source.LoadBookList(name, bookCount, review.books, review.covers) < 0)
    return refused(ImportVerdict::PackageRefused, "DataK0.zrx");
  for (const TBookRec& book : review.books) {
    BookStores stores;
    std::vector<std::vector<std::string>> texts;
    std::vector<Picture> chapterPictures, decorPictures;
    if (source.LoadGameData(name, book.Number, stores) < 1)
      return refused(ImportVerdict::PackageRefused, PackageFileName(kDataKind, 0));
    if (source.LoadChapterTexts(name, book.Number, book.ChapterCount, texts) < 1)
      return refused(ImportVerdict::PackageRefused, PackageFileName(kTextsKind, book.Number));
    if (source.LoadChapterPictures(name, book.Number, book.DecorPictureCount, book.ChapterPictureCount,
                                   chapterPictures, decorPictures) < 1)
      return refused(ImportVerdict::PackageRefused, PackageFileName(kPicturesKind, book.Number));
  }
  std::set<std::string> declared;
  for (const ManifestFile& file : manifest.files) declared.insert(file.name);
  if (declared != PackageFileNames(review.books)) return refused(ImportVerdict::BooksMismatch);
  if (manifest.books.size() != review.books.size()) return refused(ImportVerdict::BooksMismatch);
  for (std::size_t i = 0; i < review.books.size(); ++i) {
    if (manifest.books[i] != DescribeBook(review.books[i], review.covers))
      return refused(ImportVerdict::BooksMismatch, manifest.books[i].title);
  }
  review.verdict = ImportVerdict::Accepted;
  return review;
}

}  // namespace

ManifestBook DescribeBook(const TBookRec& book, const std::vector<Picture>& covers) {
  ManifestBook described{.number = book.Number, .title = book.Title};
  described.description[0] = book.Description1;
  described.description[1] = book.Description2;
  described.description[2] = book.Description3;
  const auto place = static_cast<std::size_t>(book.Number - 1);
  if (place < covers.size() && !covers[place].jpeg().empty()) {
    described.coverSize = covers[place].jpeg().size();
    described.coverSha256 = Sha256Hex(covers[place].jpeg());
  }
  return described;
}

std::set<std::string> PackageFileNames(const std::vector<TBookRec>& books) {
  std::set<std::string> names = {PackageFileName(kDataKind, 0), PackageFileName(kPicturesKind, 0)};
  for (const TBookRec& book : books) {
    names.insert(PackageFileName(kTextsKind, book.Number));
    names.insert(PackageFileName(kPicturesKind, book.Number));
  }
  return names;
}

bool IsReservedPackageName(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower == "source" || lower == "save" || lower == "other";
}

bool IsSafePackageName(std::string_view name) {
  return IsPackageName(name) && name.front() != '.' &&
         std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

PackageReview CheckPayloadCaps(const ArchiveContents& contents) {
  for (const auto& [name, bytes] : contents.files) {
    const auto payload = declaredPayloadSize(bytes);
    if (payload && *payload > kMaxImportPayloadSize) return refused(ImportVerdict::TooLarge, name);
  }
  return {.verdict = ImportVerdict::Accepted};
}

PackageReview ReviewPackageFolder(const fs::path& programFolder, const PackageManifest& manifest) {
  const fs::path folder = programFolder / manifest.packageName;
  std::error_code ec;
  std::size_t present = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    const ManifestFile* declared = manifest.findFile(name);
    if (!declared) return refused(ImportVerdict::UndeclaredFile, name);
    ByteBuffer bytes;
    if (!ReadWholeFile(entry.path(), declared->size, bytes) || bytes.size() != declared->size)
      return refused(ImportVerdict::SizeMismatch, name);
    if (Sha256Hex(bytes) != declared->sha256) return refused(ImportVerdict::HashMismatch, name);
    ++present;
  }
  if (ec) return refused(ImportVerdict::InstallFailed);
  if (present != manifest.files.size()) return refused(ImportVerdict::MissingFile);
  SourceCoding source(programFolder);
  return reviewWithLoaders(source, manifest);
}

}  // namespace zrx
