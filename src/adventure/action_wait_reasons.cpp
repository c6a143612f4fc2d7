#include "action_wait_reasons.h"

#include "battle_math.h"
#include "game.h"
#include "pending_kind.h"
#include "save_permission.h"

namespace zrx {
namespace {

std::string fightReason(const GameState& state) {
  const BattleState& b = state.battle;
  if (!b.BattleRunning) {
    if (state.navigation.PendingKind == ToInt(PendingKind::Battle)) return "A csata a \"Próbák - Csaták\" lap megnyitásakor kezdődik.";
    if (b.LastBattleWon) return "A csata véget ért: győztél! Válts a Történet fülre!";
    if (b.LastBattleFled) return "Elmenekültél a csatából.";
    return "Ezen a FejezetPonton nincs csata.";
  }
  if (b.RoundRollPending || b.OpponentRollPending) return "A következő Forduló előtt dobj a kockával!";
  if (b.LuckInBattle) return "A következő Forduló előtt tedd próbára a Szerencsédet!";
  return "A következő Forduló előtt végezd el a kért dobást vagy próbát!";
}

std::string flightReason(const BattleState& b) {
  if (!b.BattleRunning) return "Csak csata közben menekülhetsz el.";
  if (!flightAllowed(b.CurrentOpponent.FlightCode)) return "Ebből a csatából nem lehet elmenekülni.";
  return "Ebből a csatából most még (vagy már) nem menekülhetsz el.";
}

std::string continuationReason(const GameState& state) {
  if (state.tests.ConditionRollRequested) return "A továbblépéshez előbb dobj a kockával a \"Próbák - Csaták\" lapon!";
  if (state.tests.ConditionLuckRequested) {
    return "A továbblépéshez előbb tedd próbára a Szerencsédet a \"Próbák - Csaták\" lapon!";
  }
  return "";
}

}  // namespace

std::string ActionWaitReason(const Game& game, const std::string& name) {
  const GameState& state = game.state;
  if (!state.GameLoaded) return "";
  if (name == "ListBoxNext") return continuationReason(state);
  if (name == "BitBtn3") {
    return state.SaveAllowed ? "" : SaveRefusalNotice(state, game.stores.chapters.Find(state.CurrentChapter));
  }
  const Control& control = game.screen.control(name);
  if (control.enabled()) return "";
  if (name == "BitBtn5") return fightReason(state);
  if (name == "LabelMenekules") return flightReason(state.battle);
  if (name == "LabelTargyFelvetel") return "Most nincs felvehető Tárgy: ehhez a FejezetPonthoz nem tartozik ajánlat.";
  return "";
}

}  // namespace zrx
