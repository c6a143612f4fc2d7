#include "battle_odds.h"

#include "battle.h"
#include "battle_math.h"
#include "book_code.h"
#include "dice_tests.h"
#include "opponent_grammar.h"
#include "use_code_grammar.h"

namespace zrx {
namespace {

namespace opponent = grammar::opponent;
using grammar::CodeFamily;
constexpr const grammar::Field& kAttackAmount = opponent::kAttack.field("amount");
constexpr const grammar::Field& kAttackWhen = opponent::kAttack.field("when");
constexpr const grammar::CodeForm& kWounds = opponent::kWounds;
constexpr const grammar::Field& kOpponentLife = kWounds.field("opponentLife");
constexpr const grammar::Field& kOpponentSkill = kWounds.field("opponentSkill");
constexpr const grammar::Field& kPlayerLife = kWounds.field("playerLife");
constexpr const grammar::Field& kPlayerSkill = kWounds.field("playerSkill");
constexpr const grammar::Field& kOpponentLifePeriod = kWounds.field("opponentLifePeriod");
constexpr const grammar::Field& kPlayerLifePeriod = kWounds.field("playerLifePeriod");
constexpr int kRoundBound = 1000;  // a simulated battle longer than this counts as not won

// A life wound size character of the opponent's wound code ("0".."9" or "D") with its
// period character; nullopt for anything the duel does not cover.
std::optional<DuelWound> plainWound(char size, char period) {
  if (period != '1') return std::nullopt;
  if (size == 'D') return DuelWound{.points = 0, .die = true};
  if (size >= '0' && size <= '9') return DuelWound{.points = size - '0', .die = false};
  return std::nullopt;
}

bool actsInBattle(const std::string& useCode) {
  for (char kind : {'U', 'F', 'V', 'N'}) {
    if (grammar::use::IsBattleCode(useCode, kind)) return true;
  }
  return false;
}

// Whether the opponent's attack rule holds in every round ("A"), or there is none.
bool attackRuleConstant(std::string_view mods) {
  if (!grammar::FindForm(CodeFamily::AttackMods, mods)) return true;
  if (mods.size() < kAttackWhen.pos) return false;
  const char digit = kAttackAmount.charIn(mods);
  return kAttackWhen.charIn(mods) == 'A' && digit >= '0' && digit <= '9';
}

// The modifier of the player's attack strength, as the rounds compute it; nullopt when it
// does not hold in every round.
std::optional<int> constantAttackBonus(const Game& game) {
  for (const std::string& number : game.state.equipment.EquipmentList) {
    if (actsInBattle(game.stores.items.Find(numberOf(number)).UseCode)) return std::nullopt;
  }
  if (!attackRuleConstant(game.state.battle.CurrentOpponent.AttackMods)) return std::nullopt;
  return PlayerAttackModifier(game, game.state.battle.RoundsFought);
}

// Answers the battle's questions for the simulated player; a death ends the simulated battle.
struct SimulatedDeath {};
class SimulationUi : public UiPort {
 public:
  bool QuestionFormKerdes(const std::string&, const std::string&) override { return true; }
  void QuestionFormInfo(const std::string&, const std::string&) override {}
  void CommentFormMegjelenites(const std::string&, const std::string&, const std::string&) override {}
  std::optional<NewGameChoice> NewGameScreen() override { return std::nullopt; }
  int ParValasztas(const std::string&, const std::vector<std::string>&) override { return 1; }
  void DeathWindow() override { throw SimulatedDeath{}; }
  void VictoryWindow() override {}
  void ErrorWindow(const ErrorLog&) override {}
  void BookCodeErrorBox(const std::string&) override {}
  std::string KockaBekeres(const std::string&) override { return "1"; }
};

// Never asked: the simulated game's book is copied in, not loaded.
class NoBookLoader : public BookLoader {
 public:
  int LoadGameData(std::string_view, int, BookStores&) override { return 0; }
  int LoadChapterTexts(std::string_view, int, int, std::vector<TextList>&) override { return 0; }
  int LoadChapterPictures(std::string_view, int, int, int, std::vector<Picture>&, std::vector<Picture>&) override {
    return 0;
  }
};

// A copy of the game that plays the rest of the battle again and again, as a rehearsal:
// when the battle ends the simulation stops, so navigation never runs.
class BattleSimulation {
 public:
  BattleSimulation(const Game& game, unsigned seed)
      : dice_(seed), game_(game.programFolder(), ui_, dice_, game.clock(), loader_), source_(game) {
    game_.rehearsal = true;
    game_.stores = game.stores;
    snapshot_ = game.state;
    snapshot_.ChapterTexts.clear();
    snapshot_.ChapterPictures.clear();
    snapshot_.DecorPictures.clear();
  }

