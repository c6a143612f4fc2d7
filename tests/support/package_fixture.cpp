#include "package_fixture.h"

#include <jpeglib.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "byte_io.h"
#include "key_coding.h"

namespace zrx::test {

namespace fs = std::filesystem;

Picture MakeTestPicture(int width, int height, std::uint8_t shade) {
  return EncodeTestPicture(width, height, [shade](int, std::vector<unsigned char>& row) {
    std::fill(row.begin(), row.end(), shade);
  });
}

Picture EncodeTestPicture(int width, int height, const RowFiller& fillRow, int quality) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    fillRow(static_cast<int>(cinfo.next_scanline), row);
    JSAMPROW rowPointer = row.data();
    jpeg_write_scanlines(&cinfo, &rowPointer, 1);
  }
  jpeg_finish_compress(&cinfo);
  Picture picture{std::vector<std::uint8_t>(buffer, buffer + size)};
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  return picture;
}

PackageBook MakeBook(int number, int lastChapter, int chapterPictures, int decorPictures) {
  PackageBook book;
  const int chapterCount = lastChapter + 2;
  book.record = {.Number = number,
                 .ChapterCount = chapterCount,
                 .Title = "Próbakönyv " + std::to_string(number),
                 .SpecialValueCount = 1,
                 .SpecialValueCodes = "05",
                 .BookNote = "jegyzet",
                 .LastChapter = lastChapter,
                 .SeriesTitle = "Sorozat",
                 .MoneyItem = 1,
                 .DecorPictureCount = static_cast<std::uint8_t>(decorPictures),
                 .ChapterPictureCount = static_cast<std::uint8_t>(chapterPictures),
                 .Description1 = "Első#sor",
                 .Description2 = "Második",
                 .Description3 = ""};
  for (int chapter = -1; chapter <= lastChapter; ++chapter) {
    // Continuation codes are three hexadecimal digits.
    char next[16] = "GGG";
    if (chapter < lastChapter) std::snprintf(next, sizeof next, "%03X", chapter + 1);
    book.chapters.push_back({.Number = chapter,
                             .NextChapters = next,
                             .Conditions = "",
                             .SpecialChange1 = chapter == 1 ? "E+01" : "",
                             .PictureNumber = static_cast<std::uint8_t>(chapter > 0 && chapter <= chapterPictures
                                                                            ? chapter
                                                                            : 0)});
  }
  for (int i = 0; i < chapterCount; ++i)
    book.texts.push_back({"Fejezet " + std::to_string(i) + " őű", "", "Tovább."});
  for (int i = 0; i < chapterPictures; ++i)
    book.chapterPictures.push_back(MakeTestPicture(8, 8, static_cast<std::uint8_t>(10 * i)));
  for (int i = 0; i < decorPictures; ++i)
    book.decorPictures.push_back(MakeTestPicture(8, 8, static_cast<std::uint8_t>(200 + i)));
  book.cover = MakeTestPicture(16, 8, static_cast<std::uint8_t>(number));
  return book;
}

PackageContent MakePackage(const std::string& name, int bookCount) {
  PackageContent content;
  content.name = name;
  content.checkByte = 7;
  for (int n = 1; n <= bookCount; ++n) content.books.push_back(MakeBook(n));
  content.monsters = {{.Number = 1, .Name = "Ork", .Stamina = 6, .Skill = 7, .FlightCode = "01", .BattleFlag = 1},
                      {.Number = 2, .Name = "Sárkány", .Stamina = 30, .Skill = 12, .OpponentMode = 31}};
  content.items = {{.Number = 1, .Name = "Aranytallér", .Description = "Pénz", .Count = 10, .Category = 0},
                   {.Number = 7, .Name = "Kard", .Description = "Éles#penge", .Value = 5, .UseCode = "F1",
                    .Category = 1, .Magic = 1}};
  content.infos = {{.Number = 3, .Name = "Jelszó", .Description = "Titok", .InfoFlag = 1, .Kind = 1005, .Time = 4,
                    .Code = "AB"}};
  content.baseValues = {{.Number = 1, .Dice = 1, .Bonus = 6, .Name = "Ügyesség"},
                        {.Number = 2, .Dice = 2, .Bonus = 12, .Name = "Életerő"},
                        {.Number = 3, .Dice = 1, .Bonus = 6, .Name = "Szerencse"},
                        {.Number = 5, .CountsUp = 1, .Start = 9, .Name = "Bátorság"}};
  content.magicSkills = {{.Number = 4, .IsMagic = 1, .Name = "Tűzgolyó", .Level = 1, .MaxLevel = 3, .Uses = 2,
                          .MagicCode1 = "X1"}};
  return content;
}

