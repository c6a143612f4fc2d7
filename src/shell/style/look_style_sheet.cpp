#include "style/look_style_sheet.h"

#include <QPalette>
#include <QWidget>

#include "style/look_colours.h"

namespace zrx {
namespace {

using LookStyle = std::function<void(QWidget&, const LookColours&)>;

// Rides on its widget and holds the recipe of the widget's own colours.
class LookFollower : public QObject {
 public:
  LookFollower(QWidget& widget, LookStyle style) : QObject(&widget), widget_(widget), style_(std::move(style)) {}

  void apply() const { style_(widget_, Look()); }

 private:
  QWidget& widget_;
  LookStyle style_;
};

void follow(QWidget& widget, LookStyle style) { (new LookFollower(widget, std::move(style)))->apply(); }

}  // namespace

void SetLookStyleSheet(QWidget& widget, LookSheet sheet) {
  follow(widget, [sheet = std::move(sheet)](QWidget& w, const LookColours& look) {
    // Only a changed sheet is set: setting one restyles the widget.
    const QString wanted = sheet(look);
    if (w.styleSheet() != wanted) w.setStyleSheet(wanted);
  });
}

void SetLookPalette(QWidget& widget, LookPalette colours) {
  follow(widget, [colours = std::move(colours)](QWidget& w, const LookColours& look) {
    QPalette palette = w.palette();
    colours(palette, look);
    w.setPalette(palette);
  });
}

void RefreshLookStyles(QWidget& window) {
  // A widget with colours of its own does not take the window's new palette: its recipe
  // runs again instead.
  for (QObject* object : window.findChildren<QObject*>()) {
    if (const auto* follower = dynamic_cast<const LookFollower*>(object)) follower->apply();
  }
}

}  // namespace zrx
