#include "record_fields.h"

#include <limits>

namespace zrx::book {
namespace {

constexpr long long kInt = std::numeric_limits<std::int32_t>::max();
constexpr long long kIntMin = std::numeric_limits<std::int32_t>::min();

}  // namespace

const std::vector<FieldDef<TMonsterRec>>& MonsterFields() {
  using R = TMonsterRec;
  static const std::vector<FieldDef<R>> fields = {
      {"Number", &R::Number, 999, 0},           {"Name", &R::Name, 50},
      {"Stamina", &R::Stamina, 255, 0},         {"Skill", &R::Skill, 255, 0},
      {"FlightCode", &R::FlightCode, 2},        {"BattleFlag", &R::BattleFlag, 1, 0},
      {"AttackMods", &R::AttackMods, 10},       {"RollBattleCode", &R::RollBattleCode, 11},
      {"WoundMods", &R::WoundMods, 8},          {"OpponentMode", &R::OpponentMode, 255, 0},
      {"BattleValueCodes", &R::BattleValueCodes, 4}, {"DeathMode", &R::DeathMode, 1, 0},
      {"ExtraCode", &R::ExtraCode, 6},          {"SpecialWeapon", &R::SpecialWeapon, 4},
  };
  return fields;
}

const std::vector<FieldDef<TInventoryRec>>& ItemFields() {
  using R = TInventoryRec;
  static const std::vector<FieldDef<R>> fields = {
      {"Number", &R::Number, 999, 0},   {"Name", &R::Name, 50},
      {"Description", &R::Description, 255, 0, true},
      {"Count", &R::Count, kInt, 0},    {"Value", &R::Value, kInt, 0},
      {"UseCode", &R::UseCode, 12},     {"Category", &R::Category, 8, 0},
      {"Magic", &R::Magic, 1, 0},       {"Unique", &R::Unique, 1, 0},
      {"NotDroppable", &R::NotDroppable, 1, 0},
  };
  return fields;
}

const std::vector<FieldDef<TInfoRec>>& InfoFields() {
  using R = TInfoRec;
  static const std::vector<FieldDef<R>> fields = {
      {"Number", &R::Number, 999, 0},   {"Name", &R::Name, 50},
      {"Description", &R::Description, 255, 0, true},
      {"InfoFlag", &R::InfoFlag, 1, 0}, {"Kind", &R::Kind, kInt, kIntMin},
      {"Time", &R::Time, kInt, kIntMin}, {"Code", &R::Code, 4},
  };
  return fields;
}

const std::vector<FieldDef<TMagicSkillRec>>& MagicSkillFields() {
  using R = TMagicSkillRec;
  static const std::vector<FieldDef<R>> fields = {
      {"Number", &R::Number, 999, 0},     {"IsMagic", &R::IsMagic, 1, 0},
      {"Name", &R::Name, 50},             {"Description", &R::Description, 255, 0, true},
      {"Level", &R::Level, 255, 0},       {"MaxLevel", &R::MaxLevel, 255, 0},
      {"Uses", &R::Uses, 255, 0},         {"MagicFlag", &R::MagicFlag, 255, 0},
      {"MagicCode1", &R::MagicCode1, 20}, {"MagicCode2", &R::MagicCode2, 20},
      {"MagicCode3", &R::MagicCode3, 20},
  };
  return fields;
}

const std::vector<FieldDef<TBaseValueRec>>& BaseValueFields() {
  using R = TBaseValueRec;
  static const std::vector<FieldDef<R>> fields = {
      {"Number", &R::Number, 99, 1},      {"CountsUp", &R::CountsUp, 1, 0},
      {"LimitFatal", &R::LimitFatal, 1, 0}, {"Dice", &R::Dice, 255, 0},
      {"Bonus", &R::Bonus, 255, 0},       {"Current", &R::Current, 255, 0},
      {"Minimum", &R::Minimum, 255, 0},   {"Start", &R::Start, 255, 0},
      {"Name", &R::Name, 25},
  };
  return fields;
}

const std::vector<FieldDef<TChapterRec>>& ChapterCodeFields() {
  using R = TChapterRec;
  static const std::vector<FieldDef<R>> fields = {
      {"BattleCode", &R::BattleCode, 65},         {"Conditions", &R::Conditions, 255},
      {"SpecialChange1", &R::SpecialChange1, 255}, {"SpecialChange2", &R::SpecialChange2, 255},
      {"SpecialChange3", &R::SpecialChange3, 255}, {"SpecialChange4", &R::SpecialChange4, 255},
  };
  return fields;
}

const std::vector<FieldDef<TBookRec>>& BookTextFields() {
  using R = TBookRec;
  static const std::vector<FieldDef<R>> fields = {
      {"Title", &R::Title, 50},
      {"SeriesTitle", &R::SeriesTitle, 40},
      {"BookNote", &R::BookNote, 75},
      {"MoneyItem", &R::MoneyItem, 999, 0},
  };
  return fields;
}

TMonsterRec DefaultMonster() {
  TMonsterRec m;
  m.FlightCode = "00";        // no flight
  m.AttackMods = "0";         // no modifier
  m.RollBattleCode = "0";     // no after-round rule
  m.WoundMods = "20201111";   // two life points per lost round on either side
  return m;
}

}  // namespace zrx::book
