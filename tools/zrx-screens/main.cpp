// zrx-screens: a developer's aid that writes a picture of every window of the desktop
// program, in the states a game passes through, into a folder (`make screens`).
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>
#include <exception>
#include <iostream>

#include "program_folder.h"
#include "screenshots.h"
#include "start/program.h"

int main(int argc, char** argv) try {
  QApplication app(argc, argv);
  QApplication::setApplicationName(zrx::kApplicationTitle);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(QIcon(":/zrx/pictures/icon.svg"));

  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption folder("folder", "A program mappája; alapból a program melletti.", "DIR");
  parser.addOption(folder);
  parser.addPositionalArgument("DIR", "Ebbe a mappába kerülnek a képek (PNG).");
  parser.process(app);
  if (parser.positionalArguments().size() != 1) parser.showHelp(2);

  const zrx::ProgramFolderInputs inputs{
      .option = parser.isSet(folder) ? std::optional<std::filesystem::path>(parser.value(folder).toStdString())
                                     : std::nullopt,
      .executableFolder = zrx::ExecutableFolder(argv[0]),
      .userDataHome = zrx::UserDataHome()};
  const zrx::ProgramFolderPlan plan = zrx::PlanProgramFolder(inputs);
  if (!zrx::LayOutProgramFolder(plan)) {
    std::fputs("A program mappája nem hozható létre.\n", stderr);
    return 1;
  }
  return zrx::WriteScreens(plan.folder, parser.positionalArguments().front().toStdString());
} catch (const std::exception& e) {
  std::cerr << "zrx-screens: " << e.what() << '\n';
  return 1;
}
