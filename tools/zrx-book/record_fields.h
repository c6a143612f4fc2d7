#pragma once
// The writable fields of each record type: source key, record member, limits.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "records.h"

namespace zrx::book {

template <typename Rec>
struct FieldDef {
  const char* key;
  std::variant<std::string Rec::*, std::int32_t Rec::*, std::uint8_t Rec::*> member;
  long long limit = 0;   // strings: most characters; numbers: highest value
  long long minimum = 0; // numbers: lowest value
  bool lines = false;    // a text whose line breaks are stored as "#"
};

const std::vector<FieldDef<TMonsterRec>>& MonsterFields();
const std::vector<FieldDef<TInventoryRec>>& ItemFields();
const std::vector<FieldDef<TInfoRec>>& InfoFields();
const std::vector<FieldDef<TMagicSkillRec>>& MagicSkillFields();
const std::vector<FieldDef<TBaseValueRec>>& BaseValueFields();
const std::vector<FieldDef<TChapterRec>>& ChapterCodeFields();
const std::vector<FieldDef<TBookRec>>& BookTextFields();

// Field values that an opponent gets when its source leaves them out.
TMonsterRec DefaultMonster();

}  // namespace zrx::book
