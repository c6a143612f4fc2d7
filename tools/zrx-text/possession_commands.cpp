// Commands of the equipment, information and magic pages, and the own notes.
#include "command_handlers.h"
#include "equipment.h"
#include "information.h"
#include "magic_skills.h"
#include "own_notes.h"
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
  if (!NeedGame(session) || !SelectLine(session, game.screen.ListBox_FT, args, "tárgy")) return false;
  return session.perform([&game] { Equipment(game).KlikkFelszTargyLista(); });
}

bool CmdUseItem(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session) || !SelectLine(session, game.screen.ListBox_FT, args, "tárgy")) return false;
  return session.perform([&game] {
    Equipment(game).KlikkFelszTargyLista();
    Equipment(game).DuplaKlikkFelszTargyLista();
  });
}

bool CmdSelectInfo(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session) || !SelectLine(session, game.screen.ListBox_IN, args, "információ")) return false;
  return session.perform([&game] { Information(game).ListBox_INClick(); });
}

bool CmdUseInfo(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session) || !SelectLine(session, game.screen.ListBox_IN, args, "információ")) return false;
  return session.perform([&game] {
    Information(game).ListBox_INClick();
    Information(game).ListBox_INDblClick();
  });
}

bool CmdSelectMagic(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session) || !SelectLine(session, game.screen.ListBox_VK, args, "varázslat vagy képesség")) {
    return false;
  }
  return session.perform([&game] { MagicSkills(game).ListBox_VKClick(); });
}

bool CmdWriteNote(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session) || !chooseNoteSlot(session, args)) return false;
  const std::string text = Trim(args.rest.substr(args.words.front().size()));
  if (text.empty()) {
    session.out() << "Mit írjak fel? jegyzet <sorszám> <szöveg>\n";
    return false;
  }
  return session.perform([&game, &text] {
    game.screen.Memo_SI.setItems({text});
    OwnNotes(game).Memo_SIChange();
    OwnNotes(game).KlikkSajatInfoBeiras();
  });
}

bool CmdShowNote(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session) || !chooseNoteSlot(session, args)) return false;
  return session.perform([&game] { OwnNotes(game).KlikkSajatInfoMegjelenites(); });
}

}  // namespace zrx
