#include "map_items.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <algorithm>

#include "style/legible_colours.h"
#include "style/look_colours.h"

namespace zrx {
namespace {

constexpr double kPadding = 6;
// Below this zoom a node shows its number only, at about this many pixels on the screen.
constexpr double kOverviewDetail = 0.6;
constexpr double kOverviewNumberPixels = 11;

QFont numberFont() {
  QFont font;
  font.setPointSizeF(9);
  font.setBold(true);
  return font;
}

QFont titleFont() {
  QFont font;
  font.setPointSizeF(7.5);
  return font;
}

// A font that stays readable zoomed far out: about kOverviewNumberPixels on the screen, as
// large as a box of `boxHeight` allows.
QFont overviewFont(QFont font, double boxHeight, double detail) {
  font.setPixelSize(static_cast<int>(std::min(boxHeight * 0.75, kOverviewNumberPixels / detail)));
  return font;
}

QColor fillOf(EndMark end, bool current) {
  if (end == EndMark::Death) return {232, 180, 180};
  if (end == EndMark::Victory) return {185, 227, 176};
  return current ? Look().mapNodeCurrent : Look().mapNode;
}

QColor borderOf(EndMark end) {
  if (end == EndMark::Death) return {128, 0, 0};
  if (end == EndMark::Victory) return {0, 100, 0};
  return {107, 79, 42};
}

}  // namespace

MapNodeItem::MapNodeItem(const MapNode& node, int index, QSizeF size)
    : number_(QString::number(node.chapter)), title_(QString::fromStdString(node.title)), end_(node.end), size_(size) {
  setData(kItemNodeIndex, index);
  setData(kItemKind, QStringLiteral("node"));
  setToolTip(number_ + ". " + title_);
}

QSizeF MapNodeItem::sizeFor(const MapNode& node) {
  const double number = QFontMetricsF(numberFont()).horizontalAdvance(QString::number(node.chapter));
  const QFontMetricsF titleMetrics(titleFont());
  const double title = titleMetrics.horizontalAdvance(QString::fromStdString(node.title));
  const double height = QFontMetricsF(numberFont()).height() + titleMetrics.height() + kPadding;
  return {std::max(number, title) + 2 * kPadding, height};
}

QRectF MapNodeItem::boundingRect() const {
  return QRectF(-size_.width() / 2 - 3, -size_.height() / 2 - 3, size_.width() + 6, size_.height() + 6);
}

void MapNodeItem::setCurrent(bool current) {
  current_ = current;
  update();
}

void MapNodeItem::setChosen(bool chosen) {
  chosen_ = chosen;
  update();
}

void MapNodeItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
  const QRectF box(-size_.width() / 2, -size_.height() / 2, size_.width(), size_.height());
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setBrush(fillOf(end_, current_));
  painter->setPen(QPen(current_ ? Look().focus : borderOf(end_), current_ ? 2.5 : 1));
  painter->drawRoundedRect(box, 4, 4);
  if (chosen_) {
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Look().mapLine, 1.5, Qt::DashLine));
    painter->drawRoundedRect(box.adjusted(-3, -3, 3, 3), 6, 6);
  }
  painter->setPen(BestTextOn(fillOf(end_, current_), {Look().mapText, QColor(Qt::black)}));
  const double detail = option->levelOfDetailFromTransform(painter->worldTransform());
  if (detail < kOverviewDetail) {
    // Zoomed far out the title is a smudge: the number alone, as large as the box allows.
    painter->setFont(overviewFont(numberFont(), box.height(), detail));
    painter->drawText(box, Qt::AlignCenter, number_);
    return;
  }
  const double numberHeight = QFontMetricsF(numberFont()).height();
  painter->setFont(numberFont());
  painter->drawText(QRectF(box.left(), box.top() + kPadding / 2, box.width(), numberHeight), Qt::AlignCenter, number_);
  painter->setFont(titleFont());
  painter->drawText(QRectF(box.left(), box.top() + kPadding / 2 + numberHeight, box.width(),
                           box.height() - numberHeight - kPadding),
                    Qt::AlignCenter, title_);
}

MapStubItem::MapStubItem(const MapStub& stub) : label_(QString::fromStdString(stub.label)), end_(stub.end) {
  setData(kItemKind, QStringLiteral("stub"));
}

QRectF MapStubItem::boundingRect() const {
  return QRectF(-kSize.width() / 2 - 1, -kSize.height() / 2 - 1, kSize.width() + 2, kSize.height() + 2);
}

void MapStubItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
  const QRectF box(-kSize.width() / 2, -kSize.height() / 2, kSize.width(), kSize.height());
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setBrush(end_ == EndMark::None ? QBrush(Qt::NoBrush) : QBrush(fillOf(end_, false)));
  painter->setPen(QPen(borderOf(end_), 1, Qt::DashLine));
  painter->drawRoundedRect(box, 8, 8);
  const double detail = option->levelOfDetailFromTransform(painter->worldTransform());
  painter->setFont(detail < kOverviewDetail ? overviewFont(titleFont(), box.height(), detail) : titleFont());
  painter->setPen(end_ == EndMark::None ? Look().mapText : BestTextOn(fillOf(end_, false), {Look().mapText, QColor(Qt::black)}));
  painter->drawText(box, Qt::AlignCenter, label_);
}

}  // namespace zrx
