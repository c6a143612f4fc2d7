#pragma once
// A picture of the book (Image1): JPEG bytes decoded when first painted, scaled to fit
// the control with the aspect kept, centred.
#include <QImage>
#include <QWidget>

#include "picture.h"

namespace zrx {

class PictureView : public QWidget {
  Q_OBJECT
 public:
  explicit PictureView(const QString& objectName, QWidget* parent = nullptr);

  // Shows these bytes (kept by the game for as long as the book runs); nullptr shows nothing.
  void setPicture(const Picture* picture);
  bool hasPicture() const { return picture_ != nullptr; }
  // Decodes now if needed; the decoded size (null for none or an unreadable picture).
  QSize decodedSize();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void decode();

  const Picture* picture_ = nullptr;
  bool decoded_ = false;
  QImage image_;
};

}  // namespace zrx
