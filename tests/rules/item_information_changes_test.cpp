// Information (queue 3), direct item (queue 2) and magic/skill (queue 4) changes: each
// form with its length and effect.
#include <functional>

#include "changes_fixture.h"

namespace zrx::test {
namespace {

struct Case {
  const char* name;
  const char* q2;
  const char* q3;
  const char* q4;
  std::function<void(ChangesWorld&)> arrange;
  std::function<void(ChangesWorld&)> verify;
};

// Runs each case's changes numbered 01, followed in the same queue by a change 02 that
// is found only when the first one's length is right.
void runCases(const Case* cases, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    ChangesWorld w;
    w.info(7);
    w.info(8, 3001, 3);
    w.info(9, 2000, 3);
    w.info(11, 0, 0, 1);
    w.item({.Number = 3, .Name = "Kötél"});
    w.item({.Number = 4, .Name = "Kard", .UseCode = "K01+F2", .Category = 1});
    w.item({.Number = 5, .Name = "Ékkő", .Unique = 1});
    w.item({.Number = 6, .Name = "Lámpás", .NotDroppable = 1});
    w.magic(12);
    w.magic(13);
    if (c.arrange) c.arrange(w);
    const auto follow = [](const char* q, const char* next) { return *q ? std::string(q) + next : std::string(); };
    w.enter("", follow(c.q2, "#02N003+001#"), follow(c.q3, "#02N+009#"), follow(c.q4, "#02S013=01#"));
    c.verify(w);
    if (*c.q2) {
      EXPECT_GE(w.count(3), 1) << "next item change";
    }
    if (*c.q3) {
      EXPECT_TRUE(w.hasInfo(9)) << "next information change";
    }
    if (*c.q4) {
      EXPECT_EQ(1, w.game.stores.magicSkills.Find(13).Level) << "next magic change";
    }
    EXPECT_TRUE(w.continuationsOffered());
  }
}

TEST(InformationCommands, EachForm) {
  const auto has = [](int info, bool expected) {
    return [=](ChangesWorld& w) { EXPECT_EQ(expected, w.hasInfo(info)); };
  };
  const auto time = [](int expected) {
    return [=](ChangesWorld& w) { EXPECT_EQ(expected, w.game.stores.infos.Find(8).Time); };
  };
  const auto holding = [](TextList infos) {
    return [infos](ChangesWorld& w) { w.game.state.knowledge.InfoList = infos; };
  };
  const auto withItem = [](ChangesWorld& w) { w.hold(3, 1); };
  const Case cases[] = {
      {"N adds", "", "01N+007", "", nullptr, has(7, true)},
      {"N removes", "", "01N-007", "", holding({"007"}), has(7, false)},
      {"N with another sign", "", "01N*007", "", nullptr, has(7, false)},
      {"N hidden information", "", "01N+011",
       "", nullptr, [](ChangesWorld& w) { EXPECT_EQ(TextList{"011"}, w.game.state.knowledge.HiddenInfoList); }},
      {"P after chapter 5", "", "01P005+007", "", nullptr, has(7, true)},
      {"P after another chapter", "", "01P006+007", "", nullptr, has(7, false)},
      {"I adds time", "", "01I+02008", "", holding({"008"}), time(5)},
      {"I sets time", "", "01I=09008", "", holding({"008"}), time(9)},
      {"I counts down and removes at 0", "", "01I-03008", "", holding({"008"}), has(8, false)},
      {"I counted down past 0 is spent too", "", "01I-05008", "", holding({"008"}), has(8, false)},
      {"I counted down short of 0 keeps it", "", "01I-02008", "", holding({"008"}),
       [](ChangesWorld& w) { EXPECT_TRUE(w.hasInfo(8)); EXPECT_EQ(1, w.game.stores.infos.Find(8).Time); }},
      {"I needs the information held", "", "01I+02008", "", nullptr, time(3)},
      {"I leaves other kinds alone", "", "01I+02009", "",
       holding({"009"}), [](ChangesWorld& w) { EXPECT_EQ(3, w.game.stores.infos.Find(9).Time); }},
      {"T N adds when the item is held", "", "01TN003007++", "", withItem, has(7, true)},
      {"T N when the item is missing", "", "01TN003007++", "", nullptr, has(7, false)},
      {"T N minus sign for a missing item removes", "", "01TN003007--", "", holding({"007"}), has(7, false)},
      {"T counts time up", "", "01TX003008++", "",
       [](ChangesWorld& w) { w.hold(3, 1); w.game.state.knowledge.InfoList = {"008"}; }, time(4)},
      {"T counts time down", "", "01TX003008+-", "",
       [](ChangesWorld& w) { w.hold(3, 1); w.game.state.knowledge.InfoList = {"008"}; }, time(2)},
      {"unknown letter drops the whole change", "", "01Z1234567", "", nullptr, has(7, false)},
  };
  runCases(cases, std::size(cases));
}

TEST(ItemChanges, EachDirectForm) {
  const auto counts = [](int item, int expected, bool listed) {
    return [=](ChangesWorld& w) {
      EXPECT_EQ(expected, w.count(item));
      const std::string text = "00" + std::to_string(item);
      EXPECT_EQ(listed, std::find(w.held().begin(), w.held().end(), text) != w.held().end());
    };
  };
  const Case cases[] = {
      {"N gives pieces", "01N003+002", "", "", nullptr, counts(3, 3, true)},
      {"N unique at most one", "01N005+002", "", "", nullptr, counts(5, 1, true)},
      {"N unique twice stays one", "01N005+002", "", "", [](ChangesWorld& w) { w.hold(5, 1); },
       [](ChangesWorld& w) { EXPECT_EQ(1, w.count(5)); EXPECT_EQ(2u, w.held().size()); }},
      {"N takes all and removes", "01N004-009", "", "", [](ChangesWorld& w) { w.hold(4, 3); },
       [](ChangesWorld& w) {
         EXPECT_EQ(0, w.count(4));
         EXPECT_EQ(0, w.game.state.equipment.EquippedItems[1]);
         EXPECT_EQ(12, w.start(1));
       }},
      {"N sets zero on an item not held", "01N004=000", "", "", nullptr, counts(4, 0, false)},
      {"N puts a new weapon in use", "01N004+001", "", "", nullptr,
       [](ChangesWorld& w) { EXPECT_EQ(4, w.game.state.equipment.EquippedItems[1]); EXPECT_EQ(14, w.start(1)); }},
      {"P after chapter 5", "01xP004+002005", "", "", nullptr, counts(4, 2, true)},
      {"P after another chapter", "01xP004+002006", "", "", nullptr, counts(4, 0, false)},
      {"EC puts in use and locks", "01xEC004", "", "", [](ChangesWorld& w) { w.hold(4, 1); },
       [](ChangesWorld& w) { EXPECT_TRUE(w.game.state.equipment.SlotLocked[1]); }},
      {"EC on an item not held does nothing", "01xEC004", "", "", nullptr,
       [](ChangesWorld& w) { EXPECT_FALSE(w.game.state.equipment.SlotLocked[1]); }},
      {"X replaces in place", "01xX005004S", "", "", [](ChangesWorld& w) { w.hold(5, 1); },
       [](ChangesWorld& w) {
         EXPECT_EQ("004", w.held()[0]);
         EXPECT_EQ("Kard", w.game.screen.ListBox_FT.items()[0]);
         EXPECT_EQ(1, w.count(4));
         EXPECT_EQ(0, w.count(5));
       }},
      {"X without S does nothing", "01xX005004Q", "", "", [](ChangesWorld& w) { w.hold(5, 1); }, counts(5, 1, true)},
      {"M keeps what cannot be dropped", "01xM", "", "",
       [](ChangesWorld& w) { w.hold(4, 1); w.hold(6, 1); w.hold(5, 1); },
       [](ChangesWorld& w) {
         EXPECT_EQ((TextList{"006", "003"}), w.held());
         EXPECT_EQ(0, w.game.state.equipment.EquippedItems[1]);
       }},
      {"unknown letter drops the whole change", "01xZ12345", "", "", nullptr, counts(3, 1, true)},
  };
  runCases(cases, std::size(cases));
}

TEST(ItemChanges, ModifierReachingAFatalLimitEndsTheAdventure) {
  ChangesWorld w;
  // The special characteristic 5 counts up to its start value, which is fatal.
  w.item({.Number = 4, .Name = "Átkos kard", .UseCode = "K05-F9", .Category = 1});
  w.enter("02N04+01#", "01N004+001#");
  EXPECT_EQ(1, w.start(5));
  EXPECT_FALSE(w.game.state.changes.CharacteristicsChanged);
  EXPECT_TRUE(w.endedHere());
  EXPECT_EQ(0, w.current(4));
}

TEST(MagicSkillCommands, EachForm) {
  const auto field = [](int level, int uses) {
    return [=](ChangesWorld& w) {
      EXPECT_EQ(level, w.game.stores.magicSkills.Find(12).Level);
      EXPECT_EQ(uses, w.game.stores.magicSkills.Find(12).Uses);
    };
  };
  const Case cases[] = {
      {"N adds once", "", "", "01N+012", nullptr,
       [](ChangesWorld& w) { EXPECT_EQ(TextList{"012"}, w.game.state.knowledge.MagicSkillList); }},
      {"N removes", "", "", "01N-012", [](ChangesWorld& w) { w.game.state.knowledge.MagicSkillList = {"012"}; },
       [](ChangesWorld& w) { EXPECT_TRUE(w.game.state.knowledge.MagicSkillList.empty()); }},
      {"N adds only a known record", "", "", "01N+099", nullptr,
       [](ChangesWorld& w) { EXPECT_TRUE(w.game.state.knowledge.MagicSkillList.empty()); }},
      {"S sets the level", "", "", "01S012=03", nullptr, field(3, 0)},
      {"K adds uses", "", "", "01K012+02", nullptr, field(0, 2)},
      {"S never below 0", "", "", "01S012-05", nullptr, field(0, 0)},
      {"unknown letter drops the whole change", "", "", "01Q0123456", nullptr, field(0, 0)},
  };
  runCases(cases, std::size(cases));
}

}  // namespace
}  // namespace zrx::test
