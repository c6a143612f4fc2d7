#include "index_repair.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <map>
#include <system_error>
#include <vector>

#include "date_text.h"
#include "game_file.h"
#include "save_index.h"
#include "save_load_screen.h"
#include "source_coding.h"

namespace zrx {
namespace {
namespace fs = std::filesystem;

constexpr std::string_view kRestoredSaveName = "Visszaállítva ";
constexpr std::string_view kUnknownTitle = "(ismeretlen könyv)";

struct GameFile {
  fs::file_time_type written;
  std::string name;
};

// Game files of a valid name, oldest first.
std::vector<GameFile> gameFiles(const SaveFolder& folder) {
  std::vector<GameFile> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder.folder(), ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& path = it->path();
    if (path.extension() != "." + std::string(kGameExtension) || !IsValidSaveFileName(path.stem().string())) continue;
    std::error_code timeError;
    files.push_back({fs::last_write_time(path, timeError), path.stem().string()});
  }
  std::sort(files.begin(), files.end(), [](const GameFile& a, const GameFile& b) {
    return a.written != b.written ? a.written < b.written : a.name < b.name;
  });
  return files;
}

// The readable lines of the damaged index, by file name.
std::map<std::string, std::pair<std::string, SaveEntry>> salvagedLines(const SaveFolder& folder) {
  std::map<std::string, std::pair<std::string, SaveEntry>> salvaged;
  std::vector<std::string> lines;
  if (folder.Read(lines, kIndexName, kIndexExtension) != 0) return salvaged;
  for (const std::string& line : lines) {
    std::string player;
    SaveEntry entry;
    if (ReadIndexLine(line, player, entry)) salvaged[entry.fileName] = {player, entry};
  }
  return salvaged;
}

DateTime localTimeOf(fs::file_time_type written) {
  const auto system = std::chrono::file_clock::to_sys(written);
  const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
  std::tm local{};
  localtime_r(&seconds, &local);
  return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, 0};
}

// Book titles by package, read once per package.
class Titles {
 public:
  explicit Titles(fs::path programFolder) : programFolder_(std::move(programFolder)) {}

  std::string of(const std::string& package, int bookNumber) {
    auto found = books_.find(package);
    if (found == books_.end()) found = books_.emplace(package, load(package)).first;
    const auto& books = found->second;
    if (bookNumber < 1 || static_cast<std::size_t>(bookNumber) > books.size()) return std::string(kUnknownTitle);
    return books[static_cast<std::size_t>(bookNumber) - 1].Title;
  }

 private:
  std::vector<TBookRec> load(const std::string& package) const {
    std::vector<TBookRec> books;
    if (!IsPackageFolder(programFolder_, package)) return books;
    SourceCoding coding(programFolder_);
    int bookCount = 0;
    std::vector<Picture> covers;
    if (coding.CheckPackage(package, bookCount) < 0 || coding.LoadBookList(package, bookCount, books, covers) < 0) {
      books.clear();
    }
    return books;
  }

  fs::path programFolder_;
  std::map<std::string, std::vector<TBookRec>> books_;
};

// The index line of one game file that reads, or nothing.
bool indexLineOf(const SaveFolder& folder, const GameFile& file, const auto& salvaged, Titles& titles,
                 std::string& line) {
  std::vector<std::string> lines;
  if (folder.Read(lines, file.name, kGameExtension) != 0 || lines.size() < 3) return false;
  const std::string player = lines[2];
  SavedGame game;
  if (player.empty() || player.find('|') != std::string::npos) return false;
  if (CheckGameLines(lines, file.name, player) != 0 || ParseGameLines(lines, game) != 0) return false;

  SaveEntry entry;
  const auto known = salvaged.find(file.name);
  if (known != salvaged.end() && known->second.first == player) {
    entry = known->second.second;
  } else {
    entry.date = SaveDateText(localTimeOf(file.written));
    entry.saveName = std::string(kRestoredSaveName) + file.name;
    entry.title = titles.of(game.sourceName, game.bookNumber);
  }
  entry.fileName = file.name;
  entry.package = game.sourceName;
  entry.difficulty = std::to_string(game.difficulty);
  entry.chapter = std::to_string(game.currentChapter);
  line = ComposeIndexLine(player, entry);
  return true;
}

// A name beside the index that nothing uses yet.
fs::path setAsidePath(const SaveFolder& folder, const DateTime& now) {
  const std::string stem = "Save_hibas_(" + DatumAtalakitas(0, now) + ")";
  fs::path path = folder.folder() / (stem + ".zrx");
  std::error_code ec;
  for (int n = 2; fs::exists(path, ec) || fs::is_symlink(path, ec); ++n) {
    path = folder.folder() / (stem + "_" + std::to_string(n) + ".zrx");
  }
  return path;
}

}  // namespace

int RepairIndex(const SaveFolder& folder, const DateTime& now, IndexRepair& repair) {
  repair = IndexRepair{};
  const auto salvaged = salvagedLines(folder);
  Titles titles(folder.folder().parent_path());
  std::vector<std::string> lines{std::string(kIndexSentinel)};
  for (const GameFile& file : gameFiles(folder)) {
    std::string line;
    if (indexLineOf(folder, file, salvaged, titles, line)) lines.push_back(std::move(line));
  }

  const fs::path index = folder.filePath(kIndexName, kIndexExtension);
  const fs::path aside = setAsidePath(folder, now);
  std::error_code ec;
  fs::rename(index, aside, ec);
  if (ec) return -1;
  if (folder.Write(lines, kIndexName, kIndexExtension) != 0) {
    fs::rename(aside, index, ec);
    return -2;
  }
  repair.setAsideName = aside.filename().string();
  repair.rebuiltGames = static_cast<int>(lines.size()) - 1;
  return 0;
}

}  // namespace zrx
