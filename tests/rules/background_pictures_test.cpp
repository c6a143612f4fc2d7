// A book's pictures inflate on a worker while the player reads: the game sees the same
// pictures as a load done at once, a damaged pictures block is reported with its error code
// by the time a picture is wanted (never lost, never twice), and a game that ends while the
// worker runs leaves cleanly.
#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <thread>

#include "book_loader.h"
#include "byte_io.h"
#include "fixed_clock.h"
#include "game.h"
#include "lifecycle.h"
#include "navigation.h"
#include "package_fixture.h"
#include "scripted_dice.h"
#include "scripted_ui.h"
#include "source_coding.h"
#include "temp_folder.h"

namespace zrx::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Kind = ScriptedUi::Kind;

// Chapter point 2 of the test book shows chapter picture 2.
constexpr int kChapterWithPicture = 2;

// The package loader whose pictures load finishes only when the test opens the gate, so
// that the game surely starts while the worker runs.
class GatedLoader : public PackageBookLoader {
 public:
  using PackageBookLoader::PackageBookLoader;
  void open() {
    if (!isOpen_) gate_.set_value();
    isOpen_ = true;
  }
  // Opens the gate when it goes, before the game that waits for it: a failed check never hangs.
  struct OpenOnExit {
    GatedLoader& loader;
    ~OpenOnExit() { loader.open(); }
  };

  std::shared_ptr<PictureLoad> StartChapterPictures(std::string_view package, int bookNumber, int decorCount,
                                                    int chapterPictureCount) override {
    std::shared_ptr<PictureLoad> inner =
        PackageBookLoader::StartChapterPictures(package, bookNumber, decorCount, chapterPictureCount);
    return std::make_shared<PictureLoad>(
        [inner, opened = opened_, decorCount, chapterPictureCount](std::vector<Picture>& chapterPictures,
                                                                   std::vector<Picture>& decorPictures) {
          opened.wait();
          chapterPictures = PictureLoad::Pending(inner, Picture::List::Chapter, chapterPictureCount);
          decorPictures = PictureLoad::Pending(inner, Picture::List::Decor, decorCount);
          return inner->result();
        });
  }

 private:
  bool isOpen_ = false;
  std::promise<void> gate_;
  std::shared_future<void> opened_ = gate_.get_future().share();
};

class BackgroundPictures : public ::testing::Test {
 protected:
  BackgroundPictures() { test::WriteTestPackage(folder.path(), test::MakePackage(kSourcePackage, 1)); }

  fs::path picturesFile() const { return folder.path() / kSourcePackage / "DataK1.zrx"; }

  // The stream's last byte (its check sum) changed: it inflates, and fails at the end.
  void damageStream() const {
    Bytes bytes = test::ReadBytes(picturesFile());
    bytes.back() ^= 0xFF;
    test::WriteBytes(picturesFile(), bytes);
  }

  void rewritePayload(const std::function<void(Bytes&)>& change) const {
    ContainerParts parts = test::ReadContainer(picturesFile(), false);
    change(parts.payload);
    test::WriteBytes(picturesFile(), *BuildContainer(parts));
  }

  // A game of book 1 started with its character's dice.
  std::unique_ptr<Game> start(BookLoader& from) {
    auto game = std::make_unique<Game>(folder.path(), ui, dice, clock, from);
    dice.push({1, 1, 1, 1});
    Lifecycle(*game).Indit(NewGameChoice{.package = kSourcePackage, .bookNumber = 1, .bookCount = 1});
    return game;
  }

  static void enter(Game& game, int chapter) {
    game.state.CurrentChapter = chapter;
    game.Perform([&game] { Navigation(game).FejezetPont(); });
  }

  test::TempFolder folder;
  ScriptedUi ui;
  ScriptedDice dice;
  FixedClock clock;
  PackageBookLoader loader{folder.path()};
};

TEST_F(BackgroundPictures, TheGameGetsThePicturesOfALoadDoneAtOnce) {
  std::vector<Picture> chapterPictures, decorPictures;
  ASSERT_EQ(1, SourceCoding(folder.path()).LoadChapterPictures(kSourcePackage, 1, 1, 2, chapterPictures,
                                                               decorPictures));
  const std::unique_ptr<Game> game = start(loader);
  ASSERT_TRUE(game->state.GameLoaded);
  EXPECT_EQ(chapterPictures, game->state.ChapterPictures);
  EXPECT_EQ(decorPictures, game->state.DecorPictures);
  enter(*game, kChapterWithPicture);
  EXPECT_EQ((PictureRef{PictureRef::Source::ChapterPicture, kChapterWithPicture - 1}), game->screen.Image1.picture());
  EXPECT_FALSE(game->errors.FatalErrorFlag());
  EXPECT_TRUE(ui.eventsOf(Kind::Error).empty());
}

