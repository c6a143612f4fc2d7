// Loading the book table and the covers of a package for the new-game screen.
#include <algorithm>

#include "container_format.h"
#include "jpeg_decoder.h"
#include "source_coding.h"

namespace zrx {

namespace {

int coverOpenResult(int openResult) {
  switch (openResult) {
    case -11: return -111;
    case -10: return -110;
    case -2: return -102;
    default: return -101;
  }
}

}  // namespace

int SourceCoding::LoadBookList(std::string_view package, int bookCount, std::vector<TBookRec>& books,
                               std::vector<Picture>& covers) {
  const BufferRelease release{*this};
  books.clear();
  covers.clear();
  if (bookCount < 0) return -6;
  const int count = openDataPayload(package);
  if (count < 1) return count;
  PackageHeader header;
  if (!readPackageHeader(header)) return -5;

  // A book count above the header's is never met; it is bounded by 255 here.
  books.assign(static_cast<std::size_t>(std::min<int>(bookCount, header.bookCount)), TBookRec{});
  std::vector<bool> filled(books.size(), false);
  const bool anyShape = package == kSourcePackage;
  int stored = 0;
  for (int i = 0; i < header.bookCount && stored < bookCount; ++i) {
    TBookRec book;
    if (!payloadReader_.skip(1) || !ReadRecord(payloadReader_, book)) return -5;
    const bool wellFormed =
        static_cast<std::int64_t>(book.LastChapter) == static_cast<std::int64_t>(book.ChapterCount) - 2;
    if (!(wellFormed || anyShape)) continue;
    // A number outside the table, or one already taken, is not a usable book.
    const std::int64_t place = static_cast<std::int64_t>(book.Number) - 1;
    if (place < 0 || place >= static_cast<std::int64_t>(books.size()) || filled[place]) continue;
    books[place] = book;
    filled[place] = true;
    ++stored;
  }
  if (stored != bookCount) return -6;

  const int coverCount = OpenPackageFile(kPicturesKind, 0, package);
  if (coverCount < 0) return coverOpenResult(coverCount);
  if (coverCount == 0) return count;
  const int coversRead = readCovers(bookCount, coverCount, covers);
  return coversRead < 0 ? coversRead : count;
}

int SourceCoding::readCovers(int bookCount, int itemCount, std::vector<Picture>& covers) {
  fileReader_.seek(kContainerBlockOffset);
  const int unpacked = UnpackBlock(MaxPicturesPayloadSize(bookCount));
  if (unpacked == 1) return -7;
  if (unpacked == 2) return -8;
  std::int32_t entries = 0;
  if (!payloadReader_.readInt32(entries) || entries != bookCount || entries != itemCount) return -12;
  covers.assign(static_cast<std::size_t>(entries), Picture{});
  JpegDecoder decoder;
  for (std::int32_t i = 0; i < entries; ++i) {
    std::int32_t number = 0;
    Picture cover;
    if (!readPictureEntry(payloadReader_, payload_, decoder, number, cover) || number < 1 || number > entries) return -5;
    covers[static_cast<std::size_t>(number - 1)] = std::move(cover);
  }
  return 0;
}

}  // namespace zrx
