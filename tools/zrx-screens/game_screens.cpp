#include "game_screens.h"

#include <QTimer>

#include "dice_tests.h"
#include "equipment.h"
#include "game.h"
#include "game/control_render.h"
#include "game/form_main.h"
#include "game/game_windows.h"
#include "game/main_menu.h"
#include "screen_player.h"
#include "information.h"
#include "lifecycle.h"
#include "offers.h"
#include "page_signal.h"
#include "start/program.h"

namespace zrx {
namespace {

std::vector<std::string> opponentLines(const ScreenModel& s) {
  std::vector<std::string> lines;
  for (int row = 1; row <= 2; ++row) {
    BattlePanel& panel = const_cast<ScreenModel&>(s).battle;
    const std::string life = row == 1 ? panel.Szorny(1, "Eletero").text() : "5";
    lines.push_back(panel.Szorny(row, "Nev").text() + " - Ügyesség: " + panel.Szorny(row, "Ugyesseg").text() +
                    " - Életerő: " + life);
  }
  return lines;
}

}  // namespace

void WriteGameScreens(const std::filesystem::path& programFolder,
                      const std::function<void(const QString& name, TFormZRXBase& window)>& write) {
  Program program(programFolder, std::make_unique<SeededDice>(1));
  PrepareScreenProgram(program);
  TFormMain window(program);
  Game& game = program.game();
  ScreenPlayer player(window);

  write("main_empty", window);
  window.menu().open(0, true);
  write("main_menu", window);
  window.menu().closeAll();

  player.act([&game] { Lifecycle(game).Indit(NewGameChoice{"Source", 1, 1, 0}); });
  player.go("0");
  player.go("1");
  player.tick();
  write("main_story_signal", window);
  player.open(kEquipmentPage);
  for (int box = 1; box <= 3; ++box) player.act([&game, box] { Offers(game).CheckBoxKlikk(box); });
  write("main_equipment_offer", window);
  player.act([&game] { Offers(game).KlikkTargyFelvetel(); });
  game.screen.ListBox_FT.setSelection(0);
  player.act([&game] { Equipment(game).KlikkFelszTargyLista(); });
  write("main_equipment", window);
  player.open(kSheetPage);
  write("main_sheet", window);
  player.open(kStoryPage);
  player.go("3");
  player.go("4");
  player.go("6");
  player.open(kInformationPage);
  game.screen.ListBox_IN.setSelection(0);
  player.act([&game] { Information(game).ListBox_INClick(); });
  write("main_information", window);
  player.act([&game] { Information(game).ListBox_INDblClick(); });
  player.open(kStoryPage);
  player.go("9");
  player.open(kTestsPage);
  player.act([&game] { DiceTests(game).KlikkSzerencseProba(); });
  write("main_tests_luck", window);
  player.open(kStoryPage);
  player.go("11");
  player.go("14");
  write("main_story", window);
  player.open(kTestsPage);
  write("main_tests_battle", window);

  TFormParValaszt pair(program, "Az első Forduló következik! Válassz Ellenfelet!", opponentLines(game.screen), &window);
  write("pair_choice", pair);
  TFormDeath death(program, &window);
  death.closeTimer()->stop();
  write("death", death);
  TFormWIN victory(program, &window);
  victory.closeTimer()->stop();
  victory.colourTimer()->stop();
  victory.advanceColours();
  write("victory", victory);
  player.act([&game] { Lifecycle(game).Befejez(); });
}

}  // namespace zrx
