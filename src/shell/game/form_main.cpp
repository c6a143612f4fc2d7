#include "game/form_main.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "access/accessible_names.h"
#include "access/announcer.h"
#include "dice/own_dice.h"
#include "dice/own_dice_mark.h"
#include "game.h"
#include "pending_kind.h"
#include "game/arrow_button.h"
#include "game/control_render.h"
#include "game/focus_keeper.h"
#include "game/main_menu.h"
#include "game/own_item_picking.h"
#include "game/page_context.h"
#include "game/page_signal_ticker.h"
#include "game/right_click_help.h"
#include "game/signal_tab_bar.h"
#include "lifecycle.h"
#include "speech/qt_speaker.h"
#include "speech/read_aloud.h"
#include "speech/read_aloud_item.h"
#include "start/program.h"
#include "style/legible_colours.h"
#include "style/link_label.h"
#include "style/look_colours.h"
#include "style/window_services.h"
#include "welcome/form_welcome.h"

namespace zrx {
namespace {

constexpr int kCaptionRow = 34;

// The tab widget with our painted tab row.
class PageControl : public QTabWidget {
 public:
  PageControl(SignalTabBar* tabs, QWidget* parent) : QTabWidget(parent) {
    setObjectName("PageControl1");
    setTabBar(tabs);
  }
};

}  // namespace

TFormMain::TFormMain(Program& program, QWidget* parent)
    : TFormZRXBase(program, parent, kMainDesignSize),
      game_(program.game()),
      actions_(program.actions()),
      views_(program.game().screen) {
  actions_.addObserver(*this);
  setObjectName("FormMain");
  setHead("ZRX");
  // The reasons of greyed actions are shown even while another window has the focus.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  buildLayout();
  // A dialog's push buttons press themselves on an Enter that no control took; here Enter
  // belongs to the focused control alone, never to "KEZDÉS" and its questions.
  for (QPushButton* button : findChildren<QPushButton*>()) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  bindWindowControls();
  readAloud_ = new ReadAloud(*new Announcer(views_, game_.screen, this), this, std::make_unique<QtSpeaker>());
  connect(readAloud_, &ReadAloud::changed, this, [this] { ShowReadAloudItem(*menu_, *readAloud_); });
  ShowReadAloudItem(*menu_, *readAloud_);
  // A screen reader hears the right-click help as the control's description.
  SetAccessibleHelp(this, [this](const QString& name) {
    const std::optional<HelpLines> help =
        RightClickHelp(ToStdString(name), game_.state.Difficulty, game_.screen.ListBoxNext.items().empty());
    QStringList lines;
    if (help) {
      for (const std::string& line : *help) {
        if (!line.empty()) lines << ToQString(SingleAmpersands(line));
      }
    }
    return lines.join(' ');
  });
  connect(&program, &Program::settingsApplied, this, [this] {
    applyStoryTextStyle();
    menu_->applyLook();
    MainFormKurzorBeallitas();
  });
  // The player-name label is bound with the difficulty; a sign-in or rename shows at once.
  connect(&program, &Program::playerNameChanged, this, [this] {
    views_.invalidate("LabelNehezsegiFokozat");
    refresh();
  });
  applyStoryTextStyle();
  qApp->installEventFilter(this);
  // Before the first game the window shows its idle layout.
  if (!game_.state.GameLoaded) {
    perform([this] {
      Lifecycle(game_).TortenetAlaphelyzet();
      Lifecycle(game_).FormMainAlaphelyzet(false);
    });
  }
  refresh();
}

TFormMain::~TFormMain() {
  actions_.removeObserver(*this);
  qApp->removeEventFilter(this);
}

void TFormMain::buildLayout() {
  auto* content = new QWidget(this);
  content->setObjectName("PanelTartalom");
  content->setGeometry(6, kCaptionRow, kMainDesignSize.width() - 12, kMainDesignSize.height() - kCaptionRow - 6);
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  auto* titleRow = new QWidget(content);
  titleRow->setObjectName("PanelMainMenu");
  titleRow->setStyleSheet("QWidget#PanelMainMenu { background: #000080; }");
  titleRow->setAttribute(Qt::WA_StyledBackground);
  titleRow->setFixedHeight(24);
  menu_ = new MainMenu(titleRow, this, [this](int code) { runMenu(code); });
  ShowOwnDiceMark(*menu_, program().ownDice());
  layout->addWidget(titleRow);
  layout->addWidget(buildCommandButtons(content));

  tabs_ = new SignalTabBar(content);
  pages_ = new PageControl(tabs_, content);
  context_ = std::make_unique<PageContext>(
      PageContext{game_, views_, actions_});
  using Builder = QWidget* (*)(PageContext&);
  const Builder builders[] = {BuildStoryPage,       BuildSheetPage, BuildEquipmentPage, BuildTestsPage,
                              BuildInformationPage, BuildMagicPage, BuildSpecialPage};
  for (int page = 0; page < 7; ++page) pages_->addTab(builders[page](*context_), kPageCaptions[page]);
  connect(pages_, &QTabWidget::currentChanged, this, &TFormMain::onPageChanged);
  layout->addWidget(pages_, 1);

  const PageSignalTicker::Hints hints{findChild<LinkLabel*>("LabelNext1"), findChild<LinkLabel*>("LabelNext2"),
                                      findChild<ArrowButton*>("NyilRajz")};
  ticker_ = new PageSignalTicker(actions_, tabs_, hints, views_, this);
  ticker_->setOnHandOver([this](int kind) {
    // The fight waits: its button gets one of the two swords, at random.
    if (kind == ToInt(PendingKind::Battle)) findChild<QPushButton*>("BitBtn5")->setCursor(program().services().fightCursor());
  });
}

QWidget* TFormMain::buildCommandButtons(QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  const struct {
    const char* name;
    const char* caption;
    int code;
  } commands[] = {{"BitBtn1", " KEZDÉS ", 11}, {"BitBtn2", " BETÖLTÉS ", 12}, {"BitBtn3", " MENTÉS ", 13},
                  {"BitBtn4", " BEFEJEZÉS ", 14}};
  for (const auto& command : commands) {
    auto* button = new QPushButton(command.caption, row);
    button->setObjectName(command.name);
    button->setMinimumHeight(32);
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
    MenuItemLabel* item = menu_->item(code);
    QLabel* shortcut = menu_->shortcutLabel(code);
    views_.bind("LabelMenu" + std::to_string(code), [item](const Control& c) { item->setEnabled(c.enabled()); });
    views_.bind("LabelMenuGyors" + std::to_string(code),
                [shortcut](const Control& c) { shortcut->setEnabled(c.enabled()); });
  }
  views_.bind("PageControl1", [this](const Control& c) {
    const QSignalBlocker blocker(pages_);
    pages_->setCurrentIndex(c.value());
  });
  // `FormTalcaAnimalas`: the application title scrolls while a game runs.
  views_.bind("ApplicationTitle", [this](const Control& c) {
    if (TFormWelcome* welcome = program().welcome()) welcome->setTitleScrolling(c.enabled(), ToQString(c.text()));
    else setWindowTitle(ToQString(c.text()));
  });
}

void TFormMain::perform(const std::function<void()>& action) {
  game_.Perform(action);
  refresh();
}

void TFormMain::actionEnded(const PlayerAction&, ActionOutcome outcome) {
  // A refused action changed nothing; the running one repaints when it ends.
  if (outcome != ActionOutcome::Refused) refresh();
}

int TFormMain::refresh() {
  // A render that opens a modal window may come back here; one pass at a time.
  if (rendering_) return 0;
  rendering_ = true;
  const QPointer<QWidget> focused = QApplication::focusWidget();
  const int rendered = views_.renderChanged();
  ticker_->sync();
  KeepFocusOnPage(focused, *pages_);
  explainWaitingActions();
  ShowOwnItemPicking(*this, game_);
  rendering_ = false;
  return rendered;
}

void TFormMain::onPageChanged(int page) {
  actions_.PageControl1Change(page);
  ticker_->pageOpened(page);
  FocusOnOpenedPage(*pages_);
}

void TFormMain::applyStoryTextStyle() {
  auto* story = findChild<QTextEdit*>("RichEdit1");
  QFont f = story->font();
  f.setPointSize(program().settings().storyTextPoints());
  story->setFont(f);
  QPalette palette = story->palette();
  const QColor text = StoryTextColour(program().settings().storyTextColour());
  palette.setColor(QPalette::Text, text);
  // The light colours ("Sárga", "Cián") are read on a dark page, as is the high-contrast set.
  palette.setColor(QPalette::Base, Look().highContrast ? Look().field : StoryBackground(text));
  story->setPalette(palette);
}

void TFormMain::MainFormKurzorBeallitas() {
  // The dice commands show the die, the luck test the clover, flight the feather.
  program().services().MainFormKurzorBeallitas(
      *this, {{"LabelDobas", kCursorDie}, {"LabelSzProba", kCursorClover}, {"LabelMenekules", kCursorFeather}});
}

void TFormMain::showEvent(QShowEvent* event) {
  TFormZRXBase::showEvent(event);
  // `FormShow`: the cursors of the controls, and what changed while hidden.
  MainFormKurzorBeallitas();
  refresh();
}

}  // namespace zrx
