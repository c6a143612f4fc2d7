#pragma once
// The player names and the settings line, kept in a coded block inside
// "Source/Data0.zrx" between the container header and the compressed block.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "clock.h"
#include "container_format.h"
#include "filler_source.h"
#include "source_coding.h"

namespace zrx {

struct NameRecord {
  std::string text;       // at most 20 characters
  double timestamp = 0;   // day count of the moment it was last written
  bool operator==(const NameRecord&) const = default;
};

// The 29 plain bytes of an entry record, and their coding at entry k (1-based).
std::array<std::uint8_t, kNameRecordSize> PackNameRecord(const NameRecord& record);
NameRecord UnpackNameRecord(std::span<const std::uint8_t, kNameRecordSize> plain);
void CodeNameRecord(int entry, std::span<std::uint8_t, kNameRecordSize> record, bool encode);

// A fresh block: the count 2, the reserved entry and the settings line.
std::vector<std::uint8_t> InitialNamesBlock(std::string_view settingsLine, double timestamp);

// `fresh` (a "Source" data file of a newer installation) with the names block of `old` (the
// player's copy) in place of its own: the player's names and settings line, byte for byte.
// nullopt when either file's block is cut short.
std::optional<std::vector<std::uint8_t>> CarryNamesBlock(std::span<const std::uint8_t> fresh,
                                                         std::span<const std::uint8_t> old);

// 0 when a player may use the name; -1 empty; -2 it holds one of \ / : * ? " < > | '
int CheckName(std::string_view name);

enum NameWriteMode { kWriteNameOnly = 0, kWriteSettingsOnly = 2, kWriteNameAndSettings = 1 };

class NamesBlock {
 public:
  // The file is read through `readFile` and written to the file system.
  NamesBlock(std::filesystem::path programFolder, const Clock& clock, FillerSource filler,
             ReadOnlyMarkRemover removeReadOnlyMark = RemoveReadOnlyMark,
             PackageFileReader readFile = ReadPackageFile);

  // Reads the block; fills the lists and `names` (newest first). The item count
  // of the file, or -3 / -4 bad settings line, -5 bad timestamp, -6 unreadable
  // block, or the negative result of opening the file.
  int ReadNames(std::vector<std::string>& names);

  // Records a name (mode 0), the settings line (mode 2) or both (any other mode).
  // `names`, when given, receives the names newest first. -6 when the file could
  // not be rewritten (the old file then stays as it was).
  int WriteName(std::vector<std::string>* names, std::string_view name, int mode, std::string_view settingsLine);

  // Removes a name; a name that is not recorded changes nothing. -3 when the
  // file could not be rewritten.
  int DeleteName(std::vector<std::string>& names, std::string_view name);

  // Exact, case-sensitive lookup; `entry` is the entry number (3..NameCount).
  bool FindName(std::string_view name, bool sorted, int& entry) const;

  // Adds the names newest first; leaves NameListSorted in ascending time order.
  void ListNames(std::vector<std::string>& names);

  int NameCount() const { return nameCount_; }
  const std::vector<NameRecord>& NameList() const { return nameList_; }
  const std::vector<NameRecord>& NameListSorted() const { return nameListSorted_; }
  const std::string& settingsLine() const { return settingsLine_; }

 private:
  struct Block;
  // Decodes the block of the file just opened; false when it is cut short.
  bool parseBlock(Block& block) const;
  void adoptBlock(const Block& block);
  std::filesystem::path dataFile() const;

  SourceCoding source_;
  const Clock& clock_;
  FillerSource filler_;
  int nameCount_ = 0;
  std::vector<NameRecord> nameList_;
  std::vector<NameRecord> nameListSorted_;
  std::string settingsLine_;
};

}  // namespace zrx
