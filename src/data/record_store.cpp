#include "record_store.h"

#include <algorithm>

namespace zrx {

void InventoryStore::SetCount(std::int32_t number, std::int32_t value) {
  update(number, [value](TInventoryRec& r) { r.Count = value; });
}

void InfoStore::ChangeTime(std::int32_t number, char op, std::int32_t value) {
  update(number, [op, value](TInfoRec& r) {
    switch (op) {
      case '+': r.Time += value; break;
      case '-': r.Time -= value; break;
      case '=': r.Time = value; break;
      default: break;
    }
  });
}

void MagicSkillStore::Change(std::int32_t number, char selector, std::uint8_t value) {
  update(number, [selector, value](TMagicSkillRec& r) {
    if (selector == 'S') r.Level = value;
    else if (selector == 'K') r.Uses = value;
  });
}

void BaseValueStore::Set(std::int32_t number, int selector, int value) {
  const auto byte = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
  update(number, [selector, byte](TBaseValueRec& r) {
    switch (selector) {
      case 1: r.Current = byte; break;
      case 2: r.Start = byte; break;
      case 3: r.Minimum = byte; break;
      default: break;
    }
  });
}

void BookStores::ClearAll() {
  books.Clear();
  chapters.Clear();
  monsters.Clear();
  items.Clear();
  infos.Clear();
  magicSkills.Clear();
  baseValues.Clear();
}

}  // namespace zrx
