#include "special/chapter_text_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zrx {

ChapterTextWindow::ChapterTextWindow(int chapter, const QString& text, QWidget* parent) : QDialog(parent) {
  setObjectName("ChapterTextWindow");
  setWindowTitle(QString::number(chapter));
  auto* layout = new QVBoxLayout(this);
  auto* view = new QPlainTextEdit(text, this);
  view->setObjectName("ChapterText");
  view->setReadOnly(true);
  // Read-only, yet the keyboard walks it line by line, as a screen reader reads it.
  view->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  view->setAccessibleName(QString("%1. FejezetPont").arg(chapter));
  layout->addWidget(view);
  resize(420, 300);
}

ChapterTextWindow* ShowChapterText(int chapter, const QString& text, QWidget* parent) {
  auto* window = new ChapterTextWindow(chapter, text, parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setModal(true);
  window->show();
  window->activateWindow();
  return window;
}

}  // namespace zrx
