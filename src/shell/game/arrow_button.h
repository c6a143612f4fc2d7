#pragma once
// The drawn arrow (NyilRajzol / NyilTorol) that points at the chosen continuation or the
// signalled page; clicking it is the "next" action.
#include <QAbstractButton>

namespace zrx {

class ArrowButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit ArrowButton(const QString& objectName, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {44, 24}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zrx
