#include "names_block.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "atomic_file.h"
#include "byte_io.h"
#include "newest_first.h"
#include "win1250.h"

namespace zrx {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kEntriesOffset = kContainerBlockOffset + 4;
constexpr std::size_t kSettingsLength = 10;
constexpr int kSettingsEntry = 2;
constexpr int kFirstNameEntry = 3;

std::size_t entryOffset(int entry) { return kEntriesOffset + static_cast<std::size_t>(entry - 1) * kNameEntrySize; }
std::size_t recordOffset(int entry) { return entryOffset(entry) + kNameFillerSize; }

using PlainRecord = std::array<std::uint8_t, kNameRecordSize>;

PlainRecord plainRecordAt(std::span<const std::uint8_t> file, int entry) {
  PlainRecord record{};
  std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(recordOffset(entry)), kNameRecordSize, record.begin());
  CodeNameRecord(entry, record, false);
  return record;
}

NameRecord decodeEntry(std::span<const std::uint8_t> file, int entry) {
  return UnpackNameRecord(plainRecordAt(file, entry));
}

// The 32 bytes of entry k: fresh filler and the record coded for that place.
std::array<std::uint8_t, kNameEntrySize> buildEntry(int entry, PlainRecord record, const FillerSource& filler) {
  std::array<std::uint8_t, kNameEntrySize> bytes{};
  for (std::size_t i = 0; i < kNameFillerSize; ++i) bytes[i] = filler();
  CodeNameRecord(entry, record, true);
  std::copy(record.begin(), record.end(), bytes.begin() + kNameFillerSize);
  return bytes;
}

void putCount(std::vector<std::uint8_t>& file, std::int32_t count) {
  const auto coded = EncodeInt32(CodingKey::kShort, kContainerBlockOffset, count);
  std::copy(coded.begin(), coded.end(), file.begin() + kContainerBlockOffset);
}

// Where the names block of a data file ends; 0 when it is cut short. Its entries are coded by
// their place in the block, so a whole block moves between files unchanged.
std::size_t namesBlockEnd(std::span<const std::uint8_t> file) {
  ByteReader in(file);
  std::int32_t count = 0;
  if (!in.seek(kContainerBlockOffset) || !in.readCodedInt32(CodingKey::kShort, kContainerBlockOffset, count))
    return 0;
  if (count < kReservedNameEntries || count > kMaxNameCount ||
      static_cast<std::size_t>(count) > in.remaining() / kNameEntrySize)
    return 0;
  return entryOffset(count + 1);
}

bool isSettingsDigit(char c) { return c >= '0' && c <= '6'; }

}  // namespace

std::array<std::uint8_t, kNameRecordSize> PackNameRecord(const NameRecord& record) {
  ByteWriter out;
  out.writeShortString(record.text, kNameTextMax);
  const auto bits = std::bit_cast<std::uint64_t>(record.timestamp);
  for (int i = 0; i < 8; ++i) out.writeU8(static_cast<std::uint8_t>(bits >> (8 * i)));
  std::array<std::uint8_t, kNameRecordSize> packed{};
  std::copy(out.bytes().begin(), out.bytes().end(), packed.begin());
  return packed;
}

NameRecord UnpackNameRecord(std::span<const std::uint8_t, kNameRecordSize> plain) {
  NameRecord record;
  ByteReader in(plain);
  in.readShortString(kNameTextMax, record.text);
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) {
    std::uint8_t b = 0;
    in.readU8(b);
    bits |= static_cast<std::uint64_t>(b) << (8 * i);
  }
  record.timestamp = std::bit_cast<double>(bits);
  return record;
}

void CodeNameRecord(int entry, std::span<std::uint8_t, kNameRecordSize> record, bool encode) {
  const long long offset = static_cast<long long>(entry - 1) * kNameEntrySize + kNameFillerSize;
  if (encode)
    EncodeRun(CodingKey::kLong, offset, record);
  else
    DecodeRun(CodingKey::kLong, offset, record);
}

