// One battle round ("Harc"): attack strengths, the other opponents of a group or the
// allies, and the decision of the round.
#include "battle.h"
#include "battle_math.h"
#include "book_code.h"
#include "information.h"
#include "opponent_grammar.h"
#include "use_code_grammar.h"

namespace zrx {
namespace {

constexpr int kThreeAtOnce = 31;
constexpr int kGroupHit = 2;  // life points that a stronger group member or ally takes
constexpr const char* kOpponentAttack = "Ellenfél támadóereje";
constexpr const grammar::Field& kAttackSign = grammar::opponent::kAttack.field("sign");
constexpr const grammar::Field& kAttackAmount = grammar::opponent::kAttack.field("amount");
constexpr const grammar::Field& kAttackWhen = grammar::opponent::kAttack.field("when");
constexpr const grammar::Field& kAlly = grammar::opponent::kAllies.field("ally");

// Whether a held item's equipment test ("CU") rolls in this round; the round's attack roll
// is then shown beside that test's sum. A code too short to say is left to the test itself.
bool equipmentTestRolls(const Game& game) {
  for (const std::string& number : game.state.equipment.EquipmentList) {
    const std::string code = game.stores.items.Find(numberOf(number)).UseCode;
    constexpr grammar::Field kWhen = grammar::use::kTest.field("when");
    if (grammar::use::IsBattleCode(code, 'U') && code.size() >= kWhen.pos &&
        battleTestDue(kWhen.charIn(code), game.state.battle.RoundsFought)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool FightOffered(const Game& game) { return game.screen.BitBtn5.enabled() && game.state.GameLoaded; }

void Battle::KlikkCsata() {
  ScreenModel& s = game_.screen;
  // Each click is one round: a disabled button does nothing.
  if (!FightOffered(game_)) return;
  BattleState& b = game_.state.battle;
  for (int n : {1, 2}) {
    s.DKEredmenyLabel(n).setText("");
    for (int k = 1; k <= (n == 1 ? 3 : 2); ++k) s.ImageDE(n, k).setVisible(false);
  }
  s.LabelSZPEredmenyErtek.setText("");
  s.battle.LabelEredmeny3.setText("");
  b.BattleRunning = true;
  b.OpponentChanged = false;

  if (b.CurrentOpponent.OpponentMode != 0) ParValasztas();
  const bool cuRolled = equipmentTestRolls(game_);
  CsataTargyEllenorzesA1();
  if (battleRuns() && !b.OpponentChanged) {
    rollAttacks(cuRolled);
    TamadoEroSzamitas();
    TobbEllenfelVagySzovetsegesek();
  }
  if (battleRuns() && !b.OpponentChanged) decideRound();
  if (battleRuns() && !b.OpponentChanged) {
    s.BitBtn5.setText(std::to_string(b.RoundsFought + 1) + ". Forduló");
    checkFlightAfterRound();
    ForduloUtaniExtrak();
  } else if (!battleRuns() && game_.state.GameLoaded) {
    s.BitBtn5.setText("Harc");
    Information(game_).countDownBattleTimes();
  }
}

void Battle::rollAttacks(bool cuRolled) {
  BattleState& b = game_.state.battle;
  b.OpponentAttack = game_.KockaDobas(2, false, kOpponentAttack) + b.CurrentOpponent.Skill;
  const int roll = game_.KockaDobas(2, true, "Támadóerőd");
  b.PlayerAttack = roll + game_.state.values.Skill;
  Control& label = game_.screen.DKEredmenyLabel(2);
  if (cuRolled) label.setText(label.text() + "," + std::to_string(roll));
}

int PlayerAttackModifier(const Game& game, int roundsFought) {
  const GameState& state = game.state;
  int modifier = 0;
  for (const std::string& number : state.equipment.EquipmentList) {
    modifier += AttackModifierOf(game.stores.items.Find(numberOf(number)).UseCode);
  }
  for (const TextList* list : {&state.knowledge.InfoList, &state.knowledge.HiddenInfoList}) {
    for (const std::string& number : *list) modifier += AttackModifierOf(game.stores.infos.Find(numberOf(number)).Code);
  }
  const std::string& mods = state.battle.CurrentOpponent.AttackMods;
  if (grammar::FindForm(grammar::CodeFamily::AttackMods, mods)) {
    const char sign = kAttackSign.charIn(mods);
    const int d = kAttackAmount.digitIn(mods);
    const char when = kAttackWhen.charIn(mods);
    const bool due = when == 'A' || (when >= '0' && when <= '9' && roundsFought < when - '0');
    if (due && sign == '+') modifier += d;
    if (due && sign == '-') modifier -= d;
  }
  return modifier;
}

void Battle::TamadoEroSzamitas() {
  BattleState& b = game_.state.battle;
  b.PlayerAttack += PlayerAttackModifier(game_, b.RoundsFought);
  BattlePanel& panel = game_.screen.battle;
  panel.Szorny(1, "Tamadoero").setText(std::to_string(b.OpponentAttack));
  panel.LabelJatekosTamadoero.setText(std::to_string(b.PlayerAttack));
}


void Battle::TobbEllenfelVagySzovetsegesek() {
  const BattleState& b = game_.state.battle;
  if (b.CurrentOpponent.OpponentMode != 0) {
    groupStrikes();
  } else if (!b.CurrentOpponent.ExtraCode.empty()) {
    alliesStrike();
  }
}

void Battle::groupStrikes() {
  BattleState& b = game_.state.battle;
  BattlePanel& panel = game_.screen.battle;
  const bool three = b.CurrentOpponent.OpponentMode >= kThreeAtOnce && b.OpponentsPresent == 3;
  const auto roll = [&](int row, const TMonsterRec& opponent, int& attack) {
    const int pips = game_.KockaDobas(2, false, kOpponentAttack);
    attack = pips + opponent.Skill;
    panel.Szorny(row, "Dobas").setText(std::to_string(pips));
    panel.Szorny(row, "Tamadoero").setText(std::to_string(attack));
  };
  if (b.OpponentsPresent < 2) return;
  roll(2, b.SecondOpponent, b.SecondAttack);
  if (three) roll(3, b.ThirdOpponent, b.ThirdAttack);
  strikeOfGroupMember(b.SecondAttack);
  if (three && battleRuns()) strikeOfGroupMember(b.ThirdAttack);
}

void Battle::strikeOfGroupMember(int attack) {
  MainValues& v = game_.state.values;
  if (attack <= game_.state.battle.PlayerAttack) return;
  v.Stamina -= kGroupHit;
  SebesulesMeres(kGroupHit, 1);
  showPlayerValues();
  if (v.Stamina <= v.StaminaMin) {
    game_.screen.battle.LabelJatekosEletero.setText("0");
    playerDies();
  }
}

void Battle::alliesStrike() {
  BattleState& b = game_.state.battle;
  const std::string& code = b.CurrentOpponent.ExtraCode;
  // A code of any other length than whole skills, three at most, brings no ally.
  const std::size_t count = code.size() / kAlly.width;
  const bool whole = code.size() % kAlly.width == 0 && count <= grammar::opponent::kMaxAllies;
  const std::size_t allies = whole ? count : 0;
  for (std::size_t i = 0; i < allies; ++i) {
    const int allyAttack = kAlly.numberIn(code, i) + game_.KockaDobas(2, false, "Szövetséges támadóereje");
    const int opponentAttack = game_.KockaDobas(2, false, kOpponentAttack) + b.CurrentOpponent.Skill;
    // An ally that does not win its strike stops the allies after it in this round.
    if (allyAttack <= opponentAttack) break;
    b.CurrentOpponent.Stamina -= kGroupHit;
    SebzesMeres(kGroupHit, 1);
    if (b.CurrentOpponent.Stamina < 1) break;
  }
  showOpponentValues();
  if (b.CurrentOpponent.Stamina < 1) opponentDies();
}

void Battle::decideRound() {
  BattleState& b = game_.state.battle;
  ScreenModel& s = game_.screen;
  const int forced = CsataTargyEllenorzesB1();
  ++game_.state.tally.RoundsFought;
  if (b.OpponentAttack == b.PlayerAttack && forced == 1) {
    s.battle.LabelEredmeny1.setText("Döntetlen Forduló!");
    s.battle.LabelEredmeny2.setText("");
    s.LabelSzProba.setEnabled(false);
    b.LastRoundResult = 0;
    b.ResultStreak = 1;
    ++b.RoundsFought;
    return;
  }
  b.LuckInBattle = game_.state.values.Luck >= 2 && b.CurrentOpponent.BattleFlag == 1;
  s.LabelSzProba.setEnabled(b.LuckInBattle);
  if (b.LuckInBattle) s.LabelSzProba.setColour(Colour::Navy);
  ++b.RoundsFought;
  const bool lost = forced == 2 || (forced == 1 && b.OpponentAttack > b.PlayerAttack);
  const int result = lost ? 2 : 1;
  b.ResultStreak = b.LastRoundResult == result ? b.ResultStreak + 1 : 1;
  b.LastRoundResult = result;
  if (lost) {
    ++b.RoundsLost;
    ForduloVesztes();
  } else {
    ++b.RoundsWon;
    ForduloNyeres();
  }
}

}  // namespace zrx
