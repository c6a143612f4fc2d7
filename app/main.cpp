// zrx: the desktop player. Makes sure it runs once, then opens the welcome window.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <exception>
#include <iostream>

#include "editor/editor_launch.h"
#include "program_folder.h"
#include "start/launch.h"
#include "start/program.h"

int main(int argc, char** argv) try {
  QApplication app(argc, argv);
  QApplication::setApplicationName(zrx::kApplicationTitle);
  QApplication::setQuitOnLastWindowClosed(false);
  // The installed desktop entry's name: docks and task bars find the program's name and icon by it.
  QApplication::setDesktopFileName("hu.zrx.ZRX");
  QApplication::setWindowIcon(QIcon(":/zrx/pictures/icon.svg"));

  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption folder("folder", "A program mappája (fejlesztőknek).", "DIR");
  const QCommandLineOption import("import", "Játékcsomag importálása fájlból (.zrxcs).", "FILE");
  const QCommandLineOption edit("edit", "Könyvforrás (.yaml) szerkesztése a Történet Szerkesztőben.", "FILE");
  parser.addOption(folder);
  parser.addOption(import);
  parser.addOption(edit);
  // The desktop entry passes a double-clicked archive as the one argument.
  parser.addPositionalArgument("FILE", "Importálandó játékcsomag (.zrxcs), mint --import FILE.", "[FILE]");
  parser.process(app);

  if (parser.isSet(edit)) {
    // The editor on its own: no game, so neither the program folder nor a running player is needed.
    QApplication::setQuitOnLastWindowClosed(true);
    zrx::OpenEditorWindow(nullptr, std::filesystem::path(parser.value(edit).toStdString()));
    return app.exec();
  }

  zrx::LaunchOptions options;
  if (parser.isSet(folder)) options.folder = parser.value(folder).toStdString();
  if (parser.isSet(import)) options.importFile = parser.value(import).toStdString();
  else if (parser.positionalArguments().size() == 1) options.importFile = parser.positionalArguments().front().toStdString();
  options.executableFolder = zrx::ExecutableFolder(argv[0]);
  return zrx::Launch(app, options);
} catch (const std::exception& e) {
  // The program reports its own failures by code in the error window; anything else
  // still ends in a message instead of an abort.
  std::cerr << "zrx: " << e.what() << '\n';
  return 1;
}
