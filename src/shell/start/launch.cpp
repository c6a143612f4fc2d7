#include "start/launch.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "import/import_requests.h"
#include "bundled_update.h"
#include "start/program.h"
#include "start/single_instance.h"
#include "start/termination_signals.h"
#include "start/window_opener.h"
#include "welcome/form_welcome.h"

namespace zrx {
namespace {

int cannotLayOut() {
  std::fputs("A program mappája nem hozható létre.\n", stderr);
  return 1;
}

}  // namespace

int Launch(QApplication& app, const LaunchOptions& options) {
  const ProgramFolderInputs inputs{
      .option = options.folder, .executableFolder = options.executableFolder, .userDataHome = UserDataHome()};
  const ProgramFolderPlan plan = PlanProgramFolder(inputs);
  const std::filesystem::path& folder = plan.folder;
  // From here on a termination signal waits in the message loop instead of killing the
  // start half-way; the program then ends as "Kilépés" ends it.
  TerminationSignals termination;
  // The claim comes before the first start copies the packages, so that two starts at
  // the same moment never both lay out the folder or write its names.
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  SingleInstance instance(folder, SingleInstance::serverNameFor(folder));
  const QString importFile =
      options.importFile ? QString::fromStdString(std::filesystem::absolute(*options.importFile).string()) : QString();
  if (!instance.claim(importFile)) return 0;
  if (!LayOutProgramFolder(plan)) return cannotLayOut();
  // Only the one running program updates the packages, so that no game has its book
  // replaced under it.
  UpdateBundledCopies(inputs, folder);

  Program program(folder);
  QObject::connect(&termination, &TerminationSignals::terminationRequested, &program,
                   [&program] { program.endAsQuit(); });
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
