#include "raw_archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <sys/sysmacros.h>

#include "archive_writer.h"
#include "package_fixture.h"
#include "sha256.h"
#include "temp_folder.h"

namespace zrx::test {
namespace fs = std::filesystem;
namespace {

la_ssize_t appendBytes(archive*, void* sink, const void* buffer, size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(sink);
  out->insert(out->end(), static_cast<const std::uint8_t*>(buffer), static_cast<const std::uint8_t*>(buffer) + length);
  return static_cast<la_ssize_t>(length);
}

void fill(archive_entry* entry, const RawEntry& raw) {
  archive_entry_set_pathname(entry, raw.name.c_str());
  archive_entry_set_perm(entry, 0644);
  archive_entry_set_size(entry, raw.headerSize >= 0 ? raw.headerSize : static_cast<la_int64_t>(raw.bytes.size()));
  switch (raw.kind) {
    case RawEntry::Kind::File: archive_entry_set_filetype(entry, AE_IFREG); break;
    case RawEntry::Kind::Symlink:
      archive_entry_set_filetype(entry, AE_IFLNK);
      archive_entry_set_symlink(entry, raw.linkTarget.c_str());
      archive_entry_set_size(entry, 0);
      break;
    case RawEntry::Kind::Hardlink:
      archive_entry_set_filetype(entry, AE_IFREG);
      archive_entry_set_hardlink(entry, raw.linkTarget.c_str());
      archive_entry_set_size(entry, 0);
      break;
    case RawEntry::Kind::CharDevice:
      archive_entry_set_filetype(entry, AE_IFCHR);
      archive_entry_set_rdev(entry, makedev(1, 3));
      archive_entry_set_size(entry, 0);
      break;
    case RawEntry::Kind::Folder:
      archive_entry_set_filetype(entry, AE_IFDIR);
      archive_entry_set_size(entry, 0);
      break;
  }
}

}  // namespace

std::vector<std::uint8_t> WriteRawArchive(const std::vector<RawEntry>& entries) {
  std::vector<std::uint8_t> bytes;
  std::unique_ptr<archive, decltype(&archive_write_free)> out(archive_write_new(), archive_write_free);
  archive_write_set_format_pax_restricted(out.get());
  archive_write_set_bytes_in_last_block(out.get(), 1);
  if (archive_write_open(out.get(), &bytes, nullptr, appendBytes, nullptr) != ARCHIVE_OK)
    throw std::runtime_error("archive_write_open");
  for (const RawEntry& raw : entries) {
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
    fill(entry.get(), raw);
    if (archive_write_header(out.get(), entry.get()) != ARCHIVE_OK)
      throw std::runtime_error(std::string("archive_write_header: ") + archive_error_string(out.get()));
    // A header that claims more than the bytes is padded by libarchive; one that claims less cuts them.
    if (raw.kind == RawEntry::Kind::File && !raw.bytes.empty()) archive_write_data(out.get(), raw.bytes.data(), raw.bytes.size());
  }
  archive_write_close(out.get());
  return bytes;
}

std::vector<RawEntry> ReadRawArchive(const std::vector<std::uint8_t>& bytes) {
  std::unique_ptr<archive, decltype(&archive_read_free)> in(archive_read_new(), archive_read_free);
  archive_read_support_format_tar(in.get());
  if (archive_read_open_memory(in.get(), bytes.data(), bytes.size()) != ARCHIVE_OK)
    throw std::runtime_error("archive_read_open_memory");
  std::vector<RawEntry> entries;
  archive_entry* entry = nullptr;
  while (archive_read_next_header(in.get(), &entry) == ARCHIVE_OK) {
    RawEntry& raw = entries.emplace_back();
    raw.name = archive_entry_pathname(entry);
    raw.bytes.resize(static_cast<std::size_t>(archive_entry_size(entry)));
    archive_read_data(in.get(), raw.bytes.data(), raw.bytes.size());
  }
  return entries;
}

std::vector<RawEntry> PackedPackageEntries(const fs::path& programFolder, const std::string& name) {
  WriteTestPackage(programFolder, MakePackage(name, 2));
  const fs::path archive = programFolder / ("packed" + std::string(kArchiveExtension));
  if (WritePackageArchive(programFolder / name, "0.705.10", archive) != kArchiveWritten)
    throw std::runtime_error("cannot pack the test package");
  std::vector<RawEntry> entries = ReadRawArchive(ReadBytes(archive));
  fs::remove(archive);
  return entries;
}

PackageManifest ManifestOf(const std::vector<RawEntry>& entries) {
  const auto& bytes = entries.front().bytes;
  auto manifest = ParseManifest(std::string(bytes.begin(), bytes.end()));
  if (!manifest) throw std::runtime_error("the first entry is no manifest");
  return *manifest;
}

void SetManifest(std::vector<RawEntry>& entries, const PackageManifest& manifest) {
  const std::string text = ComposeManifest(manifest).value();
  entries.front().bytes.assign(text.begin(), text.end());
}

RawEntry& EntryNamed(std::vector<RawEntry>& entries, const std::string& name) {
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const RawEntry& e) { return e.name == name; });
  if (it == entries.end()) throw std::runtime_error("no entry " + name);
  return *it;
}

std::vector<std::string> FolderSnapshot(const fs::path& folder) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    std::string line = fs::relative(entry.path(), folder).string();
    if (entry.is_regular_file()) line += " " + Sha256Hex(ReadBytes(entry.path()));
    lines.push_back(line);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace zrx::test
