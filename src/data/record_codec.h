#pragma once
// The packed layouts of the records and the package header in a "Data" payload.
#include <cstddef>
#include <cstdint>
#include <string>

#include "byte_io.h"
#include "records.h"

namespace zrx {

inline constexpr std::size_t kBookRecSize = 964;
inline constexpr std::size_t kChapterRecSize = 1415;
inline constexpr std::size_t kMonsterRecSize = 112;
inline constexpr std::size_t kInventoryRecSize = 336;
inline constexpr std::size_t kInfoRecSize = 325;
inline constexpr std::size_t kBaseValueRecSize = 37;
inline constexpr std::size_t kMagicSkillRecSize = 379;
inline constexpr std::size_t kPackageHeaderSize = 129;

struct PackageHeader {
  std::string name;              // at most 6
  std::uint8_t checkByte = 0;    // passed on by the package check
  std::uint8_t bookCount = 0;
  std::int32_t monsterCount = 0;
  std::int32_t infoCount = 0;    // stands before the item count, unlike the groups
  std::int32_t itemCount = 0;
  std::int32_t baseValueCount = 0;
  std::int32_t magicSkillCount = 0;
  bool operator==(const PackageHeader&) const = default;
};

bool ReadRecord(ByteReader& in, PackageHeader& rec);
bool ReadRecord(ByteReader& in, TBookRec& rec);
bool ReadRecord(ByteReader& in, TChapterRec& rec);
bool ReadRecord(ByteReader& in, TMonsterRec& rec);
bool ReadRecord(ByteReader& in, TInventoryRec& rec);
bool ReadRecord(ByteReader& in, TInfoRec& rec);
bool ReadRecord(ByteReader& in, TBaseValueRec& rec);
bool ReadRecord(ByteReader& in, TMagicSkillRec& rec);

void WriteRecord(ByteWriter& out, const PackageHeader& rec);
void WriteRecord(ByteWriter& out, const TBookRec& rec);
void WriteRecord(ByteWriter& out, const TChapterRec& rec);
void WriteRecord(ByteWriter& out, const TMonsterRec& rec);
void WriteRecord(ByteWriter& out, const TInventoryRec& rec);
void WriteRecord(ByteWriter& out, const TInfoRec& rec);
void WriteRecord(ByteWriter& out, const TBaseValueRec& rec);
void WriteRecord(ByteWriter& out, const TMagicSkillRec& rec);

}  // namespace zrx
