#include "record_codec.h"

#include <algorithm>

namespace zrx {
namespace {

// One field list per layout drives both directions, so reader and writer
// cannot drift apart.
struct FieldReader {
  ByteReader& in;
  void i32(std::int32_t& v) { in.readInt32(v); }
  void u8(std::uint8_t& v) { in.readU8(v); }
  void byteAsInt(std::int32_t& v) {
    std::uint8_t b = 0;
    in.readU8(b);
    v = b;
  }
  void str(std::string& v, std::size_t maxChars) { in.readShortString(maxChars, v); }
  void skip(std::size_t count) { in.skip(count); }
};

struct FieldWriter {
  ByteWriter& out;
  void i32(std::int32_t& v) { out.writeInt32(v); }
  void u8(std::uint8_t& v) { out.writeU8(v); }
  // Values beyond a byte are clamped rather than wrapped.
  void byteAsInt(std::int32_t& v) { out.writeU8(static_cast<std::uint8_t>(std::clamp(v, 0, 255))); }
  void str(std::string& v, std::size_t maxChars) { out.writeShortString(v, maxChars); }
  void skip(std::size_t count) { out.writeZeros(count); }
};

template <class Io>
void fields(Io& io, PackageHeader& r) {
  io.str(r.name, 6);
  io.u8(r.checkByte);
  io.skip(100);
  io.u8(r.bookCount);
  io.i32(r.monsterCount);
  io.i32(r.infoCount);
  io.i32(r.itemCount);
  io.i32(r.baseValueCount);
  io.i32(r.magicSkillCount);
}

template <class Io>
void fields(Io& io, TBookRec& r) {
  io.i32(r.Number);
  io.i32(r.ChapterCount);
  io.str(r.Title, 50);
  io.u8(r.SpecialValueCount);
  io.str(r.SpecialValueCodes, 8);
  io.str(r.BookNote, 75);
  io.i32(r.LastChapter);
  io.str(r.SeriesTitle, 40);
  io.i32(r.MoneyItem);
  io.u8(r.DecorPictureCount);
  io.u8(r.ChapterPictureCount);
  io.str(r.Description1, 255);
  io.str(r.Description2, 255);
  io.str(r.Description3, 255);
}

template <class Io>
void fields(Io& io, TChapterRec& r) {
  io.i32(r.Number);
  io.str(r.BattleCode, 65);
  io.str(r.NextChapters, 63);
  io.str(r.Conditions, 255);
  io.str(r.SpecialChange1, 255);
  io.str(r.SpecialChange2, 255);
  io.str(r.SpecialChange3, 255);
  io.str(r.SpecialChange4, 255);
  io.u8(r.PictureNumber);
}

template <class Io>
void fields(Io& io, TMonsterRec& r) {
  io.i32(r.Number);
  io.str(r.Name, 50);
  io.byteAsInt(r.Stamina);
  io.byteAsInt(r.Skill);
  io.str(r.FlightCode, 2);
  io.u8(r.BattleFlag);
  io.str(r.AttackMods, 10);
  io.str(r.RollBattleCode, 11);
  io.str(r.WoundMods, 8);
  io.u8(r.OpponentMode);
  io.str(r.BattleValueCodes, 4);
  io.u8(r.DeathMode);
  io.str(r.ExtraCode, 6);
  io.str(r.SpecialWeapon, 4);
}

template <class Io>
void fields(Io& io, TInventoryRec& r) {
  io.i32(r.Number);
  io.str(r.Name, 50);
  io.str(r.Description, 255);
  io.i32(r.Count);
  io.i32(r.Value);
  io.str(r.UseCode, 12);
  io.u8(r.Category);
  io.u8(r.Magic);
  io.u8(r.Unique);
  io.u8(r.NotDroppable);
}

template <class Io>
void fields(Io& io, TInfoRec& r) {
  io.i32(r.Number);
  io.str(r.Name, 50);
  io.str(r.Description, 255);
  io.u8(r.InfoFlag);
  io.i32(r.Kind);
  io.i32(r.Time);
  io.str(r.Code, 4);
}

template <class Io>
void fields(Io& io, TBaseValueRec& r) {
  io.i32(r.Number);
  io.u8(r.CountsUp);
  io.u8(r.LimitFatal);
  io.u8(r.Dice);
  io.u8(r.Bonus);
  io.u8(r.Current);
  io.u8(r.Minimum);
  io.u8(r.Start);
  io.str(r.Name, 25);
}

template <class Io>
void fields(Io& io, TMagicSkillRec& r) {
  io.i32(r.Number);
  io.u8(r.IsMagic);
  io.str(r.Name, 50);
  io.str(r.Description, 255);
  io.u8(r.Level);
  io.u8(r.MaxLevel);
  io.u8(r.Uses);
  io.u8(r.MagicFlag);
  io.str(r.MagicCode1, 20);
  io.str(r.MagicCode2, 20);
  io.str(r.MagicCode3, 20);
}

template <class Rec>
bool readFields(ByteReader& in, Rec& rec) {
  FieldReader io{in};
  fields(io, rec);
  return in.ok();
}

template <class Rec>
void writeFields(ByteWriter& out, const Rec& rec) {
  Rec copy = rec;
  FieldWriter io{out};
  fields(io, copy);
}

}  // namespace

bool ReadRecord(ByteReader& in, PackageHeader& rec) { return readFields(in, rec); }
bool ReadRecord(ByteReader& in, TBookRec& rec) { return readFields(in, rec); }
bool ReadRecord(ByteReader& in, TChapterRec& rec) { return readFields(in, rec); }
bool ReadRecord(ByteReader& in, TMonsterRec& rec) { return readFields(in, rec); }
bool ReadRecord(ByteReader& in, TInventoryRec& rec) { return readFields(in, rec); }
bool ReadRecord(ByteReader& in, TInfoRec& rec) { return readFields(in, rec); }
bool ReadRecord(ByteReader& in, TBaseValueRec& rec) { return readFields(in, rec); }
bool ReadRecord(ByteReader& in, TMagicSkillRec& rec) { return readFields(in, rec); }

void WriteRecord(ByteWriter& out, const PackageHeader& rec) { writeFields(out, rec); }
void WriteRecord(ByteWriter& out, const TBookRec& rec) { writeFields(out, rec); }
void WriteRecord(ByteWriter& out, const TChapterRec& rec) { writeFields(out, rec); }
void WriteRecord(ByteWriter& out, const TMonsterRec& rec) { writeFields(out, rec); }
void WriteRecord(ByteWriter& out, const TInventoryRec& rec) { writeFields(out, rec); }
void WriteRecord(ByteWriter& out, const TInfoRec& rec) { writeFields(out, rec); }
void WriteRecord(ByteWriter& out, const TBaseValueRec& rec) { writeFields(out, rec); }
void WriteRecord(ByteWriter& out, const TMagicSkillRec& rec) { writeFields(out, rec); }

}  // namespace zrx
