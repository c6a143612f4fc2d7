#include "save_index.h"

#include <algorithm>
#include <filesystem>

namespace zrx {
namespace {

constexpr std::size_t kIndexFields = 8;
constexpr std::size_t kOwnerFields = 4;  // another player's line is read up to its file name

// At most `maxFields` fields; the last one keeps any further separators.
std::vector<std::string> splitFields(std::string_view line, std::size_t maxFields) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() + 1 < maxFields) {
    const std::size_t bar = line.find('|', start);
    if (bar == std::string_view::npos) break;
    fields.emplace_back(line.substr(start, bar - start));
    start = bar + 1;
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

// Reads one line after the sentinel into the index; 0, -6 or -7.
int takeLine(std::string_view line, std::size_t lineIndex, std::string_view player, SaveIndex& index) {
  if (line.find('|') == std::string_view::npos) return -6;
  const auto fields = splitFields(line, kIndexFields);
  const bool own = fields[0] == player;
  if (fields.size() < (own ? kIndexFields : kOwnerFields)) return -7;
  if (!IsValidSaveFileName(fields[3])) return -7;
  index.takenFileNames.push_back(fields[3]);
  if (own) {
    index.entries.push_back(SaveEntry{lineIndex, fields[1], fields[2], fields[3], fields[4],
                                      fields[5], fields[6], fields[7]});
  }
  return 0;
}

}  // namespace

bool ReadIndexLine(std::string_view line, std::string& player, SaveEntry& entry) {
  const auto fields = splitFields(line, kIndexFields);
  if (fields.size() < kIndexFields || !IsValidSaveFileName(fields[3])) return false;
  player = fields[0];
  entry = SaveEntry{0, fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], fields[7]};
  return true;
}

int SaveIndex::FindSaveName(std::string_view saveName) const {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].saveName == saveName) return static_cast<int>(i);
  }
  return -1;
}

bool SaveIndex::IsTaken(std::string_view fileName) const {
  return std::find(takenFileNames.begin(), takenFileNames.end(), fileName) != takenFileNames.end();
}

bool IsValidSaveFileName(std::string_view name) {
  return name.size() == kFileNameLength &&
         name.find_first_not_of(kFileNameAlphabet) == std::string_view::npos;
}

int LayEmptySaveIndex(const std::filesystem::path& programFolder) {
  const SaveFolder folder(programFolder);
  if (folder.indexExists()) return 0;
  std::error_code ec;
  std::filesystem::create_directories(folder.folder(), ec);
  if (ec) return -2;
  return folder.Write({std::string(kIndexSentinel)}, kIndexName, kIndexExtension) == 0 ? 0 : -2;
}

int SearchIndex(const SaveFolder& folder, std::string_view player, SaveIndex& index) {
  index = SaveIndex{};
  const int rc = folder.Read(index.lines, kIndexName, kIndexExtension);
  if (rc != 0) return rc;
  if (index.lines.empty()) return 0;
  if (index.lines[0] != kIndexSentinel) return -5;
  for (std::size_t i = 1; i < index.lines.size(); ++i) {
    const int lineRc = takeLine(index.lines[i], i, player, index);
    if (lineRc != 0) return lineRc;
  }
  return 0;
}

std::string ComposeIndexLine(std::string_view player, const SaveEntry& entry) {
  std::string line(player);
  for (const std::string* field : {&entry.date, &entry.saveName, &entry.fileName, &entry.package,
                                   &entry.title, &entry.difficulty, &entry.chapter}) {
    line += '|';
    line += *field;
  }
  return line;
}

std::string DrawFileName(const SaveIndex& index, const SaveFolder& folder, SaveRandom& random) {
  random.Reseed();
  std::string name(kFileNameLength, ' ');
  for (;;) {
    for (char& c : name) c = kFileNameAlphabet[random.Below(kFileNameAlphabet.size())];
    std::error_code ec;
    if (!index.IsTaken(name) && !std::filesystem::exists(folder.filePath(name, kGameExtension), ec)) {
      return name;
    }
  }
}

}  // namespace zrx
