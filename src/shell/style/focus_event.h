#pragma once
// The focus protocol between the custom controls: a control that takes the focus sends
// its window this event with its id; the window remembers the id and passes the event to
// every custom control, and each control whose id differs shows itself unfocused.
#include <QEvent>

namespace zrx {

class FocusTakenEvent : public QEvent {
 public:
  static QEvent::Type eventType() { return static_cast<QEvent::Type>(QEvent::User + 0x141); }
  explicit FocusTakenEvent(int focusId) : QEvent(eventType()), focusId_(focusId) {}
  int focusId() const { return focusId_; }

 private:
  int focusId_;
};

// A custom control that takes part in the protocol.
class FocusParticipant {
 public:
  virtual ~FocusParticipant() = default;
  virtual int focusId() const = 0;
  // Another control (or this one) took the focus.
  virtual void focusTaken(int focusId) = 0;
};

// Sends the focus event for `focusId` to the window of `control`.
void AnnounceFocus(class QWidget& control, int focusId);

}  // namespace zrx
