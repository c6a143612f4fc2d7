#include "save_load_screen.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

#include "date_text.h"
#include "game_transfer.h"
#include "index_repair.h"
#include "lifecycle.h"
#include "navigation.h"
#include "save_store.h"
#include "saved_statistics.h"
#include "win1250.h"
#include "offers.h"

namespace zrx {

// A failed write of the save folder, as the player is told of it.
struct WriteFailure {
  int result;
  int code;
  const char* file;  // relative to the program folder
  const char* reason;
};

namespace {

constexpr int kNoSaveFolderCode = 301;
constexpr int kNoIndexCode = 302;

constexpr std::array<ResultCode, 9> kIndexSearchErrors = {{
    {-11, 310}, {-10, 311}, {-7, 308}, {-6, 307}, {-5, 306}, {-4, 305}, {-3, 304}, {-2, 303}, {-1, 309}}};

constexpr std::array<WriteFailure, 4> kSaveFailures = {{{-1, 312, "Save", "nem található"},
                                                        {-2, 313, "Save/Save.zrx", "nem található"},
                                                        {-3, 314, "Save", "nem írható"},
                                                        {-4, 315, "Save/Save.zrx", "nem írható"}}};
constexpr std::array<WriteFailure, 3> kDeleteFailures = {{{-1, 326, "Save", "nem található"},
                                                          {-2, 327, "Save/Save.zrx", "nem található"},
                                                          {-3, 328, "Save/Save.zrx", "nem írható"}}};
constexpr std::array<ResultCode, 11> kLoadErrors = {{
    {-24, 329}, {-23, 323}, {-22, 324}, {-21, 325}, {-11, 319}, {-10, 320}, {-5, 322}, {-4, 318},
    {-3, 317}, {-2, 316}, {-1, 321}}};

// Index damage that a rebuild from the game files repairs; a missing or unreadable file is
// no damage of its content.
bool isDamagedIndex(int result) { return result <= -3 && result >= -7; }

const std::string kIndexFile = std::string(kSaveFolderName) + "/" + std::string(kIndexName) + "." +
                               std::string(kIndexExtension);

std::string gameFilePath(const std::string& fileName) {
  return std::string(kSaveFolderName) + "/" + fileName + "." + std::string(kGameExtension);
}

std::string trimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The list shows the long date form when the stored text is a date of the index's format.
std::string listDate(const std::string& stored) {
  DateTime moment;
  char tail = 0;
  if (stored.size() == 20 &&
      std::sscanf(stored.c_str(), "%4d.%2d.%2d. %2d:%2d:%2d%c", &moment.year, &moment.month, &moment.day,
                  &moment.hour, &moment.minute, &moment.second, &tail) == 6 &&
      std::chrono::year_month_day(std::chrono::year(moment.year) / moment.month / moment.day).ok() &&
      moment.hour <= 23 && moment.minute <= 59 && moment.second <= 59 && SaveDateText(moment) == stored) {
    return DatumAtalakitas(1, moment);
  }
  return stored;
}

std::string difficultyName(const std::string& stored) {
  for (int d = 0; d < 3; ++d) {
    if (stored == std::to_string(d)) return DifficultyText(d);
  }
  return stored;
}

}  // namespace

std::string SaveDateText(const DateTime& m) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d.%02d.%02d. %02d:%02d:%02d", m.year, m.month, m.day, m.hour,
                m.minute, m.second);
  return text;
}

SaveLoadScreen::SaveLoadScreen(Game& game, SaveWindowMode mode, SaveRandom& random)
    : game_(game), mode_(mode), random_(random), folder_(game.programFolder()) {}

bool SaveLoadScreen::reportIfFailed(int result, std::span<const ResultCode> table, const std::string& file) {
  if (result == 0) return false;
  ReportResult(game_.errors, table, result, file);
  return true;
}

bool SaveLoadScreen::tellIfNotWritten(int result, std::span<const WriteFailure> table, const char* what) {
  if (result == 0) return false;
  for (const WriteFailure& failure : table) {
    if (failure.result != result) continue;
    game_.ui().QuestionFormInfo(std::string(what) + " nem sikerült, a játék folytatódik!",
                                "HIBA " + ErrorCodeText(failure.code) + ": " + failure.file + " " + failure.reason);
  }
  return true;
}

bool SaveLoadScreen::repairIndex() {
  IndexRepair repair;
  if (RepairIndex(folder_, game_.clock().now(), repair) != 0) return false;
  game_.ui().QuestionFormInfo("A mentések listája (" + kIndexFile + ") megsérült, félretettük: " +
                                  std::string(kSaveFolderName) + "/" + repair.setAsideName,
                              "Az új lista " + std::to_string(repair.rebuiltGames) +
                                  " olvasható mentett játékból készült.");
  return true;
}

bool SaveLoadScreen::Open() {
  if (game_.errors.FatalErrorFlag()) return false;
  if (!folder_.folderExists()) {
    game_.errors.HibaHozzairas(kNoSaveFolderCode, kSaveFolderName);
    return false;
  }
  if (!folder_.indexExists()) {
    game_.errors.HibaHozzairas(kNoIndexCode, kIndexFile);
    return false;
  }
  // What a crash left half written is never read; game files that no index line names
  // stay where they are but are never listed, since only the index is listed.
  folder_.RemoveStaleTemporaries();
  int searched = SearchIndex(folder_, game_.state.PlayerName, index_);
  if (isDamagedIndex(searched) && repairIndex()) searched = SearchIndex(folder_, game_.state.PlayerName, index_);
  if (reportIfFailed(searched, kIndexSearchErrors, kIndexFile)) return false;
  if (mode_ == SaveWindowMode::Load && !HasSaves()) {
    game_.ui().QuestionFormInfo("Nincs mentésed a jelenlegi", "Felhasználónévvel!");
    return false;
  }
  opened_ = true;
  return true;
}

