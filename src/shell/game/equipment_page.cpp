// The equipment page: the items held with their description, and the offer panel (choice
// boxes with prices, quantity rows with up/down buttons, and the two confirm commands).
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "control_catalogue.h"
#include "game/control_render.h"
#include "style/focus_frame.h"
#include "style/link_label.h"
#include "game/page_context.h"
#include "game/own_item_picking.h"
#include "game/page_widgets.h"

namespace zrx {
namespace {

QWidget* spinButton(PageContext& context, int row, QWidget* parent) {
  const std::string name = "FT_SpinButton" + TwoDigits(row);
  auto* spin = new QWidget(parent);
  spin->setObjectName(ToQString(name));
  auto* layout = new QVBoxLayout(spin);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Game& game = context.game;
  for (const bool up : {true, false}) {
    auto* arrow = new FocusFramed<QToolButton>(spin);
    arrow->setObjectName(ToQString(name + (up ? "Up" : "Down")));
    arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
    arrow->setFixedSize(18, 11);
    QObject::connect(arrow, &QToolButton::clicked, arrow, [&actions = context.actions, row, up] {
      if (up) actions.FT_SpinButtonUpClick(row);
      else actions.FT_SpinButtonDownClick(row);
    });
    layout->addWidget(arrow);
  }
  // The button of a row without an item stays hidden.
  const Control& rowName = game.screen.FT_LabelTNev(row);
  const auto render = [spin, &rowName, &game, name](const Control&) {
    RenderState(spin, game.screen.control(name));
    if (rowName.text().empty()) spin->setVisible(false);
  };
  context.views.bind(name, render);
  context.views.watch("FT_LabelTNev" + TwoDigits(row), render);
  return spin;
}

QWidget* choiceBoxes(PageContext& context, QWidget* parent) {
  QGroupBox* group = Frame("", parent);
  group->setObjectName("GroupBox1");
  context.views.bind("GroupBox1", [group](const Control& c) {
    group->setTitle(ToQString(c.text()));
    RenderState(group, c);
  });
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(1);
  QLabel* priceHeader = BoundLabel(context, "LabelAr0", group);
  grid->addWidget(priceHeader, 0, 1);
  for (int n = 1; n <= kChoiceBoxes; ++n) {
    auto* box = new QCheckBox(group);
    box->setObjectName(ToQString("CheckBox" + std::to_string(n)));
    context.views.bind("CheckBox" + std::to_string(n), [box](const Control& c) { RenderCheck(box, c); });
    QObject::connect(box, &QCheckBox::clicked, box,
                     [&actions = context.actions, n] { actions.CheckBoxKlikk(n); });
    grid->addWidget(box, n, 0);
    grid->addWidget(BoundLabel(context, "LabelAr" + std::to_string(n), group), n, 1, Qt::AlignRight);
  }
  grid->setColumnStretch(0, 1);
  return group;
}

QWidget* quantityRows(PageContext& context, QWidget* parent) {
  auto* panel = new QWidget(parent);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  QLabel* header = BoundLabel(context, "FT_LabelFejlec1", panel);
  header->setStyleSheet("background: #000080; color: white; font-weight: bold;");
  grid->addWidget(header, 0, 0, 1, 3);
  for (int row = 1; row <= kQuantityRows; ++row) {
    grid->addWidget(BoundLabel(context, "FT_LabelTNev" + TwoDigits(row), panel), row, 0);
    QLabel* count = BoundLabel(context, "FT_LabelDB" + TwoDigits(row), panel);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(count, row, 1);
    grid->addWidget(spinButton(context, row, panel), row, 2);
  }
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(kQuantityRows + 1, 1);
  return panel;
}

}  // namespace

QWidget* BuildEquipmentPage(PageContext& context) {
  auto* page = new QWidget;
  page->setObjectName("TabSheet3");
  auto* layout = new QHBoxLayout(page);

  auto* held = new QVBoxLayout;
  held->addWidget(Caption("Felszerelési tárgyaid:", page));
  held->addWidget(BoundList(
                      context, "ListBox_FT", [&actions = context.actions](int row) { actions.KlikkFelszTargyLista(row); },
                      [&actions = context.actions](int row) { actions.DuplaKlikkFelszTargyLista(row); }, page),
                  2);
  held->addWidget(OwnItemPickingLine(page));
  held->addWidget(BoundMemo(context, "MemoFT_Leir", page), 1);
  layout->addLayout(held, 1);

  auto* offer = new QVBoxLayout;
  offer->addWidget(choiceBoxes(context, page));
  offer->addWidget(quantityRows(context, page), 1);
  const auto confirm = [&actions = context.actions] { actions.KlikkTargyFelvetel(); };
  auto* commands = new QHBoxLayout;
  commands->addWidget(BoundLink(context, "LabelTargyKivalasztas", "Tárgy(ak) kiválasztása", confirm, page));
  commands->addWidget(BoundLink(context, "LabelTargyFelvetel", "Tárgy(ak) felvétele", confirm, page));
  offer->addLayout(commands);
  layout->addLayout(offer, 1);
  return page;
}

}  // namespace zrx
