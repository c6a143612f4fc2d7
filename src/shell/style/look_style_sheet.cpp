#include "style/look_style_sheet.h"

#include <QEvent>
#include <QWidget>

#include "style/look_colours.h"

namespace zrx {
namespace {

class LookSheetFollower : public QObject {
 public:
  LookSheetFollower(QWidget& widget, LookSheet sheet) : QObject(&widget), sheet_(std::move(sheet)) {}

  void apply(QWidget& widget) const {
    // Only a changed sheet is set: setting one changes the palette again.
    const QString wanted = sheet_(Look());
    if (widget.styleSheet() != wanted) widget.setStyleSheet(wanted);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::PaletteChange) apply(*static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
  }

 private:
  LookSheet sheet_;
};

}  // namespace

void SetLookStyleSheet(QWidget& widget, LookSheet sheet) {
  auto* follower = new LookSheetFollower(widget, std::move(sheet));
  follower->apply(widget);
  widget.installEventFilter(follower);
}

}  // namespace zrx
