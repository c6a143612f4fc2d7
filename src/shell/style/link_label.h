#pragma once
// A clickable text that looks like a label: the program's links ("Belépés", "Kilépés",
// menu items). A button to accessibility tools and the keyboard (Space and Enter press it).
#include <QAbstractButton>
#include <QColor>

namespace zrx {

class LinkLabel : public QAbstractButton {
  Q_OBJECT
 public:
  LinkLabel(const QString& text, QWidget* parent);

  // The text colour, and the colour it turns under the mouse (invalid: no change).
  void setColours(const QColor& normal, const QColor& hover = QColor());
  // The colour painted while disabled (invalid, the default: the normal colours stay).
  void setDisabledColour(const QColor& colour) { disabled_ = colour; update(); }
  void setAlignment(Qt::Alignment alignment) { alignment_ = alignment; update(); }
  void setBold(bool bold);
  void setPointSize(int points);
  bool hovered() const { return hovered_; }
  QColor currentColour() const { return hovered_ && hover_.isValid() ? hover_ : normal_; }
  QSize sizeHint() const override;

 protected:
  // The colour the text is painted in: the caller's colours in the normal set; in high
  // contrast the set's own, unless the control takes its colours from the set itself.
  QColor paintedColour() const;
  void setColoursFromLook(bool fromLook) { coloursFromLook_ = fromLook; }
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QColor normal_{Qt::black};
  QColor hover_;
  QColor disabled_;
  Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
  bool hovered_ = false;
  bool coloursFromLook_ = false;
};

}  // namespace zrx
