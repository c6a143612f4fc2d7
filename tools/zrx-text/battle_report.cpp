#include "battle_report.h"

namespace zrx {

RoundBefore BeforeRound(const Game& game) {
  const BattleState& b = game.state.battle;
  RoundBefore before{b.RoundsFought, game.state.values.Stamina, b.CurrentOpponent.OpponentMode != 0, {}};
  if (before.group && b.OpponentsPresent >= 2) before.strikers.push_back(b.SecondOpponent.Name);
  if (before.group && b.OpponentsPresent >= 3) before.strikers.push_back(b.ThirdOpponent.Name);
  return before;
}

void TellRound(std::ostream& out, const Game& game, const RoundBefore& before) {
  const BattleState& b = game.state.battle;
  const int stamina = game.state.values.Stamina;
  if (b.RoundsFought == before.roundsFought && stamina == before.stamina) return;
  out << "A Forduló összesítése:\n";
  out << "  Támadóerő: Te " << b.PlayerAttack << ", Ellenfeled " << b.OpponentAttack << '\n';
  const int attacks[] = {b.SecondAttack, b.ThirdAttack};
  for (std::size_t i = 0; i < before.strikers.size() && i < 2; ++i) {
    out << "  " << before.strikers[i] << " támadóereje " << attacks[i]
        << (attacks[i] > b.PlayerAttack ? ": eltalált, 2 pontot veszítesz" : ": nem talált") << '\n';
  }
  if (stamina != before.stamina) {
    out << "  Életerőd: " << before.stamina << " -> " << stamina << " (" << (stamina > before.stamina ? "+" : "")
        << stamina - before.stamina << ")\n";
  }
  if (!b.BattleRunning) return;
  out << "  Ellenfelek Életereje: " << b.CurrentOpponent.Name << " " << b.CurrentOpponent.Stamina;
  if (b.OpponentsPresent >= 2) out << ", " << b.SecondOpponent.Name << " " << b.SecondOpponent.Stamina;
  if (b.OpponentsPresent >= 3) out << ", " << b.ThirdOpponent.Name << " " << b.ThirdOpponent.Stamina;
  out << '\n';
}

}  // namespace zrx
