#pragma once
// Why an action of the game window cannot be used now, told where the player looks for it:
// a tooltip on the control that is also its accessible description.
#include <QString>
#include <string>

class QWidget;

namespace zrx {

class Game;

// The reason, in the player's words, why the action of control `name` ("BitBtn3",
// "BitBtn5", "LabelMenekules", "LabelTargyFelvetel", "ListBoxNext") waits; empty when it
// does not wait or there is nothing to say.
std::string ActionWaitReason(const Game& game, const std::string& name);

// Shows `reason` as the control's tooltip and accessible description; an empty reason
// clears both.
void ExplainAction(QWidget& control, const QString& reason);

}  // namespace zrx
