#pragma once
// The frame that shows which control holds the keyboard focus: 2 px in the focus colour of
// the colour set in force, drawn just inside the control's rectangle.
#include <QPainter>
#include <QRect>
#include <QString>

class QPaintEvent;

namespace zrx {

void DrawFocusFrame(QPainter& painter, const QRect& area);

// A control of Qt's whose own focus sign is too faint, with the frame drawn over it.
template <class Control>
class FocusFramed : public Control {
 public:
  using Control::Control;

 protected:
  void paintEvent(QPaintEvent* event) override {
    Control::paintEvent(event);
    if (!this->hasFocus()) return;
    QPainter painter(this);
    DrawFocusFrame(painter, this->rect());
  }
};

// The style sheet rule that frames a focused list in the focus colour.
QString FocusedListRule(const char* listClass);

}  // namespace zrx
