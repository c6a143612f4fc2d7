#include "game/picture_view.h"

#include <QPainter>

#include "style/look_colours.h"

namespace zrx {

PictureView::PictureView(const QString& objectName, QWidget* parent) : QWidget(parent) {
  setObjectName(objectName);
  setMinimumSize(120, 120);
}

void PictureView::setPicture(const Picture* picture) {
  if (picture == picture_) return;
  picture_ = picture;
  decoded_ = false;
  image_ = QImage();
  update();
}

QSize PictureView::decodedSize() {
  decode();
  return image_.size();
}

void PictureView::decode() {
  if (decoded_) return;
  decoded_ = true;
  if (!picture_ || picture_->jpeg().empty()) return;
  const std::optional<DecodedImage> decoded = DecodeJpeg(picture_->jpeg());
  if (!decoded || decoded->width <= 0 || decoded->height <= 0) return;
  const QImage view(decoded->rgb.data(), decoded->width, decoded->height, decoded->width * 3, QImage::Format_RGB888);
  image_ = view.copy();  // the view borrows the decoder's buffer
}

void PictureView::paintEvent(QPaintEvent*) {
  decode();
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (image_.isNull()) return;
  const QSize size = image_.size().scaled(this->size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
  painter.drawImage(target, image_);
  painter.setPen(Look().picture);
  painter.drawRect(target.adjusted(0, 0, -1, -1));
}

}  // namespace zrx
