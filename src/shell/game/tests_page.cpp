// The tests-and-battles page: the four roll commands with their dice and results, the luck
// test, and the battle panel (opponents, the player, results, "Harc", flight and weapon).
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/control_render.h"
#include "game/dice_face_view.h"
#include "style/link_label.h"
#include "game/page_context.h"
#include "game/page_widgets.h"

namespace zrx {
namespace {

constexpr const char* kRollCaptions[] = {"Dobás egy kockával", "Dobás két kockával", "Dobás három kockával",
                                         "Dobás négy kockával"};
constexpr int kDiceSlots[] = {3, 2, 3, 4};

QWidget* dicePanel(PageContext& context, QWidget* parent) {
  QWidget* frame = Frame("Kockadobás", parent);
  auto* grid = new QGridLayout(frame);
  for (int n = 1; n <= 4; ++n) {
    const std::string command = "LabelDobas" + std::to_string(n) + "Kocka";
    grid->addWidget(BoundLink(context, command, kRollCaptions[n - 1],
                              [&actions = context.actions, n] { actions.KlikkDobasKockaval(n); }, frame),
                    n - 1, 0);
    auto* faces = new QHBoxLayout;
    for (int k = 1; k <= kDiceSlots[n - 1]; ++k) {
      const std::string name = "ImageDE" + std::to_string(n) + std::to_string(k);
      auto* face = new DiceFaceView(ToQString(name), frame);
      context.views.bind(name, [face](const Control& c) {
        face->setFace(c.picture().source == PictureRef::Source::DiceFace ? c.picture().index : 0);
        face->setVisible(c.visible());
      });
      faces->addWidget(face);
    }
    faces->addStretch(1);
    grid->addLayout(faces, n - 1, 1);
    QLabel* result = BoundLabel(context, "DK" + std::to_string(n) + "EredmenyLabel", frame);
    result->setStyleSheet("font-weight: bold;");
    result->setMinimumWidth(60);
    grid->addWidget(result, n - 1, 2);
  }
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* luckPanel(PageContext& context, QWidget* parent) {
  QWidget* frame = Frame("Szerencse", parent);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(BoundLink(context, "LabelSzProba", "Szerencse próba",
                            [&actions = context.actions] { actions.KlikkSzerencseProba(); }, frame),
                  0, 0, 1, 4);
  grid->addWidget(Caption("Érték:", frame), 1, 0);
  grid->addWidget(BoundLabel(context, "LabelSZPErtek", frame), 1, 1);
  grid->addWidget(Caption("Eredmény:", frame), 1, 2);
  QLabel* outcome = BoundLabel(context, "LabelSZPEredmenyErtek", frame);
  outcome->setStyleSheet("font-weight: bold;");
  grid->addWidget(outcome, 1, 3);
  grid->setColumnStretch(3, 1);
  return frame;
}

// One row of the battle panel: a name, then caption/value pairs.
void addRow(PageContext& context, QGridLayout* grid, int row, const std::string& name,
            const std::vector<std::pair<std::string, std::string>>& values, QWidget* parent) {
  if (!name.empty()) {
    QLabel* label = BoundLabel(context, name, parent);
    label->setStyleSheet("font-weight: bold;");
    label->setMinimumWidth(130);
    label->setWordWrap(true);
    grid->addWidget(label, row, 0);
  }
  int column = 1;
  for (const auto& [caption, value] : values) {
    grid->addWidget(BoundLabel(context, caption, parent), row, column++, Qt::AlignRight);
    QLabel* number = BoundLabel(context, value, parent);
    number->setMinimumWidth(28);
    grid->addWidget(number, row, column++);
  }
}

QWidget* battlePanel(PageContext& context, QWidget* parent) {
  QWidget* frame = Frame("Csata", parent);
  auto* layout = new QVBoxLayout(frame);
  auto* grid = new QGridLayout;
  addRow(context, grid, 0, "LabelSzornyNev1",
         {{"LabelSzornyUgyessegCim1", "LabelSzornyUgyesseg1"},
          {"LabelSzornyEleteroCim1", "LabelSzornyEletero1"},
          {"LabelSzornyTamadoeroCim1", "LabelSzornyTamadoero1"}},
         frame);
  for (int row = 2; row <= 3; ++row) {
    const std::string r = std::to_string(row);
    addRow(context, grid, row - 1, "LabelSzornyNev" + r,
           {{"LabelSzornyUgyessegCim" + r, "LabelSzornyUgyesseg" + r},
            {"LabelSzornyDobasCim" + r, "LabelSzornyDobas" + r},
            {"LabelSzornyTamadoeroCim" + r, "LabelSzornyTamadoero" + r}},
           frame);
  }
  QLabel* you = Caption("", frame, "LabelJatekosSor");
  grid->addWidget(you, 3, 0);
  context.views.watch("LabelJatekosUgyesseg", [you](const Control& c) {
    you->setText("Te");
    you->setVisible(c.visible());
  });
  addRow(context, grid, 3, "",
         {{"LabelJatekosUgyessegCim", "LabelJatekosUgyesseg"},
          {"LabelJatekosEleteroCim", "LabelJatekosEletero"},
          {"LabelJatekosTamadoeroCim", "LabelJatekosTamadoero"}},
         frame);
  grid->setColumnStretch(0, 1);
  layout->addLayout(grid);
  for (const char* result : {"LabelEredmeny1", "LabelEredmeny2", "LabelEredmeny3"}) {
    QLabel* line = BoundLabel(context, result, frame);
    line->setStyleSheet("font-weight: bold;");
    layout->addWidget(line);
  }

  auto* actions = new QHBoxLayout;
  auto* fight = new QPushButton("Harc", frame);
  fight->setObjectName("BitBtn5");
  fight->setMinimumSize(120, 34);
  context.views.bind("BitBtn5", [fight](const Control& c) { RenderButton(fight, c); });
  QObject::connect(fight, &QPushButton::clicked, fight,
                   [&actions = context.actions] { actions.KlikkCsata(); });
  actions->addWidget(fight);
  actions->addWidget(BoundLink(context, "LabelMenekules", "Menekülés",
                               [&actions = context.actions] { actions.KlikkElmenekules(); }, frame));
  actions->addWidget(BoundLink(context, "LabelSpecFegyver", "Speciális Fegyver",
                               [&actions = context.actions] { actions.KlikkSpecFegyverAlkalmazas(); }, frame));
  actions->addStretch(1);
  layout->addLayout(actions);
  layout->addStretch(1);
  return frame;
}

}  // namespace

QWidget* BuildTestsPage(PageContext& context) {
  auto* page = new QWidget;
  page->setObjectName("TabSheet4");
  auto* layout = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addWidget(dicePanel(context, page));
  left->addWidget(luckPanel(context, page));
  left->addStretch(1);
  layout->addLayout(left, 2);
  layout->addWidget(battlePanel(context, page), 3);
  return page;
}

}  // namespace zrx
