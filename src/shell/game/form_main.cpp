#include "form_main.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "arrow_button.h"
#include "control_render.h"
#include "link_button.h"
#include "main_menu.h"
#include "page_context.h"
#include "page_signal.h"
#include "page_signal_ticker.h"
#include "screen_model.h"
#include "signal_tab_bar.h"
#include "title_scroll.h"

namespace zrx::shell {
namespace {

constexpr int kTitleStepMs = 300;
constexpr const char* kPageCaptions[] = {"Történet", "Kalandlap", "Felszerelési tárgyak", "Próbák - Csaták",
                                         "Információk", "Varázslatok - Képességek", "Speciális"};

// The tab widget with our painted tab row.
class PageControl : public QTabWidget {
 public:
  PageControl(SignalTabBar* tabs, QWidget* parent) : QTabWidget(parent) {
    setObjectName("PageControl1");
    setTabBar(tabs);
  }
};

}  // namespace

TFormMain::TFormMain(Game& game, GameWindowHooks hooks, QWidget* parent)
    : QWidget(parent), game_(game), hooks_(std::move(hooks)), views_(game.screen) {
  setObjectName("TFormMain");
  setWindowTitle("ZRX");
  setStyleSheet("TFormMain { background: #87CEEB; }");
  buildLayout();
  bindWindowControls();
  titleTimer_.setInterval(kTitleStepMs);
  connect(&titleTimer_, &QTimer::timeout, this, &TFormMain::FormTalcaAnimalas);
  qApp->installEventFilter(this);
  refresh();
  resize(880, 640);
}

TFormMain::~TFormMain() { qApp->removeEventFilter(this); }

void TFormMain::buildLayout() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* titleRow = new QWidget(this);
  titleRow->setObjectName("PanelMainMenu");
  titleRow->setStyleSheet("QWidget#PanelMainMenu { background: #000080; }");
  titleRow->setAttribute(Qt::WA_StyledBackground);
  titleRow->setFixedHeight(26);
  menu_ = new MainMenu(titleRow, this, [this](int code) { runMenu(code); });
  layout->addWidget(titleRow);
  layout->addWidget(buildCommandButtons());

  tabs_ = new SignalTabBar(this);
  pages_ = new PageControl(tabs_, this);
  context_ = std::make_unique<PageContext>(
      PageContext{game_, views_, [this](const std::function<void()>& action) { perform(action); }});
  using Builder = QWidget* (*)(PageContext&);
  const Builder builders[] = {BuildStoryPage,       BuildSheetPage, BuildEquipmentPage, BuildTestsPage,
                              BuildInformationPage, BuildMagicPage, BuildSpecialPage};
  for (int page = 0; page < 7; ++page) pages_->addTab(builders[page](*context_), kPageCaptions[page]);
  connect(pages_, &QTabWidget::currentChanged, this, &TFormMain::onPageChanged);
  layout->addWidget(pages_, 1);

  const PageSignalTicker::Hints hints{findChild<LinkButton*>("LabelNext1"), findChild<LinkButton*>("LabelNext2"),
                                      findChild<ArrowButton*>("NyilRajz")};
  ticker_ = new PageSignalTicker(game_, tabs_, hints, views_,
                                 [this](const std::function<void()>& action) { perform(action); }, this);
  ticker_->setOnHandOver([this](int kind) {
    // The fight waits: its button gets one of the sword cursors.
    if (kind == 5 && hooks_.swordCursor) findChild<QPushButton*>("BitBtn5")->setCursor(hooks_.swordCursor());
  });
}

QWidget* TFormMain::buildCommandButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 2, 0, 2);
  const struct {
    const char* name;
    const char* caption;
    int code;
  } commands[] = {{"BitBtn1", " KEZDÉS ", 11}, {"BitBtn2", " BETÖLTÉS ", 12}, {"BitBtn3", " MENTÉS ", 13},
                  {"BitBtn4", " BEFEJEZÉS ", 14}};
  for (const auto& command : commands) {
    auto* button = new QPushButton(command.caption, row);
    button->setObjectName(command.name);
    button->setMinimumHeight(34);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    connect(button, &QPushButton::clicked, this, [this, code = command.code] { runMenu(code); });
    views_.bind(command.name, [button](const Control& c) { RenderButton(button, c); });
    layout->addWidget(button);
  }
  return row;
}

void TFormMain::bindWindowControls() {
  for (int code : {13, 14}) {
    LinkButton* item = menu_->item(code);
    QLabel* shortcut = menu_->shortcutLabel(code);
    views_.bind("LabelMenu" + std::to_string(code), [item](const Control& c) { item->setEnabled(c.enabled()); });
    views_.bind("LabelMenuGyors" + std::to_string(code),
                [shortcut](const Control& c) { shortcut->setEnabled(c.enabled()); });
  }
  views_.bind("PageControl1", [this](const Control& c) {
    const QSignalBlocker blocker(pages_);
    pages_->setCurrentIndex(c.value());
  });
  views_.bind("ApplicationTitle", [this](const Control& c) {
    titleStep_ = 0;
    setWindowTitle(Q(c.text()));
    if (c.enabled()) titleTimer_.start();
    else titleTimer_.stop();
  });
}

void TFormMain::perform(const std::function<void()>& action) {
  game_.Perform(action);
  refresh();
}

int TFormMain::refresh() {
  // A render that opens a modal window may come back here; one pass at a time.
  if (rendering_) return 0;
  rendering_ = true;
  const int rendered = views_.renderChanged();
  ticker_->sync();
  rendering_ = false;
  return rendered;
}

void TFormMain::onPageChanged(int page) {
  perform([this, page] { PageSignal(game_).PageControl1Change(page); });
  ticker_->pageOpened(page);
}

void TFormMain::FormTalcaAnimalas() {
  const Control& title = game_.screen.ApplicationTitle;
  if (!title.enabled()) {
    titleTimer_.stop();
    setWindowTitle("ZRX");
    return;
  }
  setWindowTitle(ScrolledTitle(Q(title.text()), ++titleStep_));
}

void TFormMain::setStoryTextStyle(int pointSize, const QColor& colour) {
  auto* story = findChild<QTextEdit*>("RichEdit1");
  QFont f = story->font();
  f.setPointSize(pointSize);
  story->setFont(f);
  QPalette palette = story->palette();
  palette.setColor(QPalette::Text, colour);
  story->setPalette(palette);
}

void TFormMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  menu_->closeAll();
  refresh();
}

}  // namespace zrx::shell
