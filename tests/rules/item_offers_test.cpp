// Item offers through the special changes: set-up, the player's decision, the closing
// step and the changes that follow.
#include <functional>

#include "changes_fixture.h"

namespace zrx::test {
namespace {

using Kind = UiEvent::Kind;

struct OfferWorld : ChangesWorld {
  OfferWorld() {
    item({.Number = 3, .Name = "Kötél"});
    item({.Number = 4, .Name = "Kard", .Value = 0, .Category = 1});
    item({.Number = 5, .Name = "Ékkő", .Unique = 1});
    item({.Number = 6, .Name = "Gyűrű", .Value = 10, .Category = 7, .Magic = 1, .Unique = 1});
    item({.Number = 7, .Name = "Lámpás", .NotDroppable = 1});
    item({.Number = 8, .Name = "Nyílvessző"});
  }
  std::vector<std::string> infos() const {
    std::vector<std::string> out;
    for (const UiEvent& e : ui.eventsOf(Kind::Info)) out.push_back(e.lines[0]);
    return out;
  }
  // The offer is the pending thing: the chapter point waits with no continuation.
  void expectWaiting(int kind) {
    EXPECT_EQ(kind, pendingKind());
    EXPECT_TRUE(changesWaiting());
    EXPECT_EQ("2", game.state.changes.ResumeQueue);
  }
  // The change after the offer (02) ran and the continuations are offered.
  void expectClosed() {
    EXPECT_EQ(1, current(4));
    EXPECT_TRUE(continuationsOffered());
    EXPECT_FALSE(game.state.offers.OfferResume);
    EXPECT_EQ("", game.state.changes.ChangeQueue2);
  }
};

TEST(ItemOffers, PickUpWaitsAtEachSignalLevel) {
  for (int level = 0; level <= 2; ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    OfferWorld w;
    w.game.state.settings.ChangeSignalLevel = level;
    w.hold(5, 1);
    w.hold(3, 2);
    w.enter("02N04+01#", "01xO0052/0033/0071#");
    if (level == 2) {
      EXPECT_EQ(11, w.pendingKind());
      w.openPage(kEquipmentPage);
    }
    w.expectWaiting(ToInt(PendingKind::PickUp));
    EXPECT_EQ(level < 2, w.game.screen.TimerAlarm.enabled());
    EXPECT_EQ("      Felvehető Tárgyak listája      ", w.game.screen.GroupBox1.text());
    EXPECT_EQ("2 db Ékkő", w.game.screen.CheckBox(1).text());
    EXPECT_EQ("3 db Kötél", w.game.screen.CheckBox(2).text());
    EXPECT_FALSE(w.game.screen.CheckBox(4).visible());
    EXPECT_TRUE(w.game.screen.LabelTargyFelvetel.enabled());
    Offers offers(w.game);
    offers.CheckBoxKlikk(1);
    offers.CheckBoxKlikk(2);
    w.confirm();
    EXPECT_EQ(1, w.count(5));
    EXPECT_EQ(5, w.count(3));
    EXPECT_EQ(2u, w.held().size());
    if (level == 2) w.openPage(kSheetPage);
    w.expectClosed();
    EXPECT_FALSE(w.game.screen.CheckBox(1).visible());
    EXPECT_FALSE(w.game.screen.LabelTargyFelvetel.enabled());
  }
}

TEST(ItemOffers, EveryKindWaitsAndResumesAtEachSignalLevel) {
  struct Case {
    const char* change;
    int kind;
    std::function<void(OfferWorld&)> decide;
  };
  const auto confirmOnly = [](OfferWorld& w) { w.confirm(); };
  const auto pickItem3 = [](OfferWorld& w) {
    w.selectHeld(3);
    w.ui.answer(true);
    w.confirm();
  };
  const Case cases[] = {
      {"01xO0031#", ToInt(PendingKind::PickUp), confirmOnly},
      {"01xV10031#", ToInt(PendingKind::ChooseAtMost), confirmOnly},
      {"01xB003001#", ToInt(PendingKind::Buy), confirmOnly},
      {"01xF01003#", ToInt(PendingKind::Quantities), confirmOnly},
      {"01xKS00301#", ToInt(PendingKind::Demand), pickItem3},
      {"01xKS00301/TN01#", ToInt(PendingKind::DemandEither), pickItem3},
      {"01xL01003#", ToInt(PendingKind::GiveUp), pickItem3},
      {"01xT111003005#", ToInt(PendingKind::ExchangeOffer),
       [](OfferWorld& w) {
         w.ui.answer(true);
         w.confirm();
       }},
  };
  for (int level = 0; level <= 2; ++level) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.change) + " at level " + std::to_string(level));
      OfferWorld w;
      w.game.state.settings.ChangeSignalLevel = level;
      w.hold(3, 1);
      w.enter("02N04+01#", c.change);
      if (level == 2) w.openPage(kEquipmentPage);
      w.expectWaiting(c.kind);
      EXPECT_EQ(0, w.game.state.changes.ChangeSequence);
      EXPECT_EQ(level < 2, w.game.screen.TimerAlarm.enabled());
      c.decide(w);
      if (level == 2) w.openPage(kSheetPage);
      w.expectClosed();
    }
  }
}

