#pragma once
// Small builders shared by the pages: named widgets bound to their model controls.
#include <QColor>
#include <QString>
#include <functional>
#include <string>

#include "game/page_context.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace zrx {

class LinkLabel;

inline const QColor kNavy(0, 0, 128);

// A label showing model control `name`.
QLabel* BoundLabel(PageContext& context, const std::string& name, QWidget* parent);
// A fixed caption (not a model control).
QLabel* Caption(const QString& text, QWidget* parent, const QString& objectName = {});
// A clickable label of this object name and colour.
LinkLabel* NamedLink(const QString& objectName, const QString& text, const QColor& colour, QWidget* parent);
// A clickable label showing model control `name` (its own text when the model's is empty),
// running `action` (a door action) when clicked.
LinkLabel* BoundLink(PageContext& context, const std::string& name, const QString& text,
                      std::function<void()> action, QWidget* parent);
// A list box showing model control `name`; a click (or an arrow key) on a line runs
// `onClick` with its row, a double click (or Enter) runs `onDoubleClick` with the current row.
QListWidget* BoundList(PageContext& context, const std::string& name, std::function<void(int row)> onClick,
                       std::function<void(int row)> onDoubleClick, QWidget* parent);
// A read-only memo showing model control `name`.
QPlainTextEdit* BoundMemo(PageContext& context, const std::string& name, QWidget* parent);
// A titled frame around a page's area.
QGroupBox* Frame(const QString& title, QWidget* parent);

}  // namespace zrx
