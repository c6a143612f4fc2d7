#include "adventure_map_view.h"

#include <QApplication>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "map_items.h"
#include "style/focus_frame.h"
#include "style/look_colours.h"

namespace zrx {
namespace {

constexpr double kZoomStep = 1.15;
constexpr double kStubGap = 34;  // below the current node

QPointF toQt(MapPoint p) { return {p.x, p.y}; }

// An arrow head at `tip`, pointing away from `from`.
QPainterPath arrowHead(QPointF from, QPointF tip) {
  const QLineF line(tip, from);
  const double length = 7;
  QLineF left = QLineF::fromPolar(length, line.angle() + 25).translated(tip);
  QLineF right = QLineF::fromPolar(length, line.angle() - 25).translated(tip);
  QPainterPath head(tip);
  head.lineTo(left.p2());
  head.lineTo(right.p2());
  head.closeSubpath();
  return head;
}

// The layout depends on the nodes (their boxes fit the number and title) and the steps.
bool sameRoute(const AdventureMap& a, const AdventureMap& b) {
  const auto sameNode = [](const MapNode& x, const MapNode& y) { return x.chapter == y.chapter && x.title == y.title; };
  const auto sameStep = [](const MapEdge& x, const MapEdge& y) { return x.from == y.from && x.to == y.to; };
  return std::equal(a.nodes.begin(), a.nodes.end(), b.nodes.begin(), b.nodes.end(), sameNode) &&
         std::equal(a.edges.begin(), a.edges.end(), b.edges.begin(), b.edges.end(), sameStep);
}

bool sameMarks(const AdventureMap& a, const AdventureMap& b) {
  if (a.current != b.current || a.stubs.size() != b.stubs.size()) return false;
  for (std::size_t i = 0; i < a.stubs.size(); ++i) {
    if (a.stubs[i].label != b.stubs[i].label) return false;
  }
  return a.current < 0 || a.nodes[static_cast<std::size_t>(a.current)].end ==
                              b.nodes[static_cast<std::size_t>(b.current)].end;
}

}  // namespace

AdventureMapView::AdventureMapView(QWidget* parent) : QGraphicsView(parent) {
  setObjectName("AdventureMapView");
  setScene(new QGraphicsScene(this));
  setDragMode(QGraphicsView::ScrollHandDrag);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setRenderHint(QPainter::Antialiasing);
  setBackgroundBrush(Look().mapPaper);
  setFocusPolicy(Qt::StrongFocus);
}

void AdventureMapView::paintEvent(QPaintEvent* event) {
  QGraphicsView::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(viewport());
  DrawFocusFrame(painter, viewport()->rect());
}

void AdventureMapView::changeEvent(QEvent* event) {
  // The colour set changed: the paper, and the nodes and lines as the scene repaints.
  if (event->type() == QEvent::PaletteChange) {
    setBackgroundBrush(Look().mapPaper);
    scene()->update();
  }
  QGraphicsView::changeEvent(event);
}

void AdventureMapView::focusInEvent(QFocusEvent* event) {
  QGraphicsView::focusInEvent(event);
  viewport()->update();
}

void AdventureMapView::focusOutEvent(QFocusEvent* event) {
  QGraphicsView::focusOutEvent(event);
  viewport()->update();
}

void AdventureMapView::setMap(AdventureMap map) {
  // Another game of as many steps (loaded while the page was hidden) needs its own layout.
  const bool grew = !layout_ || !sameRoute(map_, map);
  const bool unchanged = !grew && sameMarks(map_, map);
  map_ = std::move(map);
  if (unchanged) return;
  if (grew) {
    std::vector<MapSize> sizes;
    for (const MapNode& node : map_.nodes) {
      const QSizeF size = MapNodeItem::sizeFor(node);
      sizes.push_back({size.width(), size.height()});
    }
    layout_ = map_.nodes.empty() ? std::nullopt : LayOutMap(map_, sizes);
    ++layoutCount_;
    selected_ = map_.current;
  }
  rebuildScene();
  if (grew) {
    keep_ = Keep::Current;
    showCurrent();
  }
}

void AdventureMapView::showCurrent() {
  if (map_.current >= 0 && layout_) centerOn(toQt(layout_->centres[static_cast<std::size_t>(map_.current)]));
}

void AdventureMapView::resizeEvent(QResizeEvent* event) {
  QGraphicsView::resizeEvent(event);
  if (keep_ == Keep::Current) showCurrent();
  if (keep_ == Keep::Whole) fitAll();
}

void AdventureMapView::rebuildScene() {
  scene()->clear();
  if (!layout_) {
    scene()->setSceneRect(QRectF());
    return;
  }
  addEdges();
  addNodes();
  addStubs();
  scene()->setSceneRect(scene()->itemsBoundingRect().adjusted(-20, -20, 20, 20));
}

void AdventureMapView::addEdges() {
  const QPen pen(Look().mapStep, 1.2);
  for (const LaidOutEdge& edge : layout_->edges) {
    if (edge.curve.empty()) continue;
    QPainterPath path(toQt(edge.curve.front()));
    for (std::size_t i = 1; i + 2 < edge.curve.size(); i += 3) {
      path.cubicTo(toQt(edge.curve[i]), toQt(edge.curve[i + 1]), toQt(edge.curve[i + 2]));
    }
    auto* line = scene()->addPath(path, pen);
    line->setData(kItemKind, QStringLiteral("step"));
    if (edge.arrowTip) scene()->addPath(arrowHead(path.currentPosition(), toQt(*edge.arrowTip)), pen, Look().mapStep);
    if (edge.count > 1) {
      auto* times = scene()->addSimpleText(QString("×%1").arg(edge.count));
      times->setBrush(Look().mapStep);
      times->setPos(path.pointAtPercent(0.5) + QPointF(3, -6));
    }
  }
}

void AdventureMapView::addNodes() {
  for (std::size_t i = 0; i < map_.nodes.size(); ++i) {
    const MapSize size = layout_->sizes[i];
    auto* item = new MapNodeItem(map_.nodes[i], static_cast<int>(i), QSizeF(size.width, size.height));
    item->setPos(toQt(layout_->centres[i]));
    item->setCurrent(static_cast<int>(i) == map_.current);
    item->setChosen(static_cast<int>(i) == selected_);
    item->setZValue(1);
    scene()->addItem(item);
  }
}

void AdventureMapView::addStubs() {
  if (map_.current < 0 || map_.stubs.empty()) return;
  const auto current = static_cast<std::size_t>(map_.current);
  const QPointF from = toQt(layout_->centres[current]) + QPointF(0, layout_->sizes[current].height / 2);
  const double pitch = MapStubItem::kSize.width() + 8;
  const QSizeF row(pitch * static_cast<double>(map_.stubs.size()) - 8, MapStubItem::kSize.height());
  const QPointF centre = stubRowCentre(from, row);
  const QPen pen(Look().mapStep, 1, Qt::DashLine);
  for (std::size_t i = 0; i < map_.stubs.size(); ++i) {
    const QPointF at = centre + QPointF(-row.width() / 2 + MapStubItem::kSize.width() / 2 + pitch * static_cast<double>(i), 0);
    const QPointF tip = at - QPointF(0, MapStubItem::kSize.height() / 2);
    scene()->addLine(QLineF(from, tip), pen);
    scene()->addPath(arrowHead(from, tip), QPen(Look().mapStep), Look().mapStep);
    auto* stub = new MapStubItem(map_.stubs[i]);
    stub->setPos(at);
    stub->setZValue(1);
    scene()->addItem(stub);
  }
}

// The stubs change within a chapter point (a test decides what is offered) while the
// layout stays, so Graphviz does not place them: their row goes below the current node,
// moved aside or further down until it covers no other node.
QPointF AdventureMapView::stubRowCentre(QPointF from, QSizeF row) const {
  const QPointF below = from + QPointF(0, kStubGap + row.height() / 2);
  const double sideStep = MapStubItem::kSize.width() + 8, downStep = row.height() + kStubGap;
  const auto free = [this, row](QPointF centre) {
    const QRectF area = QRectF(centre - QPointF(row.width() / 2, row.height() / 2), row).adjusted(-6, -6, 6, 6);
    for (std::size_t i = 0; i < layout_->centres.size(); ++i) {
      const QSizeF size(layout_->sizes[i].width, layout_->sizes[i].height);
      if (area.intersects(QRectF(toQt(layout_->centres[i]) - QPointF(size.width() / 2, size.height() / 2), size))) {
        return false;
      }
    }
    return true;
  };
  for (int down = 0; down < 4; ++down) {
    for (const int aside : {0, 1, -1, 2, -2, 3, -3}) {
      const QPointF centre = below + QPointF(aside * sideStep, down * downStep);
      if (free(centre)) return centre;
    }
  }
  return below;
}

void AdventureMapView::selectNode(int node) {
  if (node < 0 || node >= static_cast<int>(map_.nodes.size())) return;
  const bool moved = node != selected_;
  selected_ = node;
  if (moved) emit nodeSelected(node);
  for (QGraphicsItem* item : scene()->items()) {
    if (auto* box = dynamic_cast<MapNodeItem*>(item)) box->setChosen(box->data(kItemNodeIndex).toInt() == node);
  }
  if (layout_) ensureVisible(QRectF(toQt(layout_->centres[static_cast<std::size_t>(node)]), QSizeF(1, 1)), 60, 60);
}

void AdventureMapView::fitAll() {
  if (!scene()->items().isEmpty()) fitInView(scene()->sceneRect(), Qt::KeepAspectRatio);
  keep_ = Keep::Whole;
}

void AdventureMapView::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps == 0) return;
  const double factor = std::pow(kZoomStep, steps);
  const double zoom = transform().m11() * factor;
  if (zoom < 0.05 || zoom > 8) return;
  keep_ = Keep::Nothing;
  scale(factor, factor);
  event->accept();
}

