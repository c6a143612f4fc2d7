#pragma once
// The editor's undo and redo keys belong to its undo stack, also while an edit field has
// the focus: the field's own undo would know nothing of the source.
#include <QKeySequence>
#include <QList>
#include <QObject>

namespace zrx {

// The platform's redo keys, and Ctrl+Y and Ctrl+Shift+Z wherever the platform lacks one.
QList<QKeySequence> RedoKeys();

// Installed on an edit field, leaves the undo and redo keys to the window's actions.
class StackUndoKeys : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zrx