std::vector<std::string> SaveLoadScreen::ListLines() const {
  std::vector<std::string> lines;
  for (const auto& entry : index_.entries) {
    lines.push_back(entry.saveName + " | " + listDate(entry.date) + " | " + entry.title);
  }
  return lines;
}

std::string SaveLoadScreen::DetailsLine(std::size_t position) const {
  const SaveEntry& entry = index_.entries.at(position);
  return entry.package + " | " + entry.title + " | " + entry.chapter + " | " + difficultyName(entry.difficulty);
}

bool SaveLoadScreen::CheckSaveName(std::string_view typed, std::string& name) {
  name = trimBlanks(Utf8Cut(typed, kSaveNameMax));
  if (name.empty()) return false;
  if (name.find_first_of(kForbiddenNameCharacters) != std::string::npos) {
    game_.ui().QuestionFormInfo("Nem megengedett karakterek vannak a névben!", "Adj meg másik mentési nevet!");
    game_.ui().QuestionFormInfo("A nem megengedett karakterek a következők:", "\\ / : * ? \" ' < > |");
    return false;
  }
  // A name must survive the Windows-1250 index on one line.
  const bool control = std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  if (control || !FitsWin1250(name)) {
    game_.ui().QuestionFormInfo("Nem megengedett karakterek vannak a névben!", "Adj meg másik mentési nevet!");
    return false;
  }
  return true;
}

SaveWindowNext SaveLoadScreen::SaveGame(const std::string& name) {
  GameState& state = game_.state;
  // Without the index read at opening, writing would put a stale index in its place.
  if (!opened_ || !state.GameLoaded) return SaveWindowNext::Stay;
  const SavedGame saved = CaptureSavedGame(game_);
  const int existing = index_.FindSaveName(name);
  if (existing >= 0) {
    state.QuestionAnswer = game_.ui().QuestionFormKerdes("A megadott mentési név már létezik!", "Felülírod?");
    if (!state.QuestionAnswer) {
      state.navigation.ChaptersSinceSave = kChaptersSinceSaveAfterSave;
      Navigation(game_).RecheckSaveAllowed();
      return SaveWindowNext::Stay;
    }
  }
  SaveEntry entry;
  entry.date = SaveDateText(game_.clock().now());
  entry.saveName = name;
  entry.package = state.SourceName;
  entry.title = state.CurrentBook.Title;
  entry.difficulty = std::to_string(state.Difficulty);
  entry.chapter = std::to_string(saved.currentChapter);
  const int result = StoreGame(folder_, index_, state.PlayerName, entry, ComposeGameLines(saved), existing, random_);
  // The running game goes on: the player may save elsewhere later or play on.
  if (tellIfNotWritten(result, kSaveFailures, "A mentés")) return SaveWindowNext::Stay;
  const std::size_t stored = existing >= 0 ? static_cast<std::size_t>(existing) : index_.entries.size() - 1;
  WriteStatistics(folder_, index_.entries[stored].fileName, state.tally, game_.clock().now());
  state.navigation.ChaptersSinceSave = kChaptersSinceSaveAfterSave;
  // The save button must not offer another save before the settings' interval has passed.
  Navigation(game_).RecheckSaveAllowed();
  return SaveWindowNext::Close;
}

SaveWindowNext SaveLoadScreen::LoadGame(std::size_t position) {
  if (!opened_ || mode_ != SaveWindowMode::Load || position >= index_.entries.size()) {
    return SaveWindowNext::Stay;
  }
  SavedGame saved;
  // The file is read and checked completely before the running game is touched.
  const int result = ReadGame(folder_, index_.entries[position], game_.state.PlayerName, saved);
  if (reportIfFailed(result, kLoadErrors, gameFilePath(index_.entries[position].fileName))) {
    return SaveWindowNext::Close;
  }
  Lifecycle(game_).Befejez();
  if (!ApplySavedGame(game_, saved)) return SaveWindowNext::Close;
  ReadStatistics(folder_, index_.entries[position].fileName, game_.clock().now(), game_.state.tally);
  game_.state.GameLoaded = true;
  return SaveWindowNext::Loaded;
}

bool SaveLoadScreen::ConfirmDelete(std::size_t position) {
  if (position >= index_.entries.size()) return false;
  game_.state.QuestionAnswer =
      game_.ui().QuestionFormKerdes("Biztosan törlöd ezt a Mentést?", index_.entries[position].saveName);
  return game_.state.QuestionAnswer;
}

SaveWindowNext SaveLoadScreen::DeleteGame(std::size_t position) {
  if (!opened_ || position >= index_.entries.size()) return SaveWindowNext::Stay;
  const std::string fileName = index_.entries[position].fileName;
  const int result = zrx::DeleteGame(folder_, index_, position);
  if (!tellIfNotWritten(result, kDeleteFailures, "A törlés")) RemoveStatistics(folder_, fileName);
  return SaveWindowNext::Stay;
}

void EnterLoadedGame(Game& game) {
  game.state.navigation.ChaptersSinceSave = kChaptersSinceSaveAfterLoad;
  Lifecycle(game).FormTalcaAnimalas();
  Offers(game).FelszTargyAlaphelyzet();
  Navigation(game).FejezetPont();
}

}  // namespace zrx