void AdventureMapView::mousePressEvent(QMouseEvent* event) {
  keep_ = Keep::Nothing;
  pressedAt_ = event->position().toPoint();
  QGraphicsView::mousePressEvent(event);
}

void AdventureMapView::mouseReleaseEvent(QMouseEvent* event) {
  QGraphicsView::mouseReleaseEvent(event);
  // A click, not the end of a drag, on a node.
  const QPoint at = event->position().toPoint();
  if (event->button() != Qt::LeftButton || (at - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) return;
  for (const QGraphicsItem* item : items(at)) {
    if (dynamic_cast<const MapNodeItem*>(item) == nullptr) continue;
    const int node = item->data(kItemNodeIndex).toInt();
    selectNode(node);
    emit nodeChosen(node);
    return;
  }
}

void AdventureMapView::mouseDoubleClickEvent(QMouseEvent* event) {
  fitAll();
  event->accept();
}

// The nearest node within a quarter turn of the direction.
int AdventureMapView::neighbourTowards(double dx, double dy) const {
  if (!layout_ || selected_ < 0) return map_.nodes.empty() ? -1 : 0;
  const MapPoint from = layout_->centres[static_cast<std::size_t>(selected_)];
  int best = -1;
  double bestDistance = std::numeric_limits<double>::max();
  for (std::size_t i = 0; i < layout_->centres.size(); ++i) {
    const double x = layout_->centres[i].x - from.x, y = layout_->centres[i].y - from.y;
    const double along = x * dx + y * dy, across = std::abs(x * dy - y * dx);
    if (along <= 0 || across > along) continue;
    const double distance = along + 2 * across;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return best;
}

void AdventureMapView::keyPressEvent(QKeyEvent* event) {
  int next = -1;
  switch (event->key()) {
    case Qt::Key_Left: next = neighbourTowards(-1, 0); break;
    case Qt::Key_Right: next = neighbourTowards(1, 0); break;
    case Qt::Key_Up: next = neighbourTowards(0, -1); break;
    case Qt::Key_Down: next = neighbourTowards(0, 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (selected_ >= 0) {
        const MapNode& node = map_.nodes[static_cast<std::size_t>(selected_)];
        emit nodeTold(QString("%1. FejezetPont: %2").arg(node.chapter).arg(QString::fromStdString(node.snippet)));
        emit nodeChosen(selected_);
      }
      event->accept();
      return;
    default: QGraphicsView::keyPressEvent(event); return;
  }
  if (next >= 0) {
    keep_ = Keep::Nothing;
    selectNode(next);
  }
  event->accept();
}

}  // namespace zrx
