// Commands of the game as a whole: new game, end, quit, and the save window's actions.
#include "command_handlers.h"
#include "save_load_screen.h"
#include "save_permission.h"
#include "session.h"

namespace zrx {
namespace {

void listSaves(Session& session, const SaveLoadScreen& screen) {
  const std::vector<std::string> lines = screen.ListLines();
  session.out() << "Mentéseid:\n";
  for (std::size_t i = 0; i < lines.size(); ++i) session.out() << "  " << i + 1 << ") " << lines[i] << '\n';
}

// The save chosen by the first word, or asked for; nullopt (with a notice) for none.
std::optional<std::size_t> chooseSave(Session& session, const SaveLoadScreen& screen, const CommandArgs& args) {
  const int count = static_cast<int>(screen.entries().size());
  std::optional<int> number = args.words.empty() ? session.ui().askNumber("Melyik mentés? ", count)
                                                  : ParseNumber(args.words.front());
  if (!number || *number < 1 || *number > count) {
    session.out() << "Nincs ilyen mentés.\n";
    return std::nullopt;
  }
  const std::size_t position = static_cast<std::size_t>(*number - 1);
  session.out() << screen.DetailsLine(position) << '\n';
  return position;
}

}  // namespace

bool CmdNewGame(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  session.presetAnswers() = args.words;
  const bool ok = session.perform([](PlayerActions& a) { return a.KlikkKezdes(); });
  session.presetAnswers().clear();
  return ok && game.state.GameLoaded;
}

bool CmdEndGame(Session& session, const CommandArgs&) {
  if (!NeedGame(session)) return false;
  return session.perform([](PlayerActions& a) { return a.KlikkBefejezes(); });
}

bool CmdQuit(Session& session, const CommandArgs&) {
  if (!session.ui().QuestionFormKerdes("Biztosan kilépsz?", "")) return true;
  session.out() << "Kilépés!\n";
  session.status().ended = true;
  return true;
}

bool CmdSave(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session)) return false;
  if (!game.state.SaveAllowed) {
    session.out() << SaveRefusalNotice(game.state, game.stores.chapters.Find(game.state.CurrentChapter)) << '\n';
    return false;
  }
  SaveLoadScreen screen(game, SaveWindowMode::Save, session.saveRandom());
  if (!screen.Open()) return false;
  std::optional<std::string> typed = args.rest;
  if (typed->empty()) typed = session.ask("Mentés neve: ");
  std::string name;
  if (!typed || !screen.CheckSaveName(*typed, name)) return false;
  SaveWindowNext next = SaveWindowNext::Stay;
  if (!session.perform([&](PlayerActions& a) { return a.SaveGame(screen, name, next); })) return false;
  if (next != SaveWindowNext::Close || game.errors.FatalErrorFlag()) return false;
  session.out() << "Mentve: " << name << '\n';
  return true;
}

bool CmdListSaves(Session& session, const CommandArgs&) {
  SaveLoadScreen screen(session.game(), SaveWindowMode::Load, session.saveRandom());
  if (!screen.Open()) return false;
  listSaves(session, screen);
  return true;
}

bool CmdLoad(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  SaveLoadScreen screen(game, SaveWindowMode::Load, session.saveRandom());
  if (!screen.Open()) return false;
  listSaves(session, screen);
  const std::optional<std::size_t> position = chooseSave(session, screen, args);
  if (!position) return false;
  SaveWindowNext next = SaveWindowNext::Stay;
  return session.perform([&](PlayerActions& a) { return a.LoadGame(screen, *position, next); }) &&
         game.state.GameLoaded && !game.errors.FatalErrorFlag();
}

bool CmdUndo(Session& session, const CommandArgs&) {
  if (!NeedGame(session)) return false;
  std::string why;
  bool stepped = false;
  if (!session.perform([&](PlayerActions& a) { return a.StepBack(stepped, why); })) return false;
  if (!stepped && !why.empty()) session.out() << "Nincs visszalépés: " << why << ".\n";
  return stepped;
}

bool CmdDelete(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  SaveLoadScreen screen(game, SaveWindowMode::Load, session.saveRandom());
  if (!screen.Open()) return false;
  const std::optional<std::size_t> position = chooseSave(session, screen, args);
  if (!position) return false;
  if (!screen.ConfirmDelete(*position)) return true;
  SaveWindowNext next = SaveWindowNext::Stay;
  if (!session.perform([&](PlayerActions& a) { return a.DeleteGame(screen, *position, next); })) return false;
  if (game.errors.FatalErrorFlag()) return false;
  session.out() << "Törölve.\n";
  return true;
}

}  // namespace zrx
