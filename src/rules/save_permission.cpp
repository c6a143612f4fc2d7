#include "save_permission.h"

namespace zrx {
namespace {

constexpr int kRulesChapter = -1;
constexpr int kBackgroundChapter = 0;

}  // namespace

SaveRefusal SaveRefusalAt(const GameState& state, const TChapterRec& chapter) {
  if (state.Difficulty == kNormalDifficulty) return SaveRefusal::Difficulty;
  if (state.CurrentChapter == kRulesChapter || state.CurrentChapter == kBackgroundChapter) return SaveRefusal::StoryStart;
  if (!chapter.SpecialChange1.empty() || !chapter.SpecialChange2.empty() || !chapter.SpecialChange3.empty() ||
      !chapter.SpecialChange4.empty()) {
    return SaveRefusal::Changes;
  }
  if (!chapter.BattleCode.empty()) return SaveRefusal::Battle;
  if (!chapter.Conditions.empty()) return SaveRefusal::Conditions;
  if (ChaptersUntilSave(state) > 0) return SaveRefusal::TooSoon;
  return SaveRefusal::None;
}

int ChaptersUntilSave(const GameState& state) {
  return state.settings.SaveInterval - state.navigation.ChaptersSinceSave;
}

}  // namespace zrx
