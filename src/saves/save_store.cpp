#include "save_store.h"

namespace zrx {
namespace {

int folderState(const SaveFolder& folder) {
  if (!folder.folderExists()) return -1;
  if (!folder.indexExists()) return -2;
  return 0;
}

}  // namespace

int StoreGame(const SaveFolder& folder, SaveIndex& index, std::string_view player,
              SaveEntry entry, std::vector<std::string> gameLines, int existing,
              SaveRandom& random) {
  SaveIndex updated = index;
  if (existing >= 0) {
    const SaveEntry& old = updated.entries[static_cast<std::size_t>(existing)];
    entry.fileName = old.fileName;
    entry.lineIndex = old.lineIndex;
  } else {
    entry.fileName = DrawFileName(updated, folder, random);
    // An index without lines gets its sentinel back, so that it stays readable.
    if (updated.lines.empty()) updated.lines.emplace_back(kIndexSentinel);
    entry.lineIndex = updated.lines.size();
    updated.lines.emplace_back();
    updated.takenFileNames.push_back(entry.fileName);
  }
  updated.lines[entry.lineIndex] = ComposeIndexLine(player, entry);
  if (existing >= 0) {
    updated.entries[static_cast<std::size_t>(existing)] = entry;
  } else {
    updated.entries.push_back(entry);
  }
  gameLines.push_back(entry.fileName);

  if (const int rc = folderState(folder); rc != 0) return rc;
  // An overwritten game file gets its old bytes back when the index cannot follow, so
  // that the index and the files stay as they were.
  std::vector<std::uint8_t> previous;
  const bool hadPrevious = existing >= 0 && folder.ReadBytes(entry.fileName, kGameExtension, previous);
  if (folder.Write(gameLines, entry.fileName, kGameExtension) != 0) return -3;
  if (folder.Write(updated.lines, kIndexName, kIndexExtension) != 0) {
    if (hadPrevious) {
      folder.WriteBytes(previous, entry.fileName, kGameExtension);
    } else {
      folder.Remove(entry.fileName, kGameExtension);
    }
    return -4;
  }
  index = std::move(updated);
  return 0;
}

int ReadGame(const SaveFolder& folder, const SaveEntry& entry, std::string_view player,
             SavedGame& game) {
  // Only names of the alphabet ever reach the file system.
  if (!IsValidSaveFileName(entry.fileName)) return -5;
  std::vector<std::string> lines;
  if (const int rc = folder.Read(lines, entry.fileName, kGameExtension); rc != 0) return rc;
  if (const int rc = CheckGameLines(lines, entry.fileName, player); rc != 0) return rc;
  if (const int rc = ParseGameLines(lines, game); rc != 0) return rc;
  // The package name becomes part of a path: only a package folder that the program
  // lists is accepted, never a name with separators or a link to elsewhere.
  if (!IsPackageFolder(folder.folder().parent_path(), game.sourceName)) return -5;
  return 0;
}

int DeleteGame(const SaveFolder& folder, SaveIndex& index, std::size_t position) {
  SaveIndex updated = index;
  const SaveEntry removed = updated.entries[position];
  updated.lines.erase(updated.lines.begin() + static_cast<std::ptrdiff_t>(removed.lineIndex));
  updated.entries.erase(updated.entries.begin() + static_cast<std::ptrdiff_t>(position));
  for (auto& entry : updated.entries) {
    if (entry.lineIndex > removed.lineIndex) --entry.lineIndex;
  }
  if (const int rc = folderState(folder); rc != 0) return rc;
  if (folder.Write(updated.lines, kIndexName, kIndexExtension) != 0) return -3;
  index = std::move(updated);
  if (IsValidSaveFileName(removed.fileName)) folder.Remove(removed.fileName, kGameExtension);
  return 0;
}

}  // namespace zrx
