#include "game_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace zrx {
namespace {

// Line numbers (1-based) of the fixed head of a game file.
enum HeadLine : std::size_t {
  kSourceLine = 1, kBookLine, kPlayerLine, kDifficultyLine, kVersionLine, kChapterLine,
  kNoteCountLine, kEquipmentCountLine, kEquippedLine, kInfoCountLine, kHiddenCountLine,
  kCharacteristicCountLine, kMagicCountLine, kPathCountLine, kFirstNoteLine
};

constexpr std::string_view kOlderVersions[] = {"0.700.10", "0.701.10"};
constexpr int kMaxByte = 255;

std::string threeDigits(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", number);
  return text;
}

bool parseInt(std::string_view text, int& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && ptr == end;
}

bool parseThreeDigits(std::string_view text, int& value) {
  return text.size() == 3 && text.find_first_not_of("0123456789") == std::string_view::npos &&
         parseInt(text, value);
}

std::vector<std::string_view> splitBars(std::string_view line) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t bar; (bar = line.find('|', start)) != std::string_view::npos; start = bar + 1) {
    parts.push_back(line.substr(start, bar - start));
  }
  parts.push_back(line.substr(start));
  return parts;
}

// "nnn|value": the three-digit number, then an integer from the fifth character on.
bool parseNumberedValue(std::string_view line, int& number, std::int32_t& value) {
  return line.size() > 4 && line[3] == '|' && parseThreeDigits(line.substr(0, 3), number) &&
         parseInt(line.substr(4), value);
}

bool parseCharacteristic(std::string_view line, SavedGame::Characteristic& c) {
  const auto parts = splitBars(line);
  if (parts.size() != 4 || !parseInt(parts[0], c.number) || !parseInt(parts[1], c.minimum) ||
      !parseInt(parts[2], c.start) || !parseInt(parts[3], c.current)) {
    return false;
  }
  for (int v : {c.minimum, c.start, c.current}) {
    if (v < 0 || v > kMaxByte) return false;
  }
  return true;
}

bool parseMagicSkill(std::string_view line, SavedGame::MagicSkill& m) {
  const auto parts = splitBars(line);
  return parts.size() == 3 && parseThreeDigits(parts[0], m.number) && parseInt(parts[1], m.level) &&
         parseInt(parts[2], m.uses) && m.level >= 0 && m.level <= kMaxByte && m.uses >= 0 &&
         m.uses <= kMaxByte;
}

bool parseEquipped(std::string_view line, std::array<int, kEquippedSlotCount>& slots) {
  slots.fill(0);
  if (!line.empty() && line[0] == '0') return true;
  if (line.size() < 1 + 3 * kEquippedSlotCount) return false;
  for (int i = 0; i < kEquippedSlotCount; ++i) {
    if (!parseThreeDigits(line.substr(1 + 3 * i, 3), slots[i])) return false;
  }
  return true;
}

// Walks the counted sections of the lines in file order.
class LineCursor {
 public:
  explicit LineCursor(const std::vector<std::string>& lines) : lines_(lines) {}

  const std::string& at(std::size_t lineNumber) const { return lines_[lineNumber - 1]; }
  bool has(std::size_t lineNumber) const { return lineNumber >= 1 && lineNumber <= lines_.size(); }

  // The count on a head line, bounded by the lines that are really there.
  bool count(std::size_t lineNumber, std::size_t& value) const {
    int n = 0;
    if (!has(lineNumber) || !parseInt(at(lineNumber), n) || n < 0) return false;
    value = static_cast<std::size_t>(n);
    return value <= lines_.size();
  }

  // The next `n` lines of the body; false when the file ends first.
  template <typename Each>
  bool section(std::size_t n, Each each) {
    if (n > lines_.size() - std::min(next_ - 1, lines_.size())) return false;
    for (std::size_t i = 0; i < n; ++i, ++next_) {
      if (!each(i, at(next_))) return false;
    }
    return true;
  }

  void startAt(std::size_t lineNumber) { next_ = lineNumber; }
  std::size_t nextLine() const { return next_; }

 private:
  const std::vector<std::string>& lines_;
  std::size_t next_ = 1;
};

template <typename T, typename Parse>
auto into(std::vector<T>& out, Parse parse) {
  return [&out, parse](std::size_t, const std::string& line) {
    T value{};
    if (!parse(line, value)) return false;
    out.push_back(value);
    return true;
  };
}

bool parseItem(std::string_view line, SavedGame::Item& item) {
  return parseNumberedValue(line, item.number, item.count);
}

bool parseInfo(std::string_view line, SavedGame::Info& info) {
  return parseNumberedValue(line, info.number, info.time);
}

}  // namespace

std::string ComposeEquippedLine(const std::array<int, kEquippedSlotCount>& equipped) {
  bool any = false;
  for (int item : equipped) any = any || item != 0;
  if (!any) return "0";
  std::string line = "1";
  for (int item : equipped) line += threeDigits(item);
  return line;
}

