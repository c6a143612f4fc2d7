// Commands of the story and the pages, the tests, and the checks every handler shares.
#include <charconv>

#include "command_handlers.h"
#include "input_folding.h"
#include "page_signal.h"
#include "screen_renderer.h"
#include "session.h"

namespace zrx {
namespace {

// The player opens a page: it becomes the active page (a signal waiting for it hands over)
// and is shown whole.
bool openPage(Session& session, int page) {
  const bool ok = session.perform([page](PlayerActions& a) { return a.PageControl1Change(page); });
  session.renderer().renderPage(page);
  return ok;
}

}  // namespace

std::optional<int> ParseNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

bool NeedGame(Session& session) {
  if (session.game().state.GameLoaded) return true;
  session.out() << "Nincs folyamatban játék (új játék: új).\n";
  return false;
}

int WaitingPage(const Game& game) {
  const Control& timer = game.screen.TimerAlarm;
  return timer.enabled() ? SignalPage(timer.value()) : -1;
}

std::string WaitingPageHint(const Game& game) {
  const int page = WaitingPage(game);
  if (page <= 0) return "";
  std::string hint = "a(z) \"" + PageCaptions()[static_cast<std::size_t>(page)] + "\" lap vár";
  const std::string reason = PendingReason(game.screen.TimerAlarm.value());
  return reason.empty() ? hint : hint + ": " + reason;
}

bool NeedEnabled(Session& session, const Control& action, const std::string& what, int page) {
  if (action.enabled() && action.visible()) return true;
  Game& game = session.game();
  // The page that holds the action waits: opened as a click on its blinking tab would.
  if (page > 0 && WaitingPage(game) == page && game.screen.PageControl1.value() != page) {
    session.out() << "(a(z) \"" << PageCaptions()[static_cast<std::size_t>(page)] << "\" lap megnyílik)\n";
    session.perform([page](PlayerActions& a) { return a.PageControl1Change(page); });
    session.renderer().renderChanges();
    if (action.enabled() && action.visible()) return true;
  }
  session.out() << "A(z) \"" << what << "\" most nem érhető el";
  const std::string hint = WaitingPageHint(game);
  if (!hint.empty()) session.out() << " (" << hint << ")";
  session.out() << ".\n";
  return false;
}

std::optional<int> ChooseLine(Session& session, const Control& list, const CommandArgs& args, const std::string& what) {
  const std::optional<int> line = args.words.empty() ? std::nullopt : ParseNumber(args.words.front());
  if (list.items().empty()) {
    session.out() << "Nincs egy " << what << " sem a listán.\n";
    return std::nullopt;
  }
  if (!line || *line < 1 || *line > static_cast<int>(list.items().size())) {
    session.out() << "Nincs ilyen " << what << " (1-" << list.items().size() << ").\n";
    return std::nullopt;
  }
  return *line - 1;
}

std::vector<std::string> RollControls(int n) {
  std::vector<std::string> names = {"DK" + std::to_string(n) + "EredmenyLabel"};
  for (int k = 1; k <= 4; ++k) names.push_back("ImageDE" + std::to_string(n) + std::to_string(k));
  return names;
}

bool CmdContinue(Session& session, const CommandArgs& args) {
  if (!NeedGame(session)) return false;
  Game& game = session.game();
  const std::string choice = args.words.empty() ? "" : args.words.front();
  if (game.state.navigation.TypedChoiceMode) {
    if (choice.empty()) {
      session.out() << "Írd be a FejezetPont számát: tovább <szám>.\n";
      return false;
    }
    return session.perform([&choice](PlayerActions& a) { return a.EditNextChange(choice); }) &&
           session.perform([](PlayerActions& a) { return a.KlikkFejezetPontKivalasztas(); });
  }
  if (!choice.empty()) {
    const auto& items = game.screen.ListBoxNext.items();
    int index = -1;
    for (std::size_t i = 0; i < items.size() && index < 0; ++i) {
      if (items[i] == choice) index = static_cast<int>(i);
    }
    for (std::size_t i = 0; i < items.size() && index < 0; ++i) {
      if (SameWord(items[i], choice)) index = static_cast<int>(i);
    }
    if (index < 0) {
      session.out() << "Nincs ilyen továbblépési lehetőség: " << choice;
      // A chapter point still waiting for the player offers its continuations afterwards.
      const std::string hint = WaitingPageHint(game);
      if (!hint.empty()) session.out() << ". Előbb " << hint;
      session.out() << ".\n";
      return false;
    }
    if (items[static_cast<std::size_t>(index)] != choice) session.out() << "(" << items[static_cast<std::size_t>(index)] << ")\n";
    if (!session.perform([index](PlayerActions& a) { return a.ListBoxNextClick(index); })) return false;
  } else if (game.screen.ListBoxNext.selection() < 0 && SignalPage(game.state.navigation.PendingKind) <= 0) {
    session.out() << "Válassz egy lehetőséget: tovább <lehetőség>.\n";
    return false;
  }
  return session.perform([](PlayerActions& a) { return a.KlikkFejezetPontKivalasztas(); });
}

bool CmdStory(Session& session, const CommandArgs&) { return openPage(session, kStoryPage); }
bool CmdSheet(Session& session, const CommandArgs&) { return openPage(session, kSheetPage); }
bool CmdItemsPage(Session& session, const CommandArgs&) { return openPage(session, kEquipmentPage); }
bool CmdTestsPage(Session& session, const CommandArgs&) { return openPage(session, kTestsPage); }
bool CmdInfoPage(Session& session, const CommandArgs&) { return openPage(session, kInformationPage); }
bool CmdMagicPage(Session& session, const CommandArgs&) { return openPage(session, kMagicSkillsPage); }

bool CmdLuck(Session& session, const CommandArgs&) {
  Game& game = session.game();
  if (!NeedGame(session) || !NeedEnabled(session, game.screen.LabelSzProba, "Szerencse próba", kTestsPage)) return false;
  std::vector<std::string> shown = RollControls(2);
  shown.push_back("LabelSZPEredmenyErtek");
  session.renderer().forget(shown);
  return session.perform([](PlayerActions& a) { return a.KlikkSzerencseProba(); });
}

bool CmdRoll(Session& session, const CommandArgs& args) {
  Game& game = session.game();
  if (!NeedGame(session)) return false;
  const std::optional<int> dice = args.words.empty() ? std::nullopt : ParseNumber(args.words.front());
  if (!dice || *dice < 1 || *dice > 4) {
    session.out() << "Hány kockával? dob 1, dob 2, dob 3 vagy dob 4.\n";
    return false;
  }
  if (!NeedEnabled(session, game.screen.LabelDobasKocka(*dice), "dob " + std::to_string(*dice), kTestsPage)) return false;
  const int n = *dice;
  session.renderer().forget(RollControls(n));
  const ConditionState& cs = game.state.conditions;
  const int scoreA = cs.ContestScoreA, scoreB = cs.ContestScoreB;
  const bool ok = session.perform([n](PlayerActions& a) { return a.KlikkDobasKockaval(n); });
  // A contest of rolls grows both scores with every roll: told as a running score.
  if (cs.ContestScoreA != scoreA || cs.ContestScoreB != scoreB) {
    session.renderer().renderChanges();
    session.out() << "Verseny állása: " << cs.ContestScoreA << " : " << cs.ContestScoreB << '\n';
  }
  return ok;
}

}  // namespace zrx
