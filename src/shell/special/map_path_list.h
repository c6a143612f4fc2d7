#pragma once
// The map's chapter points as a list, in the order the player first reached them (number and
// first words): what the drawn map shows, for a screen reader and the keyboard.
#include <QListWidget>

#include "adventure_map.h"

namespace zrx {

class MapPathList : public QListWidget {
  Q_OBJECT
 public:
  explicit MapPathList(QWidget* parent = nullptr);

  // One line per node of `map`; the current node is the current line.
  void setMap(const AdventureMap& map);
  // Makes the line of node `node` current, as the map's selection moved.
  void followSelection(int node);

 signals:
  // A line was walked to: the map selects its node.
  void nodeSelected(int node);
  // Enter or a click on a line: its chapter point's text is asked for.
  void nodeChosen(int node);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zrx
