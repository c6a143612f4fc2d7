#include "package_writer.h"

#include <algorithm>
#include <cstdio>

#include "atomic_file.h"
#include "byte_io.h"
#include "compressed_block.h"
#include "container_format.h"
#include "names_block.h"
#include "record_codec.h"
#include "win1250.h"

namespace zrx {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxBookFileNumber = 99;  // file codes hold two digits

std::string twoDigitCode(char letter, int number) {
  char code[4];
  std::snprintf(code, sizeof code, "%c%02d", letter, number);
  return code;
}

template <class Rec>
void writeGroup(ByteWriter& out, const std::vector<Rec>& records) {
  for (const Rec& rec : records) {
    out.writeU8(0);
    WriteRecord(out, rec);
  }
}

using Bytes = std::vector<std::uint8_t>;

std::optional<Bytes> dataPayload(const PackageContent& content) {
  ByteWriter out;
  PackageHeader header{content.name,
                       content.checkByte,
                       static_cast<std::uint8_t>(content.books.size()),
                       static_cast<std::int32_t>(content.monsters.size()),
                       static_cast<std::int32_t>(content.infos.size()),
                       static_cast<std::int32_t>(content.items.size()),
                       static_cast<std::int32_t>(content.baseValues.size()),
                       static_cast<std::int32_t>(content.magicSkills.size())};
  out.writeZeros(3);
  WriteRecord(out, header);
  out.writeZeros(3);
  for (const PackageBook& book : content.books) {
    out.writeU8(0);
    WriteRecord(out, book.record);
  }
  writeGroup(out, content.monsters);
  writeGroup(out, content.items);
  writeGroup(out, content.infos);
  writeGroup(out, content.baseValues);
  writeGroup(out, content.magicSkills);
  for (const PackageBook& book : content.books) {
    out.writeU8(0);
    out.writeInt32(book.record.Number);
    writeGroup(out, book.chapters);
  }
  if (!out.ok()) return std::nullopt;
  return out.release();
}

std::optional<Bytes> textsPayload(const PackageBook& book) {
  ByteWriter out;
  const auto count = static_cast<std::int32_t>(book.texts.size());
  out.writeInt32(count);
  for (std::int32_t i = 0; i < count; ++i) {
    const auto text = Utf8ToWin1250(JoinTextLines(book.texts[static_cast<std::size_t>(i)]));
    if (!text) return std::nullopt;
    out.writeZeros(3);
    out.writeInt32(i == count - 1 ? -1 : i);
    out.writeInt32(static_cast<std::int32_t>(text->size()));
    out.writeBytes(std::span(reinterpret_cast<const std::uint8_t*>(text->data()), text->size()));
  }
  return out.release();
}

void writePictureEntry(ByteWriter& out, std::int32_t number, const Picture& picture) {
  out.writeZeros(3);
  out.writeInt32(number);
  out.writeInt32(static_cast<std::int32_t>(picture.jpeg().size()));
  out.writeBytes(picture.jpeg());
}

Bytes picturesPayload(const PackageBook& book) {
  ByteWriter out;
  out.writeInt32(static_cast<std::int32_t>(book.chapterPictures.size() + book.decorPictures.size()));
  out.writeInt32(static_cast<std::int32_t>(book.decorPictures.size()));
  for (std::size_t i = 0; i < book.chapterPictures.size(); ++i)
    writePictureEntry(out, static_cast<std::int32_t>(i + 1), book.chapterPictures[i]);
  for (std::size_t i = 0; i < book.decorPictures.size(); ++i)
    writePictureEntry(out, static_cast<std::int32_t>(i + 1), book.decorPictures[i]);
  return out.release();
}

Bytes coversPayload(const PackageContent& content, bool withCovers) {
  ByteWriter out;
  out.writeInt32(withCovers ? static_cast<std::int32_t>(content.books.size()) : 0);
  if (withCovers)
    for (const PackageBook& book : content.books) writePictureEntry(out, book.record.Number, book.cover);
  return out.release();
}

bool contentIsWritable(const PackageContent& content) {
  if (content.books.size() > 255 || Utf8Length(content.name) > kPackageNameMax) return false;
  return std::all_of(content.books.begin(), content.books.end(), [](const PackageBook& book) {
    return book.record.Number >= 1 && book.record.Number <= kMaxBookFileNumber;
  });
}

}  // namespace

std::string JoinTextLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::optional<std::vector<std::uint8_t>> BuildContainer(const ContainerParts& parts) {
  ByteWriter header;
  header.writeShortString(parts.packageName, kPackageNameMax);
  header.writeShortString(parts.fileCode, kFileCodeMax);
  header.writeU8(parts.itemCount);
  if (!header.ok()) return std::nullopt;
  std::vector<std::uint8_t> coded = header.release();
  EncodeRun(CodingKey::kShort, kContainerHeaderOffset, coded);

  ByteWriter out;
  out.writeZeros(kContainerHeaderOffset);
  out.writeBytes(coded);
  out.writeZeros(kContainerBlockOffset - kContainerHeaderOffset - kContainerHeaderSize);
  out.writeBytes(parts.namesBlock);
  const FillerSource zeros = [] { return std::uint8_t{0}; };
  if (!AppendCompressedBlock(out, parts.payload, zeros)) return std::nullopt;
  return out.release();
}

namespace {

// Builds one container file and replaces it on disk; a PackageWriteResult.
int writeContainer(const fs::path& file, const ContainerParts& parts) {
  const auto bytes = BuildContainer(parts);
  if (!bytes) return kPackageContentInvalid;
  return ReplaceFileAtomically(file, *bytes) ? kPackageWritten : kPackageWriteFailed;
}

int writeBookFiles(const fs::path& folder, const std::string& name, const PackageBook& book) {
  const int number = book.record.Number;
  const auto texts = textsPayload(book);
  if (!texts) return kPackageContentInvalid;
  const int written = writeContainer(folder / PackageFileName(kTextsKind, number),
                                     {name, twoDigitCode('S', number), 1, {}, *texts});
  if (written != kPackageWritten) return written;
  return writeContainer(folder / PackageFileName(kPicturesKind, number),
                        {name, twoDigitCode('K', number), 1, {}, picturesPayload(book)});
}

}  // namespace

int WritePackage(const fs::path& folder, const PackageContent& content) {
  const auto hasCover = [](const PackageBook& book) { return !book.cover.empty(); };
  const bool withCovers = std::any_of(content.books.begin(), content.books.end(), hasCover);
  if (!contentIsWritable(content) || (withCovers && !std::all_of(content.books.begin(), content.books.end(), hasCover)))
    return kPackageContentInvalid;
  const auto data = dataPayload(content);
  if (!data) return kPackageContentInvalid;

  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return kPackageWriteFailed;

  const auto bookCount = static_cast<std::uint8_t>(content.books.size());
  const Bytes names = content.name == kSourcePackage
                          ? InitialNamesBlock(content.settingsLine, content.settingsWrittenAt)
                          : Bytes{};
  int written = writeContainer(folder / PackageFileName(kDataKind, 0), {content.name, "N00", bookCount, names, *data});
  if (written == kPackageWritten)
    written = writeContainer(folder / PackageFileName(kPicturesKind, 0),
                             {content.name, "K00", withCovers ? bookCount : std::uint8_t{0}, {},
                              coversPayload(content, withCovers)});
  for (const PackageBook& book : content.books)
    if (written == kPackageWritten) written = writeBookFiles(folder, content.name, book);
  return written;
}

}  // namespace zrx
