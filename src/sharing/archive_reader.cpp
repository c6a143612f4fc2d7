#include "archive_reader.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <memory>
#include <set>

#include "package_review.h"
#include "sha256.h"
#include "source_coding.h"

namespace zrx {
namespace {

using ArchivePtr = std::unique_ptr<archive, decltype(&archive_read_free)>;

constexpr std::size_t kReadChunk = 64 * 1024;

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower;
}

class Reader {
 public:
  explicit Reader(archive* handle) : handle_(handle) {}

  ArchiveContents run() {
    if (!readManifest()) return std::move(out_);
    std::set<std::string> seen, seenLower;
    std::size_t entries = 0;
    archive_entry* entry = nullptr;
    int status;
    while ((status = archive_read_next_header(handle_, &entry)) == ARCHIVE_OK) {
      if (++entries > kMaxArchiveFiles) return refuse(ImportVerdict::TooManyFiles, "");
      const char* path = archive_entry_pathname(entry);
      const std::string name = path ? path : "";
      if (!checkEntryKind(entry, name) || !checkPath(name)) return std::move(out_);
      if (!seen.insert(name).second) return refuse(ImportVerdict::Duplicate, name);
      if (!seenLower.insert(lowerAscii(name)).second) return refuse(ImportVerdict::CaseCollision, name);
      const ManifestFile* declared = out_.manifest.findFile(name);
      if (!declared) return refuse(ImportVerdict::UndeclaredFile, name);
      if (!readFile(entry, *declared)) return std::move(out_);
    }
    if (status != ARCHIVE_EOF) return refuse(ImportVerdict::Unreadable, "");
    for (const ManifestFile& file : out_.manifest.files) {
      if (!out_.files.contains(file.name)) return refuse(ImportVerdict::MissingFile, file.name);
    }
    out_.verdict = ImportVerdict::Accepted;
    return std::move(out_);
  }

 private:
  void mark(ImportVerdict verdict, std::string culprit) {
    out_.verdict = verdict;
    out_.culprit = std::move(culprit);
    out_.files.clear();
  }

  ArchiveContents refuse(ImportVerdict verdict, std::string culprit) {
    mark(verdict, std::move(culprit));
    return std::move(out_);
  }

  bool fail(ImportVerdict verdict, std::string culprit) {
    mark(verdict, std::move(culprit));
    return false;
  }

  bool checkEntryKind(archive_entry* entry, const std::string& name) {
    if (archive_entry_hardlink(entry) != nullptr || archive_entry_filetype(entry) == AE_IFLNK)
      return fail(ImportVerdict::Link, name);
    if (archive_entry_filetype(entry) != AE_IFREG) return fail(ImportVerdict::NotRegularFile, name);
    return true;
  }

  // Every file lies in the package folder itself: no absolute path, no "..", no sub-folder.
  bool checkPath(const std::string& name) {
    if (name.empty() || name.find_first_of("/\\") != std::string::npos || name == "." || name == "..")
      return fail(ImportVerdict::UnsafePath, name);
    return true;
  }

  // Reads the entry's bytes, never more than `limit`; false when the entry holds more.
  bool readBytes(archive_entry* entry, std::uint64_t limit, ByteBuffer& into, std::uint64_t& size) {
    if (archive_entry_size_is_set(entry) && static_cast<std::uint64_t>(archive_entry_size(entry)) != limit) return false;
    into = ByteBuffer::ForOverwrite(limit);
    size = 0;
    std::uint8_t spare;
    for (;;) {
      // Past the limit there is room for one byte only: enough to see that there is more.
      std::uint8_t* target = size < limit ? into.data() + size : &spare;
      const std::size_t room = size < limit ? std::min<std::uint64_t>(limit - size, kReadChunk) : 1;
      const la_ssize_t got = archive_read_data(handle_, target, room);
      if (got < 0) return false;
      if (got == 0) return size == limit;
      size += static_cast<std::uint64_t>(got);
      if (size > limit) return false;
    }
  }