void WriteTestPackage(const fs::path& programFolder, const PackageContent& content, const std::string& folderName) {
  const fs::path folder = programFolder / (folderName.empty() ? content.name : folderName);
  if (WritePackage(folder, content) != kPackageWritten) throw std::runtime_error("cannot write test package");
}

std::vector<std::uint8_t> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::size_t BlockSizesOffset(int nameEntries) {
  return kContainerBlockOffset + (nameEntries < 0 ? 0 : 4 + static_cast<std::size_t>(nameEntries) * kNameEntrySize);
}

ContainerParts ReadContainer(const fs::path& file, bool hasNamesBlock) {
  const std::vector<std::uint8_t> bytes = ReadBytes(file);
  std::vector<std::uint8_t> header(bytes.begin() + kContainerHeaderOffset,
                                   bytes.begin() + kContainerHeaderOffset + kContainerHeaderSize);
  DecodeRun(CodingKey::kShort, kContainerHeaderOffset, header);
  ContainerParts parts;
  ByteReader fields(header);
  fields.readShortString(kPackageNameMax, parts.packageName);
  fields.readShortString(kFileCodeMax, parts.fileCode);
  fields.readU8(parts.itemCount);

  ByteReader in(bytes);
  in.seek(kContainerBlockOffset);
  if (hasNamesBlock) {
    std::int32_t entries = 0;
    in.readCodedInt32(CodingKey::kShort, kContainerBlockOffset, entries);
    const std::size_t blockEnd = BlockSizesOffset(entries);
    parts.namesBlock.assign(bytes.begin() + kContainerBlockOffset, bytes.begin() + static_cast<long>(blockEnd));
    in.seek(blockEnd);
  }
  std::int32_t compressedSize = 0, size = 0;
  in.readCodedInt32(CodingKey::kShort, 0, compressedSize);
  in.skip(kBlockSizesGap);
  in.readCodedInt32(CodingKey::kShort, 0, size);
  std::span<const std::uint8_t> compressed;
  if (!in.take(static_cast<std::size_t>(compressedSize), compressed)) throw std::runtime_error("bad container");
  parts.payload.resize(static_cast<std::size_t>(size));
  uLongf length = static_cast<uLongf>(size);
  if (uncompress(parts.payload.data(), &length, compressed.data(), static_cast<uLong>(compressed.size())) != Z_OK)
    throw std::runtime_error("bad container payload");
  return parts;
}

TChapterRec PlainChapter(int number, const std::string& next) {
  return {.Number = number, .NextChapters = next};
}

PackageContent StoryPackage(const std::vector<TChapterRec>& chapters, const std::string& title) {
  PackageContent content = MakePackage(kSourcePackage, 1);
  PackageBook& book = content.books.front();
  const int count = static_cast<int>(chapters.size());
  book.record.Title = title;
  book.record.ChapterCount = count;
  book.record.LastChapter = count - 2;
  book.record.SpecialValueCount = 0;
  book.record.SpecialValueCodes = "";
  book.record.ChapterPictureCount = 0;
  book.record.DecorPictureCount = 0;
  book.chapterPictures.clear();
  book.decorPictures.clear();
  book.chapters = chapters;
  book.texts.clear();
  for (int i = 0; i < count; ++i) book.texts.push_back({"Fejezet " + std::to_string(i == count - 1 ? -1 : i), "Szöveg."});
  return content;
}

}  // namespace zrx::test
