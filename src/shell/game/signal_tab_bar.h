#pragma once
// The tab row of the game window's pages, painted by us so that a signalled tab shows
// exactly the blink colour of its tick.
#include <QColor>
#include <QTabBar>
#include <map>

namespace zrx {

class SignalTabBar : public QTabBar {
  Q_OBJECT
 public:
  explicit SignalTabBar(QWidget* parent = nullptr);

  // Paints tab `index` in `colour`; an invalid colour paints it normally.
  void setTabColour(int index, const QColor& colour);
  QColor tabColour(int index) const;

 protected:
  QSize tabSizeHint(int index) const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::map<int, QColor> colours_;
};

}  // namespace zrx
