// The adventure sheet: player, difficulty, the characteristics with start and current
// values (three main ones and up to four of the book's own), and the visited path.
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "game/control_render.h"
#include "game/page_context.h"
#include "game/page_widgets.h"

namespace zrx {
namespace {

class DoubleClickFilter : public QObject {
 public:
  DoubleClickFilter(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick) {
      action_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

QLabel* valueLabel(PageContext& context, const std::string& name, QWidget* parent) {
  QLabel* label = BoundLabel(context, name, parent);
  label->setStyleSheet("font-size: 13pt; font-weight: bold;");
  label->setMinimumWidth(48);
  return label;
}

QWidget* characteristics(PageContext& context, QWidget* page) {
  QWidget* frame = Frame("Jellemzők", page);
  auto* grid = new QGridLayout(frame);
  // Columns: caption, start value, caption of the current value (the book's own), current value.
  grid->addWidget(Caption("Kezdeti érték", frame), 0, 1);
  grid->addWidget(Caption("Jelenlegi érték", frame), 0, 3);
  const struct {
    const char* caption;
    const char* start;
    const char* now;
  } mains[] = {{"Ügyesség", "LabelSkillTextStart", "LabelSkillTextNow"},
               {"Életerő", "LabelStaminaTextStart", "LabelStaminaTextNow"},
               {"Szerencse", "LabelLuckTextStart", "LabelLuckTextNow"}};
  int row = 1;
  for (const auto& main : mains) {
    grid->addWidget(Caption(main.caption, frame), row, 0);
    grid->addWidget(valueLabel(context, main.start, frame), row, 1);
    grid->addWidget(valueLabel(context, main.now, frame), row, 3);
    ++row;
  }
  // A slot of the book's own: caption and value of the start, caption and value of the current.
  for (int slot = 1; slot <= 4; ++slot) {
    const std::string base = "LabelBV" + std::to_string(slot);
    grid->addWidget(BoundLabel(context, base + "Start", frame), row, 0);
    grid->addWidget(valueLabel(context, base + "TextStart", frame), row, 1);
    grid->addWidget(BoundLabel(context, base + "Now", frame), row, 2);
    grid->addWidget(valueLabel(context, base + "TextNow", frame), row, 3);
    ++row;
  }
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(4, 1);
  return frame;
}

QWidget* playerRow(PageContext& context, QWidget* page) {
  auto* row = new QWidget(page);
  auto* layout = new QGridLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  QLabel* player = Caption("", row, "LabelJatekosNev");
  player->setStyleSheet("font-weight: bold;");
  QLabel* level = BoundLabel(context, "LabelSzint", row);
  QLabel* difficulty = BoundLabel(context, "LabelNehezsegiFokozat", row);
  difficulty->setStyleSheet("font-weight: bold;");
  const Game& game = context.game;
  // The player's name belongs to the sign-in, not to the game: it shows from the sign-in on.
  // A rename re-renders this binding (the main window listens to it).
  context.views.watch("LabelNehezsegiFokozat", [player, &game](const Control&) {
    player->setText(game.state.PlayerName.empty() ? QString() : ToQString("Játékos: " + game.state.PlayerName));
  });
  context.views.watch("LabelSzint", [level](const Control& c) {
    if (c.text().empty()) level->setText("Nehézségi fokozat:");
  });
  layout->addWidget(player, 0, 0, 1, 2);
  layout->addWidget(level, 1, 0);
  layout->addWidget(difficulty, 1, 1);
  layout->setColumnStretch(2, 1);
  return row;
}

}  // namespace

QWidget* BuildSheetPage(PageContext& context) {
  auto* page = new QWidget;
  page->setObjectName("TabSheet2");
  auto* layout = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addWidget(playerRow(context, page));
  left->addWidget(characteristics(context, page), 1);
  layout->addLayout(left, 3);

  auto* right = new QVBoxLayout;
  right->addWidget(Caption("Eddig bejárt út:", page, "LabelEddigBejartUt"));
  QPlainTextEdit* path = BoundMemo(context, "MemoFP", page);
  path->viewport()->installEventFilter(
      new DoubleClickFilter(path, [&actions = context.actions] { actions.MemoFPDblClick(); }));
  right->addWidget(path, 1);
  layout->addLayout(right, 2);
  return page;
}

}  // namespace zrx
