#include "style/look_style_sheet.h"

#include <QWidget>

#include "style/look_colours.h"

namespace zrx {
namespace {

// Rides on its widget and holds the recipe of the widget's sheet.
class LookSheetFollower : public QObject {
 public:
  LookSheetFollower(QWidget& widget, LookSheet sheet) : QObject(&widget), widget_(widget), sheet_(std::move(sheet)) {}

  void apply() const {
    const QString wanted = sheet_(Look());
    if (widget_.styleSheet() != wanted) widget_.setStyleSheet(wanted);
  }

 private:
  QWidget& widget_;
  LookSheet sheet_;
};

}  // namespace

void SetLookStyleSheet(QWidget& widget, LookSheet sheet) { (new LookSheetFollower(widget, std::move(sheet)))->apply(); }

void RefreshLookStyleSheets(QWidget& window) {
  // A widget with a style sheet keeps the palette the sheet gave it, so the window's new
  // palette does not reach it: its sheet is built again instead.
  for (QObject* object : window.findChildren<QObject*>()) {
    if (const auto* follower = dynamic_cast<const LookSheetFollower*>(object)) follower->apply();
  }
}

}  // namespace zrx
