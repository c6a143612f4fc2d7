#pragma once
// A caption-row glyph (minimise or close): a picture that changes to its highlighted
// picture under the mouse. A button to the accessibility tools and the keyboard.
#include <QAbstractButton>
#include <QPixmap>

namespace zrx {

class GlyphButton : public QAbstractButton {
  Q_OBJECT
 public:
  GlyphButton(const QPixmap& normal, const QPixmap& highlighted, const QString& name, QWidget* parent);
  bool highlighted() const { return hovered_; }
  QSize sizeHint() const override { return {16, 16}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPixmap normal_;
  QPixmap highlighted_;
  bool hovered_ = false;
};

}  // namespace zrx
