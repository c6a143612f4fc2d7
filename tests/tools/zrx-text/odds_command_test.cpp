// The odds command: the battle's chance once a battle is at hand (exact for a duel,
// simulated for a queue of opponents), and the luck test's chance at any time.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "duel_odds.h"
#include "session.h"
#include "text_player_fixture.h"

namespace zrx::test {
namespace {

using ::testing::HasSubstr;

std::string hungarianPercent(double chance) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f%%", 100.0 * chance);
  std::string result = text;
  result[result.find('.')] = ',';
  return result;
}

class OddsCommandTest : public ::testing::Test, public TextPlayerFixture {
 protected:
  // Chapter point 1 declares the battle; the opponents are 3 (9/8) and 4 (8/6).
  void writeBattleBook(const std::string& battleCode) {
    PackageContent content = StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"),
                                           {.Number = 1, .BattleCode = battleCode, .NextChapters = "002"},
                                           PlainChapter(2, "GGG")});
    const TMonsterRec base{.FlightCode = "00", .AttackMods = "0", .RollBattleCode = "0", .WoundMods = "20201111"};
    TMonsterRec first = base, second = base;
    first.Number = 3, first.Name = "Farkas", first.Skill = 9, first.Stamina = 8;
    second.Number = 4, second.Name = "Denevér", second.Skill = 8, second.Stamina = 6;
    content.monsters = {first, second};
    writePackage(content);
  }

  std::string run(Session& session, std::ostringstream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) EXPECT_TRUE(session.execute(line)) << line << "\n" << out.str();
    return out.str();
  }
};

TEST_F(OddsCommandTest, DuelIsComputedExactly) {
  writeBattleBook("N003");
  std::istringstream in("Béla\n");
  std::ostringstream out;
  Session session({.programFolder = folder(), .seed = 5, .script = true}, in, out);
  ASSERT_TRUE(session.signIn());
  std::string shown = run(session, out, {"új 1 1 1", "esélyek"});
  EXPECT_THAT(shown, HasSubstr("Nincs Csata folyamatban.\n"));
  const MainValues v = session.game().state.values;
  EXPECT_THAT(shown, HasSubstr("Esély a sikeres Szerencse próbára: " + hungarianPercent(LuckTestChance(v.Luck)) +
                               " (Szerencse: " + std::to_string(v.Luck) + ")\n"));

  shown = run(session, out, {"tovább 0", "tovább 1", "próbák", "esélyek"});
  const DuelValues duel{.playerSkill = v.Skill, .playerStamina = v.Stamina, .playerLuck = v.Luck,
                        .opponentSkill = 9, .opponentStamina = 8};
  EXPECT_THAT(shown, HasSubstr("Esély a Csata megnyerésére: " + hungarianPercent(DuelWinChance(duel)) +
                               " (pontos számítás)\n"));
}

TEST_F(OddsCommandTest, QueueOfOpponentsIsSimulated) {
  writeBattleBook("N003004");
  std::istringstream in("Béla\n");
  std::ostringstream out;
  Session session({.programFolder = folder(), .seed = 5, .script = true}, in, out);
  ASSERT_TRUE(session.signIn());
  const std::string shown = run(session, out, {"új 1 1 1", "tovább 0", "tovább 1", "próbák", "odds"});
  EXPECT_THAT(shown, HasSubstr(" lejátszott Csata alapján)\n"));
}

}  // namespace
}  // namespace zrx::test
