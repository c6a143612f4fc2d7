// Commands of battles and item offers.
#include "battle_report.h"
#include "command_handlers.h"
#include "offers.h"
#include "page_signal.h"
#include "session.h"

namespace zrx {
namespace {

// The first word as a number within 1..last; nullopt (with a notice) otherwise.
std::optional<int> numberArgument(Session& session, const CommandArgs& args, int last, const std::string& what) {
  const std::optional<int> n = args.words.empty() ? std::nullopt : ParseNumber(args.words.front());
  if (!n || *n < 1 || *n > last) {
    session.out() << "Nincs ilyen " << what << ".\n";
    return std::nullopt;
  }
  return n;
}

// A round, flight or the weapon rewrites the attack values, the result lines and the dice.
void forgetRoundResults(Session& session) {
  std::vector<std::string> shown = RollControls(2);
  for (const char* name : {"LabelEredmeny1", "LabelEredmeny2", "LabelSzornyTamadoero1", "LabelSzornyTamadoero2",
                           "LabelSzornyTamadoero3", "LabelSzornyDobas2", "LabelSzornyDobas3", "LabelJatekosTamadoero"}) {
    shown.emplace_back(name);
  }
  session.renderer().forget(shown);
}

}  // namespace

bool CmdFight(Session& session, const CommandArgs&) {
  Game& game = session.game();
  if (!NeedGame(session) || !NeedEnabled(session, game.screen.BitBtn5, "Harc", kTestsPage)) return false;
  forgetRoundResults(session);
  const RoundBefore before = BeforeRound(game);
  const bool ok = session.perform([](PlayerActions& a) { return a.KlikkCsata(); });
  // The panel's changes first, then the round in words.
  session.renderer().renderChanges();
  TellRound(session.out(), game, before);
  return ok;
}

bool CmdFlee(Session& session, const CommandArgs&) {
  Game& game = session.game();
  if (!NeedGame(session) || !NeedEnabled(session, game.screen.LabelMenekules, "Menekülés", kTestsPage)) return false;
  forgetRoundResults(session);
  return session.perform([](PlayerActions& a) { return a.KlikkElmenekules(); });
}

bool CmdSpecialWeapon(Session& session, const CommandArgs&) {
  Game& game = session.game();
  if (!NeedGame(session) || !NeedEnabled(session, game.screen.LabelSpecFegyver, "Speciális Fegyver", kTestsPage)) return false;
  forgetRoundResults(session);
  return session.perform([](PlayerActions& a) { return a.KlikkSpecFegyverAlkalmazas(); });
}

bool CmdTick(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session)) return false;
  const std::optional<int> box = numberArgument(session, args, kChoiceBoxes, "választható tárgy");
  if (!box || !NeedEnabled(session, game.screen.CheckBox(*box), std::to_string(*box) + ". választás", kEquipmentPage)) return false;
  const int n = *box;
  return session.perform([n](PlayerActions& a) { return a.CheckBoxKlikk(n); });
}

bool CmdQuantity(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session)) return false;
  const std::optional<int> row = numberArgument(session, args, kQuantityRows, "tárgysor");
  if (!row) return false;
  const std::string direction = args.words.size() > 1 ? args.words[1] : "+";
  if (direction != "+" && direction != "-") {
    session.out() << "darab <sor> + vagy darab <sor> -\n";
    return false;
  }
  if (!NeedEnabled(session, game.screen.FT_SpinButton(*row), std::to_string(*row) + ". sor", kEquipmentPage)) return false;
  const int n = *row;
  return session.perform([n, up = direction == "+"](PlayerActions& a) {
    return up ? a.FT_SpinButtonUpClick(n) : a.FT_SpinButtonDownClick(n);
  });
}

bool CmdConfirmOffer(Session& session, const CommandArgs&) {
  Game& game = session.game();
  if (!NeedGame(session) || !NeedEnabled(session, game.screen.LabelTargyFelvetel, "Tárgy(ak) felvétele", kEquipmentPage)) return false;
  return session.perform([](PlayerActions& a) { return a.KlikkTargyFelvetel(); });
}

bool CmdPickOwnItem(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session) || !NeedEnabled(session, game.screen.LabelTargyKivalasztas, "Tárgy(ak) kiválasztása", kEquipmentPage)) {
    return false;
  }
  // Without a line the command runs with nothing selected, as a click on it with no line
  // marked: in an exchange that is how the player offers nothing.
  const std::optional<int> row = args.words.empty() ? std::optional<int>(-1) : ChooseLine(session, game.screen.ListBox_FT, args, "tárgy");
  return row && session.perform([row](PlayerActions& a) { return a.KlikkTargyFelvetel(*row); });
}

}  // namespace zrx
