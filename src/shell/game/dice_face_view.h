#pragma once
// One die of the dice panel, drawn: a rounded white face with its pips (0 draws nothing).
#include <QWidget>

namespace zrx {

class DiceFaceView : public QWidget {
  Q_OBJECT
 public:
  explicit DiceFaceView(const QString& objectName, QWidget* parent = nullptr);

  void setFace(int face);
  int face() const { return face_; }
  QSize sizeHint() const override { return {36, 36}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int face_ = 0;
};

// Pip positions of a face 1..6 on a 3 x 3 grid (column, row 0..2); empty for other faces.
std::vector<QPoint> PipCells(int face);

}  // namespace zrx
