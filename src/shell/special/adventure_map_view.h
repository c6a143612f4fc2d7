#pragma once
// The map of the adventure drawn with Qt over the Graphviz layout: the chapter points seen,
// the steps between them with arrows, the current one highlighted, the continuations
// offered now as open stubs below it, ends marked. Drag to pan, wheel to zoom, double
// click to fit; arrow keys move the selection between nodes, Enter tells the selected
// node's number and the start of its text and, as a click on a node does, asks for its text.
#include <QGraphicsView>
#include <optional>

#include "adventure_map.h"
#include "map_layout.h"

namespace zrx {

class AdventureMapView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit AdventureMapView(QWidget* parent = nullptr);

  // Shows this map; the layout is computed again only when the path it comes from grew
  // (or changed), everything else is redrawn over the layout kept.
  void setMap(AdventureMap map);
  const AdventureMap& map() const { return map_; }
  // How many times the layout was computed: a shown map that did not grow adds none.
  int layoutCount() const { return layoutCount_; }
  bool laidOut() const { return layout_.has_value(); }

  int selectedNode() const { return selected_; }
  void selectNode(int node);
  void fitAll();

 signals:
  // Enter on a node: its number and snippet to be told.
  void nodeTold(const QString& text);
  // The selection moved to node `node`.
  void nodeSelected(int node);
  // Enter or a click on node `node`: its chapter point's text is asked for.
  void nodeChosen(int node);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The focus frame round the map, and the map's colours in the set in force.
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void rebuildScene();
  void addEdges();
  void addNodes();
  void addStubs();
  QPointF stubRowCentre(QPointF from, QSizeF row) const;
  int neighbourTowards(double dx, double dy) const;
  void showCurrent();

  AdventureMap map_;
  std::optional<MapLayout> layout_;
  int layoutCount_ = 0;
  int selected_ = -1;
  QPoint pressedAt_;
  // What the view keeps in sight when its size changes (the page lays it out only after the
  // map is set, the told strip below it comes and goes), until the player moves the map.
  enum class Keep { Nothing, Current, Whole };
  Keep keep_ = Keep::Nothing;
};

}  // namespace zrx
