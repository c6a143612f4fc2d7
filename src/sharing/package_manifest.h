#pragma once
// The manifest of a package archive: what the package claims to be (its name, its books
// with their titles, descriptions and covers, the program version that packed it) and
// each file's size and SHA-256. The importer believes none of it: every claim is checked
// against the files and the program's own loaders.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrx {

struct ManifestBook {
  int number = 0;
  std::string title;
  std::string description[3];  // the book record's three descriptions, "#" for line breaks
  std::uint64_t coverSize = 0;  // 0: the package has no covers
  std::string coverSha256;
  bool operator==(const ManifestBook&) const = default;
};

struct ManifestFile {
  std::string name;  // "Data0.zrx", "DataS1.zrx", ...
  std::uint64_t size = 0;
  std::string sha256;
  bool operator==(const ManifestFile&) const = default;
};

struct PackageManifest {
  std::string packageName;
  std::string programVersion;
  std::vector<ManifestBook> books;  // book-table order
  std::vector<ManifestFile> files;
  bool operator==(const PackageManifest&) const = default;

  const ManifestFile* findFile(std::string_view name) const;
  std::uint64_t totalSize() const;
};

// The archive entry that holds the manifest; always the first entry, so that its name
// begins the file (the desktop recognises the file type by it).
inline constexpr char kManifestEntryName[] = "zrx-csomag.txt";
// The manifest is a few lines per file; anything longer is no manifest.
inline constexpr std::size_t kMaxManifestSize = 64 * 1024;
inline constexpr std::size_t kMaxArchiveFiles = 300;
inline constexpr std::size_t kMaxManifestBooks = 255;

// UTF-8 text, one tab-separated record per line. nullopt when a field holds a tab or a line
// break, which the format cannot carry.
std::optional<std::string> ComposeManifest(const PackageManifest& manifest);
// nullopt for anything but a well-formed manifest within the limits above.
std::optional<PackageManifest> ParseManifest(std::string_view text);

}  // namespace zrx
