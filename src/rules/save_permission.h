#pragma once
// Whether the chapter point just entered allows saving, and if not, why: the one rule
// behind SaveAllowed, so that a front end can tell the player what stands in the way.
#include <string>

#include "game_state.h"
#include "records.h"

namespace zrx {

// The difficulty on which a game is never saved.
inline constexpr int kNormalDifficulty = 1;

enum class SaveRefusal {
  None,        // saving is allowed
  Difficulty,  // "Normál" never saves
  StoryStart,  // the rules text and the background story
  Changes,     // the chapter point has special changes
  Battle,      // or a battle
  Conditions,  // or conditions on its continuations
  TooSoon,     // fewer chapter points since the last save or load than the settings ask
};

SaveRefusal SaveRefusalAt(const GameState& state, const TChapterRec& chapter);

// With TooSoon: how many more chapter points must be read before saving.
int ChaptersUntilSave(const GameState& state);

// What the player is told when saving is not possible at `chapter`, the chapter point the
// game stands on: "Itt most nem lehet menteni: " and the reason. Empty while saving is allowed.
std::string SaveRefusalNotice(const GameState& state, const TChapterRec& chapter);

}  // namespace zrx
