#include "player_actions.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fixed_clock.h"
#include "lifecycle.h"
#include "memory_book_loader.h"
#include "save_permission.h"
#include "scripted_dice.h"
#include "scripted_ui.h"

namespace zrx::test {
namespace {

// A question whose event loop lets a click through: `duringQuestion` runs while it is open.
class ClickThroughUi : public ScriptedUi {
 public:
  std::function<void()> duringQuestion;
  bool QuestionFormKerdes(const std::string& line1, const std::string& line2) override {
    if (duringQuestion) duringQuestion();
    return ScriptedUi::QuestionFormKerdes(line1, line2);
  }
};

struct Recorder : ActionObserver {
  std::vector<std::string> lines;
  void actionEnded(const PlayerAction& action, ActionOutcome outcome) override {
    static const char* const kOutcomes[] = {"Done", "Abandoned", "Refused"};
    lines.push_back(action.name + "(" + action.argument + ") " + kOutcomes[static_cast<int>(outcome)]);
  }
};

class PlayerActionsTest : public ::testing::Test {
 protected:
  PlayerActionsTest() { actions.addObserver(recorder); }
  // The minimal book, with the chapter points a test set before (the first record of a
  // number stays).
  void startGame(int difficulty) {
    loader.useMinimalBook();
    dice.push({1, 1, 1, 1});
    Lifecycle(game).Indit(NewGameChoice{.package = "Source", .bookNumber = 1, .bookCount = 1, .difficulty = difficulty});
  }

  ClickThroughUi ui;
  ScriptedDice dice;
  FixedClock clock;
  MemoryBookLoader loader;
  Game game{std::filesystem::temp_directory_path(), ui, dice, clock, loader};
  PlayerActions actions{game};
  Recorder recorder;
};

TEST_F(PlayerActionsTest, AnActionStartedInsideAQuestionIsRefusedNotNested) {
  startGame(0);
  std::vector<ActionOutcome> inner;
  ui.duringQuestion = [&] {
    inner.push_back(actions.TimerAlarmTimer());
    inner.push_back(actions.KlikkKezdes());
  };
  ui.answer(false);
  EXPECT_EQ(ActionOutcome::Done, actions.KlikkBefejezes());
  EXPECT_EQ((std::vector<ActionOutcome>{ActionOutcome::Refused, ActionOutcome::Refused}), inner);
  EXPECT_TRUE(game.state.GameLoaded) << "the refused new game did not run inside the question";
  EXPECT_EQ(1u, ui.eventsOf(UiEvent::Kind::Question).size());

  ui.duringQuestion = nullptr;
  EXPECT_EQ(ActionOutcome::Done, actions.PageControl1Change(0)) << "the door opens again after the action";
  EXPECT_EQ((std::vector<std::string>{"TimerAlarmTimer() Refused", "KlikkKezdes() Refused", "KlikkBefejezes() Done",
                                      "PageControl1Change(0) Done"}),
            recorder.lines);
}

TEST_F(PlayerActionsTest, AnActionThatThrowsLeavesTheDoorOpen) {
  startGame(0);
  ui.duringQuestion = [] { throw std::runtime_error("the input ended"); };
  EXPECT_THROW(actions.KlikkBefejezes(), std::runtime_error);
  EXPECT_FALSE(actions.running());
  ui.duringQuestion = nullptr;
  EXPECT_EQ(ActionOutcome::Done, actions.PageControl1Change(0));
}

TEST_F(PlayerActionsTest, AMalformedBookCodeAbandonsTheActionAndPlayGoesOn) {
  loader.book.chapters.Insert(TChapterRec{.Number = 2, .NextChapters = "001002003", .Conditions = "0#D512.#0"});
  startGame(0);
  ASSERT_EQ(ActionOutcome::Done, actions.ListBoxNextClick(0));
  EXPECT_EQ(ActionOutcome::Abandoned, actions.KlikkFejezetPontKivalasztas());
  EXPECT_EQ(1u, ui.eventsOf(UiEvent::Kind::BookCodeError).size());
  EXPECT_EQ(ActionOutcome::Done, actions.PageControl1Change(0));
  EXPECT_EQ("KlikkFejezetPontKivalasztas() Abandoned", recorder.lines[1]);
}

TEST_F(PlayerActionsTest, ListRowsAreMarkedByTheDoorBeforeTheirClick) {
  startGame(0);
  ASSERT_EQ(ActionOutcome::Done, actions.ListBoxNextClick(0));
  EXPECT_EQ(0, game.screen.ListBoxNext.selection());
  game.screen.ListBox_IN.setItems({"első", "második"});
  actions.ListBox_INClick(1);
  EXPECT_EQ(1, game.screen.ListBox_IN.selection());
  EXPECT_EQ("ListBox_INClick(1) Done", recorder.lines.back());
}

// The kept chapter points follow every action: stepping back needs no front end's help.
TEST_F(PlayerActionsTest, StepBackReturnsToTheChapterPointKeptByTheDoor) {
  loader.book.chapters.Insert(TChapterRec{.Number = -1, .NextChapters = "000"});
  loader.book.chapters.Insert(TChapterRec{.Number = 0, .NextChapters = "001"});
  loader.book.chapters.Insert(TChapterRec{.Number = 2, .NextChapters = "001"});
  startGame(0);
  game.state.settings.SaveInterval = 0;
  const auto go = [&] {
    ASSERT_EQ(ActionOutcome::Done, actions.ListBoxNextClick(0));
    ASSERT_EQ(ActionOutcome::Done, actions.KlikkFejezetPontKivalasztas());
  };
  EXPECT_NE("", actions.StepBackRefusal());
  go();  // the rules text to chapter point 0 (the background story: no save there)
  go();  // to 1
  EXPECT_NE("", actions.StepBackRefusal()) << "nothing kept before the first chapter point";
  go();  // to 2
  ASSERT_EQ(2, game.state.CurrentChapter);
  EXPECT_EQ("", actions.StepBackRefusal());
  bool stepped = false;
  std::string why;
  EXPECT_EQ(ActionOutcome::Done, actions.StepBack(stepped, why));
  EXPECT_TRUE(stepped) << why;
  EXPECT_EQ(1, game.state.CurrentChapter);
  EXPECT_TRUE(game.state.GameLoaded);
}

TEST_F(PlayerActionsTest, NoStepBackOnNormal) {
  startGame(kNormalDifficulty);
  EXPECT_NE(std::string::npos, actions.StepBackRefusal().find("Normál"));
  bool stepped = true;
  std::string why;
  actions.StepBack(stepped, why);
  EXPECT_FALSE(stepped);
  EXPECT_EQ(actions.StepBackRefusal(), why);
}

}  // namespace
}  // namespace zrx::test
