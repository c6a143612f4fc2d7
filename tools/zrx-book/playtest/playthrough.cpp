#include "playthrough.h"

#include "battle_odds.h"
#include "characteristics.h"
#include "lifecycle.h"
#include "offers.h"
#include "save_index.h"
#include "settings_line.h"

namespace zrx::playtest {
namespace {

// The seed of the player's own choices in a run: apart from the dice, so that the dice
// of the run are exactly those of zrx-text with the same seed.
constexpr std::uint32_t kChoiceSalt = 0x9e3779b9u;
// The share of runs that save and load now and then: saving writes files, which costs
// more than a whole run.
constexpr double kSavingRuns = 0.1;

// The state that an action changes when it moves the game on, with the marks and
// quantities of an offer being filled in; an action that leaves all of it as it was has
// done nothing.
struct Progress {
  int chapter = 0;
  std::size_t visited = 0;
  int pendingKind = 0;
  TextList continuations;
  TestState tests;
  ConditionState conditions;
  SpecialChangeState changes;
  OfferState offers;
  BattleState battle;
  MainValues values;
  std::string offerMarks;
  bool operator==(const Progress&) const = default;
};

Progress progressOf(const Game& game, const RandomPlayer& player) {
  const GameState& s = game.state;
  return {s.CurrentChapter, s.navigation.VisitedPath.size(), s.navigation.PendingKind, s.navigation.NextChapterList,
          s.tests, s.conditions, s.changes, s.offers, s.battle, s.values, player.offerMarks()};
}

// Whether a characteristic of the book that kills at its limit stands there: the game then
// offers only its end, which the player takes as the way a life ends.
bool atFatalLimit(Game& game) {
  const MainValues& v = game.state.values;
  const Characteristics characteristics(game);
  std::vector<int> numbers = {1, 2, 3};
  for (int slot = 1; slot <= game.state.CurrentBook.SpecialValueCount; ++slot) {
    numbers.push_back(characteristics.specialSlotNumber(slot));
  }
  for (const int number : numbers) {
    const TBaseValueRec& rec = game.stores.baseValues.Find(number);
    if (rec.Number == kAbsentRecord || rec.LimitFatal != 1) continue;
    const int current = number == 1 ? v.Skill : number == 2 ? v.Stamina : number == 3 ? v.Luck : rec.Current;
    const int start = number == 1 ? v.SkillStart : number == 2 ? v.StaminaStart : number == 3 ? v.LuckStart : rec.Start;
    const int minimum = number == 1 ? v.SkillMin : number == 2 ? v.StaminaMin : number == 3 ? v.LuckMin : rec.Minimum;
    if (rec.CountsUp == 1 ? current >= start : current <= minimum) return true;
  }
  return false;
}

}  // namespace

Playthrough::Playthrough(const std::filesystem::path& programFolder, BookLoader& loader, const NewGameChoice& choice,
                         const std::string& settingsLine, const PlaythroughLimits& limits)
    : choice_(choice),
      limits_(limits),
      ui_(choices_, script_),
      game_(programFolder, ui_, dice_, clock_, loader),
      player_(game_, saveRandom_, choices_, script_) {
  game_.state.PlayerName = "Teszt";
  ApplySettings(SettingsLine::Parse(settingsLine), game_.state.settings);
  // The visited-path export would leave a file behind every run; it changes nothing in play.
  game_.state.settings.StepLogging = false;
}

void Playthrough::run(std::uint32_t seed, int difficulty, RunResult& result) {
  result.clear();
  script_.clear();
  result.seed = seed;
  result.difficulty = difficulty;
  dice_.reseed(seed);
  saveRandom_.reseed(seed);
  choices_.seed(seed ^ kChoiceSalt);
  if (player_.savedAny()) {  // every run starts from an empty save folder
    std::filesystem::remove_all(game_.programFolder() / "Save");
    LayEmptySaveIndex(game_.programFolder());
  }
  player_.reset(std::bernoulli_distribution(kSavingRuns)(choices_));
  tracking_ = false;
  limitReached_ = false;
  visited_ = 0;
  chapter_ = -1;
  NewGameChoice choice = choice_;
  choice.difficulty = difficulty;
  ui_.reset(choice);
  watch_.reset();
  watch_.beforeAction(game_, result);
  game_.Perform([this] { Lifecycle(game_).KlikkKezdes(); });
  result.startSkill = game_.state.values.SkillStart;
  noteEntries(result);
  watch_.afterAction(game_, "", result);

  Progress last = progressOf(game_, player_);
  int idle = 0;
  while (!finished(result, false, "")) {
    const std::vector<PlayerAction> actions = player_.offered();
    bool moves = false;
    for (const PlayerAction& action : actions) moves = moves || action.progress;
    if (!moves) {
      result.end = RunEnd::Stall;
      result.problem = "nothing to do: no continuation, test, round or offer that can be answered";
      break;
    }
    if (++result.steps > limits_.maxSteps) {
      result.end = RunEnd::Loop;
      result.problem = "not over after " + std::to_string(limits_.maxSteps) + " actions";
      break;
    }
    const bool inBattle = BattleAtHand(game_);
    const std::string opponent = game_.state.battle.CurrentOpponent.Name;
    watch_.beforeAction(game_, result);
    const bool tried = player_.play(actions);
    noteEntries(result);
    watch_.afterAction(game_, script_.back(), result);
    followBattle(result);
    if (game_.state.GameLoaded) limitReached_ = atFatalLimit(game_);
    if (finished(result, inBattle, opponent)) break;
    const Progress now = progressOf(game_, player_);
    // Only an action meant to move the game on counts: using a possession may rightly change nothing.
    if (now != last) idle = 0;
    else if (tried) ++idle;
    last = now;
    if (idle >= limits_.idleSteps) {
      result.end = RunEnd::Stall;
      result.problem = "what is offered changes nothing: " + std::to_string(idle) + " tries in a row";
      break;
    }
  }
  result.endChapter = result.path.empty() ? -1 : result.path.back();
  watch_.finish(result);
  result.script = script_;
  // A run that stopped in the middle ends the way the player ends a game, pages reset.
  ui_.answerYes();
  if (game_.state.GameLoaded) game_.Perform([this] { Lifecycle(game_).KlikkBefejezes(); });
}

bool Playthrough::finished(RunResult& result, bool inBattleBefore, const std::string& opponentBefore) {
  if (!ui_.errorLines().empty() || game_.errors.FatalErrorFlag()) {
    result.end = RunEnd::ErrorLog;
    for (const std::string& line : game_.errors.lines()) result.problem += (result.problem.empty() ? "" : " / ") + line;
    return true;
  }
  if (!ui_.bookCodeErrors().empty()) {
    result.end = RunEnd::MalformedCode;
    result.problem = ui_.bookCodeErrors().front();
    return true;
  }
  if (ui_.won()) {
    result.end = RunEnd::Victory;
    return true;
  }
  if (ui_.died()) {
    result.end = RunEnd::Death;
    const bool typed = !script_.empty() && script_.back().starts_with("tovább");
    result.deathCause = inBattleBefore ? "Csata: " + opponentBefore : typed ? "rossz válasz" : "jellemző határa";
    return true;
  }
  if (!game_.state.GameLoaded) {
    result.end = limitReached_ ? RunEnd::Death : RunEnd::End;
    if (limitReached_) result.deathCause = "jellemző határa";
    return true;
  }
  return false;
}

void Playthrough::noteEntries(RunResult& result) {
  const GameState& s = game_.state;
  const std::size_t visited = s.navigation.VisitedPath.size();
  if (s.GameLoaded && s.CurrentChapter >= 0 && (visited != visited_ || s.CurrentChapter != chapter_)) {
    result.path.push_back(s.CurrentChapter);
  }
  visited_ = visited;
  chapter_ = s.CurrentChapter;
}

void Playthrough::followBattle(RunResult& result) {
  const BattleState& b = game_.state.battle;
  if (!tracking_) {
    if (!BattleAtHand(game_)) return;
    tracking_ = true;
    BattleRecord record{.chapter = game_.state.CurrentChapter, .opponent = b.CurrentOpponent.Number,
                        .name = b.CurrentOpponent.Name};
    if (limits_.predictOdds) predict(record);
    result.battles.push_back(record);
    return;
  }
  BattleRecord& record = result.battles.back();
  if (!script_.empty() && script_.back() == "harc") ++record.rounds;
  if (game_.state.GameLoaded && BattleAtHand(game_)) return;
  tracking_ = false;
  record.end = b.LastBattleWon && game_.state.GameLoaded ? BattleEnd::Won
               : b.LastBattleFled && game_.state.GameLoaded ? BattleEnd::Fled
                                                             : BattleEnd::Lost;
}

void Playthrough::predict(BattleRecord& record) {
  if (PlainDuel(game_)) {
    record.predicted = BattleWinChance(game_)->winChance;
    record.exact = true;
    return;
  }
  int& made = simulated_[{record.chapter, record.opponent}];
  if (made >= limits_.simulatedPredictions) return;
  ++made;
  record.predicted = SimulatedWinChance(game_, static_cast<unsigned>(choices_()), limits_.simulationRuns).winChance;
}

}  // namespace zrx::playtest