TEST_F(BackgroundPictures, ADamagedBlockIsReportedOnceByTheTimeAPictureIsWanted) {
  const auto putInt32 = [](Bytes& b, std::size_t at, std::int32_t v) {
    const auto le = StoreInt32(v);
    std::copy(le.begin(), le.end(), b.begin() + static_cast<long>(at));
  };
  struct Case {
    const char* name;
    std::function<void()> damage;
    int code;
  };
  const Case cases[] = {
      {"damaged stream", [&] { damageStream(); }, 1026},
      {"counts differ from the book's", [&] { rewritePayload([&](Bytes& b) { putInt32(b, 0, 4); }); }, 1036},
      {"a picture that is no JPEG", [&] { rewritePayload([](Bytes& b) { b[8 + 3 + 8 + 1] = 0; }); }, 1038},
  };
  for (const Case& c : cases) {
    test::WriteTestPackage(folder.path(), test::MakePackage(kSourcePackage, 1));
    c.damage();
    ui = ScriptedUi();
    GatedLoader gated(folder.path());
    const std::unique_ptr<Game> game = start(gated);
    const GatedLoader::OpenOnExit opener{gated};
    // The rules text is up while the worker runs; nothing is reported yet.
    ASSERT_TRUE(game->state.GameLoaded) << c.name;
    EXPECT_FALSE(game->errors.FatalErrorFlag()) << c.name;
    gated.open();
    enter(*game, kChapterWithPicture);
    const std::string expected = "HIBA " + std::to_string(c.code) + ": ";
    ASSERT_EQ(1u, game->errors.lines().size()) << c.name;
    EXPECT_EQ(0u, game->errors.lines()[0].find(expected)) << c.name;
    EXPECT_EQ(1u, ui.eventsOf(Kind::Error).size()) << c.name << ": the error window is shown";
    EXPECT_NE(PictureRef::Source::ChapterPicture, game->screen.Image1.picture().source) << c.name;
    // Nothing more is reported when the game goes on or ends.
    game->Perform([&] { Lifecycle(*game).Befejez(); });
    EXPECT_EQ(1u, game->errors.lines().size()) << c.name;
  }
}

TEST_F(BackgroundPictures, AFailureFinishedMeanwhileIsReportedAfterThePlayersNextAction) {
  damageStream();
  GatedLoader gated(folder.path());
  const std::unique_ptr<Game> game = start(gated);
  const GatedLoader::OpenOnExit opener{gated};
  ASSERT_TRUE(game->state.GameLoaded);
  EXPECT_FALSE(game->errors.FatalErrorFlag());
  gated.open();
  while (!game->picturesLoading->finished()) std::this_thread::yield();
  game->Perform([] {});  // an action that touches no picture
  ASSERT_EQ(1u, game->errors.lines().size());
  EXPECT_EQ(0u, game->errors.lines()[0].find("HIBA 1026: "));
}

TEST_F(BackgroundPictures, ADamagedBlockOfAGameEndedBeforeAnyPictureIsReportedAsItEndsOnce) {
  damageStream();
  GatedLoader gated(folder.path());
  const std::unique_ptr<Game> game = start(gated);
  const GatedLoader::OpenOnExit opener{gated};
  ASSERT_TRUE(game->state.GameLoaded);
  gated.open();
  ui.answer(true);  // "Biztos, hogy befejezed a játékot, és kezdesz egy" / "újat?"
  game->Perform([&] { Lifecycle(*game).KlikkKezdes(); });
  ASSERT_EQ(1u, game->errors.lines().size());
  EXPECT_EQ(0u, game->errors.lines()[0].find("HIBA 1026: "));
  EXPECT_EQ(1u, ui.eventsOf(Kind::Error).size());
  EXPECT_TRUE(ui.eventsOf(Kind::NewGame).empty()) << "the program ends instead of starting another game";
  EXPECT_FALSE(game->state.GameLoaded);
}

TEST_F(BackgroundPictures, EndingTheGameOrTheProgramWhileTheWorkerRuns) {
  // The game ends at once: the worker is waited for, nothing is reported, nothing stays.
  {
    const std::unique_ptr<Game> game = start(loader);
    ASSERT_TRUE(game->state.GameLoaded);
    Lifecycle(*game).Befejez();
    EXPECT_FALSE(game->picturesLoading);
    EXPECT_TRUE(game->state.ChapterPictures.empty());
    EXPECT_FALSE(game->errors.FatalErrorFlag());
  }
  // A new book replaces the running one, then the program goes with its worker running.
  {
    const std::unique_ptr<Game> game = start(loader);
    dice.push({1, 1, 1, 1});
    Lifecycle(*game).Indit(NewGameChoice{.package = kSourcePackage, .bookNumber = 1, .bookCount = 1});
    ASSERT_TRUE(game->state.GameLoaded);
    EXPECT_FALSE(game->errors.FatalErrorFlag());
  }
  // A picture kept after its game ended still reads its bytes.
  Picture kept;
  {
    const std::unique_ptr<Game> game = start(loader);
    kept = game->state.ChapterPictures.at(0);
    Lifecycle(*game).Befejez();
  }
  EXPECT_TRUE(HasValidJpegHeader(kept.jpeg()));
}

}  // namespace
}  // namespace zrx::test
