#include "style/window_fit.h"

#include <QApplication>
#include <QChildEvent>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace zrx {
namespace {

// A control on its way onto the page: where it was, and whether it was hidden on purpose.
// Reparenting hides a control, so one that was not hidden on purpose is shown again (with
// the page, and counted by a layout).
struct PageMove {
  explicit PageMove(QWidget& control)
      : widget(&control),
        place(control.pos()),
        hiddenOnPurpose(control.isHidden() && control.testAttribute(Qt::WA_WState_ExplicitShowHide)) {}
  void onto(QWidget& page) const {
    if (widget->parentWidget() != &page) widget->setParent(&page);
    widget->move(place);
    if (!hiddenOnPurpose) widget->show();
  }
  QWidget* widget;
  QPoint place;
  bool hiddenOnPurpose;
};

// The page that holds a shrunk window's controls at their design places.
class ContentPage : public QWidget {
 public:
  ContentPage(QSize design, std::function<void(QPainter&)> paintBody) : paintBody_(std::move(paintBody)) {
    setObjectName("WindowContent");
    setFixedSize(design);
    setAutoFillBackground(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paintBody_(painter);
  }

 private:
  std::function<void(QPainter&)> paintBody_;
};

// A window's children made after it shrank were placed in design coordinates, which are
// the page's: they move onto the page as they are.
class LateChildMover : public QObject {
 public:
  LateChildMover(QWidget& window, QScrollArea& area, QWidget& page)
      : QObject(&area), window_(window), area_(area), page_(page) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::ChildAdded) {
      // The child is still being built: move it once the event loop runs again.
      QPointer<QObject> child = static_cast<QChildEvent*>(event)->child();
      QTimer::singleShot(0, this, [this, child] {
        auto* widget = qobject_cast<QWidget*>(child.data());
        if (widget != nullptr && widget->parentWidget() == &window_ && widget != &area_ && !widget->isWindow())
          PageMove(*widget).onto(page_);
      });
    }
    return false;
  }

 private:
  QWidget& window_;
  QScrollArea& area_;
  QWidget& page_;
};

}  // namespace

QSize FittedWindowSize(QSize design, const QRect& available, int scrollBarExtent) {
  const QSize bounded = design.boundedTo(available.size());
  if (bounded == design) return design;
  // Where there is room, the window grows by the scroll bar it now needs, so that the other
  // direction does not need one too.
  QSize fitted = bounded;
  if (bounded.height() < design.height()) fitted.rwidth() = std::min(design.width() + scrollBarExtent, available.width());
  if (bounded.width() < design.width()) fitted.rheight() = std::min(design.height() + scrollBarExtent, available.height());
  return fitted;
}

QPoint PositionInside(const QRect& available, const QRect& window) {
  const int x = std::clamp(window.x(), available.left(), std::max(available.left(), available.right() + 1 - window.width()));
  const int y = std::clamp(window.y(), available.top(), std::max(available.top(), available.bottom() + 1 - window.height()));
  return {x, y};
}

QScrollArea* ScrollWindowContent(QWidget& window, QSize design, std::function<void(QPainter&)> paintBody) {
  auto* page = new ContentPage(design, std::move(paintBody));
  std::vector<PageMove> moves;
  for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) moves.emplace_back(*child);
  }
  // A window's layout lays out the page instead; it goes first, since a layout forgets the
  // controls that leave its widget.
  if (QLayout* layout = window.layout()) page->setLayout(layout);
  for (const PageMove& move : moves) move.onto(*page);
  auto* area = new QScrollArea(&window);
  area->setObjectName("WindowScroll");
  area->setFrameShape(QFrame::NoFrame);
  area->setWidget(page);
  area->setGeometry(window.rect());
  new LateChildMover(window, *area, *page);
  // Tab, arrows and clicks can focus a control outside the shown part.
  QObject::connect(qApp, &QApplication::focusChanged, area, [area, page](QWidget*, QWidget* now) {
    if (now != nullptr && page->isAncestorOf(now)) area->ensureWidgetVisible(now);
  });
  return area;
}

}  // namespace zrx
