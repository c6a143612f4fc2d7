#include "start/launch.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "import/import_requests.h"
#include "bundled_update.h"
#include "start/program.h"
#include "start/screenshots.h"
#include "start/single_instance.h"
#include "start/window_opener.h"
#include "welcome/form_welcome.h"

namespace zrx {

int Launch(QApplication& app, const LaunchOptions& options) {
  const ProgramFolderInputs inputs{
      .option = options.folder, .executableFolder = options.executableFolder, .userDataHome = UserDataHome()};
  const std::filesystem::path folder = DecideProgramFolder(inputs);
  if (folder.empty()) {
    std::fputs("A program mappája nem hozható létre.\n", stderr);
    return 1;
  }
  if (options.screensFolder) return WriteScreens(folder, *options.screensFolder);

  SingleInstance instance(SingleInstance::serverNameFor(folder));
  const QString importFile =
      options.importFile ? QString::fromStdString(std::filesystem::absolute(*options.importFile).string()) : QString();
  if (!instance.claim(importFile)) return 0;
  // Only the one running program updates the packages, so that no game has its book
  // replaced under it.
  UpdateBundledCopies(inputs, folder);

  Program program(folder);
  program.createStartWindows();
  QObject::connect(&instance, &SingleInstance::restoreRequested, &program, [&program] {
    program.restoreAndRaise();
    program.opener().RestoreHandler();
  });
  // The welcome window's checks run inside the message loop, so that an error window or
  // a notice that ends the program can end it.
  QObject::connect(&instance, &SingleInstance::importRequested, &program,
                   [&program](const QString& file) { OpenImportWindow(program, file.toStdString()); });
  QTimer::singleShot(0, program.welcome(), [&program] { program.welcome()->start(); });
  if (options.importFile) {
    QTimer::singleShot(0, program.welcome(), [&program, importFile] { OpenImportWindow(program, importFile.toStdString()); });
  }
  return app.exec();
}

}  // namespace zrx
