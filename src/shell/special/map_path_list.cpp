#include "special/map_path_list.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace zrx {

MapPathList::MapPathList(QWidget* parent) : QListWidget(parent) {
  setObjectName("AdventureMapPath");
  setAccessibleName("Bejárt FejezetPontok");
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) emit nodeSelected(row);
  });
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit nodeChosen(row(item)); });
}

void MapPathList::setMap(const AdventureMap& map) {
  const QSignalBlocker quiet(this);
  clear();
  for (const MapNode& node : map.nodes) {
    addItem(QString("%1. %2").arg(node.chapter).arg(QString::fromStdString(node.title)));
  }
  setCurrentRow(map.current);
}

void MapPathList::followSelection(int node) {
  if (node == currentRow()) return;
  const QSignalBlocker quiet(this);
  setCurrentRow(node);
}

void MapPathList::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
    emit nodeChosen(currentRow());
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

}  // namespace zrx
