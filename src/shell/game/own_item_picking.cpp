#include "game/own_item_picking.h"

#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <string>

#include "game.h"
#include "game/control_render.h"
#include "style/look_colours.h"
#include "style/look_style_sheet.h"
#include "book_code.h"

namespace zrx {
namespace {

constexpr const char* kLineName = "LabelCsereAllas";

std::string namesOf(const Game& game, TextList::const_iterator from, TextList::const_iterator to, int* worth) {
  std::string names;
  for (auto it = from; it != to; ++it) {
    const TInventoryRec& item = game.stores.items.Find(numberOf(*it));
    names += (names.empty() ? "" : ", ") + item.Name;
    if (worth) *worth += item.Value;
  }
  return names;
}

// The exchange's OfferList is "1", the count, then the wanted items.
bool exchangeRuns(const Game& game) {
  const TextList& offer = game.state.offers.OfferList;
  return game.state.GameLoaded && game.screen.LabelTargyKivalasztas.enabled() && offer.size() > 2 && offer.front() == "1";
}

}  // namespace

QWidget* OwnItemPickingLine(QWidget* page) {
  auto* line = new QLabel(page);
  line->setObjectName(kLineName);
  line->setWordWrap(true);
  SetLookStyleSheet(*line, [](const LookColours& look) {
    return QString("color: %1; font-weight: bold;").arg(look.command.name());
  });
  line->hide();
  return line;
}

void ShowOwnItemPicking(QWidget& window, const Game& game) {
  auto* line = window.findChild<QLabel*>(kLineName);
  auto* list = window.findChild<QListWidget*>("ListBox_FT");
  if (!line || !list) return;
  const OfferState& offer = game.state.offers;
  if (exchangeRuns(game)) {
    int worth = 0;
    const std::string wanted = namesOf(game, offer.OfferList.begin() + 2, offer.OfferList.end(), nullptr);
    const std::string picks = namesOf(game, offer.SelectionList.begin(), offer.SelectionList.end(), &worth);
    line->setText(ToQString("A csere ezeket fogadja el: " + wanted + " (legfeljebb " +
                            std::to_string(game.state.changes.PendingChangeLength) + " db).\nEddig felajánlva: " +
                            (picks.empty() ? std::string("semmi") : picks) + ", összértékük " + std::to_string(worth) +
                            "."));
  }
  line->setVisible(exchangeRuns(game));
  // The picked items stand out in the list while the picking runs.
  const TextList& held = game.state.equipment.EquipmentList;
  const bool picking = game.state.GameLoaded && game.screen.LabelTargyKivalasztas.enabled();
  for (int row = 0; row < list->count() && row < static_cast<int>(held.size()); ++row) {
    const std::string& number = held[static_cast<std::size_t>(row)];
    const bool picked = picking && std::find(offer.SelectionList.begin(), offer.SelectionList.end(), number) !=
                                       offer.SelectionList.end();
    QFont font = list->font();
    font.setBold(picked);
    list->item(row)->setFont(font);
  }
}

}  // namespace zrx
