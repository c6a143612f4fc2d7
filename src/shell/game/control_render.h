#pragma once
// How each kind of widget shows a screen-model control: text, enabled, visible, colour,
// list items and selection, checked state, number. Renders never call the engine back
// (widget signals are blocked while they write).
#include <QColor>
#include <QString>
#include <string>
#include <vector>

#include "screen_model.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QTextEdit;
class QWidget;

namespace zrx {

class LinkLabel;

QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);
// The colour of a model colour; `fallback` for Default.
QColor ColourOf(Colour colour, const QColor& fallback);
// A control's lines as one text.
QString JoinedLines(const std::vector<std::string>& lines);

void RenderState(QWidget* widget, const Control& control);  // visible and enabled
void RenderLabel(QLabel* label, const Control& control);
void RenderLink(LinkLabel* link, const Control& control, const QColor& fallback);
void RenderButton(QAbstractButton* button, const Control& control);
void RenderList(QListWidget* list, const Control& control);
void RenderMemo(QPlainTextEdit* memo, const Control& control);
void RenderStory(QTextEdit* text, const Control& control);
void RenderLineEdit(QLineEdit* edit, const Control& control);
void RenderCheck(QCheckBox* box, const Control& control);
void RenderSpin(QSpinBox* spin, const Control& control);

}  // namespace zrx