std::vector<std::uint8_t> InitialNamesBlock(std::string_view settingsLine, double timestamp) {
  std::vector<std::uint8_t> block(4 + kReservedNameEntries * kNameEntrySize, 0);
  const auto count = EncodeInt32(CodingKey::kShort, kContainerBlockOffset, kReservedNameEntries);
  std::copy(count.begin(), count.end(), block.begin());
  const FillerSource zeros = [] { return std::uint8_t{0}; };
  const auto reserved = buildEntry(1, PlainRecord{}, zeros);
  const auto settings = buildEntry(kSettingsEntry, PackNameRecord({std::string(settingsLine), timestamp}), zeros);
  std::copy(reserved.begin(), reserved.end(), block.begin() + 4);
  std::copy(settings.begin(), settings.end(), block.begin() + 4 + kNameEntrySize);
  return block;
}

std::optional<std::vector<std::uint8_t>> CarryNamesBlock(std::span<const std::uint8_t> fresh,
                                                         std::span<const std::uint8_t> old) {
  const std::size_t freshEnd = namesBlockEnd(fresh), oldEnd = namesBlockEnd(old);
  if (freshEnd == 0 || oldEnd == 0) return std::nullopt;
  std::vector<std::uint8_t> bytes(fresh.begin(), fresh.begin() + kContainerBlockOffset);
  bytes.insert(bytes.end(), old.begin() + kContainerBlockOffset, old.begin() + static_cast<std::ptrdiff_t>(oldEnd));
  bytes.insert(bytes.end(), fresh.begin() + static_cast<std::ptrdiff_t>(freshEnd), fresh.end());
  return bytes;
}

int CheckName(std::string_view name) {
  if (name.empty()) return -1;
  return name.find_first_of("\\/:*?\"<>|'") == std::string_view::npos ? 0 : -2;
}

struct NamesBlock::Block {
  std::int32_t count = 0;
  std::size_t entriesEnd = 0;
  NameRecord settings;
  std::vector<NameRecord> names;
};

NamesBlock::NamesBlock(fs::path programFolder, const Clock& clock, FillerSource filler,
                       ReadOnlyMarkRemover removeReadOnlyMark, PackageFileReader readFile)
    : source_(std::move(programFolder), std::move(removeReadOnlyMark), std::move(readFile)),
      clock_(clock),
      filler_(std::move(filler)) {}

fs::path NamesBlock::dataFile() const {
  return source_.programFolder() / kSourcePackage / PackageFileName(kDataKind, 0);
}

bool NamesBlock::parseBlock(Block& block) const {
  const std::span<const std::uint8_t> file = source_.fileBytes();
  ByteReader in(file);
  if (!in.seek(kContainerBlockOffset) ||
      !in.readCodedInt32(CodingKey::kShort, kContainerBlockOffset, block.count))
    return false;
  if (block.count < kReservedNameEntries ||
      static_cast<std::size_t>(block.count) > in.remaining() / kNameEntrySize)
    return false;
  block.entriesEnd = entryOffset(block.count + 1);
  block.settings = decodeEntry(file, kSettingsEntry);
  block.names.clear();
  for (int k = kFirstNameEntry; k <= block.count; ++k) block.names.push_back(decodeEntry(file, k));
  return true;
}

void NamesBlock::adoptBlock(const Block& block) {
  nameCount_ = block.count;
  settingsLine_ = block.settings.text;
  nameList_ = block.names;
  nameListSorted_ = block.names;
}

int NamesBlock::ReadNames(std::vector<std::string>& names) {
  names.clear();
  nameList_.clear();
  nameListSorted_.clear();
  const int result = source_.OpenPackageFile(kDataKind, 0, kSourcePackage);
  if (result < 0) return result;
  Block block;
  if (!parseBlock(block)) return -6;
  nameCount_ = block.count;
  settingsLine_ = block.settings.text;
  if (Utf8Length(settingsLine_) != kSettingsLength) return -3;
  if (!std::all_of(settingsLine_.begin(), settingsLine_.end(), isSettingsDigit)) return -4;
  for (const NameRecord& record : block.names) {
    if (!FromDayCount(record.timestamp)) return -5;
    nameList_.push_back(record);
    nameListSorted_.push_back(record);
  }
  ListNames(names);
  return result;
}

