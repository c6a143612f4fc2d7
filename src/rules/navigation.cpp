#include "navigation.h"

#include <algorithm>
#include <array>

#include "chapter_codes.h"
#include "conditions.h"
#include "game.h"
#include "information.h"
#include "lifecycle.h"
#include "save_permission.h"
#include "shown_list.h"
#include "battle.h"
#include "special_changes.h"

namespace zrx {
namespace {

constexpr int kRulesChapter = -1;
constexpr int kBackgroundChapter = 0;

std::string chapterCaption(int chapter) {
  if (chapter == kRulesChapter) return "Szabályok";
  if (chapter == kBackgroundChapter) return "Háttértörténet";
  return std::to_string(chapter);
}

}  // namespace

void Navigation::FejezetPont() {
  NavigationState& nav = game_.state.navigation;
  if (nav.ChaptersSinceSave < 255) ++nav.ChaptersSinceSave;
  const int chapter = game_.state.CurrentChapter;
  if (chapter >= 1) {
    nav.VisitedPath.push_back(std::to_string(chapter));
    LepesFeltoltes(nav.VisitedPath.back());
  }
  nav.PageMarks = "000000";
  SzovegBetoltes();
  FejezetKepBetoltes();
  // Pictures that failed to load in the background end the game here, as at its start.
  if (game_.errors.FatalErrorFlag()) return;
  SpecialValtozas();
}

void Navigation::SzovegBetoltes() {
  const GameState& gs = game_.state;
  const auto& texts = gs.ChapterTexts;
  const int chapter = gs.CurrentChapter;
  TextList lines;
  if (chapter == kRulesChapter && !texts.empty()) {
    lines = texts.back();
  } else if (chapter >= 0 && chapter < static_cast<int>(texts.size())) {
    lines = texts[static_cast<std::size_t>(chapter)];
  }
  game_.screen.RichEdit1.setItems(std::move(lines));
  game_.screen.PageControl1.setValue(kStoryPage);
  game_.screen.LabelFPont.setText(chapterCaption(chapter));
}

void Navigation::FejezetKepBetoltes() {
  const GameState& gs = game_.state;
  if (gs.CurrentChapter < 0) return;
  if (!Lifecycle(game_).PicturesReady(true)) return;
  const int picture = game_.stores.chapters.Find(gs.CurrentChapter).PictureNumber;
  Control& image = game_.screen.Image1;
  if (picture != 0 && gs.CurrentBook.ChapterPictureCount != 0) {
    // A picture number beyond the loaded pictures leaves the picture as it was.
    if (picture <= static_cast<int>(gs.ChapterPictures.size())) {
      image.setPicture({PictureRef::Source::ChapterPicture, picture - 1});
    }
  } else if (picture == 0 && gs.CurrentBook.DecorPictureCount != 0 && !gs.DecorPictures.empty()) {
    const int count = static_cast<int>(gs.DecorPictures.size());
    image.setPicture({PictureRef::Source::DecorPicture, game_.dice().uniform(count)});
  }
}

void Navigation::SpecialValtozas() {
  Information(game_).countDownChapterTimes();
  game_.state.equipment.SlotLocked.fill(false);
  const TChapterRec& chapter = game_.stores.chapters.Find(game_.state.CurrentChapter);
  SpecialChangeState& changes = game_.state.changes;
  changes.ChangeQueue1 = chapter.SpecialChange1;
  changes.ChangeQueue2 = chapter.SpecialChange2;
  changes.ChangeQueue3 = chapter.SpecialChange3;
  changes.ChangeQueue4 = chapter.SpecialChange4;
  const bool anyChange = !chapter.SpecialChange1.empty() || !chapter.SpecialChange2.empty() ||
                         !chapter.SpecialChange3.empty() || !chapter.SpecialChange4.empty();
  if (anyChange) {
    setSaveAllowed(false);
    startSpecialChanges();
    return;
  }
  decideSaveAllowed(chapter);
  // The battle set-up builds the continuations itself when the declaration is empty.
  Battle(game_).CsataElokeszites();
}

void Navigation::startSpecialChanges() {
  SpecialChangeState& changes = game_.state.changes;
  NavigationState& nav = game_.state.navigation;
  changes.ChangesActive = true;
  changes.ChangeSequence = 0;
  const std::array<const std::string*, 4> queues = {&changes.ChangeQueue1, &changes.ChangeQueue2,
                                                    &changes.ChangeQueue3, &changes.ChangeQueue4};
  for (std::size_t k = 0; k < queues.size(); ++k) {
    if (queues[k]->substr(0, 2) != "01") continue;
    nav.PageMarks[k] = '1';
    // The interpreter of the changes processes the queue named in ResumeQueue.
    changes.ResumeQueue = std::to_string(k + 1);
    if (game_.state.settings.ChangeSignalLevel < 2) {
      SpecialChanges(game_).resume();
    } else {
      nav.PendingKind = ToInt(kWaitingQueueKinds[k]);
      OldalValtasJelzes(nav.PendingKind, true);
    }
  }
}

void Navigation::RecheckSaveAllowed() {
  decideSaveAllowed(game_.stores.chapters.Find(game_.state.CurrentChapter));
}

void Navigation::decideSaveAllowed(const TChapterRec& chapter) {
  setSaveAllowed(SaveRefusalAt(game_.state, chapter) == SaveRefusal::None);
}

void Navigation::setSaveAllowed(bool allowed) {
  game_.state.SaveAllowed = allowed;
  // The save button and its menu twins offer saving exactly while it is possible.
  Lifecycle(game_).MentesEngedelyezes(allowed);
}

void Navigation::TovabbLepesValasztas() {
  const TChapterRec& chapter = game_.stores.chapters.Find(game_.state.CurrentChapter);
  if (chapter.BattleCode.empty()) {
    BattleState& battle = game_.state.battle;
    battle.PlayerSkillWounds.clear();
    battle.PlayerLifeWounds.clear();
    battle.OpponentSkillDamage.clear();
    battle.OpponentLifeDamage.clear();
  }
  game_.state.conditions.ConditionMet = false;
  if (chapter.Conditions.empty()) {
    for (std::size_t i = 0; i + 3 <= chapter.NextChapters.size(); i += 3) {
      FPListaHozzaAdas(std::string_view(chapter.NextChapters).substr(i, 3));
    }
    ShowContinuations();
    game_.state.navigation.PendingKind = ToInt(PendingKind::Choice);
    OldalValtasJelzes(ToInt(PendingKind::Choice), true);
  } else if (chapter.Conditions.front() == 'X') {
    offerTypedChoice(chapter);
  } else {
    Conditions(game_).FeltetelFelbontas(chapter.Conditions, chapter.NextChapters);
  }
}

void Navigation::offerTypedChoice(const TChapterRec& chapter) {
  NavigationState& nav = game_.state.navigation;
  nav.NextChapterList = {chapter.Conditions, chapter.NextChapters};
  ScreenModel& screen = game_.screen;
  screen.ListBoxNext.setVisible(false);
  screen.LabelLehetosegek.setText("Továbblépés:");
  screen.EditNext.setText("");
  screen.EditNext.setVisible(true);
  nav.TypedChoiceMode = true;
  nav.WrongGuessCount = 1;
  nav.PendingKind = ToInt(PendingKind::Choice);
  OldalValtasJelzes(ToInt(PendingKind::Choice), true);
}

void Navigation::FPListaHozzaAdas(std::string_view code) {
  game_.state.navigation.NextChapterList.push_back(ChapterCodeEntry(code));
}

void Navigation::ShowContinuations() {
  game_.screen.ListBoxNext.setItems(game_.state.navigation.NextChapterList);
}

}  // namespace zrx
