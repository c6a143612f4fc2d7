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

std::string continuationReason(const Game& game) {
  const GameState& state = game.state;
  if (state.tests.ConditionRollRequested) return "A továbblépéshez előbb dobj a kockával a \"Próbák - Csaták\" lapon!";
  if (state.tests.ConditionLuckRequested) {
    return "A továbblépéshez előbb tedd próbára a Szerencsédet a \"Próbák - Csaták\" lapon!";
  }
  // The continuations come once what waits on another page (an offer, a battle) is done.
  const PendingKindInfo* waiting = PendingKindInfoOf(state.navigation.PendingKind);
  if (waiting && waiting->page != kStoryPage && game.screen.ListBoxNext.items().empty()) {
    return std::string("A továbblépés előtt ezen a lapon vár rád valami: \"") +
           kPageCaptions[static_cast<std::size_t>(waiting->page)] + "\".";
  }
  return "";
}

// A roll with another count of dice may be the one asked for.
std::string rollReason(const ScreenModel& s) {
  for (int n = 1; n <= 4; ++n) {
    if (s.LabelDobasKocka(n).enabled()) return "A kért dobás: \"" + s.LabelDobasKocka(n).text() + "\".";
  }
  return "Most nem kell kockával dobnod.";
}

}  // namespace

const std::vector<std::string>& ActionsWithReasons() {
  static const std::vector<std::string> names = {
      "BitBtn3",          "BitBtn5",          "LabelMenekules",   "LabelSzProba",     "LabelSpecFegyver",
      "LabelDobas1Kocka", "LabelDobas2Kocka", "LabelDobas3Kocka", "LabelDobas4Kocka", "LabelTargyKivalasztas",
      "LabelTargyFelvetel", "ListBoxNext"};
  return names;
}

std::string ActionWaitReason(const Game& game, const std::string& name) {
  const GameState& state = game.state;
  if (!state.GameLoaded) return "";
  if (name == "ListBoxNext") return continuationReason(game);
  if (name == "BitBtn3") {
    return state.SaveAllowed ? "" : SaveRefusalNotice(state, game.stores.chapters.Find(state.CurrentChapter));
  }
  const Control& control = game.screen.control(name);
  if (control.enabled()) return "";
  if (name == "BitBtn5") return fightReason(state);
  if (name == "LabelMenekules") return flightReason(state.battle);
  if (name == "LabelTargyFelvetel") return "Most nincs felvehető Tárgy: ehhez a FejezetPonthoz nem tartozik ajánlat.";
  if (name == "LabelTargyKivalasztas") return "Most nem kell a saját Tárgyaid közül választanod.";
  if (name == "LabelSzProba") return "Most nem kell próbára tenned a Szerencsédet.";
  if (name == "LabelSpecFegyver") return "Most nincs alkalmazható különleges fegyvered.";
  if (name.starts_with("LabelDobas")) return rollReason(game.screen);
  return "";
}

}  // namespace zrx
