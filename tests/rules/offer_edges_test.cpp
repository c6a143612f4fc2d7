// Offer edge cases: the second criterion of a demand, demands of all pieces, malformed
// demands, and the page signal while an offer waits for its confirm.
#include "book_code.h"
#include "changes_fixture.h"
#include "lifecycle.h"

namespace zrx::test {
namespace {

struct EdgeWorld : ChangesWorld {
  EdgeWorld() {
    item({.Number = 3, .Name = "Kötél"});
    item({.Number = 6, .Name = "Gyűrű", .Value = 10, .Unique = 1});
  }
  std::vector<std::string> infos() const {
    std::vector<std::string> out;
    for (const UiEvent& e : ui.eventsOf(UiEvent::Kind::Info)) out.push_back(e.lines[0]);
    return out;
  }
};

TEST(OfferEdges, SecondCriterionTakesWhatTheFirstRefuses) {
  EdgeWorld w;
  w.hold(3, 2);
  w.hold(6, 1);
  // Two pieces of rope, or 10 gold (payable with the ring).
  w.enter("02N04+01#", "01xKS00302/S00110#");
  EXPECT_EQ(ToInt(PendingKind::DemandEither), w.pendingKind());
  EXPECT_EQ((TextList{"S00302", "S00110"}), w.game.state.offers.OfferList);
  w.selectHeld(6);
  w.ui.answer(true);
  w.confirm();
  EXPECT_EQ((std::vector<std::string>{"Eddig egy Tárgy kiválasztva"}), w.infos());
  EXPECT_EQ(0, w.count(6));
  EXPECT_EQ(2, w.count(3));
  EXPECT_EQ(1, w.current(4));
  EXPECT_TRUE(w.continuationsOffered());
}

TEST(OfferEdges, AnOfferLeftOpenDoesNotOutliveItsGame) {
  EdgeWorld w;
  w.enter("", "01xO0031#");
  ASSERT_EQ(1, w.game.screen.FT_Elrendezes.value());
  ASSERT_TRUE(w.game.screen.GroupBox1.visible());
  Lifecycle(w.game).Befejez();
  ScreenModel& s = w.game.screen;
  EXPECT_EQ(0, s.FT_Elrendezes.value());
  EXPECT_FALSE(s.GroupBox1.visible());
  EXPECT_FALSE(s.CheckBox(1).visible());
  EXPECT_FALSE(s.LabelTargyFelvetel.enabled());

  // A fresh start lays out the plain page whatever the screen held before.
  w.game.screen.FT_Elrendezes.setValue(2);
  w.game.screen.FT_LabelFejlec1.setVisible(true);
  Lifecycle(w.game).ValtozoInicializalas();
  EXPECT_EQ(0, s.FT_Elrendezes.value());
  EXPECT_FALSE(s.FT_LabelFejlec1.visible());
}

TEST(OfferEdges, DemandOfAllPiecesTakesThemAll) {
  EdgeWorld w;
  w.hold(3, 4);
  w.enter("", "01xKS003MM#");
  w.selectHeld(3);
  w.ui.answer(true);
  w.confirm();
  EXPECT_EQ(0, w.count(3));
  EXPECT_TRUE(w.held().empty());
  EXPECT_TRUE(w.continuationsOffered());
}

TEST(OfferEdges, DeclinedItemDemandGivesNothing) {
  EdgeWorld w;
  w.hold(3, 4);
  w.enter("", "01xKS00302#");
  w.selectHeld(3);
  w.ui.answer(false);
  w.confirm();
  EXPECT_EQ(4, w.count(3));
  EXPECT_EQ(ToInt(PendingKind::Demand), w.pendingKind());
  EXPECT_TRUE(w.offered().empty());
}

TEST(OfferEdges, SellingWithoutMoneyHeldBringsTheMoneyLine) {
  EdgeWorld w;
  w.hold(6, 1);
  w.hold(3, 1);
  w.enter("", "01xB003004#");
  Offers(w.game).CheckBoxKlikk(1);
  w.ui.answer(true);  // sell some
  w.ui.answer(true);  // the ring; the rope has no value and is not asked about
  w.confirm();
  EXPECT_EQ(2u, w.ui.eventsOf(UiEvent::Kind::Question).size());
  EXPECT_EQ((TextList{"003", "001"}), w.held());
  EXPECT_EQ(10, w.count(kMoney));
  w.confirm();
  EXPECT_EQ(6, w.count(kMoney));
  EXPECT_EQ(2, w.count(3));
  EXPECT_TRUE(w.continuationsOffered());
}

TEST(OfferEdges, MalformedOffersAreBookCodeErrors) {
  const char* changes[] = {"01xKX00302#", "01xO005#", "01xB00300A#", "01xT21100300", "01xF0A003#"};
  for (const char* change : changes) {
    EdgeWorld w;
    EXPECT_THROW(w.enter("", change), BookCodeError) << change;
  }
}

TEST(OfferEdges, OpeningTheEquipmentPageDoesNotSetTheOfferUpAgain) {
  EdgeWorld w;
  w.game.state.settings.ChangeSignalLevel = 1;
  w.enter("02N04+01#", "01xO0031#");
  Offers(w.game).CheckBoxKlikk(1);
  EXPECT_TRUE(w.game.screen.TimerAlarm.enabled());
  w.openPage(kEquipmentPage);
  EXPECT_FALSE(w.game.screen.TimerAlarm.enabled());
  EXPECT_EQ(1, w.game.screen.CheckBox(1).value()) << "the offer is as the player left it";
  EXPECT_EQ(0, w.game.state.changes.ChangeSequence);
  w.confirm();
  EXPECT_EQ(1, w.count(3));
  EXPECT_TRUE(w.continuationsOffered());
}

TEST(OfferEdges, SignalWithoutARunningGameOnlyStops) {
  EdgeWorld w;
  w.game.state.settings.ChangeSignalLevel = 2;
  w.enter("01N04+01#");
  w.game.state.GameLoaded = false;
  w.openPage(kSheetPage);
  EXPECT_FALSE(w.game.screen.TimerAlarm.enabled());
  EXPECT_EQ(0, w.current(4));
}

TEST(OfferEdges, ChoiceNeededSignalChecksThePagesOnTheStoryPage) {
  EdgeWorld w;
  w.enter("", "01xO0031#");
  Offers(w.game).CheckBoxKlikk(1);
  w.confirm();
  EXPECT_EQ(ToInt(PendingKind::Choice), w.pendingKind());
  EXPECT_FALSE(w.game.screen.GroupBox1.visible()) << "a closed offer leaves no empty frame";
  EXPECT_NE(0, w.game.screen.FT_Elrendezes.value()) << "the arrangement stays until the story page";
  w.openPage(kEquipmentPage);
  w.openPage(kStoryPage);
  // The handled equipment mark resets the offer arrangement.
  EXPECT_FALSE(w.game.screen.GroupBox1.visible());
  EXPECT_EQ(0, w.game.screen.FT_Elrendezes.value());
}

}  // namespace
}  // namespace zrx::test
