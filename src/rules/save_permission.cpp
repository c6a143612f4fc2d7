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

std::string SaveRefusalNotice(const GameState& state, const TChapterRec& chapter) {
  if (state.SaveAllowed) return "";
  std::string reason;
  switch (SaveRefusalAt(state, chapter)) {
    case SaveRefusal::Difficulty: reason = "\"Normál\" nehézségi fokozaton nincs mentés"; break;
    case SaveRefusal::StoryStart: reason = "a Szabályok és a Háttértörténet alatt nincs mentés"; break;
    case SaveRefusal::Changes: reason = "ennek a FejezetPontnak különleges változásai vannak"; break;
    case SaveRefusal::Battle: reason = "ezen a FejezetPonton csata van"; break;
    case SaveRefusal::Conditions: reason = "ennek a FejezetPontnak a továbblépései feltételekhez kötöttek"; break;
    case SaveRefusal::TooSoon:
      reason = "még " + std::to_string(ChaptersUntilSave(state)) +
               " FejezetPontot kell megtenned a legutóbbi mentés vagy betöltés óta";
      break;
    case SaveRefusal::None: reason = "a FejezetPont nem engedi"; break;
  }
  return "Itt most nem lehet menteni: " + reason + ".";
}

}  // namespace zrx
