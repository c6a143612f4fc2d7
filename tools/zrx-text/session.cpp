#include "session.h"

#include <istream>
#include <ostream>

#include "commands.h"
#include "battle.h"
#include "dice_tests.h"
#include "lifecycle.h"
#include "new_game_dialog.h"
#include "offers.h"
#include "page_signal.h"
#include "rules_hooks.h"
#include "seeded_sources.h"
#include "sign_in.h"
#include "special_changes.h"
#include "win1250.h"

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
  // A seed of its own, so that the names drawn do not mirror the dice.
  if (seed) return std::make_unique<SeededSaveRandom>(*seed ^ 0x5a5a5a5au);
  return std::make_unique<ClockSeededRandom>();
}

// Every subsystem's entry points, as the program connects them once at start.
void installEngine(Game& game) {
  InstallRulesHooks(game);
  InstallDiceTestHooks(game);
  InstallSpecialChangeHooks(game);
  InstallOfferHooks(game);
  InstallBattleHooks(game);
}

}  // namespace

void ApplySettingsLine(const std::string& line, GameSettings& settings) {
  const auto digit = [&line](std::size_t position) { return position < line.size() ? line[position] - '0' : 0; };
  settings.ChangeSignalLevel = digit(0);
  settings.SaveInterval = digit(2) * 10 + 3;
  settings.StepLogging = line.size() >= 10 && line[9] == '0';
}

Session::Session(const SessionOptions& options, std::istream& in, std::ostream& out)
    : out_(out),
      input_(in, out, options.script),
      saveRandom_(makeSaveRandom(options.seed)),
      loader_(options.programFolder),
      ui_(input_, out, status_, options.programFolder, clock_),
      generated_(makeGeneratedDice(options.seed)),
      dice_(makeGameDice(options.manualDice, ui_, *generated_)),
      game_(options.programFolder, ui_, dice_ ? *dice_ : *generated_, clock_, loader_),
      renderer_(game_.screen, out) {
  installEngine(game_);
  ui_.setNewGameScreen([this] { return RunNewGameDialog(*this); });
}

std::optional<std::string> Session::ask(const std::string& prompt) {
  if (preset_.empty()) return input_.next(prompt);
  std::string answer = preset_.front();
  preset_.erase(preset_.begin());
  out_ << prompt << answer << '\n';
  return answer;
}

bool Session::perform(const std::function<void()>& action) {
  try {
    return game_.Perform(action);
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
  // Without the Windows-1250 converter no file of the program can be read or written:
  // reported like the names file that cannot be read, before anything is touched.
  if (!CodePageAvailable()) {
    game_.errors.HibaHozzairas(kNoCodePageCode);
    showErrorWindowIfReported();
    return false;
  }
  SignIn names(game_.programFolder(), clock_);
  if (const int code = names.ReadNames()) {
    game_.errors.HibaHozzairas(code);
    showErrorWindowIfReported();
    return false;
  }
  ApplySettingsLine(names.settingsLine(), game_.state.settings);
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
  bool ok = RunCommand(*this, text);
  renderer_.renderChanges();
  // The window's page signal ticks on its own: a signal for the page already open hands
  // over. Shown after the command's own results, which the hand-over may clear.
  if (game_.state.GameLoaded) ok = perform([this] { PageSignal(game_).TimerAlarmTimer(); }) && ok;
  renderer_.renderChanges();
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
  if (game_.state.GameLoaded && !status_.fatal) perform([this] { Lifecycle(game_).Befejez(); });
  if (status_.fatal) return 1;
  return input_.script() && status_.failed ? 1 : 0;
}

}  // namespace zrx
