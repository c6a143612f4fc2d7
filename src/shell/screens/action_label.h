#pragma once
// The command labels of the new-game and save windows ("Kiválasztás", "Mentés", "Törlés"...):
// navy, bold and underlined when they wait for a click, lighting blue under the mouse; a
// coloured caption without the hover while their action runs.
#include <QColor>
#include <QString>

class QWidget;

namespace zrx {

class LinkLabel;
class Program;

QColor CommandNavy();
QColor CommandBlue();
QColor CommandGreen();
QColor CommandMaroon();

// Creates a command label of the normal look.
LinkLabel* MakeCommandLabel(Program& program, const QString& caption, QWidget* parent);
// The normal look: `caption` in navy, bold, underlined, blue under the mouse, the link cursor.
void ShowCommandReady(Program& program, LinkLabel& label, const QString& caption);
// The busy look: `caption` in `colour`, bold, no underline and no hover.
void ShowCommandBusy(Program& program, LinkLabel& label, const QString& caption, const QColor& colour);

}  // namespace zrx