  bool readManifest() {
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(handle_, &entry);
    if (status != ARCHIVE_OK) return fail(ImportVerdict::Unreadable, "");
    const char* path = archive_entry_pathname(entry);
    if (!path || std::string_view(path) != kManifestEntryName || archive_entry_filetype(entry) != AE_IFREG ||
        archive_entry_hardlink(entry) != nullptr || !archive_entry_size_is_set(entry) ||
        archive_entry_size(entry) < 0 || static_cast<std::uint64_t>(archive_entry_size(entry)) > kMaxManifestSize)
      return fail(ImportVerdict::BadManifest, kManifestEntryName);
    ByteBuffer bytes;
    std::uint64_t size = 0;
    if (!readBytes(entry, static_cast<std::uint64_t>(archive_entry_size(entry)), bytes, size))
      return fail(ImportVerdict::BadManifest, kManifestEntryName);
    auto manifest = ParseManifest(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!manifest) return fail(ImportVerdict::BadManifest, kManifestEntryName);
    out_.manifest = std::move(*manifest);
    return checkManifest();
  }

  // What the manifest promises is checked before any file is read: the caps follow from it.
  bool checkManifest() {
    const PackageManifest& manifest = out_.manifest;
    if (IsReservedPackageName(manifest.packageName)) return fail(ImportVerdict::ReservedName, manifest.packageName);
    if (!IsSafePackageName(manifest.packageName)) return fail(ImportVerdict::BadPackageName, manifest.packageName);
    if (manifest.files.size() > kMaxArchiveFiles) return fail(ImportVerdict::TooManyFiles, "");
    std::set<std::string> names, lowerNames;
    for (const ManifestFile& file : manifest.files) {
      if (!checkPath(file.name)) return false;
      if (!names.insert(file.name).second) return fail(ImportVerdict::Duplicate, file.name);
      if (!lowerNames.insert(lowerAscii(file.name)).second) return fail(ImportVerdict::CaseCollision, file.name);
      if (!IsPackageFileName(file.name)) return fail(ImportVerdict::UnknownFile, file.name);
      if (file.size > kMaxImportFileSize) return fail(ImportVerdict::TooLarge, file.name);
    }
    if (manifest.totalSize() > kMaxImportTotalSize) return fail(ImportVerdict::TooLarge, "");
    return true;
  }

  bool readFile(archive_entry* entry, const ManifestFile& declared) {
    ByteBuffer bytes;
    std::uint64_t size = 0;
    if (!readBytes(entry, declared.size, bytes, size)) return fail(ImportVerdict::SizeMismatch, declared.name);
    if (Sha256Hex(bytes) != declared.sha256) return fail(ImportVerdict::HashMismatch, declared.name);
    out_.files.emplace(declared.name, std::move(bytes));
    return true;
  }

  archive* handle_;
  ArchiveContents out_;
};

ArchivePtr newReader() {
  ArchivePtr handle(archive_read_new(), archive_read_free);
  // Only the one format the packer writes, uncompressed: nothing else is worth the risk.
  archive_read_support_format_tar(handle.get());
  return handle;
}

}  // namespace

bool IsPackageFileName(std::string_view name) {
  constexpr std::string_view kExtension = ".zrx";
  if (name == "Data0.zrx") return true;
  if (!name.starts_with("Data") || !name.ends_with(kExtension) || name.size() < 10) return false;
  const char kind = name[4];
  const std::string_view digits = name.substr(5, name.size() - 5 - kExtension.size());
  if ((kind != 'K' && kind != 'S') || digits.empty() || digits.size() > 2 || (digits.size() == 2 && digits[0] == '0'))
    return false;
  int number = -1;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return false;
  return kind == 'K' || number >= 1;
}

ArchiveContents ReadPackageArchive(const std::filesystem::path& path) {
  ArchivePtr handle = newReader();
  if (archive_read_open_filename(handle.get(), path.c_str(), kReadChunk) != ARCHIVE_OK) return {};
  return Reader(handle.get()).run();
}

ArchiveContents ReadPackageArchive(std::span<const std::uint8_t> bytes) {
  ArchivePtr handle = newReader();
  if (archive_read_open_memory(handle.get(), bytes.data(), bytes.size()) != ARCHIVE_OK) return {};
  return Reader(handle.get()).run();
}

}  // namespace zrx
