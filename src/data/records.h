#pragma once
// The seven record types of a book as the running game holds them.
// Strings are UTF-8 and never longer (in characters) than the limit named
// beside them; the loader and the writer convert at the file boundary.
#include <cstdint>
#include <string>

namespace zrx {

struct TBookRec {
  std::int32_t Number = 0;
  std::int32_t ChapterCount = 0;
  std::string Title;              // 50
  std::uint8_t SpecialValueCount = 0;
  std::string SpecialValueCodes;  // 8: two digits per special characteristic
  std::string BookNote;           // 75
  std::int32_t LastChapter = 0;
  std::string SeriesTitle;        // 50 in memory, 40 in the file
  std::int32_t MoneyItem = 0;
  std::uint8_t DecorPictureCount = 0;
  std::uint8_t ChapterPictureCount = 0;
  std::string Description1;       // 255
  std::string Description2;       // 255
  std::string Description3;       // 255
  bool operator==(const TBookRec&) const = default;
};

struct TChapterRec {
  std::int32_t Number = 0;
  std::string BattleCode;      // 65
  std::string NextChapters;    // 63
  std::string Conditions;      // 255
  std::string SpecialChange1;  // 255
  std::string SpecialChange2;  // 255
  std::string SpecialChange3;  // 255
  std::string SpecialChange4;  // 255
  std::uint8_t PictureNumber = 0;
  bool operator==(const TChapterRec&) const = default;
};

struct TMonsterRec {
  std::int32_t Number = 0;
  std::string Name;              // 50
  std::int32_t Stamina = 0;      // a byte in the file
  std::int32_t Skill = 0;        // a byte in the file
  std::string FlightCode;        // 2
  std::uint8_t BattleFlag = 0;
  std::string AttackMods;        // 10
  std::string RollBattleCode;    // 11
  std::string WoundMods;         // 8
  std::uint8_t OpponentMode = 0;
  std::string BattleValueCodes;  // 4
  std::uint8_t DeathMode = 0;
  std::string ExtraCode;         // 6
  std::string SpecialWeapon;     // 4
  bool operator==(const TMonsterRec&) const = default;
};

struct TInventoryRec {
  std::int32_t Number = 0;
  std::string Name;         // 50
  std::string Description;  // 255
  std::int32_t Count = 0;
  std::int32_t Value = 0;
  std::string UseCode;      // 12
  std::uint8_t Category = 0;
  std::uint8_t Magic = 0;
  std::uint8_t Unique = 0;
  std::uint8_t NotDroppable = 0;
  bool operator==(const TInventoryRec&) const = default;
};

struct TInfoRec {
  std::int32_t Number = 0;
  std::string Name;         // 50
  std::string Description;  // 255
  std::uint8_t InfoFlag = 0;
  std::int32_t Kind = 0;
  std::int32_t Time = 0;
  std::string Code;         // 4
  bool operator==(const TInfoRec&) const = default;
};

struct TMagicSkillRec {
  std::int32_t Number = 0;
  std::uint8_t IsMagic = 0;
  std::string Name;         // 50
  std::string Description;  // 255
  std::uint8_t Level = 0;
  std::uint8_t MaxLevel = 0;
  std::uint8_t Uses = 0;
  std::uint8_t MagicFlag = 0;
  std::string MagicCode1;   // 20
  std::string MagicCode2;   // 20
  std::string MagicCode3;   // 20
  bool operator==(const TMagicSkillRec&) const = default;
};

struct TBaseValueRec {
  std::int32_t Number = 0;
  std::uint8_t CountsUp = 0;
  std::uint8_t LimitFatal = 0;
  std::uint8_t Dice = 0;
  std::uint8_t Bonus = 0;
  std::uint8_t Current = 0;
  std::uint8_t Minimum = 0;
  std::uint8_t Start = 0;
  std::string Name;  // 25
  bool operator==(const TBaseValueRec&) const = default;
};

// Number that Find reports for a record that is not in its store.
inline constexpr std::int32_t kAbsentRecord = -2;

}  // namespace zrx
