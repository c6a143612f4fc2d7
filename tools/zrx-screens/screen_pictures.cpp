#include "screen_pictures.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "game.h"
#include "lifecycle.h"
#include "navigation.h"
#include "resources/resources.h"
#include "save_index.h"
#include "screens/form_new_game.h"
#include "screens/form_save_load.h"
#include "start/program.h"

namespace zrx {
namespace {

void setUp(Program& program) {
  program.resources().load();
  program.applySettings(SettingsLine::Parse("1010000110"));
  program.setPlayerName("Kalandor");
}

// Lets the screen's timer run its deferred load.
void waitWhileBusy(const TFormNewGame& window) {
  while (window.busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void writeNewGame(const std::filesystem::path& programFolder,
                  const std::function<void(const QString&, TFormZRXBase&)>& write) {
  Program program(programFolder);
  setUp(program);
  TFormNewGame window(program);
  if (!window.listPackages()) return;
  write("new_game", window);
  const int source = window.packageBox()->findText("Source");
  if (source < 0) return;
  window.packageBox()->setCurrentIndex(source);
  window.Label1Click();
  waitWhileBusy(window);
  window.bookBox()->setCurrentIndex(0);
  write("new_game_book", window);
}

void writeSaveLoad(const std::filesystem::path& programFolder,
                   const std::function<void(const QString&, TFormZRXBase&)>& write) {
  QTemporaryDir temp;
  const std::filesystem::path folder = temp.path().toStdString();
  std::error_code failed;
  std::filesystem::copy(programFolder / "Source", folder / "Source", std::filesystem::copy_options::recursive, failed);
  if (failed || !temp.isValid() || LayEmptySaveIndex(folder) != 0) return;
  Program program(folder);
  setUp(program);
  Game& game = program.game();
  game.Perform([&game] { Lifecycle(game).Indit(NewGameChoice{"Source", 1, 1, 1}); });
  if (!game.state.GameLoaded) return;
  ClockSeededRandom random;
  for (const char* name : {"Az erdő széle", "A tó partján", "Éjszakai tábor"}) {
    // Each save a step further on the first way out, so that the details differ.
    game.Perform([&game] {
      Navigation(game).ListBoxNextClick(0);
      Navigation(game).KlikkFejezetPontKivalasztas();
    });
    SaveLoadScreen screen(game, SaveWindowMode::Save, random);
    if (screen.Open()) game.Perform([&screen, name] { screen.SaveGame(name); });
  }
  TFormSaveLoad save(program, SaveWindowMode::Save);
  if (save.readSaves()) {
    save.nameField()->setText("A tó partján");
    write("save", save);
  }
  TFormSaveLoad load(program, SaveWindowMode::Load);
  if (load.readSaves()) {
    load.list()->setCurrentRow(0);
    write("load", load);
  }
  game.Perform([&game] { Lifecycle(game).Befejez(); });
}

}  // namespace

void WriteScreenWindowPictures(const std::filesystem::path& programFolder,
                               const std::function<void(const QString& name, TFormZRXBase& window)>& write) {
  writeNewGame(programFolder, write);
  writeSaveLoad(programFolder, write);
}

}  // namespace zrx
