#include "special_screens.h"

#include <QApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <initializer_list>

#include "battle.h"
#include "dialogs/form_question.h"
#include "dice_tests.h"
#include "game.h"
#include "game/form_main.h"
#include "screen_player.h"
#include "information.h"
#include "lifecycle.h"
#include "navigation.h"
#include "offers.h"
#include "page_signal.h"
#include "special/adventure_map_view.h"
#include "start/program.h"

namespace zrx {
namespace {

constexpr int kSpecialPage = 6;

bool available(const Control& control) { return control.enabled() && control.visible(); }

// A new player's first thirty steps through "A Holdárok árnyéka", played with the window's
// controls. A step that is not offered (the dice went another way) ends the route.
class HoldarokRoute {
 public:
  HoldarokRoute(TFormMain& window, Game& game) : player_(window), game_(game) {}

  bool onRoute() const { return leftAt_.isEmpty(); }
  // Where the route was left: the chapter point and the continuation it did not offer.
  const QString& leftAt() const { return leftAt_; }
  ScreenPlayer& player() { return player_; }

  void to(std::initializer_list<const char*> entries) {
    for (const char* entry : entries) {
      openSignalledPage();
      player_.open(kStoryPage);
      if (!onRoute()) return;
      const int from = game_.state.CurrentChapter;
      if (!player_.go(entry)) leftAt_ = QString("%1 -> %2").arg(from).arg(entry);
    }
  }
  // A chapter point that asks for its number typed.
  void typed(const std::string& number) {
    player_.act([this, number] {
      Navigation(game_).EditNextChange(number);
      Navigation(game_).KlikkFejezetPontKivalasztas();
    });
  }
  // Hands over one of the player's own items (line `line` of the equipment list).
  void handOver(int line) {
    openSignalledPage();
    game_.screen.ListBox_FT.setSelection(line - 1);
    player_.act([this] { Offers(game_).KlikkTargyFelvetel(); });
  }
  void buy(std::initializer_list<int> boxes) {
    openSignalledPage();
    for (const int box : boxes) player_.act([this, box] { Offers(game_).CheckBoxKlikk(box); });
    player_.act([this] { Offers(game_).KlikkTargyFelvetel(); });
  }
  void rollWhileAsked(int dice) {
    openSignalledPage();
    while (available(game_.screen.LabelDobasKocka(dice))) {
      player_.act([this, dice] { DiceTests(game_).KlikkDobasKockaval(dice); });
    }
  }
  void testLuck() {
    openSignalledPage();
    player_.act([this] { DiceTests(game_).KlikkSzerencseProba(); });
  }
  void fightRound() {
    openSignalledPage();
    player_.open(kTestsPage);
    if (available(game_.screen.BitBtn5)) player_.act([this] { Battle(game_).KlikkCsata(); });
  }
  void fightToEnd() {
    player_.open(kTestsPage);
    while (game_.state.GameLoaded && available(game_.screen.BitBtn5)) player_.act([this] { Battle(game_).KlikkCsata(); });
  }
  void useInformation(int line) {
    openSignalledPage();
    game_.screen.ListBox_IN.setSelection(line - 1);
    player_.act([this] {
      Information(game_).ListBox_INClick();
      Information(game_).ListBox_INDblClick();
    });
  }

 private:
  void openSignalledPage() {
    const int page = SignalPage(game_.state.navigation.PendingKind);
    if (page >= 0 && page < kSpecialPage) player_.open(page);
  }

  ScreenPlayer player_;
  Game& game_;
  QString leftAt_;
};

// Answers every question and notice of the route with its first button, and a choice of
// opponents with the first opponent, as soon as it is up.
class ModalAnswerer {
 public:
  ModalAnswerer() {
    QObject::connect(&poll_, &QTimer::timeout, [] {
      auto* modal = qobject_cast<TFormZRXBase*>(QApplication::activeModalWidget());
      if (modal == nullptr) return;
      modal->finishFade();
      if (auto* question = qobject_cast<TFormQuestion*>(modal)) {
        question->yesButton()->click();
      } else if (auto* first = modal->findChild<QPushButton*>("ButtonKivalaszt1")) {
        first->click();
      }
    });
    poll_.start(0);
  }

 private:
  QTimer poll_;
};

}  // namespace

void WriteSpecialPageScreens(const std::filesystem::path& programFolder,
                             const std::function<void(const QString& name, TFormZRXBase& window)>& write) {
  Program program(programFolder, std::make_unique<SeededDice>(1));
  PrepareScreenProgram(program);
  TFormMain window(program);
  Game& game = program.game();
  HoldarokRoute route(window, game);
  ModalAnswerer answerer;

  route.player().act([&game] { Lifecycle(game).Indit(NewGameChoice{"Source", 2, 2, 0}); });
  route.to({"0", "1", "2"});
  route.handOver(1);  // the toll, in silver
  route.to({"5", "7", "9", "15"});
  route.rollWhileAsked(2);  // the dice race with Gáspár
  route.to({"17", "5", "11", "14", "11", "12"});
  route.buy({3, 4});  // a helmet and a shield from the smith
  route.to({"11", "5", "31", "32"});
  route.typed("33");  // Ilona's riddle
  route.to({"35", "41"});
  route.testLuck();
  route.to({"42"});
  route.fightRound();  // the pickpocket
  route.player().open(kSpecialPage);
  if (route.onRoute()) write("main_special_battle", window);
  route.fightToEnd();
  route.to({"44", "45"});
  route.useInformation(3);  // the thieves' password
  route.to({"46", "48", "61", "62"});  // Ilona's Holdfény lights the sewer
  route.fightToEnd();  // the two rats
  route.to({"64", "67", "70"});
  route.typed("72");  // the levers of the iron door
  route.player().open(kSpecialPage);
  if (route.onRoute()) write("main_special", window);
  // The whole map after a double click, the current chapter point told by Enter.
  if (auto* map = window.findChild<AdventureMapView*>(); map && route.onRoute()) {
    map->fitAll();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(map, &enter);
    write("main_special_whole", window);
  }
  if (!route.onRoute()) {
    qWarning("\"A Holdárok árnyéka\" went another way than the screenshots' route (%s): no map pictures",
             qPrintable(route.leftAt()));
  }
  route.player().act([&game] { Lifecycle(game).Befejez(); });
}

}  // namespace zrx
