#include "game/signal_tab_bar.h"

#include <QPainter>

#include "game/page_signal_view.h"
#include "style/focus_frame.h"
#include "style/look_colours.h"

namespace zrx {

SignalTabBar::SignalTabBar(QWidget* parent) : QTabBar(parent) {
  setObjectName("PageControl1TabRow");
  setDrawBase(false);
  setExpanding(false);
}

void SignalTabBar::setTabColour(int index, const QColor& colour) {
  if (tabColour(index) == colour) return;
  if (colour.isValid()) colours_[index] = colour;
  else colours_.erase(index);
  // The blinking is told to a screen reader too: a tab's tip is its accessible description.
  setTabToolTip(index, colour.isValid() ? QString("vár rád") : QString());
  update(tabRect(index));
}

QColor SignalTabBar::tabColour(int index) const {
  const auto it = colours_.find(index);
  return it == colours_.end() ? QColor() : it->second;
}

QSize SignalTabBar::tabSizeHint(int index) const {
  const QSize natural = QTabBar::tabSizeHint(index);
  // The open tab's caption is bold; every tab has room for that.
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  if (index >= 0 && index < static_cast<int>(kFixedTabSpans.size())) {
    const TabSpan span = kFixedTabSpans[static_cast<std::size_t>(index)];
    // The design widths, widened where a larger font needs it.
    return {std::max(span.right - span.left + 1, metrics.horizontalAdvance(tabText(index)) + 12), natural.height()};
  }
  return {metrics.horizontalAdvance(tabText(index)) + 16, natural.height()};
}

void SignalTabBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const LookColours& look = Look();
  for (int i = 0; i < count(); ++i) {
    const QRect r = tabRect(i).adjusted(0, i == currentIndex() ? 0 : 2, -1, 0);
    const QColor signal = tabColour(i);
    QColor fill = signal.isValid() ? signal : NormalTabColour();
    if (!signal.isValid() && i == currentIndex()) fill = look.tabOpen;
    painter.setPen(look.highContrast ? look.frame : look.tabText);
    painter.setBrush(fill);
    painter.drawRect(r);
    QFont f = font();
    f.setBold(i == currentIndex());
    painter.setFont(f);
    painter.setPen(signal.isValid() ? look.signalText : (isTabEnabled(i) ? look.tabText : look.disabled));
    painter.drawText(r, Qt::AlignCenter, tabText(i));
    if (hasFocus() && i == currentIndex()) DrawFocusFrame(painter, r.adjusted(1, 1, -1, -1));
  }
}

}  // namespace zrx