TEST(ItemOffers, ChooseAtMostRefusesTooManyAndThenGains) {
  OfferWorld w;
  w.enter("02N04+01#", "01xV20031/0041/0081#");
  w.expectWaiting(ToInt(PendingKind::ChooseAtMost));
  EXPECT_EQ("    Választható Tárgyak listája     ", w.game.screen.GroupBox1.text());
  EXPECT_EQ("1 db Kard", w.game.screen.CheckBox(2).text());
  Offers offers(w.game);
  for (int box = 1; box <= 3; ++box) offers.CheckBoxKlikk(box);
  w.confirm();
  ASSERT_EQ(1u, w.ui.eventsOf(Kind::Info).size());
  EXPECT_EQ((std::vector<std::string>{"Maximum 2 darab Tárgyat", "választhatsz ki!"}), w.ui.eventsOf(Kind::Info)[0].lines);
  EXPECT_TRUE(w.held().empty());
  w.expectWaiting(ToInt(PendingKind::ChooseAtMost));
  offers.CheckBoxKlikk(2);
  w.confirm();
  EXPECT_EQ((TextList{"003", "008"}), w.held());
  w.expectClosed();
}

TEST(ItemOffers, PurchaseWithTooLittleMoneySellsAValuableAndBuys) {
  OfferWorld w;
  w.hold(kMoney, 5);
  w.hold(6, 1);
  w.enter("02N04+01#", "01xB003004/008003#");
  w.expectWaiting(ToInt(PendingKind::Buy));
  EXPECT_EQ("   Vásárolható Tárgyak listája  ", w.game.screen.GroupBox1.text());
  EXPECT_EQ("4 Arany", w.game.screen.LabelAr(1).text());
  EXPECT_EQ("Tárgy ára", w.game.screen.LabelAr(0).text());
  Offers offers(w.game);
  offers.CheckBoxKlikk(1);
  offers.CheckBoxKlikk(2);
  w.ui.answer(true);  // sell some
  w.ui.answer(true);  // the ring
  w.confirm();
  EXPECT_EQ((std::vector<std::string>{"Nem tudsz ennyi Tárgyat kifizetni!",
                                      "Hogy növeld a rendelkezésedre álló pénzmennyiséget,"}),
            w.infos());
  const auto questions = w.ui.eventsOf(Kind::Question);
  ASSERT_EQ(2u, questions.size());
  EXPECT_EQ((std::vector<std::string>{"Pénzzé alakítod ezt az Értéktárgyadat?", "Gyűrű"}), questions[1].lines);
  EXPECT_EQ(15, w.count(kMoney));
  EXPECT_EQ(TextList{"001"}, w.held());
  w.expectWaiting(ToInt(PendingKind::Buy));
  w.confirm();
  EXPECT_EQ(8, w.count(kMoney));
  EXPECT_EQ((TextList{"001", "003", "008"}), w.held());
  w.expectClosed();
}

TEST(ItemOffers, PurchaseSpendingAllMoneyRemovesTheMoneyLine) {
  OfferWorld w;
  w.hold(kMoney, 4);
  w.hold(5, 1);
  w.enter("02N04+01#", "01xB003004/005002#");
  Offers(w.game).CheckBoxKlikk(1);
  w.confirm();
  EXPECT_EQ(0, w.count(kMoney));
  EXPECT_EQ((TextList{"005", "003"}), w.held());
  w.expectClosed();
}

TEST(ItemOffers, PurchaseOfAUniqueItemHeldCostsNothing) {
  OfferWorld w;
  w.hold(kMoney, 6);
  w.hold(5, 1);
  w.enter("02N04+01#", "01xB003004/005002#");
  Offers offers(w.game);
  offers.CheckBoxKlikk(1);
  offers.CheckBoxKlikk(2);  // its price still counts against the money at hand
  w.confirm();
  EXPECT_EQ(2, w.count(kMoney));
  EXPECT_EQ(1, w.count(5));
  EXPECT_EQ((TextList{"001", "005", "003"}), w.held());
  w.expectClosed();
}

