#pragma once
// Why an action of the game window cannot be used now, told where the player looks for it:
// a tooltip on the control that is also its accessible description.
#include <QString>

#include "action_wait_reasons.h"

class QWidget;

namespace zrx {

// Shows `reason` as the control's tooltip and accessible description; an empty reason
// clears both.
void ExplainAction(QWidget& control, const QString& reason);

}  // namespace zrx
