#include "game/empty_list_note.h"

#include <QEvent>
#include <QListWidget>
#include <QPainter>

#include "style/look_colours.h"

namespace zrx {
namespace {

class EmptyListNote : public QObject {
 public:
  explicit EmptyListNote(QListWidget& list) : QObject(&list), list_(list), viewport_(list.viewport()) {
    list.installEventFilter(this);
    viewport_->installEventFilter(this);
  }

  // The list is asked nothing before the event is known to be ours: the filter also sees
  // the events of a list being destroyed.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTipChange && watched == &list_) viewport_->update();
    if (event->type() == QEvent::Paint && watched == viewport_ && list_.count() == 0) paintNote();
    return false;
  }

 private:
  // Drawn after the list's own (empty) painting has been queued; the viewport is blank.
  void paintNote() {
    const QString note = list_.toolTip();
    if (note.isEmpty()) return;
    QPainter painter(viewport_);
    painter.setPen(Look().text);
    const int margin = painter.fontMetrics().height() / 2;
    painter.drawText(viewport_->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note);
  }

  QListWidget& list_;
  QWidget* viewport_;
};

}  // namespace

void ShowWhyEmpty(QListWidget& list) { new EmptyListNote(list); }

}  // namespace zrx
