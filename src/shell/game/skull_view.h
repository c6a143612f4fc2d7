#pragma once
// The skull of the death window, drawn.
#include <QWidget>

namespace zrx::shell {

class SkullView : public QWidget {
  Q_OBJECT
 public:
  explicit SkullView(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zrx::shell
