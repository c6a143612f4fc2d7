#include <gtest/gtest.h>

#include <algorithm>

#include "information.h"
#include "magic_skills.h"
#include "own_notes.h"
#include "possession_texts.h"
#include "possessions_fixture.h"

namespace zrx::test {
namespace {

using Kind = UiEvent::Kind;

class InformationPage : public PossessionsFixture {
 protected:
  InformationPage() {
    game.stores.infos.Insert({.Number = 4, .Name = "Jelszó", .Description = "A kapu#jelszava"});
    game.stores.infos.Insert({.Number = 5, .Name = "Térkép", .Description = ""});
    game.stores.infos.Insert({.Number = 6, .Name = "Titok", .Description = "rejtett", .InfoFlag = 1});
    info.add(4);
    info.add(5);
  }
  void select(int line) { game.screen.ListBox_IN.setSelection(line); }
  void awaitInfo(const std::string& number) {
    ConditionState& c = game.state.conditions;
    c.InfoUseAwaited = true;
    c.TestPending = true;
    c.AwaitedInfo = number;
    c.PendingConditions = "I+004,C0#0";
    c.PendingTargets = "00A00B";
  }

  Information info{game};
};

TEST_F(InformationPage, ListsFollowTheInfoFlag) {
  info.add(6);
  info.add(4);
  EXPECT_EQ((TextList{"004", "005"}), game.state.knowledge.InfoList);
  EXPECT_EQ((std::vector<std::string>{"Jelszó", "Térkép"}), game.screen.ListBox_IN.items());
  EXPECT_EQ((TextList{"006"}), game.state.knowledge.HiddenInfoList);
  EXPECT_TRUE(info.possesses(6));
  EXPECT_TRUE(info.possesses(4));
  EXPECT_FALSE(info.possesses(7));

  info.remove(4);
  info.remove(6);
  info.remove(7);
  EXPECT_EQ((TextList{"005"}), game.state.knowledge.InfoList);
  EXPECT_EQ((std::vector<std::string>{"Térkép"}), game.screen.ListBox_IN.items());
  EXPECT_TRUE(game.state.knowledge.HiddenInfoList.empty());
}

TEST_F(InformationPage, Descriptions) {
  select(0);
  info.ListBox_INClick();
  EXPECT_EQ((TextList{"A kapu", "jelszava"}), game.screen.MemoIN_Leir.items());
  select(1);
  info.ListBox_INClick();
  EXPECT_EQ((TextList{"(nincs leírás)"}), game.screen.MemoIN_Leir.items());
}

TEST_F(InformationPage, UsingInformation) {
  struct Case { const char* name; bool awaited; std::string awaitedInfo; int line; bool expectResume; };
  const Case cases[] = {
      {"the awaited information", true, "004", 0, true},
      {"another information", true, "004", 1, false},
      {"nothing awaited", false, "004", 0, false},
      {"no line selected", true, "004", -1, false},
  };
  for (const Case& c : cases) {
    game.state.conditions = {};
    game.state.navigation.NextChapterList.clear();
    awaitInfo(c.awaitedInfo);
    game.state.conditions.InfoUseAwaited = c.awaited;
    select(c.line);
    info.ListBox_INDblClick();
    const ConditionState& s = game.state.conditions;
    EXPECT_TRUE(ui.events().empty()) << c.name << ": no message in any case";
    if (c.expectResume) {
      // The evaluation resumed with the saved conditions (and took the use as it went):
      // the continuations are listed, the unconditional one among them.
      const TextList& offered = game.state.navigation.NextChapterList;
      EXPECT_NE(offered.end(), std::find(offered.begin(), offered.end(), "11")) << c.name;
      EXPECT_FALSE(s.InfoUseAwaited) << c.name;
      EXPECT_FALSE(s.TestPending) << c.name;
    } else {
      EXPECT_TRUE(game.state.navigation.NextChapterList.empty()) << c.name;
      EXPECT_FALSE(s.InfoUsed) << c.name;
      EXPECT_EQ(c.awaited, s.InfoUseAwaited) << c.name;
      EXPECT_TRUE(s.TestPending) << c.name;
    }
  }
}

TEST_F(InformationPage, OwnNotesWriteAndShow) {
  OwnNotes notes(game);
  game.screen.Memo_SI.setItems({"Kulcs", "a kútban"});
  notes.Memo_SIChange();
  EXPECT_TRUE(game.screen.LabelSajatInfoBeir.enabled());
  game.screen.SpinEditINFO.setValue(3);
  notes.KlikkSajatInfoBeiras();
  EXPECT_EQ(" Kulcs a kútban", game.state.knowledge.OwnNotes[3]);
  EXPECT_EQ((std::vector<UiEvent>{{Kind::Info, {"Eltároltad a 3. Saját", "Információdat!"}}}), ui.events());
  EXPECT_TRUE(game.screen.Memo_SI.items().empty());
  EXPECT_EQ(1, game.screen.SpinEditINFO.value());
  EXPECT_FALSE(game.screen.LabelSajatInfoBeir.enabled());

  game.screen.Memo_SI.setItems({"Új"});
  game.screen.SpinEditINFO.setValue(3);
  notes.KlikkSajatInfoBeiras();
  EXPECT_EQ(" Új", game.state.knowledge.OwnNotes[3]) << "replaced without asking";

  ui.clearEvents();
  game.screen.SpinEditINFO.setValue(3);
  notes.KlikkSajatInfoMegjelenites();
  EXPECT_TRUE(ui.events().empty());
  EXPECT_EQ((TextList{" Új"}), game.screen.MemoIN_Leir.items());
}

TEST_F(InformationPage, EmptyNoteSlotGivesANotice) {
  OwnNotes notes(game);
  game.screen.MemoIN_Leir.setItems({"marad"});
  game.screen.SpinEditINFO.setValue(4);
  notes.KlikkSajatInfoMegjelenites();
  EXPECT_EQ((std::vector<UiEvent>{{Kind::Info, {"Nincs Saját Információd az", "adott sorszámon!"}}}),
            ui.events());
  EXPECT_EQ((TextList{"marad"}), game.screen.MemoIN_Leir.items());
}

TEST_F(InformationPage, NoteInputStates) {
  struct Case { const char* name; std::vector<std::string> lines; bool enabled; };
  const Case cases[] = {
      {"nothing", {}, false},
      {"one empty line", {""}, false},
      {"a line break", {"", ""}, true},
      {"a character", {"x"}, true},
  };
  OwnNotes notes(game);
  for (const Case& c : cases) {
    game.screen.Memo_SI.setItems(c.lines);
    notes.Memo_SIChange();
    EXPECT_EQ(c.enabled, game.screen.LabelSajatInfoBeir.enabled()) << c.name;
    game.screen.SpinEditINFO.setValue(2);
    game.state.knowledge.OwnNotes[2].clear();
    notes.KlikkSajatInfoBeiras();
    EXPECT_EQ(c.enabled, !game.state.knowledge.OwnNotes[2].empty()) << c.name;
  }
}

TEST_F(InformationPage, NoteInputTakesAtMost255Characters) {
  const std::string a254(254, 'a');
  const std::string o255 = [] {
    std::string s;
    for (int i = 0; i < 255; ++i) s += "ő";  // two bytes each, one character
    return s;
  }();
  struct Case {
    const char* name;
    TextList typed;
    TextList kept;
  } cases[] = {
      {"exactly 255 accented characters", {o255}, {o255}},
      {"one over", {o255 + "x"}, {o255}},
      {"the line break counts", {a254, "bc"}, {a254, ""}},
      {"a full first line drops the next", {a254 + "b", "c"}, {a254 + "b"}},
  };
  OwnNotes notes(game);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    game.screen.Memo_SI.setItems(c.typed);
    notes.Memo_SIChange();
    EXPECT_EQ(c.kept, game.screen.Memo_SI.items());
    game.screen.SpinEditINFO.setValue(1);
    notes.KlikkSajatInfoBeiras();
    EXPECT_EQ(composeOwnNote(c.kept), game.state.knowledge.OwnNotes[1]);
  }
  // A front end that writes without reporting the change is held to the limit too.
  game.screen.Memo_SI.setItems({o255 + "xyz"});
  notes.KlikkSajatInfoBeiras();
  EXPECT_EQ(" " + o255, game.state.knowledge.OwnNotes[1]);
}

TEST_F(InformationPage, NoteSlotOutsideOneToFiveIsKeptInRange) {
  OwnNotes notes(game);
  game.screen.Memo_SI.setItems({"szélső"});
  game.screen.SpinEditINFO.setValue(9);
  notes.KlikkSajatInfoBeiras();
  EXPECT_EQ(" szélső", game.state.knowledge.OwnNotes[5]);
  EXPECT_TRUE(game.state.knowledge.OwnNotes[0].empty());
}

TEST_F(InformationPage, NoteThatTheSaveFileCannotHoldIsRefused) {
  OwnNotes notes(game);
  game.screen.Memo_SI.setItems({"kard ☺"});
  game.screen.SpinEditINFO.setValue(1);
  notes.KlikkSajatInfoBeiras();
  EXPECT_TRUE(game.state.knowledge.OwnNotes[1].empty());
  ASSERT_EQ(1u, ui.events().size());
  EXPECT_EQ(Kind::Info, ui.events()[0].kind);
  EXPECT_EQ((std::vector<std::string>{"kard ☺"}), game.screen.Memo_SI.items()) << "the input stays for correction";
}

TEST_F(InformationPage, MagicAndSkillDetails) {
  game.stores.magicSkills.Insert({.Number = 1, .IsMagic = 1, .Name = "Tűzgolyó", .Description = "Éget",
                                  .Level = 2, .MaxLevel = 5, .Uses = 0});
  game.stores.magicSkills.Insert({.Number = 2, .IsMagic = 0, .Name = "Lopakodás", .Level = 1,
                                  .MaxLevel = 3, .Uses = 3});
  MagicSkills magic(game);
  magic.add(1);
  magic.add(2);
  EXPECT_EQ((TextList{"001", "002"}), game.state.knowledge.MagicSkillList);
  EXPECT_EQ((std::vector<std::string>{"Tűzgolyó", "Lopakodás"}), game.screen.ListBox_VK.items());

  game.screen.ListBox_VK.setSelection(0);
  magic.ListBox_VKClick();
  EXPECT_EQ((TextList{"Éget", " * * * * * * * * * * ", "Varázslat",
                       "Aktuális Szint: 2 -- Maximális Szint: 5", "Felhasználhatóság: Korlátlan"}),
            game.screen.MemoVK_Leir.items());
  game.screen.ListBox_VK.setSelection(1);
  magic.ListBox_VKClick();
  EXPECT_EQ("Képesség", game.screen.MemoVK_Leir.items()[2]);
  EXPECT_EQ("Felhasználhatóság: 3 Használat", game.screen.MemoVK_Leir.items()[4]);
}

}  // namespace
}  // namespace zrx::test
