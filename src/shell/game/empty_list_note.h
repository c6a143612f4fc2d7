#pragma once
// An empty list that says why it is empty: the list's tool tip (the reason an action waits),
// written across its empty area, so that a player who does not hover still reads it.
class QListWidget;

namespace zrx {

void ShowWhyEmpty(QListWidget& list);

}  // namespace zrx