std::vector<std::string> ComposeGameLines(const SavedGame& game) {
  std::vector<std::string> lines = {
      game.sourceName,
      std::to_string(game.bookNumber),
      game.playerName,
      std::to_string(game.difficulty),
      game.version,
      std::to_string(game.currentChapter),
      std::to_string(kOwnNoteCount),
      std::to_string(game.equipment.size()),
      ComposeEquippedLine(game.equippedItems),
      std::to_string(game.infos.size()),
      std::to_string(game.hiddenInfos.size()),
      std::to_string(game.characteristics.size()),
      std::to_string(game.magicSkills.size()),
      std::to_string(game.visitedPath.size()),
  };
  lines.insert(lines.end(), game.ownNotes.begin(), game.ownNotes.end());
  for (const auto& item : game.equipment) lines.push_back(threeDigits(item.number) + "|" + std::to_string(item.count));
  for (const auto* list : {&game.infos, &game.hiddenInfos}) {
    for (const auto& info : *list) lines.push_back(threeDigits(info.number) + "|" + std::to_string(info.time));
  }
  for (const auto& c : game.characteristics) {
    lines.push_back(std::to_string(c.number) + "|" + std::to_string(c.minimum) + "|" +
                    std::to_string(c.start) + "|" + std::to_string(c.current));
  }
  for (const auto& m : game.magicSkills) {
    lines.push_back(threeDigits(m.number) + "|" + std::to_string(m.level) + "|" + std::to_string(m.uses));
  }
  lines.insert(lines.end(), game.visitedPath.begin(), game.visitedPath.end());
  return lines;
}

int CheckGameLines(const std::vector<std::string>& lines, std::string_view expectedFileName,
                   std::string_view playerName) {
  if (lines.empty()) return -1;
  LineCursor cursor(lines);
  const std::string_view version =
      cursor.has(kVersionLine) ? std::string_view(cursor.at(kVersionLine)) : std::string_view();
  bool known = version == kSaveFormatVersion;
  for (auto older : kOlderVersions) known = known || version == older;
  if (!known) return -21;
  int difficulty = -1;
  if (!cursor.has(kDifficultyLine) || !parseInt(cursor.at(kDifficultyLine), difficulty) ||
      difficulty < 0 || difficulty > 2) {
    return -22;
  }
  if (!cursor.has(kPlayerLine) || cursor.at(kPlayerLine) != playerName) return -23;
  if (version == kSaveFormatVersion && lines.back() != expectedFileName) return -24;
  SavedGame parsed;
  return ParseGameLines(lines, parsed);
}

int ParseGameLines(const std::vector<std::string>& lines, SavedGame& game) {
  game = SavedGame{};
  LineCursor cursor(lines);
  std::size_t notes = 0, items = 0, infos = 0, hidden = 0, characteristics = 0, magic = 0, path = 0;
  if (!cursor.has(kPathCountLine) || !parseInt(cursor.at(kBookLine), game.bookNumber) ||
      !parseInt(cursor.at(kDifficultyLine), game.difficulty) ||
      !parseInt(cursor.at(kChapterLine), game.currentChapter) ||
      !parseEquipped(cursor.at(kEquippedLine), game.equippedItems) ||
      !cursor.count(kNoteCountLine, notes) || !cursor.count(kEquipmentCountLine, items) ||
      !cursor.count(kInfoCountLine, infos) || !cursor.count(kHiddenCountLine, hidden) ||
      !cursor.count(kCharacteristicCountLine, characteristics) ||
      !cursor.count(kMagicCountLine, magic) || !cursor.count(kPathCountLine, path)) {
    return -5;
  }
  game.sourceName = cursor.at(kSourceLine);
  game.playerName = cursor.at(kPlayerLine);
  game.version = cursor.at(kVersionLine);
  cursor.startAt(kFirstNoteLine);
  const auto takeNote = [&game](std::size_t i, const std::string& line) {
    if (i < game.ownNotes.size()) game.ownNotes[i] = line;
    return true;
  };
  const auto takePath = [&game](std::size_t, const std::string& line) {
    int chapter = 0;
    if (!parseInt(line, chapter)) return false;
    game.visitedPath.push_back(line);
    return true;
  };
  const bool ok = cursor.section(notes, takeNote) &&
                  cursor.section(items, into(game.equipment, parseItem)) &&
                  cursor.section(infos, into(game.infos, parseInfo)) &&
                  cursor.section(hidden, into(game.hiddenInfos, parseInfo)) &&
                  cursor.section(characteristics, into(game.characteristics, parseCharacteristic)) &&
                  cursor.section(magic, into(game.magicSkills, parseMagicSkill)) &&
                  cursor.section(path, takePath);
  if (!ok) return -5;
  if (cursor.has(cursor.nextLine())) game.fileName = lines.back();
  return 0;
}

}  // namespace zrx