TEST(ItemOffers, QuantityRowsNeverExceedTheLimit) {
  OfferWorld w;
  w.enter("02N04+01#", "01xF02003/008#");
  w.expectWaiting(ToInt(PendingKind::Quantities));
  ScreenModel& s = w.game.screen;
  EXPECT_EQ("Kötél", s.FT_LabelTNev(1).text());
  EXPECT_EQ("0", s.FT_LabelDB(2).text());
  EXPECT_FALSE(s.FT_SpinButton(3).visible());
  EXPECT_TRUE(s.FT_LabelFejlec1.visible());
  Offers offers(w.game);
  offers.FT_SpinButtonUpClick(1);
  offers.FT_SpinButtonUpClick(2);
  offers.FT_SpinButtonUpClick(1);  // the third press does nothing
  offers.FT_SpinButtonUpClick(3);  // a hidden row does nothing
  EXPECT_EQ("1", s.FT_LabelDB(1).text());
  EXPECT_EQ(2, w.game.state.offers.OfferChosen);
  offers.FT_SpinButtonDownClick(2);
  offers.FT_SpinButtonDownClick(2);  // not below 0
  offers.FT_SpinButtonUpClick(1);
  EXPECT_EQ("2", s.FT_LabelDB(1).text());
  EXPECT_EQ("0", s.FT_LabelDB(2).text());
  w.confirm();
  EXPECT_EQ(2, w.count(3));
  EXPECT_EQ(0, w.count(8));
  w.expectClosed();
}

TEST(ItemOffers, MoneyDemandPaidWithMoneyAndARing) {
  OfferWorld w;
  w.hold(kMoney, 12);
  w.hold(6, 1);
  w.hold(4, 1);
  w.enter("02N04+01#", "01xKS00120#");
  w.expectWaiting(ToInt(PendingKind::Demand));
  EXPECT_TRUE(w.game.screen.LabelTargyKivalasztas.enabled());
  w.selectHeld(4);  // no value: not taken
  w.confirm();
  w.selectHeld(kMoney);
  w.confirm();
  EXPECT_EQ(12, w.game.state.offers.OfferLimit);
  w.selectHeld(kMoney);
  w.confirm();
  w.selectHeld(6);
  w.ui.answer(true);
  w.confirm();
  EXPECT_EQ((std::vector<std::string>{"Eddig egy Tárgy kiválasztva!", "Ezt a Tárgyat már kiválasztottad!",
                                      "Eddig 2 Tárgy kiválasztva"}),
            w.infos());
  EXPECT_EQ(TextList{"004"}, w.held());
  EXPECT_EQ(0, w.count(kMoney));
  w.expectClosed();
}

TEST(ItemOffers, MoneyDemandDeclinedKeepsEverything) {
  OfferWorld w;
  w.hold(kMoney, 30);
  w.enter("02N04+01#", "01xKS00120#");
  w.selectHeld(kMoney);
  w.ui.answer(false);
  w.confirm();
  EXPECT_EQ(30, w.count(kMoney));
  EXPECT_TRUE(w.game.state.offers.SelectionList.empty());
  w.expectWaiting(ToInt(PendingKind::Demand));
  w.ui.answer(true);
  w.confirm();
  EXPECT_EQ(10, w.count(kMoney));
  w.expectClosed();
}

TEST(ItemOffers, DemandIsLoweredToWhatIsHeldOrDropped) {
  OfferWorld lowered;
  lowered.hold(3, 2);
  lowered.enter("02N04+01#", "01xKS00303#");
  EXPECT_EQ(TextList{"S00302"}, lowered.game.state.offers.OfferList);
  lowered.selectHeld(3);
  lowered.ui.answer(true);
  lowered.confirm();
  EXPECT_EQ(0, lowered.count(3));
  lowered.expectClosed();

  OfferWorld dropped;
  dropped.enter("02N04+01#", "01xKS00303#");
  dropped.expectClosed();
}

TEST(ItemOffers, KindDemandWithTwoCriteria) {
  OfferWorld w;
  w.hold(7, 1);  // cannot be dropped
  w.hold(5, 1);
  w.hold(3, 1);
  // Two magic items (none held) or one unique item.
  w.enter("02N04+01#", "01xKTM02/TE01#");
  w.expectWaiting(ToInt(PendingKind::DemandEither));
  w.selectHeld(7);
  w.confirm();
  EXPECT_TRUE(w.game.state.offers.SelectionList.empty());
  w.selectHeld(5);
  w.ui.answer(true);
  w.confirm();
  EXPECT_EQ((TextList{"007", "003"}), w.held());
  w.expectClosed();
}

