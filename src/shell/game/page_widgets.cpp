#include "game/page_widgets.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <algorithm>

#include "game/control_render.h"
#include "style/focus_frame.h"
#include "style/link_label.h"
#include "style/look_colours.h"
#include "style/look_style_sheet.h"

namespace zrx {
namespace {

// Enter on a list box acts like a double click.
class EnterFilter : public QObject {
 public:
  EnterFilter(QObject* parent, std::function<void()> onEnter) : QObject(parent), onEnter_(std::move(onEnter)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        onEnter_();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onEnter_;
};

// A label is never squeezed below its font's full height: accents on capitals ("Ü", "Ő")
// reach above the font's ascent in some fonts and would be cut off.
void keepFullHeight(QLabel* label) {
  const QFontMetrics metrics(label->font());
  label->setMinimumHeight(std::max(metrics.height(), metrics.boundingRect("ÁÉÍÓÖŐÚÜŰ").height()) + 2);
}

}  // namespace

namespace {

// Widgets under a style sheet keep the palette they first had: in high contrast their text
// fields are named in the sheet.
QString HighContrastFields(const LookColours& look) {
  if (!look.highContrast) return {};
  return QString("QAbstractScrollArea, QAbstractSpinBox, QLineEdit { background: %1; color: %2; border: 1px solid %2;"
                 " selection-background-color: %3; selection-color: %4; }")
      .arg(look.field.name(), look.fieldText.name(), look.menuHighlight.name(), look.menuHighlightText.name());
}

}  // namespace

QLabel* BoundLabel(PageContext& context, const std::string& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(ToQString(name));
  keepFullHeight(label);
  context.views.bind(name, [label](const Control& c) { RenderLabel(label, c); });
  return label;
}

QLabel* Caption(const QString& text, QWidget* parent, const QString& objectName) {
  auto* label = new QLabel(text, parent);
  if (!objectName.isEmpty()) label->setObjectName(objectName);
  keepFullHeight(label);
  SetLookPalette(*label, [](QPalette& palette, const LookColours& look) {
    palette.setColor(QPalette::WindowText, look.caption);
  });
  return label;
}

LinkLabel* NamedLink(const QString& objectName, const QString& text, const QColor& colour, QWidget* parent) {
  auto* link = new LinkLabel(text, parent);
  link->setObjectName(objectName);
  link->setColours(colour, Look().hover);
  // A command's caption is never cut by its neighbours.
  link->setMinimumWidth(link->sizeHint().width());
  return link;
}

LinkLabel* BoundLink(PageContext& context, const std::string& name, const QString& text,
                      std::function<void()> action, QWidget* parent) {
  LinkLabel* link = NamedLink(ToQString(name), text, kNavy, parent);
  context.views.bind(name, [link](const Control& c) { RenderLink(link, c, kNavy); });
  QObject::connect(link, &LinkLabel::clicked, link, action);
  return link;
}

QListWidget* BoundList(PageContext& context, const std::string& name, std::function<void(int row)> onClick,
                       std::function<void(int row)> onDoubleClick, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(ToQString(name));
  // A focused list shows it plainly; the platform's look shows nothing.
  SetLookStyleSheet(*list, [](const LookColours& look) {
    return HighContrastFields(look) + FocusedListRule("QListWidget");
  });
  context.views.bind(name, [list](const Control& c) { RenderList(list, c); });
  // The keyboard moves the current row as a click would.
  QObject::connect(list, &QListWidget::currentRowChanged, list, [onClick](int row) {
    if (row >= 0) onClick(row);
  });
  if (onDoubleClick) {
    const auto doubleClick = [list, onDoubleClick] { onDoubleClick(list->currentRow()); };
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, doubleClick);
    list->installEventFilter(new EnterFilter(list, doubleClick));
  }
  return list;
}

QPlainTextEdit* BoundMemo(PageContext& context, const std::string& name, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(ToQString(name));
  memo->setReadOnly(true);
  context.views.bind(name, [memo](const Control& c) { RenderMemo(memo, c); });
  return memo;
}

QGroupBox* Frame(const QString& title, QWidget* parent) {
  auto* frame = new QGroupBox(title, parent);
  SetLookStyleSheet(*frame, [](const LookColours& look) {
    const QString line = (look.highContrast ? look.frame : look.command).name();
    return QString("QGroupBox { border: 1px solid %1; border-radius: 3px; margin-top: 8px; }"
                   "QGroupBox::title { subcontrol-origin: margin; left: 8px; color: %2; }")
               .arg(line, look.command.name()) +
           HighContrastFields(look);
  });
  return frame;
}

}  // namespace zrx
