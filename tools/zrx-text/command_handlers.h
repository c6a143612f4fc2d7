#pragma once
// The handlers behind the command table, grouped by what they act on, and the checks
// they share. Every engine action runs through Session::perform.
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "page_texts.h"

namespace zrx {

class Control;
class Game;

// Shared checks; each tells the player why the command cannot run.
bool NeedGame(Session& session);
// An action that is not available: when its page (0 for none) is the one that waits, the
// page is opened first, as a click on its signalled tab; otherwise says what waits.
bool NeedEnabled(Session& session, const Control& action, const std::string& what, int page = 0);
// The page that the page signal asks for (-1 for none), and why, in words ("" for none).
int WaitingPage(const Game& game);
std::string WaitingPageHint(const Game& game);
std::optional<int> ParseNumber(const std::string& text);
// The controls that a roll with n dice rewrites; told again after the next roll even when
// the values repeat.
std::vector<std::string> RollControls(int n);
// Caption and value rows, one a line.
void PrintRows(Session& session, const std::vector<TextRow>& rows);

// The row (0-based) of the list line the player named (1-based); none (with a notice) for no such line.
std::optional<int> ChooseLine(Session& session, const Control& list, const CommandArgs& args, const std::string& what);

// Story and pages.
bool CmdHelp(Session&, const CommandArgs&);
bool CmdContinue(Session&, const CommandArgs&);
bool CmdStory(Session&, const CommandArgs&);
bool CmdSheet(Session&, const CommandArgs&);
bool CmdItemsPage(Session&, const CommandArgs&);
bool CmdTestsPage(Session&, const CommandArgs&);
bool CmdInfoPage(Session&, const CommandArgs&);
bool CmdMagicPage(Session&, const CommandArgs&);
bool CmdLuck(Session&, const CommandArgs&);
bool CmdRoll(Session&, const CommandArgs&);
bool CmdOdds(Session&, const CommandArgs&);
bool CmdMap(Session&, const CommandArgs&);
bool CmdStats(Session&, const CommandArgs&);

// Possessions.
bool CmdSelectItem(Session&, const CommandArgs&);
bool CmdUseItem(Session&, const CommandArgs&);
bool CmdSelectInfo(Session&, const CommandArgs&);
bool CmdUseInfo(Session&, const CommandArgs&);
bool CmdSelectMagic(Session&, const CommandArgs&);
bool CmdWriteNote(Session&, const CommandArgs&);
bool CmdShowNote(Session&, const CommandArgs&);

// Battles and item offers.
bool CmdFight(Session&, const CommandArgs&);
bool CmdFlee(Session&, const CommandArgs&);
bool CmdSpecialWeapon(Session&, const CommandArgs&);
bool CmdTick(Session&, const CommandArgs&);
bool CmdQuantity(Session&, const CommandArgs&);
bool CmdConfirmOffer(Session&, const CommandArgs&);
bool CmdPickOwnItem(Session&, const CommandArgs&);

// The game as a whole.
bool CmdNewGame(Session&, const CommandArgs&);
bool CmdEndGame(Session&, const CommandArgs&);
bool CmdQuit(Session&, const CommandArgs&);
bool CmdSave(Session&, const CommandArgs&);
bool CmdLoad(Session&, const CommandArgs&);
bool CmdDelete(Session&, const CommandArgs&);
bool CmdListSaves(Session&, const CommandArgs&);
bool CmdUndo(Session&, const CommandArgs&);
bool CmdQuiet(Session&, const CommandArgs&);

}  // namespace zrx
