#include "game/empty_list_note.h"

#include <QEvent>
#include <QListWidget>
#include <QPainter>

#include "style/look_colours.h"

namespace zrx {
namespace {

class EmptyListNote : public QObject {
 public:
  explicit EmptyListNote(QListWidget& list) : QObject(&list), list_(list) {
    list.installEventFilter(this);
    list.viewport()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &list_ && event->type() == QEvent::ToolTipChange) list_.viewport()->update();
    if (watched == list_.viewport() && event->type() == QEvent::Paint && list_.count() == 0) paintNote();
    return false;
  }

 private:
  // Drawn after the list's own (empty) painting has been queued; the viewport is blank.
  void paintNote() {
    const QString note = list_.toolTip();
    if (note.isEmpty()) return;
    QWidget* viewport = list_.viewport();
    QPainter painter(viewport);
    painter.setPen(Look().text);
    const int margin = painter.fontMetrics().height() / 2;
    painter.drawText(viewport->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note);
  }

  QListWidget& list_;
};

}  // namespace

void ShowWhyEmpty(QListWidget& list) { new EmptyListNote(list); }

}  // namespace zrx
