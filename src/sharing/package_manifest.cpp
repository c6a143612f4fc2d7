#include "package_manifest.h"

#include <charconv>

namespace zrx {
namespace {

constexpr std::string_view kFirstLine = "zrx-csomag 1";

bool isHexDigest(std::string_view text) {
  return text.size() == 64 && text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

bool fieldFits(std::string_view field) { return field.find_first_of("\t\r\n") == std::string_view::npos; }

std::vector<std::string_view> split(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(separator, start);
    fields.push_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

template <typename Number>
bool readNumber(std::string_view text, Number& value) {
  if (text.empty() || (text.size() > 1 && text.front() == '0')) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool readBook(const std::vector<std::string_view>& fields, ManifestBook& book) {
  if (fields.size() != 8 || !readNumber(fields[1], book.number) || book.number < 1 || book.number > 99) return false;
  book.title = fields[2];
  for (int i = 0; i < 3; ++i) book.description[i] = fields[3 + static_cast<std::size_t>(i)];
  if (!readNumber(fields[6], book.coverSize)) return false;
  book.coverSha256 = fields[7];
  return book.coverSize == 0 ? book.coverSha256.empty() : isHexDigest(book.coverSha256);
}

bool readFile(const std::vector<std::string_view>& fields, ManifestFile& file) {
  if (fields.size() != 4 || fields[1].empty() || !readNumber(fields[2], file.size) || !isHexDigest(fields[3]))
    return false;
  file.name = fields[1];
  file.sha256 = fields[3];
  return true;
}

}  // namespace

const ManifestFile* PackageManifest::findFile(std::string_view name) const {
  for (const ManifestFile& file : files) {
    if (file.name == name) return &file;
  }
  return nullptr;
}

std::uint64_t PackageManifest::totalSize() const {
  std::uint64_t total = 0;
  for (const ManifestFile& file : files) total += file.size;
  return total;
}

std::optional<std::string> ComposeManifest(const PackageManifest& manifest) {
  std::string text = std::string(kFirstLine) + "\n";
  if (!fieldFits(manifest.packageName) || !fieldFits(manifest.programVersion)) return std::nullopt;
  text += "package\t" + manifest.packageName + "\n";
  text += "program\t" + manifest.programVersion + "\n";
  for (const ManifestBook& book : manifest.books) {
    if (!fieldFits(book.title)) return std::nullopt;
    text += "book\t" + std::to_string(book.number) + "\t" + book.title;
    for (const std::string& description : book.description) {
      if (!fieldFits(description)) return std::nullopt;
      text += "\t" + description;
    }
    text += "\t" + std::to_string(book.coverSize) + "\t" + book.coverSha256 + "\n";
  }
  for (const ManifestFile& file : manifest.files) {
    if (!fieldFits(file.name)) return std::nullopt;
    text += "file\t" + file.name + "\t" + std::to_string(file.size) + "\t" + file.sha256 + "\n";
  }
  return text;
}

std::optional<PackageManifest> ParseManifest(std::string_view text) {
  if (text.size() > kMaxManifestSize || text.empty() || text.back() != '\n') return std::nullopt;
  text.remove_suffix(1);
  const std::vector<std::string_view> lines = split(text, '\n');
  if (lines.size() < 3 || lines[0] != kFirstLine) return std::nullopt;
  PackageManifest manifest;
  bool havePackage = false, haveProgram = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string_view> fields = split(lines[i], '\t');
    const std::string_view kind = fields[0];
    if (kind == "package" && fields.size() == 2 && !havePackage) {
      manifest.packageName = fields[1];
      havePackage = true;
    } else if (kind == "program" && fields.size() == 2 && !haveProgram) {
      manifest.programVersion = fields[1];
      haveProgram = true;
    } else if (kind == "book" && manifest.books.size() < kMaxManifestBooks) {
      if (!readBook(fields, manifest.books.emplace_back())) return std::nullopt;
    } else if (kind == "file") {  // counted by the importer, which says "too many"
      if (!readFile(fields, manifest.files.emplace_back())) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (!havePackage || !haveProgram || manifest.books.empty() || manifest.files.empty()) return std::nullopt;
  return manifest;
}

}  // namespace zrx
