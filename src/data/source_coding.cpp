#include "source_coding.h"

#include <algorithm>
#include <system_error>

#include "container_format.h"
#include "win1250.h"

namespace zrx {

namespace fs = std::filesystem;

bool IsPackageName(std::string_view name) {
  return Utf8Length(name) == kPackageNameMax && name.find_first_of("/\\") == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

bool IsPackageFolder(const fs::path& programFolder, std::string_view name) {
  if (!IsPackageName(name)) return false;
  std::error_code ec;
  // A link is not followed: a package lies in the program's folder itself.
  return fs::is_directory(fs::symlink_status(programFolder / fs::path(std::string(name)), ec));
}

std::vector<std::string> FindPackageFolders(const fs::path& programFolder) {
  std::vector<std::string> folders;
  std::error_code ec;
  for (fs::directory_iterator it(programFolder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (IsPackageFolder(programFolder, name)) folders.push_back(std::move(name));
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

bool ReadPackageFile(const fs::path& path, std::uintmax_t maxBytes, ByteBuffer& out) {
  return ReadWholeFile(path, maxBytes, out);
}

SourceCoding::SourceCoding(fs::path programFolder, ReadOnlyMarkRemover removeReadOnlyMark,
                           PackageFileReader readFile)
    : programFolder_(std::move(programFolder)),
      removeReadOnlyMark_(std::move(removeReadOnlyMark)),
      readFile_(std::move(readFile)) {}

void SourceCoding::releaseBuffers() {
  fileReader_ = ByteReader();
  payloadReader_ = ByteReader();
  file_.clear();
  payload_.clear();
}

int SourceCoding::openDataPayload(std::string_view package) {
  const int count = OpenPackageFile(kDataKind, 0, package);
  if (count < 1) return count;
  fileReader_.seek(kContainerBlockOffset);
  if (package == kSourcePackage) {
    std::int32_t names = 0;
    const bool skipped = fileReader_.readCodedInt32(CodingKey::kShort, kContainerBlockOffset, names) &&
                         names >= 0 && names <= kMaxNameCount &&
                         fileReader_.skip(static_cast<std::size_t>(names) * kNameEntrySize);
    if (!skipped) return -3;
  }
  const int unpacked = UnpackBlock(kMaxDataPayloadSize);
  if (unpacked == 1) return -3;
  if (unpacked == 2) return -4;
  return count;
}

bool SourceCoding::readPackageHeader(PackageHeader& header) {
  return payloadReader_.skip(3) && ReadRecord(payloadReader_, header) && payloadReader_.skip(3);
}

int SourceCoding::CheckPackage(std::string_view folder, int& bookCount) {
  const BufferRelease release{*this};
  const int count = openDataPayload(folder);
  if (count < 0) return count;
  if (count == 0) return -100;
  PackageHeader header;
  if (!readPackageHeader(header)) return -5;
  if (header.name != folder) return -100;
  bookCount = count;
  return header.checkByte;
}

}  // namespace zrx
