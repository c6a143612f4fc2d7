#include "editor/undo_keys.h"

#include <QKeyEvent>

namespace zrx {

QList<QKeySequence> RedoKeys() {
  QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
  for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
    if (!keys.contains(key)) keys << key;
  }
  return keys;
}

bool StackUndoKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    // Not accepted here, the key goes on to the window's shortcuts.
    if (key->matches(QKeySequence::Undo) || RedoKeys().contains(pressed)) return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zrx
