// Battle set-up: the declaration, the opponent queue, loading opponents and groups,
// the difficulty adjustment, the panel, and the pair choice.
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "battle.h"
#include "battle_grammar.h"
#include "battle_math.h"
#include "book_code.h"
#include "equipment.h"
#include "navigation.h"
#include "opponent_grammar.h"

namespace zrx {
namespace {

constexpr std::size_t kBattleMark = 4;  // 0-based position of the battle's page mark
namespace declaration = grammar::battle;
constexpr const grammar::Field& kOpponent = declaration::kAll.field("opponent");
constexpr const grammar::Field& kPairingKey = declaration::kPairs.field("key");
constexpr const grammar::Field& kWeaponItem = grammar::opponent::kWeapon.field("item");
constexpr int kThreeAtOnce = 31;

// A declaration that cannot be fought as written: the book is broken at this chapter point.
[[noreturn]] void brokenDeclaration(const std::string& code, std::size_t position, int chapter,
                                    const std::string& reason) {
  throw BookCodeError(code, position, std::to_string(chapter) + ". FejezetPont: " + reason);
}

}  // namespace

void Battle::CsataElokeszites() {
  GameState& state = game_.state;
  BattleState& b = state.battle;
  b.PlayerSkillWounds.clear();
  b.PlayerLifeWounds.clear();
  b.OpponentSkillDamage.clear();
  b.OpponentLifeDamage.clear();
  b.OpponentQueue.clear();
  const int chapter = state.CurrentChapter;
  const std::string code = game_.stores.chapters.Find(chapter).BattleCode;
  // "Harc" waits until the player opens the battle page.
  setFightEnabled(false);

  if (b.OpponentRollDone) {
    b.OpponentRollDone = false;
    b.LastBattleWon = b.LastBattleFled = false;
    const int r = state.tests.RollResult1;
    const std::size_t from = kOpponent.pos + kOpponent.width * static_cast<std::size_t>(r - 1);
    if (r < 1 || from + kOpponent.width - 1 > code.size()) {
      brokenDeclaration(code, code.size() + 1, chapter, "nincs " + std::to_string(r) + ". ellenfél a listában");
    }
    b.OpponentQueue.push_back(code.substr(from - 1, kOpponent.width));
    UjSzornyBetoltes();
    state.navigation.PendingKind = ToInt(PendingKind::Battle);
    Navigation(game_).OldalValtasJelzes(ToInt(PendingKind::Battle), true);
    return;
  }
  // A new battle's page starts without the result of the one before.
  if (!code.empty()) {
    game_.screen.battle.LabelEredmeny1.setText("");
    game_.screen.battle.LabelEredmeny2.setText("");
  }
  // A declaration of an unknown form is read as no battle at all.
  switch (code.empty() ? ' ' : declaration::kLetter.charIn(code)) {
    case 'N':
      queueOpponents(std::string_view(code).substr(kOpponent.pos - 1), chapter);
      startDeclaredBattle();
      break;
    case 'P':
      queueFromPairings(std::string_view(code).substr(kPairingKey.pos - 1), chapter);
      if (b.OpponentQueue.empty()) {
        Navigation(game_).TovabbLepesValasztas();
      } else {
        startDeclaredBattle();
      }
      break;
    case 'R':
      state.navigation.PageMarks[kBattleMark] = '1';
      b.OpponentRollPending = true;
      state.navigation.PendingKind = ToInt(PendingKind::Roll1);
      Navigation(game_).OldalValtasJelzes(ToInt(PendingKind::Roll1), true);
      break;
    default:
      Navigation(game_).TovabbLepesValasztas();
      break;
  }
}

void Battle::queueOpponents(std::string_view numbers, int chapter) {
  // The count is the length divided by the number's width, rounded to the nearest whole number.
  const std::size_t width = kOpponent.width;
  const std::size_t count = (numbers.size() + width / 2) / width;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view number = numbers.substr(width * i, width);
    if (!number.empty()) game_.state.battle.OpponentQueue.emplace_back(number);
  }
  if (game_.state.battle.OpponentQueue.empty()) {
    brokenDeclaration(std::string(numbers), 1, chapter, "nincs ellenfél a listában");
  }
}

void Battle::queueFromPairings(std::string_view groups, int chapter) {
  const TextList& path = game_.state.navigation.VisitedPath;
  const bool cameFromChapter = path.size() >= 2;
  const int previous = cameFromChapter ? numberOf(path[path.size() - 2]) : 0;
  std::size_t from = 0;
  for (std::size_t examined = 0; examined < declaration::kMaxGroups && from < groups.size(); ++examined) {
    const std::size_t hash = groups.find('#', from);
    const std::string_view group =
        groups.substr(from, hash == std::string_view::npos ? std::string_view::npos : hash - from);
    from = hash == std::string_view::npos ? groups.size() : hash + 1;
    const std::string_view key = fieldAt(group, 1, kPairingKey.width);
    const bool matches = key == kPairingKey.allowed || (cameFromChapter && numberOf(key) == previous);
    if (matches) {
      queueOpponents(group.substr(kPairingKey.width), chapter);
      return;
    }
  }
}

