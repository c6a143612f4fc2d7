#include "import/import_requests.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "archive_writer.h"
#include "game.h"
#include "game/menu_table.h"
#include "import/form_import.h"
#include "start/program.h"
#include "start/window_opener.h"

namespace zrx {
namespace {

constexpr int kImportMenuCode = 15;

// The one local archive file that a drag carries, if it carries exactly that.
std::optional<std::filesystem::path> droppedArchive(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return std::nullopt;
  const std::filesystem::path file = data->urls().front().toLocalFile().toStdString();
  if (file.extension() != kArchiveExtension) return std::nullopt;
  return file;
}

class ArchiveDropFilter : public QObject {
 public:
  ArchiveDropFilter(Program& program, QObject* parent) : QObject(parent), program_(program) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::DragEnter) {
      auto* drag = static_cast<QDragEnterEvent*>(event);
      if (droppedArchive(drag->mimeData())) {
        drag->acceptProposedAction();
        return true;
      }
    } else if (event->type() == QEvent::Drop) {
      auto* drop = static_cast<QDropEvent*>(event);
      if (const auto file = droppedArchive(drop->mimeData())) {
        drop->acceptProposedAction();
        OpenImportWindow(program_, *file);
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  Program& program_;
};

}  // namespace

void OpenImportWindow(Program& program, const std::optional<std::filesystem::path>& file) {
  if (program.game().state.GameLoaded) {
    const MenuEntry* entry = MenuEntryByCode(kImportMenuCode);
    program.game().ui().QuestionFormInfo(entry->busyNotice[0], entry->busyNotice[1]);
    return;
  }
  // The import window has no window code of its own: minimising it minimises the program.
  program.opener().FormNyitas(0, [&file](Program& owner, QWidget* parent) -> std::unique_ptr<TFormZRXBase> {
    auto window = std::make_unique<TFormImport>(owner, parent);
    if (file) window->openArchive(*file);
    return window;
  });
}

void AcceptArchiveDrops(Program& program, QWidget& window) {
  window.setAcceptDrops(true);
  window.installEventFilter(new ArchiveDropFilter(program, &window));
}

}  // namespace zrx
