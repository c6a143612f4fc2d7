#include "book_code.h"
#include "game_fixture.h"

namespace zrx::test {
namespace {

using DispatcherTest = GameFixture;

TEST_F(DispatcherTest, MalformedBookCodeAbandonsTheActionAndIsShown) {
  const bool completed = game.Perform([&] {
    game.state.CurrentChapter = 12;  // changed before the fault: stays changed
    numberAt("T0X2", 2, 3);
    game.state.CurrentChapter = 99;  // never reached
  });
  EXPECT_FALSE(completed);
  EXPECT_EQ(12, game.state.CurrentChapter);
  const auto shown = ui.eventsOf(UiEvent::Kind::BookCodeError);
  ASSERT_EQ(1u, shown.size());
  EXPECT_NE(shown[0].lines[0].find("T0X2"), std::string::npos);
  EXPECT_FALSE(game.errors.FatalErrorFlag()) << "a book code fault is not a file error";
}

TEST_F(DispatcherTest, CompletedActionShowsNothing) {
  EXPECT_TRUE(game.Perform([&] { game.state.CurrentChapter = 3; }));
  EXPECT_EQ(3, game.state.CurrentChapter);
  EXPECT_TRUE(ui.events().empty());
}

TEST_F(DispatcherTest, OtherExceptionsAreNotSwallowed) {
  EXPECT_THROW(game.Perform([] { throw std::logic_error("bug"); }), std::logic_error);
}

}  // namespace
}  // namespace zrx::test
