#include "undo_history.h"

#include <algorithm>

#include "game_transfer.h"
#include "lifecycle.h"
#include "save_load_screen.h"
#include "save_permission.h"

namespace zrx {

void UndoHistory::record(Game& game) {
  const GameState& state = game.state;
  if (!state.GameLoaded) {
    kept_.clear();
    return;
  }
  if (!state.SaveAllowed) return;
  const std::size_t length = state.navigation.VisitedPath.size();
  if (!kept_.empty() && kept_.back().pathLength == length) return;
  // Going on after a step back forgets the way that was stepped back from.
  while (!kept_.empty() && kept_.back().pathLength > length) kept_.pop_back();
  kept_.push_back({length, ComposeGameLines(CaptureSavedGame(game))});
}

std::string UndoHistory::refusal(const Game& game) const {
  const GameState& state = game.state;
  if (!state.GameLoaded) return "nincs folyamatban játék";
  if (state.Difficulty == kNormalDifficulty) return "\"Normál\" nehézségi fokozaton nincs visszalépés, ahogy mentés sem";
  const std::size_t length = state.navigation.VisitedPath.size();
  const bool earlier = std::any_of(kept_.begin(), kept_.end(), [length](const Kept& k) { return k.pathLength < length; });
  return earlier ? "" : "nincs korábbi FejezetPont, ahol a szabályok mentést engednének";
}

bool UndoHistory::stepBack(Game& game, std::string& why) {
  why = refusal(game);
  if (!why.empty()) return false;
  const std::size_t length = game.state.navigation.VisitedPath.size();
  while (!kept_.empty() && kept_.back().pathLength >= length) kept_.pop_back();
  SavedGame saved;
  if (ParseGameLines(kept_.back().lines, saved) != 0) {
    why = "a korábbi állás nem olvasható vissza";
    kept_.clear();
    return false;
  }
  Lifecycle(game).Befejez();
  if (!ApplySavedGame(game, saved)) return false;
  game.state.GameLoaded = true;
  EnterLoadedGame(game);
  // The restored chapter point is the one shown now: the next step back goes before it.
  kept_.back().pathLength = game.state.navigation.VisitedPath.size();
  return true;
}

}  // namespace zrx
