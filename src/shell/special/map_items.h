#pragma once
// The items of the drawn map: a chapter point's box and an open stub.
#include <QGraphicsItem>
#include <QString>

#include "adventure_map.h"

namespace zrx {

// Keys of the items' data, read by the tests and the view.
inline constexpr int kItemNodeIndex = 0;  // int: index of the node in the map
inline constexpr int kItemKind = 1;       // QString: "node", "stub", "step"

class MapNodeItem : public QGraphicsItem {
 public:
  MapNodeItem(const MapNode& node, int index, QSizeF size);

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  void setCurrent(bool current);
  bool isCurrent() const { return current_; }
  void setChosen(bool chosen);
  bool isChosen() const { return chosen_; }

  // The size a node needs for its number and title.
  static QSizeF sizeFor(const MapNode& node);

 private:
  QString number_, title_;
  EndMark end_;
  QSizeF size_;
  bool current_ = false, chosen_ = false;
};

class MapStubItem : public QGraphicsItem {
 public:
  explicit MapStubItem(const MapStub& stub);
  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
  static constexpr QSizeF kSize{56, 22};

 private:
  QString label_;
  EndMark end_;
};

}  // namespace zrx
