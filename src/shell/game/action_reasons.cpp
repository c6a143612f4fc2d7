#include "game/action_reasons.h"

#include <QWidget>

namespace zrx {

void ExplainAction(QWidget& control, const QString& reason) {
  constexpr const char* kShownReason = "zrxActionReason";
  const QString shown = control.property(kShownReason).toString();
  if (shown == reason) return;
  control.setToolTip(reason);
  // A description of the control's own (not a reason of ours) comes back when none is due.
  if (control.accessibleDescription() == shown || !reason.isEmpty()) control.setAccessibleDescription(reason);
  control.setProperty(kShownReason, reason);
}

}  // namespace zrx
