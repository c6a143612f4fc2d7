#pragma once
// The writable fields of each record type: source key, record member, limits.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "records.h"

namespace zrx::book {

template <typename Rec>
struct FieldSpec {
  const char* key;
  std::variant<std::string Rec::*, std::int32_t Rec::*, std::uint8_t Rec::*> member;
  long long limit = 0;   // strings: most characters; numbers: highest value
  long long minimum = 0; // numbers: lowest value
  bool lines = false;    // a text whose line breaks are stored as "#"
};

const std::vector<FieldSpec<TMonsterRec>>& MonsterFields();
const std::vector<FieldSpec<TInventoryRec>>& ItemFields();
const std::vector<FieldSpec<TInfoRec>>& InfoFields();
const std::vector<FieldSpec<TMagicSkillRec>>& MagicSkillFields();
const std::vector<FieldSpec<TBaseValueRec>>& BaseValueFields();
const std::vector<FieldSpec<TChapterRec>>& ChapterCodeFields();
const std::vector<FieldSpec<TBookRec>>& BookTextFields();

// Field values that an opponent gets when its source leaves them out.
TMonsterRec DefaultMonster();

}  // namespace zrx::book
