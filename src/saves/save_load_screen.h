#pragma once
// The engine side of the save window (TFormSaveLoad): its lists, the checks of a typed
// save name, and the save, load and delete actions that its timers run. A save or delete
// that cannot be written is told to the player and the game goes on; a damaged index is
// set aside and rebuilt. Other file failures are reported through the error log with the
// window's code; the window then closes, and the error window ends the program.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "error_log.h"
#include "game.h"
#include "save_folder.h"
#include "save_index.h"
#include "save_random.h"

namespace zrx {

enum class SaveWindowMode { Save, Load };

// What the window does after an action: stay open, close, or close after a load, when
// the main window goes on with EnterLoadedGame.
enum class SaveWindowNext { Stay, Close, Loaded };

inline constexpr std::size_t kSaveNameMax = 25;  // EditMentesNev takes at most this many
inline constexpr std::string_view kForbiddenNameCharacters = "\\/:*?\"'<>|";

// Chapters-since-save after a save (also a declined overwrite) and after a load.
inline constexpr std::uint8_t kChaptersSinceSaveAfterSave = 3;
inline constexpr std::uint8_t kChaptersSinceSaveAfterLoad = 2;

struct WriteFailure;

class SaveLoadScreen {
 public:
  SaveLoadScreen(Game& game, SaveWindowMode mode, SaveRandom& random);

  // Creation and showing: checks the save folder and the index and reads the player's
  // saves. False when the window must not be shown: an error was reported, or (load
  // mode) the player has no saves, which the notice of the load command tells. The
  // actions below do nothing unless the window opened.
  bool Open();

  SaveWindowMode mode() const { return mode_; }
  bool HasSaves() const { return !index_.entries.empty(); }
  const std::vector<SaveEntry>& entries() const { return index_.entries; }

  // ListBoxMentes: "save name | date | book title" per save, the date in its long form.
  std::vector<std::string> ListLines() const;
  // LabelMentesReszlet for a selected save: "package | title | chapter point | difficulty".
  std::string DetailsLine(std::size_t position) const;
  // The save whose name is exactly the typed text, or -1.
  int FindTypedName(std::string_view typed) const { return index_.FindSaveName(typed); }

  // LabelMentes: the typed name cut to the field's length and trimmed. Empty: false, no
  // notice. Forbidden or unwritable characters: the notices, false. Otherwise the name
  // goes to `name` and the save may start.
  bool CheckSaveName(std::string_view typed, std::string& name);

  // TimerMentesVegrehajto: saves the running game under a checked name, asking before
  // an existing save of that name is overwritten.
  SaveWindowNext SaveGame(const std::string& name);

  // TimerJatekBetolto: reads and checks the save at `position`, ends the running game and
  // restores the saved one (GameLoaded true). Loaded on success.
  SaveWindowNext LoadGame(std::size_t position);

  // LabelTorles: the question; true when the player confirmed the delete.
  bool ConfirmDelete(std::size_t position);
  // TimerTorlesVegrehajto: removes the save at `position` from the index and the disk.
  SaveWindowNext DeleteGame(std::size_t position);

 private:
  bool reportIfFailed(int result, std::span<const ResultCode> table, const std::string& file);
  // The notice of a failed write; true when `result` is a failure.
  bool tellIfNotWritten(int result, std::span<const WriteFailure> table, const char* what);
  // Sets a damaged index aside, rebuilds it and tells so; false when that failed.
  bool repairIndex();

  Game& game_;
  SaveWindowMode mode_;
  SaveRandom& random_;
  SaveFolder folder_;
  SaveIndex index_;
  bool opened_ = false;  // the window was created without error and may act
};

// The main window after a load: the counter of chapter points since the save, the
// scrolling title, and the loaded chapter point entered.
void EnterLoadedGame(Game& game);

// "YYYY.MM.DD. HH:MM:SS", the date and time of an index line.
std::string SaveDateText(const DateTime& moment);

}  // namespace zrx
