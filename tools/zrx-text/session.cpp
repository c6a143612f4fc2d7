#include "session.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "commands.h"
#include "book_code.h"
#include "container_format.h"
#include "equipment.h"
#include "new_game_dialog.h"
#include "player_names.h"
#include "seeded_save_random.h"
#include "settings_line.h"

namespace zrx {
namespace {

std::unique_ptr<Dice> makeGeneratedDice(const std::optional<std::uint32_t>& seed) {
  if (seed) return std::make_unique<SeededDice>(*seed);
  return std::make_unique<ClockSeededDice>();
}

std::unique_ptr<Dice> makeGameDice(bool manual, UiPort& ui, Dice& generated) {
  if (manual) return std::make_unique<ManualDice>(ui, generated);
  return nullptr;
}

std::unique_ptr<SaveRandom> makeSaveRandom(const std::optional<std::uint32_t>& seed) {
  if (seed) return std::make_unique<SeededSaveRandom>(SaveNameSeed(*seed));
  return std::make_unique<ClockSeededRandom>();
}

// A line of the equipment list: its pieces, and whether it is in use.
std::string equipmentNote(Game& game, std::size_t line) {
  const TextList& held = game.state.equipment.EquipmentList;
  if (line >= held.size()) return "";
  const int item = numberOf(held[line]);
  std::string note = " (" + std::to_string(Equipment(game).count(item)) + " db";
  const auto& equipped = game.state.equipment.EquippedItems;
  if (std::find(equipped.begin(), equipped.end(), item) != equipped.end()) note += ", használatban";
  return note + ")";
}

// The package files of the chosen book that are not in the program folder.
std::vector<std::string> missingPackageFiles(const Game& game) {
  const GameState& state = game.state;
  std::vector<std::string> names = {PackageFileName("Data", 0)};
  if (state.BookNumber > 0) {
    names.push_back(PackageFileName("DataS", state.BookNumber));
    names.push_back(PackageFileName("DataK", state.BookNumber));
  }
  std::vector<std::string> missing;
  std::error_code ec;
  for (const std::string& name : names) {
    const std::filesystem::path file = game.programFolder() / state.SourceName / name;
    if (!std::filesystem::exists(file, ec)) missing.push_back((std::filesystem::path(state.SourceName) / name).string());
  }
  return missing;
}

}  // namespace

Session::Session(const SessionOptions& options, std::istream& in, std::ostream& out)
    : counter_(out.rdbuf()),
      out_(&counter_),
      input_(in, out_, options.script),
      saveRandom_(makeSaveRandom(options.seed)),
      loader_(options.programFolder),
      ui_(input_, out_, status_, options.programFolder, clock_),
      generated_(makeGeneratedDice(options.seed)),
      dice_(makeGameDice(options.manualDice, ui_, *generated_)),
      game_(options.programFolder, ui_, dice_ ? *dice_ : *generated_, clock_, loader_),
      renderer_(game_.screen, out_) {
  setQuiet(options.quiet);
  renderer_.setLineNote("ListBox_FT", [this](std::size_t line) { return equipmentNote(game_, line); });
  ui_.setMissingFiles([this] { return missingPackageFiles(game_); });
  ui_.setNewGameScreen([this] { return RunNewGameDialog(*this); });
}

void Session::setQuiet(bool quiet) {
  quiet_ = quiet;
  renderer_.setQuiet(quiet);
  ui_.setQuiet(quiet);
}

std::optional<std::string> Session::ask(const std::string& prompt) {
  if (preset_.empty()) return input_.next(prompt);
  std::string answer = preset_.front();
  preset_.erase(preset_.begin());
  out_ << prompt << answer << '\n';
  return answer;
}

bool Session::perform(const std::function<ActionOutcome(PlayerActions&)>& action) {
  try {
    return action(actions_) == ActionOutcome::Done;
  } catch (const InputEnded&) {
    status_.ended = true;
    return false;
  }
}

void Session::showErrorWindowIfReported() {
  if (game_.errors.FatalErrorFlag() && !status_.ended) ui_.ErrorWindow(game_.errors);
}

bool Session::signIn() {
  out_ << "Üdvözöllek, kedves játékos, a ZRX világában!\n"
       << "A megoldás a Te kezedben van!\n";
  PlayerNames names(game_.programFolder(), clock_);
  if (const int code = names.ReadNames()) {
    game_.errors.HibaHozzairas(code);
    showErrorWindowIfReported();
    return false;
  }
  ApplySettings(SettingsLine::Parse(names.settingsLine()), game_.state.settings);
  if (!names.names().empty()) {
    out_ << "Ismert játékosok:";
    for (const std::string& known : names.names()) out_ << " " << known << (&known == &names.names().back() ? "" : ",");
    out_ << '\n';
  }
  for (;;) {
    const std::optional<std::string> typed = input_.next("Játékos neve: ");
    if (!typed) {
      status_.failed = true;
      return false;
    }
    std::string name;
    const NameVerdict verdict = CheckPlayerName(*typed, name);
    if (verdict == NameVerdict::Empty) continue;
    if (verdict != NameVerdict::Accepted) {
      for (const auto& [line1, line2] : NameNotices(verdict)) ui_.QuestionFormInfo(line1, line2);
      if (input_.script()) status_.failed = true;
      continue;
    }
    game_.state.PlayerName = name;
    out_ << "Üdvözöllek, " << name << ", a ZRX világában!\n";
    if (const int code = names.Record(name)) {
      game_.errors.HibaHozzairas(code);
      showErrorWindowIfReported();
      return false;
    }
    return true;
  }
}

bool Session::execute(const std::string& line) {
  const std::string text = Trim(line);
  if (text.empty() || text.front() == '#') return true;  // blank lines and script comments
  const std::uint64_t shownBefore = counter_.count();
  bool ok = false;
  try {
    ok = RunCommand(*this, text);
  } catch (const InputEnded&) {
    // A question outside an engine action found no answer to go on with.
    status_.ended = true;
  }
  renderer_.renderChanges();
  // The window's page signal ticks on its own: a signal for the page already open hands
  // over. Shown after the command's own results, which the hand-over may clear.
  if (game_.state.GameLoaded) ok = perform([](PlayerActions& a) { return a.TimerAlarmTimer(); }) && ok;
  renderer_.renderChanges();
  if (ok && counter_.count() == shownBefore && !status_.ended) out_ << "(Nem történt változás.)\n";
  showErrorWindowIfReported();
  if (!ok) status_.failed = true;
  return ok;
}

int Session::run() {
  if (!signIn()) return 1;
  out_ << "Új játék: \"új\"; a parancsok listája: \"súgó\".\n";
  renderer_.remember();
  while (!status_.ended) {
    const std::optional<std::string> line = input_.next("> ");
    if (!line) break;
    execute(*line);
  }
  // Closing the program ends a running game the way closing the main window does.
  if (game_.state.GameLoaded && !status_.fatal) perform([](PlayerActions& a) { return a.Befejez(); });
  if (status_.fatal) return 1;
  return input_.script() && status_.failed ? 1 : 0;
}

}  // namespace zrx