void Battle::startDeclaredBattle() {
  GameState& state = game_.state;
  state.battle.LastBattleWon = state.battle.LastBattleFled = false;
  UjSzornyBetoltes();
  state.navigation.PageMarks[kBattleMark] = '1';
  state.navigation.PendingKind = ToInt(PendingKind::Battle);
  Navigation(game_).OldalValtasJelzes(ToInt(PendingKind::Battle), true);
}

TMonsterRec Battle::takeFromQueue() {
  TextList& queue = game_.state.battle.OpponentQueue;
  const int chapter = game_.state.CurrentChapter;
  const std::string code = game_.stores.chapters.Find(chapter).BattleCode;
  if (queue.empty()) brokenDeclaration(code, 1, chapter, "túl kevés ellenfél a csoporthoz");
  const std::string number = queue.front();
  queue.erase(queue.begin());
  TMonsterRec opponent = game_.stores.monsters.Find(numberOf(number));
  if (opponent.Number == kAbsentRecord) brokenDeclaration(code, 1, chapter, "nincs " + number + " számú ellenfél");
  return opponent;
}

void Battle::UjSzornyBetoltes() {
  BattleState& b = game_.state.battle;
  game_.screen.BitBtn5.setText("1. Forduló");
  b.RoundsWon = b.RoundsLost = b.RoundsFought = 0;
  b.LastRoundResult = 0;
  b.ResultStreak = 1;
  b.OpponentChanged = true;
  if (!b.BattleRunning) {
    b.CurrentOpponent = takeFromQueue();
    loadFightingValues();
  } else if ((b.CurrentOpponent.OpponentMode != 0 || b.OpponentsPresent > 1) && --b.OpponentsPresent > 0) {
    // A survivor of the group moves up and keeps its values. A survivor whose own mode
    // is 0 still stands: it is never dropped for the next queue entry.
    b.CurrentOpponent = b.SecondOpponent;
    if (b.OpponentsPresent == 2) b.SecondOpponent = b.ThirdOpponent;
    b.OpponentChanged = false;
  } else if (!b.OpponentQueue.empty()) {
    b.CurrentOpponent = takeFromQueue();
  } else {
    CsataVege(BattleOutcome::Victory);
    return;
  }
  if (b.OpponentChanged) takeNewGroup();
  refreshPanel();
  b.OpponentChanged = true;
}

void Battle::loadFightingValues() {
  BattleState& b = game_.state.battle;
  MainValues& v = game_.state.values;
  b.BattleValueCodes = b.CurrentOpponent.BattleValueCodes;
  const BaseValueStore& records = game_.stores.baseValues;
  const TBaseValueRec skill = records.Find(skillNumber());
  const TBaseValueRec life = records.Find(lifeNumber());
  const TBaseValueRec luck = records.Find(3);
  v.Skill = skill.Current;
  v.SkillMin = skill.Minimum;
  v.Stamina = life.Current;
  v.StaminaMin = life.Minimum;
  v.Luck = luck.Current;
  v.LuckMin = luck.Minimum;

  ScreenModel& s = game_.screen;
  BattlePanel& panel = s.battle;
  for (int row = 1; row <= 3; ++row) panel.Szorny(row, "UgyessegCim").setText(skillName());
  panel.Szorny(1, "EleteroCim").setText(lifeName());
  panel.LabelJatekosUgyessegCim.setText(skillName());
  panel.LabelJatekosEleteroCim.setText(lifeName());
  for (int row = 1; row <= 3; ++row) panel.Szorny(row, "TamadoeroCim").setText("Támadóerő");
  for (int row = 2; row <= 3; ++row) panel.Szorny(row, "DobasCim").setText("Dobás");
  panel.LabelJatekosTamadoeroCim.setText("Támadóerő");
  s.LabelSZPErtek.setText(std::to_string(v.Luck));

  const TMonsterRec& opponent = b.CurrentOpponent;
  const bool flight = flightAllowed(opponent.FlightCode);
  s.LabelMenekules.setVisible(flight);
  s.LabelMenekules.setEnabled(false);
  const bool weapon = !opponent.SpecialWeapon.empty();
  s.LabelSpecFegyver.setVisible(weapon);
  s.LabelSpecFegyver.setEnabled(weapon && Equipment(game_).count(kWeaponItem.numberIn(opponent.SpecialWeapon)) > 0);
  // "Harc" stands after the shown actions in one row.
  s.BitBtn5.setValue(static_cast<int>(flight) + static_cast<int>(weapon));
}

