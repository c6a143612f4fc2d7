// Loading the chapter texts and pictures of the chosen book.
#include <utility>

#include "compressed_block.h"
#include "container_format.h"
#include "jpeg_decoder.h"
#include "source_coding.h"
#include "win1250.h"

namespace zrx {

namespace {

// The smallest text entry: 3 filler bytes, the index and the size.
constexpr std::size_t kMinTextEntrySize = 11;

// Lines end at CR LF or LF; a final line break does not start another line.
std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > start && text[end - 1] == '\r' && end < text.size()) --end;
    lines.push_back(Win1250ToUtf8(text.substr(start, end - start)));
    start = next;
  }
  return lines;
}

}  // namespace

int SourceCoding::LoadChapterTexts(std::string_view package, int bookNumber, int chapterCount,
                                   std::vector<std::vector<std::string>>& texts) {
  const BufferRelease release{*this};
  texts.clear();
  const int count = OpenPackageFile(kTextsKind, bookNumber, package);
  if (count < 1) return count;
  fileReader_.seek(kContainerBlockOffset);
  // A book of more chapters than chapter codes can name is refused before any inflating.
  if (chapterCount > kMaxChapterCount) return -5;
  const int unpacked = UnpackBlock(MaxTextsPayloadSize(chapterCount));
  if (unpacked != 0) return unpacked == 1 ? -3 : -4;

  std::int32_t total = 0;
  if (!payloadReader_.readInt32(total)) return -5;
  if (total != chapterCount || chapterCount < 0) return -6;
  // Allocate only for entries that can really be there.
  if (static_cast<std::size_t>(chapterCount) > payloadReader_.remaining() / kMinTextEntrySize) return -5;
  texts.assign(static_cast<std::size_t>(chapterCount), {});
  for (std::int32_t i = 0; i < chapterCount; ++i) {
    std::int32_t index = 0, size = 0;
    std::span<const std::uint8_t> text;
    if (!payloadReader_.skip(3) || !payloadReader_.readInt32(index) || !payloadReader_.readInt32(size) ||
        size < 0 || size > kMaxChapterTextSize || !payloadReader_.take(static_cast<std::size_t>(size), text))
      return -5;
    if (index == -1) index = chapterCount - 1;
    if (index < 0 || index >= chapterCount) return -5;
    texts[static_cast<std::size_t>(index)] =
        splitLines(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
  }
  return count;
}

int SourceCoding::LoadChapterPictures(std::string_view package, int bookNumber, int decorCount,
                                      int chapterPictureCount, std::vector<Picture>& chapterPictures,
                                      std::vector<Picture>& decorPictures) {
  const BufferRelease release{*this};
  chapterPictures.clear();
  decorPictures.clear();
  const int count = OpenPackageFile(kPicturesKind, bookNumber, package);
  if (count < 1) return count;
  return readPicturesFile(std::exchange(file_, {}), count, decorCount, chapterPictureCount, chapterPictures,
                          decorPictures);
}

std::shared_ptr<PictureLoad> SourceCoding::StartChapterPictures(std::string_view package, int bookNumber,
                                                                int decorCount, int chapterPictureCount) {
  const BufferRelease release{*this};
  const int count = OpenPackageFile(kPicturesKind, bookNumber, package);
  if (count < 1) return std::make_shared<PictureLoad>(count, std::vector<Picture>{}, std::vector<Picture>{});
  return std::make_shared<PictureLoad>(
      [file = std::exchange(file_, {}), count, decorCount, chapterPictureCount](
          std::vector<Picture>& chapterPictures, std::vector<Picture>& decorPictures) mutable {
        return readPicturesFile(std::exchange(file, {}), count, decorCount, chapterPictureCount, chapterPictures,
                                decorPictures);
      });
}

int SourceCoding::readPicturesFile(ByteBuffer file, int itemCount, int decorCount, int chapterPictureCount,
                                   std::vector<Picture>& chapterPictures, std::vector<Picture>& decorPictures) {
  ByteReader fileReader(file);
  ByteBuffer payload;
  const int unpacked =
      fileReader.seek(kContainerBlockOffset) ? ReadCompressedBlock(fileReader, file, payload, MaxPicturesPayloadSize(decorCount + chapterPictureCount)) : 1;
  // The pictures are views into the payload; the file is not needed any more.
  fileReader = ByteReader();
  file.clear();
  if (unpacked != 0) return unpacked == 1 ? -3 : -4;

  ByteReader in(payload);
  std::int32_t total = 0, decor = 0;
  if (!in.readInt32(total) || !in.readInt32(decor)) return -5;
  if (decorCount < 0 || chapterPictureCount < 0 || decor != decorCount ||
      static_cast<std::int64_t>(total) - decor != chapterPictureCount)
    return -6;
  JpegDecoder decoder;
  const auto readInto = [&](int howMany, std::vector<Picture>& list) {
    list.reserve(static_cast<std::size_t>(howMany));
    for (int i = 0; i < howMany; ++i) {
      std::int32_t ignoredNumber = 0;
      Picture picture;
      if (!readPictureEntry(in, payload, decoder, ignoredNumber, picture)) return false;
      list.push_back(std::move(picture));
    }
    return true;
  };
  if (!readInto(chapterPictureCount, chapterPictures) || !readInto(decorCount, decorPictures)) return -5;
  return itemCount;
}

bool SourceCoding::readPictureEntry(ByteReader& in, const ByteBuffer& block, JpegDecoder& decoder,
                                    std::int32_t& number, Picture& picture) {
  std::int32_t size = 0;
  std::span<const std::uint8_t> jpeg;
  if (!in.skip(3) || !in.readInt32(number) || !in.readInt32(size) || size < 0 ||
      !in.take(static_cast<std::size_t>(size), jpeg) || !decoder.hasValidHeader(jpeg))
    return false;
  // A view, not a copy: the picture keeps the inflated block alive.
  picture = Picture(block.storage(), jpeg);
  return true;
}

}  // namespace zrx
