// Opening a package file and unpacking its compressed block.
#include <array>
#include <system_error>

#include "compressed_block.h"
#include "container_format.h"
#include "file_access.h"
#include "source_coding.h"
#include "win1250.h"

namespace zrx {

namespace fs = std::filesystem;

namespace {

// "S03" names book 3 of a "DataS" file; the two digits must be decimal digits.
bool codeNamesNumber(const std::string& code, char letter, int number) {
  if (code.size() != kFileCodeMax || code[0] != letter) return false;
  if (code[1] < '0' || code[1] > '9' || code[2] < '0' || code[2] > '9') return false;
  return (code[1] - '0') * 10 + (code[2] - '0') == number;
}

bool fileCodeMatches(std::string_view kind, int number, const std::string& code) {
  if (kind == kDataKind) return number == 0 && code == "N00";
  if (kind == kTextsKind) return codeNamesNumber(code, 'S', number);
  if (kind == kPicturesKind) return codeNamesNumber(code, 'K', number);
  return false;
}

bool isSourceDataFile(std::string_view kind, int number, std::string_view package) {
  std::string upper(package);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return kind == kDataKind && number == 0 && upper == "SOURCE";
}

}  // namespace

int SourceCoding::OpenPackageFile(std::string_view kind, int number, std::string_view package) {
  file_.clear();
  fileReader_ = ByteReader();
  payload_.clear();
  payloadReader_ = ByteReader();

  // Only a listed package folder is ever opened: a name read from a file never becomes a path.
  if (!IsPackageFolder(programFolder_, package)) return -11;
  const fs::path path = programFolder_ / fs::path(std::string(package)) / PackageFileName(std::string(kind), number);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path, ec))) return -11;
  if (IsReadOnly(path) && !removeReadOnlyMark_(path)) return -10;
  if (!readFile_(path, MaxPackageFileSize(kind), file_)) {
    file_.clear();
    return -2;
  }
  if (isSourceDataFile(kind, number, package)) sourceDataFileSize_ = file_.size();
  fileReader_ = ByteReader(file_);

  std::array<std::uint8_t, kContainerHeaderSize> header{};
  std::span<const std::uint8_t> coded;
  if (!fileReader_.seek(kContainerHeaderOffset) || !fileReader_.take(header.size(), coded)) return -2;
  std::copy(coded.begin(), coded.end(), header.begin());
  DecodeRun(CodingKey::kShort, kContainerHeaderOffset, header);

  ByteReader fields(header);
  std::string name, code;
  std::uint8_t itemCount = 0;
  fields.readShortString(kPackageNameMax, name);
  fields.readShortString(kFileCodeMax, code);
  fields.readU8(itemCount);
  if (name != package || !fileCodeMatches(kind, number, code)) return -1;
  fileReader_.seek(0);
  return itemCount;
}

int SourceCoding::UnpackBlock(std::int32_t maxPayload) {
  payloadReader_ = ByteReader();
  const int result = ReadCompressedBlock(fileReader_, payload_, maxPayload);
  if (result == kBlockRead) payloadReader_ = ByteReader(payload_);
  return result;
}

}  // namespace zrx