void Battle::takeNewGroup() {
  BattleState& b = game_.state.battle;
  std::array<TMonsterRec*, 3> taken = {&b.CurrentOpponent, &b.SecondOpponent, &b.ThirdOpponent};
  b.OpponentsPresent = 1;
  const int mode = b.CurrentOpponent.OpponentMode;
  if (mode != 0) {
    b.SecondOpponent = takeFromQueue();
    b.OpponentsPresent = 2;
    if (mode >= kThreeAtOnce) {
      b.ThirdOpponent = takeFromQueue();
      b.OpponentsPresent = 3;
    }
  }
  adjustToDifficulty(taken.data(), b.OpponentsPresent);

  const std::string& flightCode = b.CurrentOpponent.FlightCode;
  if (flightAllowed(flightCode)) {
    Control& flight = game_.screen.LabelMenekules;
    flight.setColour(Colour::Navy);
    if (flightAvailableAtLoad(flightCode)) flight.setEnabled(true);
  }
}

void Battle::adjustToDifficulty(TMonsterRec* const* opponents, int count) {
  const int difficulty = game_.state.Difficulty;
  // One percentage for the whole group.
  const int percent = difficulty == 2 ? drawDifficultyPercent(game_.dice()) : 100;
  for (int i = 0; i < count; ++i) {
    TMonsterRec& opponent = *opponents[i];
    opponent.Stamina = zrx::adjustToDifficulty(opponent.Stamina, difficulty, percent);
    opponent.Skill = zrx::adjustToDifficulty(opponent.Skill, difficulty, percent);
  }
}

void Battle::refreshPanel() {
  BattleState& b = game_.state.battle;
  BattlePanel& panel = game_.screen.battle;
  for (const char* part : {"Nev", "Ugyesseg", "Eletero", "Tamadoero", "UgyessegCim", "EleteroCim", "TamadoeroCim"}) {
    panel.Szorny(1, part).setVisible(true);
  }
  showOpponentRow(1);
  panel.Szorny(1, "Tamadoero").setText("");
  const bool group = b.CurrentOpponent.OpponentMode != 0;
  for (int row = 2; row <= 3; ++row) {
    const bool present = group && b.OpponentsPresent >= row;
    for (const char* part : {"Nev", "Ugyesseg", "Dobas", "Tamadoero", "UgyessegCim", "DobasCim", "TamadoeroCim"}) {
      panel.Szorny(row, part).setVisible(present);
    }
    if (present) showOpponentRow(row);
  }
  for (Control* c : {&panel.LabelJatekosUgyesseg, &panel.LabelJatekosEletero, &panel.LabelJatekosTamadoero,
                     &panel.LabelJatekosUgyessegCim, &panel.LabelJatekosEleteroCim,
                     &panel.LabelJatekosTamadoeroCim, &panel.LabelEredmeny1, &panel.LabelEredmeny2,
                     &panel.LabelEredmeny3}) {
    c->setVisible(true);
  }
  showPlayerValues();
}

void Battle::showOpponentRow(int row) {
  const BattleState& b = game_.state.battle;
  const TMonsterRec& opponent = row == 1 ? b.CurrentOpponent : row == 2 ? b.SecondOpponent : b.ThirdOpponent;
  BattlePanel& panel = game_.screen.battle;
  panel.Szorny(row, "Nev").setText(opponent.Name);
  panel.Szorny(row, "Ugyesseg").setText(std::to_string(opponent.Skill));
  if (row == 1) panel.Szorny(1, "Eletero").setText(std::to_string(opponent.Stamina));
}

void Battle::ParValasztas() {
  BattleState& b = game_.state.battle;
  if (b.OpponentsPresent < 2) return;
  std::vector<std::string> lines = {opponentLine(b.CurrentOpponent), opponentLine(b.SecondOpponent)};
  if (b.OpponentsPresent >= 3) lines.push_back(opponentLine(b.ThirdOpponent));
  const int button = game_.ui().ParValasztas(pairChoiceHeader(), lines);
  if (button == 2) {
    std::swap(b.CurrentOpponent, b.SecondOpponent);
    showOpponentRow(1);
    showOpponentRow(2);
  } else if (button == 3 && b.OpponentsPresent >= 3) {
    std::swap(b.CurrentOpponent, b.ThirdOpponent);
    showOpponentRow(1);
    showOpponentRow(3);
  }
}

std::string Battle::pairChoiceHeader() const {
  const BattleState& b = game_.state.battle;
  if (b.RoundsFought == 0) return "Az első Forduló következik! Válassz Ellenfelet!";
  std::string header = b.OpponentAttack > b.PlayerAttack   ? "Elvesztetted a Fordulót! "
                       : b.OpponentAttack < b.PlayerAttack ? "Megnyerted a Fordulót! "
                                                           : "Döntetlen Forduló! ";
  return header + "A(z) " + std::to_string(b.RoundsFought + 1) + ". Forduló következik...";
}

std::string Battle::opponentLine(const TMonsterRec& opponent) const {
  return opponent.Name + " - " + skillName() + ": " + std::to_string(opponent.Skill) + " - " + lifeName() +
         ": " + std::to_string(opponent.Stamina);
}

}  // namespace zrx
