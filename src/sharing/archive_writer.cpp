#include "archive_writer.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>

#include "archive_reader.h"
#include "atomic_file.h"
#include "file_access.h"
#include "package_manifest.h"
#include "package_review.h"
#include "sha256.h"
#include "source_coding.h"

namespace zrx {
namespace fs = std::filesystem;
namespace {

la_ssize_t appendBytes(archive*, void* sink, const void* buffer, size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(sink);
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  out->insert(out->end(), bytes, bytes + length);
  return static_cast<la_ssize_t>(length);
}

}  // namespace

std::vector<std::uint8_t> BuildTarArchive(const std::vector<ArchiveFileEntry>& entries) {
  std::vector<std::uint8_t> bytes;
  std::unique_ptr<archive, decltype(&archive_write_free)> out(archive_write_new(), archive_write_free);
  std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
  // Plain ustar: the format the reader accepts; no dates or owners, so the same package
  // gives the same file.
  if (archive_write_set_format_ustar(out.get()) != ARCHIVE_OK ||
      archive_write_set_bytes_in_last_block(out.get(), 1) != ARCHIVE_OK ||
      archive_write_open(out.get(), &bytes, nullptr, appendBytes, nullptr) != ARCHIVE_OK)
    return {};
  for (const ArchiveFileEntry& file : entries) {
    archive_entry_clear(entry.get());
    archive_entry_set_pathname(entry.get(), file.name.c_str());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), static_cast<la_int64_t>(file.bytes.size()));
    if (archive_write_header(out.get(), entry.get()) != ARCHIVE_OK ||
        archive_write_data(out.get(), file.bytes.data(), file.bytes.size()) != static_cast<la_ssize_t>(file.bytes.size()))
      return {};
  }
  if (archive_write_close(out.get()) != ARCHIVE_OK) return {};
  return bytes;
}

int DescribePackageFolder(const fs::path& packageFolder, std::string_view programVersion, PackageManifest& manifest,
                          std::vector<ArchiveFileEntry>& files) {
  const std::string name = packageFolder.filename().string();
  SourceCoding source(packageFolder.parent_path());
  int bookCount = 0;
  std::vector<TBookRec> books;
  std::vector<Picture> covers;
  if (source.CheckPackage(name, bookCount) < 0 || source.LoadBookList(name, bookCount, books, covers) < 0)
    return kArchivePackageInvalid;
  manifest = {.packageName = name, .programVersion = std::string(programVersion)};
  for (const TBookRec& book : books) manifest.books.push_back(DescribeBook(book, covers));
  for (const std::string& file : PackageFileNames(books)) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(packageFolder / file, kMaxImportFileSize, bytes)) return kArchivePackageInvalid;
    manifest.files.push_back({.name = file, .size = bytes.size(), .sha256 = Sha256Hex(bytes)});
    files.push_back({.name = file, .bytes = std::move(bytes)});
  }
  return kArchiveWritten;
}

int WritePackageArchive(const fs::path& packageFolder, std::string_view programVersion, const fs::path& archivePath) {
  const std::string name = packageFolder.filename().string();
  if (IsReservedPackageName(name) || !IsSafePackageName(name)) return kArchiveNameRefused;
  PackageManifest manifest;
  std::vector<ArchiveFileEntry> entries(1);
  if (const int described = DescribePackageFolder(packageFolder, programVersion, manifest, entries);
      described != kArchiveWritten)
    return described;
  const auto text = ComposeManifest(manifest);
  if (!text) return kArchivePackageInvalid;
  entries.front() = {.name = kManifestEntryName, .bytes = std::vector<std::uint8_t>(text->begin(), text->end())};
  const std::vector<std::uint8_t> bytes = BuildTarArchive(entries);
  if (bytes.empty() || !ReplaceFileAtomically(archivePath, bytes)) return kArchiveWriteFailed;
  return kArchiveWritten;
}

int WriteFolderManifest(const fs::path& packageFolder, std::string_view programVersion) {
  PackageManifest manifest;
  std::vector<ArchiveFileEntry> files;
  if (const int described = DescribePackageFolder(packageFolder, programVersion, manifest, files);
      described != kArchiveWritten)
    return described;
  const auto text = ComposeManifest(manifest);
  if (!text) return kArchivePackageInvalid;
  if (!ReplaceFileAtomically(packageFolder / kManifestEntryName, std::vector<std::uint8_t>(text->begin(), text->end())))
    return kArchiveWriteFailed;
  return kArchiveWritten;
}

}  // namespace zrx
