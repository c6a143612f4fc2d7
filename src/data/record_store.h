#pragma once
// One store per record type: an ordered map keyed by the record's Number.
#include <cstdint>
#include <functional>
#include <map>

#include "records.h"

namespace zrx {

template <typename Rec>
class RecordStore {
 public:
  // The first record with a number wins; a later one with the same number is ignored.
  void Insert(const Rec& rec) { records_.try_emplace(rec.Number, rec); }

  // The stored record, found by reference (a caller that keeps it takes a copy); a record
  // whose Number is kAbsentRecord when the store lacks it. Valid until the store is cleared.
  const Rec& Find(std::int32_t number) const {
    auto it = records_.find(number);
    return it != records_.end() ? it->second : absent();
  }

  static const Rec& absent() {
    static const Rec record = [] {
      Rec r{};
      r.Number = kAbsentRecord;
      return r;
    }();
    return record;
  }

  bool Contains(std::int32_t number) const { return records_.contains(number); }
  void Clear() { records_.clear(); }
  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 protected:
  // Runs `change` on the stored record; does nothing when the number is absent.
  void update(std::int32_t number, const std::function<void(Rec&)>& change) {
    auto it = records_.find(number);
    if (it != records_.end()) change(it->second);
  }

 private:
  std::map<std::int32_t, Rec> records_;
};

class InventoryStore : public RecordStore<TInventoryRec> {
 public:
  void SetCount(std::int32_t number, std::int32_t value);
};

class InfoStore : public RecordStore<TInfoRec> {
 public:
  // op '+', '-' or '='; any other character changes nothing.
  void ChangeTime(std::int32_t number, char op, std::int32_t value);
};

class MagicSkillStore : public RecordStore<TMagicSkillRec> {
 public:
  // selector 'S' sets Level, 'K' sets Uses; any other selector changes nothing.
  void Change(std::int32_t number, char selector, std::uint8_t value);
};

class BaseValueStore : public RecordStore<TBaseValueRec> {
 public:
  // selector 1: Current (a negative value becomes 0); 2: Start; 3: Minimum.
  // Callers keep the value within 0..255.
  void Set(std::int32_t number, int selector, int value);
};

using BookStore = RecordStore<TBookRec>;
using ChapterStore = RecordStore<TChapterRec>;
using MonsterStore = RecordStore<TMonsterRec>;

// The seven stores that hold a started book.
struct BookStores {
  BookStore books;
  ChapterStore chapters;
  MonsterStore monsters;
  InventoryStore items;
  InfoStore infos;
  MagicSkillStore magicSkills;
  BaseValueStore baseValues;

  void ClearAll();
};

}  // namespace zrx
