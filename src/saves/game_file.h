#pragma once
// The lines of a game file ("<name>.zrm"): what a saved game records, how those
// lines are composed, and the checks a read file passes before anything is restored.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zrx {

inline constexpr std::string_view kSaveFormatVersion = "0.702.10";
inline constexpr int kOwnNoteCount = 5;
inline constexpr int kEquippedSlotCount = 6;

// The content of a game file, as plain values.
struct SavedGame {
  struct Item {
    int number = 0;
    std::int32_t count = 0;
    bool operator==(const Item&) const = default;
  };
  struct Info {
    int number = 0;
    std::int32_t time = 0;
    bool operator==(const Info&) const = default;
  };
  struct Characteristic {
    int number = 0;
    int minimum = 0;
    int start = 0;
    int current = 0;
    bool operator==(const Characteristic&) const = default;
  };
  struct MagicSkill {
    int number = 0;
    int level = 0;
    int uses = 0;
    bool operator==(const MagicSkill&) const = default;
  };

  std::string sourceName;
  int bookNumber = 0;
  std::string playerName;
  int difficulty = 0;
  std::string version{kSaveFormatVersion};
  int currentChapter = 0;
  std::array<std::string, kOwnNoteCount> ownNotes;
  std::array<int, kEquippedSlotCount> equippedItems{};
  std::vector<Item> equipment;
  std::vector<Info> infos;
  std::vector<Info> hiddenInfos;
  std::vector<Characteristic> characteristics;
  std::vector<MagicSkill> magicSkills;
  std::vector<std::string> visitedPath;  // decimal chapter numbers, oldest first
  std::string fileName;                  // the last line; empty in files of older versions

  bool operator==(const SavedGame&) const = default;
};

// The game lines up to the visited path; the file name line is appended by the save.
std::vector<std::string> ComposeGameLines(const SavedGame& game);

// Line 9: "0" when no slot is used, else "1" and the six item numbers in three digits.
std::string ComposeEquippedLine(const std::array<int, kEquippedSlotCount>& equipped);

// Checks a read game file before anything changes. 0; -1 no lines; -21 unknown version;
// -22 difficulty outside 0..2; -23 another player's game; -24 (current version) the
// last line is not the file's own name; -5 the lines do not form a game file (a count,
// number or value that cannot be read, fewer lines than announced, a value above 255).
int CheckGameLines(const std::vector<std::string>& lines, std::string_view expectedFileName,
                   std::string_view playerName);

// Reads checked lines into `game`. 0, or -5 as in CheckGameLines.
int ParseGameLines(const std::vector<std::string>& lines, SavedGame& game);

}  // namespace zrx
