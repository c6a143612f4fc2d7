#include "game/control_render.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextEdit>

#include "style/legible_colours.h"
#include "style/link_label.h"
#include "style/look_colours.h"
#include "game/right_click_help.h"

namespace zrx {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }
std::string ToStdString(const QString& text) { return text.toStdString(); }

QColor ColourOf(Colour colour, const QColor& fallback) {
  switch (colour) {
    case Colour::Navy: return {0, 0, 128};
    case Colour::Blue: return {0, 0, 255};
    case Colour::DarkBlue: return {0, 0, 139};
    case Colour::Red: return {255, 0, 0};
    case Colour::DarkRed: return {139, 0, 0};
    case Colour::Green: return {0, 128, 0};
    case Colour::Default: break;
  }
  return fallback;
}

QString JoinedLines(const std::vector<std::string>& lines) {
  QStringList joined;
  joined.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) joined.push_back(ToQString(line));
  return joined.join('\n');
}

void RenderState(QWidget* widget, const Control& control) {
  widget->setEnabled(control.enabled());
  widget->setVisible(control.visible());
}

void RenderLabel(QLabel* label, const Control& control) {
  label->setText(ToQString(SingleAmpersands(control.text())));
  QPalette palette = label->palette();
  // The book's colours are chosen for the sky-blue body; high contrast has one text colour.
  palette.setColor(QPalette::WindowText, Look().highContrast ? Look().text : ColourOf(control.colour(), Look().text));
  label->setPalette(palette);
  RenderState(label, control);
}

void RenderLink(LinkLabel* link, const Control& control, const QColor& fallback) {
  if (!control.text().empty()) link->setText(ToQString(SingleAmpersands(control.text())));
  // A command that cannot be used now is greyed.
  link->setColours(control.enabled() ? ColourOf(control.colour(), fallback) : DisabledTextColour(),
                   control.enabled() ? Look().hover : QColor());
  RenderState(link, control);
}

void RenderButton(QAbstractButton* button, const Control& control) {
  if (!control.text().empty()) button->setText(ToQString(control.text()));
  RenderState(button, control);
}

void RenderList(QListWidget* list, const Control& control) {
  const QSignalBlocker blocker(list);
  const auto& items = control.items();
  bool same = list->count() == static_cast<int>(items.size());
  for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == ToQString(items[static_cast<std::size_t>(i)]);
  if (!same) {
    list->clear();
    for (const std::string& item : items) list->addItem(ToQString(item));
  }
  list->setCurrentRow(control.selection());
  if (control.selection() < 0) list->clearSelection();
  RenderState(list, control);
}

void RenderMemo(QPlainTextEdit* memo, const Control& control) {
  const QSignalBlocker blocker(memo);
  const QString text = JoinedLines(control.items());
  // Rewriting an unchanged text would move the caret of a memo being typed into.
  if (memo->toPlainText() != text) memo->setPlainText(text);
  RenderState(memo, control);
}

void RenderStory(QTextEdit* text, const Control& control) {
  text->setPlainText(JoinedLines(control.items()));
  RenderState(text, control);
}

void RenderLineEdit(QLineEdit* edit, const Control& control) {
  const QSignalBlocker blocker(edit);
  if (edit->text() != ToQString(control.text())) edit->setText(ToQString(control.text()));
  RenderState(edit, control);
}

void RenderCheck(QCheckBox* box, const Control& control) {
  const QSignalBlocker blocker(box);
  // A check box reads "&" as a mnemonic: every "&" to be shown is doubled for it.
  box->setText(ToQString(SingleAmpersands(control.text())).replace('&', "&&"));
  box->setChecked(control.value() != 0);
  RenderState(box, control);
  // A box without an item is no choice.
  if (control.text().empty()) box->setVisible(false);
}

void RenderSpin(QSpinBox* spin, const Control& control) {
  const QSignalBlocker blocker(spin);
  spin->setValue(control.value());
  RenderState(spin, control);
}

}  // namespace zrx