int NamesBlock::WriteName(std::vector<std::string>* names, std::string_view name, int mode,
                          std::string_view settingsLine) {
  const int result = source_.OpenPackageFile(kDataKind, 0, kSourcePackage);
  if (result < 0) return result;
  Block block;
  if (!parseBlock(block)) return -6;
  const bool writesName = mode != kWriteSettingsOnly;
  const bool writesSettings = mode != kWriteNameOnly;
  const double now = ToDayCount(clock_.now());
  const NameRecord nameRecord{Utf8Cut(name, kNameTextMax), now};
  const NameRecord settingsRecord{Utf8Cut(settingsLine, kNameTextMax), now};
  // Text that the file's code page cannot hold is refused, never written as garbage.
  if ((writesName && !FitsWin1250(nameRecord.text)) || (writesSettings && !FitsWin1250(settingsRecord.text)))
    return -6;

  std::vector<std::uint8_t> bytes(source_.fileBytes().begin(), source_.fileBytes().end());
  if (writesSettings) {
    const auto entry = buildEntry(kSettingsEntry, PackNameRecord(settingsRecord), filler_);
    std::copy(entry.begin(), entry.end(), bytes.begin() + static_cast<std::ptrdiff_t>(entryOffset(kSettingsEntry)));
    block.settings = settingsRecord;
  }
  if (writesName) {
    const auto found = std::find_if(block.names.begin(), block.names.end(),
                                    [&](const NameRecord& r) { return r.text == nameRecord.text; });
    if (found != block.names.end()) {
      const int k = kFirstNameEntry + static_cast<int>(found - block.names.begin());
      auto record = PackNameRecord(nameRecord);
      CodeNameRecord(k, record, true);
      std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(recordOffset(k)));
      *found = nameRecord;
    } else {
      const auto entry = buildEntry(block.count + 1, PackNameRecord(nameRecord), filler_);
      bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(block.entriesEnd), entry.begin(), entry.end());
      putCount(bytes, ++block.count);
      block.names.push_back(nameRecord);
    }
  }
  if (!ReplaceFileAtomically(dataFile(), bytes)) return -6;
  adoptBlock(block);
  if (writesName && names != nullptr) {
    names->clear();
    ListNames(*names);
  }
  return result;
}

int NamesBlock::DeleteName(std::vector<std::string>& names, std::string_view name) {
  names.clear();
  const int result = source_.OpenPackageFile(kDataKind, 0, kSourcePackage);
  if (result < 0) return result;
  Block block;
  if (!parseBlock(block)) return -3;
  const auto found =
      std::find_if(block.names.begin(), block.names.end(), [&](const NameRecord& r) { return r.text == name; });
  if (found != block.names.end()) {
    const int k = kFirstNameEntry + static_cast<int>(found - block.names.begin());
    const std::span<const std::uint8_t> old = source_.fileBytes();
    std::vector<std::uint8_t> bytes(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(entryOffset(k)));
    putCount(bytes, block.count - 1);
    // Every later entry moves one place up and is coded anew for its new place.
    for (int j = k + 1; j <= block.count; ++j) {
      const auto entry = buildEntry(j - 1, plainRecordAt(old, j), filler_);
      bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    bytes.insert(bytes.end(), old.begin() + static_cast<std::ptrdiff_t>(block.entriesEnd), old.end());
    if (!ReplaceFileAtomically(dataFile(), bytes)) return -3;
    block.names.erase(found);
    --block.count;
  }
  adoptBlock(block);
  ListNames(names);
  return result;
}

bool NamesBlock::FindName(std::string_view name, bool sorted, int& entry) const {
  const std::vector<NameRecord>& list = sorted ? nameListSorted_ : nameList_;
  for (std::size_t place = 0; place < list.size(); ++place) {
    if (list[place].text == name) {
      entry = kFirstNameEntry + static_cast<int>(place);
      return true;
    }
  }
  return false;
}

void NamesBlock::ListNames(std::vector<std::string>& names) { ListNewestFirst(nameListSorted_, names); }

}  // namespace zrx
