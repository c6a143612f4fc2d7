#pragma once
// The save index "Save.zrx": a sentinel line, then one line per saved game of any
// player, "player|date|save name|file name|package|title|difficulty|chapter point".
#include <string>
#include <string_view>
#include <vector>

#include "save_folder.h"
#include "save_random.h"

namespace zrx {

inline constexpr std::string_view kIndexSentinel =
    "SOURCE|2000.01.01.00:00:00|SOURCE|SOURCE|SOURCE|SOURCE|0|0";
inline constexpr std::string_view kFileNameAlphabet = "0123456789QWERTZUIOPASDFGHJKLYXCVBNM";
inline constexpr std::size_t kFileNameLength = 10;

// One saved game of the current player, as its index line gives it.
struct SaveEntry {
  std::size_t lineIndex = 0;  // position of its line in the index (0 is the sentinel)
  std::string date;
  std::string saveName;
  std::string fileName;
  std::string package;
  std::string title;
  std::string difficulty;
  std::string chapter;
};

// The index as read for one player.
struct SaveIndex {
  std::vector<std::string> lines;
  std::vector<SaveEntry> entries;           // the player's saves, in index order
  std::vector<std::string> takenFileNames;  // file names listed for any player

  // Position in `entries` of the save with exactly this name, or -1.
  int FindSaveName(std::string_view saveName) const;
  bool IsTaken(std::string_view fileName) const;
};

// Exactly ten characters of the file-name alphabet: nothing else may name a game file.
bool IsValidSaveFileName(std::string_view name);

// Reads and checks the index and splits out `player`'s saves. 0 (also for an index
// without lines); the read's code; -5 sentinel mismatch; -6 a line without "|";
// -7 a line with too few fields or a file name that is not a valid one.
int SearchIndex(const SaveFolder& folder, std::string_view player, SaveIndex& index);

// Lays out the save folder of a new installation: "Save" with an index that holds only
// the sentinel. The program itself never creates them; an index already there is kept.
// 0, or -2 when the folder or the index could not be written.
int LayEmptySaveIndex(const std::filesystem::path& programFolder);

// Reads a complete index line (eight fields, a valid file name); false when it is not one.
bool ReadIndexLine(std::string_view line, std::string& player, SaveEntry& entry);

// Joins the eight fields of an index line.
std::string ComposeIndexLine(std::string_view player, const SaveEntry& entry);

// Draws ten characters uniformly from the alphabet until the name is not taken and
// no file of that name lies in the folder.
std::string DrawFileName(const SaveIndex& index, const SaveFolder& folder, SaveRandom& random);

}  // namespace zrx
