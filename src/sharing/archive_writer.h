#pragma once
// Packing a compiled package folder into one archive file: the manifest first, then the
// package files, as an uncompressed tar (the files are compressed already).
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace zrx {

enum ArchiveWriteResult {
  kArchiveWritten = 0,
  kArchivePackageInvalid = -1,  // the program's loaders refuse the package
  kArchiveNameRefused = -2,     // a name no import accepts ("Source", "Save", "Other")
  kArchiveWriteFailed = -3,
};

struct PackageManifest;

// The file extension of a package archive.
inline constexpr char kArchiveExtension[] = ".zrxcs";

// Packs `packageFolder` (a folder named as its package) into `archive`, replaced atomically.
// `programVersion` is recorded in the manifest.
int WritePackageArchive(const std::filesystem::path& packageFolder, std::string_view programVersion,
                        const std::filesystem::path& archive);

// One entry of an archive as the packer writes it: a regular file.
struct ArchiveFileEntry {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

// The manifest of a compiled package folder, with the package files it lists; kArchiveWritten,
// or kArchivePackageInvalid when the loaders refuse the package.
int DescribePackageFolder(const std::filesystem::path& packageFolder, std::string_view programVersion,
                          PackageManifest& manifest, std::vector<ArchiveFileEntry>& files);

// Writes the manifest into the package folder itself, as the build does for the packages it
// installs: the player's copy carries it, and a start compares it with the installed one.
int WriteFolderManifest(const std::filesystem::path& packageFolder, std::string_view programVersion);
// The archive bytes of these entries, in order; empty when libarchive fails.
std::vector<std::uint8_t> BuildTarArchive(const std::vector<ArchiveFileEntry>& entries);

}  // namespace zrx
