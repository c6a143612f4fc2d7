// Rendering the screen model as text, without a game: what a change prints, what it does not.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "commands.h"
#include "screen_renderer.h"

namespace zrx::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class ScreenRendererTest : public ::testing::Test {
 protected:
  std::string render() {
    out.str("");
    renderer.renderChanges();
    return out.str();
  }

  ScreenModel screen;
  std::ostringstream out;
  ScreenRenderer renderer{screen, out};
};

TEST_F(ScreenRendererTest, NothingChangedPrintsNothing) { EXPECT_EQ("", render()); }

TEST_F(ScreenRendererTest, ChapterLabelTextAndContinuations) {
  screen.LabelFPont.setText("12");
  screen.RichEdit1.setItems({"Első sor", "Második sor"});
  screen.ListBoxNext.setItems({"13", "Győzelem"});
  EXPECT_EQ("=== 12 ===\nElső sor\nMásodik sor\nLehetőségek:\n  13\n  Győzelem\n", render());
  EXPECT_EQ("", render()) << "told once";
}

TEST_F(ScreenRendererTest, SameValueWrittenAgainIsNotNewsUnlessForgotten) {
  screen.battle.LabelEredmeny1.setVisible(true);
  screen.battle.LabelEredmeny1.setText("Döntetlen Forduló!");
  EXPECT_EQ("Eredmény: Döntetlen Forduló!\n", render());
  screen.battle.LabelEredmeny1.setColour(Colour::Red);
  EXPECT_EQ("", render()) << "a colour alone says nothing";
  renderer.forget({"LabelEredmeny1"});
  EXPECT_EQ("Eredmény: Döntetlen Forduló!\n", render());
}

TEST_F(ScreenRendererTest, PageSignalSaysWhichPageWaitsAndWhy) {
  struct Case {
    int kind;
    const char* line;
  };
  const Case cases[] = {
      {0, "Jelzés: a(z) \"Próbák - Csaták\" lap vár: Szerencse próba (szerencse).\n"},
      {2, "Jelzés: a(z) \"Próbák - Csaták\" lap vár: Dobás két kockával (dob 2).\n"},
      {5, "Jelzés: a(z) \"Próbák - Csaták\" lap vár: Csata (harc).\n"},
      {8, "Jelzés: a(z) \"Felszerelési tárgyak\" lap vár: tárgyak választása"},
      {12, "Jelzés: a(z) \"Kalandlap\" lap vár: a jellemzők változása.\n"},
      {14, "Jelzés: a(z) \"Információk\" lap vár: egy információ felhasználása (infohasznál).\n"},
  };
  for (const Case& c : cases) {
    screen.TimerAlarm.setEnabled(false);
    render();
    screen.TimerAlarm.setValue(c.kind);
    screen.TimerAlarm.setEnabled(true);
    EXPECT_THAT(render(), HasSubstr(c.line)) << "kind " << c.kind;
  }
}

TEST_F(ScreenRendererTest, AvailableActionsFollowTheControls) {
  screen.LabelDobasKocka(3).setEnabled(true);
  EXPECT_THAT(render(), HasSubstr("Elérhető műveletek: dob 3\n"));
  screen.BitBtn5.setEnabled(true);
  EXPECT_THAT(render(), HasSubstr("Elérhető műveletek: dob 3, harc\n"));
  screen.LabelDobasKocka(3).setEnabled(false);
  screen.BitBtn5.setEnabled(false);
  EXPECT_THAT(render(), HasSubstr("Elérhető műveletek: nincs\n"));
}

TEST_F(ScreenRendererTest, OfferRowsAndDice) {
  // Laid out as an offer fills a box and its price: text and visible.
  for (Control* c : {&screen.CheckBox(2), &screen.LabelAr(2)}) c->setVisible(true);
  screen.CheckBox(2).setText("Kard");
  screen.LabelAr(2).setText("5 Aranytallér");
  screen.CheckBox(2).setValue(1);
  screen.FT_LabelTNev(1).setText("Kenyér");
  screen.FT_LabelDB(1).setText("2");
  screen.ImageDE(2, 1).setVisible(true);
  screen.ImageDE(2, 1).setPicture({PictureRef::Source::DiceFace, 4});
  screen.ImageDE(2, 2).setVisible(true);
  screen.ImageDE(2, 2).setPicture({PictureRef::Source::DiceFace, 6});
  const std::string text = render();
  EXPECT_THAT(text, HasSubstr("  [x] 2. Kard (ár: 5 Aranytallér)\n"));
  EXPECT_THAT(text, HasSubstr("  1) Kenyér: 2 db\n"));
  EXPECT_THAT(text, HasSubstr("Kockák (2 kockás dobás): 4 6\n"));
}

TEST_F(ScreenRendererTest, WholePageAndUnknownControls) {
  screen.ListBox_FT.setItems({"Kard", "Pajzs"});
  screen.ListBox_FT.setSelection(1);
  out.str("");
  renderer.renderPage(2);
  EXPECT_THAT(out.str(), HasSubstr("--- Felszerelési tárgyak ---\nFelszerelési tárgyak:\n  1) Kard\n  2) Pajzs  <\n"));
  EXPECT_THAT(render(), Not(HasSubstr("Kard"))) << "the page was seen";
}

// Every label the player may read is told by its caption, never by the control's own name.
TEST(ScreenRendererCaptions, EveryTextControlIsToldByItsCaption) {
  for (const ControlEntry& entry : ControlCatalogue()) {
    if (entry.kind != ControlKind::Text) continue;
    ScreenModel screen;
    std::ostringstream out;
    ScreenRenderer renderer{screen, out};
    Control& control = screen.control(entry.name);
    control.setVisible(true);
    control.setText("próba");
    renderer.renderChanges();
    EXPECT_THAT(out.str(), HasSubstr(": próba\n")) << entry.name;
    EXPECT_THAT(out.str(), Not(HasSubstr(entry.name))) << entry.name;
  }
}

TEST(CommandTableTest, NamesAreUniqueAndFound) {
  std::set<std::string> names;
  for (const Command& command : CommandTable()) {
    ASSERT_FALSE(command.names.empty());
    EXPECT_FALSE(command.help.empty()) << command.names.front();
    for (const std::string& name : command.names) {
      EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
      EXPECT_EQ(&command, FindCommand(name)) << name;
    }
  }
  EXPECT_EQ(nullptr, FindCommand("ugrás"));
}

}  // namespace
}  // namespace zrx::test
