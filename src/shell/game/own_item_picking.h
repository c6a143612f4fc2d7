#pragma once
// While the player picks own items for an offer, the equipment page says what the offer
// wants and what the picks are worth so far, and marks the picked items in the list.
class QWidget;

namespace zrx {

class Game;

// Adds the progress line (hidden until an own-item picking runs) to the page's layout column.
QWidget* OwnItemPickingLine(QWidget* page);

// Brings the progress line and the marks of the window's equipment list up to date.
void ShowOwnItemPicking(QWidget& window, const Game& game);

}  // namespace zrx
