#pragma once
// Archives of any shape, hostile ones included, written with libarchive by the tests, and a
// valid package archive taken apart into its entries to be bent.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "package_manifest.h"

namespace zrx::test {

struct RawEntry {
  enum class Kind { File, Symlink, Hardlink, CharDevice, Folder };
  std::string name;
  std::vector<std::uint8_t> bytes;
  Kind kind = Kind::File;
  std::string linkTarget;  // symbolic and hard links
  std::int64_t headerSize = -1;  // the size the header claims; -1: the bytes' size
};

std::vector<std::uint8_t> WriteRawArchive(const std::vector<RawEntry>& entries);
// The entries of an archive, in order (regular files only).
std::vector<RawEntry> ReadRawArchive(const std::vector<std::uint8_t>& archive);

// A package of two books named `name` written into `programFolder`, packed; its entries.
std::vector<RawEntry> PackedPackageEntries(const std::filesystem::path& programFolder, const std::string& name);

PackageManifest ManifestOf(const std::vector<RawEntry>& entries);
void SetManifest(std::vector<RawEntry>& entries, const PackageManifest& manifest);
RawEntry& EntryNamed(std::vector<RawEntry>& entries, const std::string& name);

// Every path under `folder` with its size and SHA-256: equal snapshots mean nothing changed.
std::vector<std::string> FolderSnapshot(const std::filesystem::path& folder);

}  // namespace zrx::test
