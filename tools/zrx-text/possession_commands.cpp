// Commands of the equipment, information and magic pages, and the own notes.
#include "command_handlers.h"
#include "session.h"

namespace zrx {
namespace {

// The own-notes slot given as the first word (1..5); the number box takes it.
bool chooseNoteSlot(Session& session, const CommandArgs& args) {
  const std::optional<int> slot = args.words.empty() ? std::nullopt : ParseNumber(args.words.front());
  if (!slot || *slot < 1 || *slot > 5) {
    session.out() << "A saját információ sorszáma 1 és 5 közötti szám.\n";
    return false;
  }
  session.game().screen.SpinEditINFO.setValue(*slot);
  return true;
}

}  // namespace

bool CmdSelectItem(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  const std::optional<int> row = NeedGame(session) ? ChooseLine(session, game.screen.ListBox_FT, args, "tárgy") : std::nullopt;
  return row && session.perform([row](PlayerActions& a) { return a.KlikkFelszTargyLista(*row); });
}

bool CmdUseItem(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  const std::optional<int> row = NeedGame(session) ? ChooseLine(session, game.screen.ListBox_FT, args, "tárgy") : std::nullopt;
  return row && session.perform([row](PlayerActions& a) { return a.KlikkFelszTargyLista(*row); }) &&
         session.perform([row](PlayerActions& a) { return a.DuplaKlikkFelszTargyLista(*row); });
}

bool CmdSelectInfo(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  const std::optional<int> row = NeedGame(session) ? ChooseLine(session, game.screen.ListBox_IN, args, "információ") : std::nullopt;
  return row && session.perform([row](PlayerActions& a) { return a.ListBox_INClick(*row); });
}

bool CmdUseInfo(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  const std::optional<int> row = NeedGame(session) ? ChooseLine(session, game.screen.ListBox_IN, args, "információ") : std::nullopt;
  return row && session.perform([row](PlayerActions& a) { return a.ListBox_INClick(*row); }) &&
         session.perform([row](PlayerActions& a) { return a.ListBox_INDblClick(*row); });
}

bool CmdSelectMagic(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  const std::optional<int> row =
      NeedGame(session) ? ChooseLine(session, game.screen.ListBox_VK, args, "varázslat vagy képesség") : std::nullopt;
  return row && session.perform([row](PlayerActions& a) { return a.ListBox_VKClick(*row); });
}

bool CmdWriteNote(Session& session, const CommandArgs& args) {
  if (!NeedGame(session) || !chooseNoteSlot(session, args)) return false;
  const std::string text = Trim(args.rest.substr(args.words.front().size()));
  if (text.empty()) {
    session.out() << "Mit írjak fel? jegyzet <sorszám> <szöveg>\n";
    return false;
  }
  return session.perform([&text](PlayerActions& a) { return a.Memo_SIChange({text}); }) &&
         session.perform([](PlayerActions& a) { return a.KlikkSajatInfoBeiras(); });
}

bool CmdShowNote(Session& session, const CommandArgs& args) {
  if (!NeedGame(session) || !chooseNoteSlot(session, args)) return false;
  return session.perform([](PlayerActions& a) { return a.KlikkSajatInfoMegjelenites(); });
}

}  // namespace zrx