  // One battle to its end: true when it was won.
  bool playOnce() {
    game_.state = snapshot_;
    game_.screen.copyControlsFrom(source_.screen);
    try {
      for (int round = 0; round < kRoundBound && step(); ++round) {
      }
    } catch (const SimulatedDeath&) {
      return false;
    } catch (const BookCodeError&) {
      return false;
    }
    return !game_.state.battle.BattleRunning && game_.state.battle.LastBattleWon;
  }

 private:
  // One action of the player: the demanded roll or luck test, else "Harc". False when
  // the battle is over or nothing can be done.
  bool step() {
    const BattleState& battle = game_.state.battle;
    if (battle.RoundRollPending && RollOffered(game_, 1)) {
      DiceTests(game_).KlikkDobasKockaval(1);
    } else if (FightOffered(game_)) {
      Battle(game_).KlikkCsata();
    } else if (battle.LuckInBattle && LuckTestOffered(game_)) {
      DiceTests(game_).KlikkSzerencseProba();
    } else {
      return false;
    }
    return game_.state.battle.BattleRunning;
  }

  SeededDice dice_;
  SimulationUi ui_;
  NoBookLoader loader_;
  Game game_;
  const Game& source_;
  GameState snapshot_;
};

}  // namespace

bool BattleAtHand(const Game& game) {
  return game.state.GameLoaded && (game.state.battle.BattleRunning || FightOffered(game));
}

std::optional<DuelValues> PlainDuel(const Game& game) {
  const BattleState& b = game.state.battle;
  const TMonsterRec& opponent = b.CurrentOpponent;
  if (!b.OpponentQueue.empty() || opponent.OpponentMode != 0 || !opponent.ExtraCode.empty()) return std::nullopt;
  const std::string& rule = opponent.RollBattleCode;
  if (grammar::FindForm(CodeFamily::RollBattleCode, rule)) return std::nullopt;
  const std::string& wounds = opponent.WoundMods;
  if (wounds.size() < kWounds.fixedLength() || kOpponentSkill.charIn(wounds) != '0' ||
      kPlayerSkill.charIn(wounds) != '0') {
    return std::nullopt;
  }
  const auto opponentWound = plainWound(kOpponentLife.charIn(wounds), kOpponentLifePeriod.charIn(wounds));
  const auto playerWound = plainWound(kPlayerLife.charIn(wounds), kPlayerLifePeriod.charIn(wounds));
  const auto bonus = constantAttackBonus(game);
  if (!opponentWound || !playerWound || !bonus) return std::nullopt;
  const MainValues& v = game.state.values;
  return DuelValues{.playerSkill = v.Skill, .attackBonus = *bonus, .playerStamina = v.Stamina,
                    .playerStaminaMin = v.StaminaMin, .playerLuck = v.Luck, .playerLuckMin = v.LuckMin,
                    .luckOffered = opponent.BattleFlag == 1, .opponentSkill = opponent.Skill,
                    .opponentStamina = opponent.Stamina, .opponentWound = *opponentWound,
                    .playerWound = *playerWound};
}

std::optional<BattleOdds> BattleWinChance(const Game& game, unsigned seed, int runs) {
  if (!BattleAtHand(game)) return std::nullopt;
  if (const auto duel = PlainDuel(game)) return BattleOdds{.winChance = DuelWinChance(*duel), .exact = true};
  return SimulatedWinChance(game, seed, runs);
}

BattleOdds SimulatedWinChance(const Game& game, unsigned seed, int runs) {
  BattleSimulation simulation(game, seed);
  int won = 0;
  for (int run = 0; run < runs; ++run) won += simulation.playOnce() ? 1 : 0;
  return BattleOdds{.winChance = runs > 0 ? static_cast<double>(won) / runs : 0.0, .exact = false, .runs = runs};
}

double LuckTestChanceNow(const Game& game) { return LuckTestChance(game.state.values.Luck); }

}  // namespace zrx
