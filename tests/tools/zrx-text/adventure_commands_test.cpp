// The map and statistics commands over a short play-through.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "text_player_fixture.h"

namespace zrx::test {
namespace {

using ::testing::HasSubstr;

class AdventureCommandsTest : public ::testing::Test, public TextPlayerFixture {
 protected:
  AdventureCommandsTest() {
    writePackage(StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"), PlainChapter(1, "002003"),
                               PlainChapter(2, "001"), PlainChapter(3, "HHH"), PlainChapter(4, "GGG")}));
  }
};

TEST_F(AdventureCommandsTest, MapListsTheStepsIndentedWithTheEndOffered) {
  play({"Béla", "új 1 1 1", "térkép", "tovább 0", "tovább 1", "tovább 2", "tovább 1", "tovább 3", "map", "kilépés"});
  EXPECT_THAT(output(), HasSubstr("Még egy FejezetPontot sem jártál be.\n"));
  EXPECT_THAT(output(), HasSubstr("A bejárt út (4 lépés, 3 FejezetPont):\n"
                                  "1 Fejezet 1 Szöveg.\n"
                                  "  2 Fejezet 2 Szöveg.\n"
                                  "    1 (ismét)\n"
                                  "  3 Fejezet 3 Szöveg. <- itt tartasz [Halál]\n"
                                  "Lehetőségek most: Vége\n"));
  EXPECT_THAT(output(), ::testing::Not(HasSubstr("Fejezet 4")));  // never entered
}

TEST_F(AdventureCommandsTest, StatisticsCountTheChapterPointsOfTheBook) {
  play({"Béla", "új 1 1 1", "tovább 0", "tovább 1", "tovább 2", "tovább 1", "statisztika", "kilépés"});
  EXPECT_THAT(output(), HasSubstr("Bejárt FejezetPontok: 2 / 4\nMegtett lépések: 3\n"));
  EXPECT_THAT(output(), HasSubstr("Szerencse próbák (sikeres / összes): 0 / 0\n"));
}

}  // namespace
}  // namespace zrx::test
