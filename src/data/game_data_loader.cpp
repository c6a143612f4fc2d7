// Loading a book's records into the stores.
#include "container_format.h"
#include "source_coding.h"

namespace zrx {

namespace {

template <class Rec, class Store>
bool readGroup(ByteReader& in, std::int32_t count, Store& store) {
  if (count < 0) return false;
  for (std::int32_t i = 0; i < count; ++i) {
    Rec rec;
    if (!in.skip(1) || !ReadRecord(in, rec)) return false;
    store.Insert(rec);
  }
  return true;
}

bool isWellFormed(const TBookRec& book) {
  return static_cast<std::int64_t>(book.LastChapter) == static_cast<std::int64_t>(book.ChapterCount) - 2;
}

}  // namespace

int SourceCoding::LoadGameData(std::string_view package, int bookNumber, BookStores& stores) {
  const BufferRelease release{*this};
  const int count = openDataPayload(package);
  if (count < 1) return count;
  PackageHeader header;
  if (!readPackageHeader(header)) return -5;
  const int groups = readRecordGroups(header, stores);
  if (groups < 0) return groups;
  const int chapters = readChapterBlocks(header, bookNumber, stores);
  if (chapters < 0) return chapters;
  return count;
}

int SourceCoding::readRecordGroups(const PackageHeader& header, BookStores& stores) {
  ByteReader& in = payloadReader_;
  if (!readGroup<TBookRec>(in, header.bookCount, stores.books)) return -5;
  if (!readGroup<TMonsterRec>(in, header.monsterCount, stores.monsters)) return -6;
  if (!readGroup<TInventoryRec>(in, header.itemCount, stores.items)) return -7;
  if (!readGroup<TInfoRec>(in, header.infoCount, stores.infos)) return -8;
  if (!readGroup<TBaseValueRec>(in, header.baseValueCount, stores.baseValues)) return -9;
  if (!readGroup<TMagicSkillRec>(in, header.magicSkillCount, stores.magicSkills)) return -12;
  return 0;
}

// Only the chosen book's chapter points are parsed; the other blocks are skipped.
int SourceCoding::readChapterBlocks(const PackageHeader& header, int bookNumber, BookStores& stores) {
  ByteReader& in = payloadReader_;
  bool chosenLoaded = false;
  for (int block = 0; block < header.bookCount; ++block) {
    std::int32_t number = 0;
    if (!in.skip(1) || !in.readInt32(number)) return -14;
    const TBookRec book = stores.books.Find(number);
    if (book.Number == kAbsentRecord || book.ChapterCount < 0) return -14;
    if (isWellFormed(book) && number == bookNumber) {
      if (!readGroup<TChapterRec>(in, book.ChapterCount, stores.chapters)) return -13;
      chosenLoaded = true;
    } else if (!in.skip(static_cast<std::size_t>(book.ChapterCount) * (kChapterRecSize + 1))) {
      return -14;
    }
  }
  // Starting a book without its chapter points would leave the game nowhere to go.
  return chosenLoaded ? 0 : -15;
}

}  // namespace zrx
