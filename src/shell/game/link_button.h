#pragma once
// A command that looks like a label: the game window's clickable labels (the arrow
// labels, the dice and luck commands, the offer commands, the links, the menu items).
// A button to the keyboard, to accessibility and to tests, drawn as plain text.
#include <QAbstractButton>
#include <QColor>

namespace zrx::shell {

class LinkButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit LinkButton(const QString& objectName, const QString& text, QWidget* parent = nullptr);

  void setTextColour(const QColor& colour);
  // Highlighted items are drawn on a dark background (menu items under mouse or keyboard).
  void setHighlighted(bool highlighted);
  bool highlighted() const { return highlighted_; }
  void setAlignment(Qt::Alignment alignment);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QColor colour_;
  bool highlighted_ = false;
  bool hovered_ = false;
  Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

}  // namespace zrx::shell
