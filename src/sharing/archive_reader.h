#pragma once
// Reading a package archive from a stranger: the manifest first, then each file, every
// entry checked before its bytes are taken, and no file read past the size the manifest
// gives it. Nothing is written anywhere.
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>

#include "byte_buffer.h"
#include "import_verdict.h"
#include "package_manifest.h"

namespace zrx {

// Caps that keep the whole import within a few tens of MiB of memory, far above any real
// package: one file, all files, and what one file's block may inflate to.
inline constexpr std::uint64_t kMaxImportFileSize = 16 * 1024 * 1024;
inline constexpr std::uint64_t kMaxImportTotalSize = 32 * 1024 * 1024;
inline constexpr std::int32_t kMaxImportPayloadSize = 16 * 1024 * 1024;

struct ArchiveContents {
  ImportVerdict verdict = ImportVerdict::Unreadable;
  std::string culprit;  // the entry or file that the verdict is about, when there is one
  PackageManifest manifest;
  std::map<std::string, ByteBuffer> files;  // by name, each checked against the manifest
};

ArchiveContents ReadPackageArchive(const std::filesystem::path& archive);
ArchiveContents ReadPackageArchive(std::span<const std::uint8_t> archive);

// "Data0.zrx", "DataK<n>.zrx" (n 0..99) or "DataS<n>.zrx" (n 1..99), numbers without
// leading zeros: the only names a package folder holds.
bool IsPackageFileName(std::string_view name);

}  // namespace zrx