TEST(ItemOffers, SecondCriterionIsCheckedOnlyWhenTheFirstCannotBeMet) {
  struct Case {
    const char* change;
    TextList criteria;
  } cases[] = {
      // The first can be met: the second keeps its amount of five.
      {"01xKS00801/TN05#", {"S00801", "TN05"}},
      // The first cannot: the second is lowered to the three droppable items held.
      {"01xKS00601/TN05#", {"S00601", "TN03"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    OfferWorld w;
    w.hold(3, 1);
    w.hold(4, 1);
    w.hold(8, 1);
    w.enter("02N04+01#", c.change);
    w.expectWaiting(ToInt(PendingKind::DemandEither));
    EXPECT_EQ(c.criteria, w.game.state.offers.OfferList);
  }
}

TEST(ItemOffers, GiveUpPicksAcceptableItemsAndEndsWhenNoneIsLeft) {
  OfferWorld w;
  w.hold(3, 2);
  w.hold(4, 1);
  w.hold(8, 1);
  w.enter("02N04+01#", "01xL03003/008/005#");
  w.expectWaiting(ToInt(PendingKind::GiveUp));
  w.selectHeld(4);
  w.confirm();
  w.selectHeld(3);
  w.ui.answer(true);
  w.confirm();
  w.selectHeld(3);
  w.confirm();
  w.selectHeld(8);
  w.ui.answer(true);
  w.confirm();
  EXPECT_EQ((std::vector<std::string>{"Ez a Tárgy nem választható ki!", "Eddig 1 Tárgyat választottál ki!",
                                      "Ezt a Tárgyat már kiválasztottad!", "Eddig 2 Tárgyat választottál ki!"}),
            w.infos());
  EXPECT_EQ(1, w.count(3));
  EXPECT_EQ(0, w.count(8));
  EXPECT_EQ((TextList{"003", "004"}), w.held());
  w.expectClosed();
}

TEST(ItemOffers, ExchangeInTwoPhases) {
  OfferWorld w;
  w.hold(3, 2);
  w.hold(4, 1);
  w.hold(7, 1);
  // Wants item 3 or 4, gives 5 or 8, at most 2 own items offered.
  w.enter("02N04+01#", "01xT222003004005008#");
  w.expectWaiting(ToInt(PendingKind::ExchangeOffer));
  w.selectHeld(7);
  w.confirm();
  w.selectHeld(3);
  w.ui.answer(true);   // offer it
  w.ui.answer(false);  // do not close yet
  w.confirm();
  w.selectHeld(4);
  w.ui.answer(true);  // offer it; the limit is reached
  w.confirm();
  EXPECT_EQ((std::vector<std::string>{"Ez a Tárgy nem ajánlható fel!", "Eddig 1 Tárgyat ajánlottál cserére!",
                                      "Eddig 2 Tárgyat ajánlottál cserére!"}),
            w.infos());
  w.expectWaiting(ToInt(PendingKind::ExchangeReceive));
  EXPECT_EQ("Ékkő", w.game.screen.FT_LabelTNev(1).text());
  EXPECT_EQ("Nyílvessző", w.game.screen.FT_LabelTNev(2).text());
  Offers offers(w.game);
  offers.FT_SpinButtonUpClick(1);
  offers.FT_SpinButtonUpClick(1);  // a unique item is gained once
  offers.FT_SpinButtonUpClick(2);  // limit 2 reached
  w.confirm();
  EXPECT_EQ(1, w.count(3));
  EXPECT_EQ(0, w.count(4));
  EXPECT_EQ(1, w.count(5));
  EXPECT_EQ(0, w.count(8));
  EXPECT_EQ((TextList{"003", "007", "005"}), w.held());
  w.expectClosed();
}

TEST(ItemOffers, ExchangeWithNothingOfferedChangesNothing) {
  OfferWorld w;
  w.hold(3, 2);
  w.enter("02N04+01#", "01xT111003005#");
  w.ui.answer(true);  // "Biztos, hogy nem választasz ki" ... yes
  w.confirm();
  EXPECT_EQ((std::vector<std::string>{"Biztos, hogy nem választasz ki", "Tárgy(ak)at a cserére?"}),
            w.ui.eventsOf(Kind::Question)[0].lines);
  EXPECT_EQ(2, w.count(3));
  EXPECT_EQ(0, w.count(5));
  w.expectClosed();
}

TEST(ItemOffers, ExchangeRefusesItemsNotWanted) {
  OfferWorld w;
  w.hold(3, 1);
  w.hold(8, 1);
  w.enter("", "01xT111003005#");
  w.selectHeld(8);
  w.confirm();
  EXPECT_EQ((std::vector<std::string>{"Ez a Tárgy nem ajánlható fel!"}), w.infos());
  EXPECT_EQ(-1, w.game.screen.ListBox_FT.selection());
  w.expectWaiting(ToInt(PendingKind::ExchangeOffer));
}

TEST(ItemOffers, ConfirmDoesNothingWithoutAPendingOffer) {
  OfferWorld w;
  w.hold(3, 1);
  w.enter("01N04+01#");
  w.confirm();
  EXPECT_TRUE(w.continuationsOffered());
  EXPECT_TRUE(w.ui.events().empty());
}

}  // namespace
}  // namespace zrx::test
