#include "unused_records.h"

#include "record_reads.h"

namespace zrx::playtest {
namespace {

template <typename Rec>
const Rec* findRecord(const std::vector<Rec>& records, int number) {
  for (const Rec& rec : records) {
    if (rec.Number == number) return &rec;
  }
  return nullptr;
}

bool itemRead(const TInventoryRec& item, const book::RecordReads& reads, int money) {
  // A valuable pays where something is sold or money is demanded.
  const bool pays = item.Value > 0 && (reads.buying || reads.items.contains(money));
  return pays || reads.items.contains(item.Number) || reads.itemKinds.contains('N') ||
         (item.Unique && reads.itemKinds.contains('E')) || (item.Magic && reads.itemKinds.contains('M'));
}

}  // namespace

std::vector<UnusedRecord> UnusedRecords(const PackageContent& content, int book, const PlaytestStats& stats) {
  const PackageBook& source = content.books.at(static_cast<std::size_t>(book - 1));
  const book::RecordReads reads = book::ReadsOfChapters(source.chapters, content.monsters);
  std::vector<UnusedRecord> unused;
  for (const int number : stats.heldInfos()) {
    const TInfoRec* info = findRecord(content.infos, number);
    // A battle code works while the information is held.
    if (info && info->Code.empty() && !reads.infos.contains(number)) unused.push_back({"information", number, info->Name});
  }
  for (const int number : stats.heldMagic()) {
    const TMagicSkillRec* magic = findRecord(content.magicSkills, number);
    if (!magic || reads.magicSkills.contains(number) || (magic->IsMagic && reads.spellCount)) continue;
    unused.push_back({magic->IsMagic ? "spell" : "skill", number, magic->Name});
  }
  for (const int number : stats.heldItems()) {
    const TInventoryRec* item = findRecord(content.items, number);
    // An item with a use or wear code works by itself; money pays.
    if (!item || !item->UseCode.empty() || number == source.record.MoneyItem || itemRead(*item, reads, source.record.MoneyItem)) continue;
    unused.push_back({"item", number, item->Name});
  }
  return unused;
}

}  // namespace zrx::playtest
