#include "screens/form_new_game.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include "game.h"
#include "game/picture_view.h"
#include "lifecycle.h"
#include "new_game_screen.h"
#include "resources/resources.h"
#include "screens/action_label.h"
#include "start/program.h"
#include "start/window_opener.h"
#include "style/link_label.h"
#include "style/window_services.h"

namespace zrx {
namespace {

const QString kChoose = "Kiválasztás";
const QString kCancel = "Mégse";

// A list position as the minimised state keeps it: two digits, "NN" for none.
QString ChoicePosition(int position) {
  return position < 0 ? QString("NN") : QString::fromStdString(TwoDigits(position));
}

}  // namespace

TFormNewGame::TFormNewGame(Program& program, QWidget* parent)
    : TFormZRXBase(program, parent, kNewGameSize),
      selection_(std::make_unique<NewGameSelection>(program.folder(), program.game().errors)) {
  setObjectName("FormNewGame");
  setWindowTitle("Új játék kezdése...");
  setHead("Új játék kezdése");
  setWindowCode(kWindowNewGame);

  auto* packageCaption = new QLabel("Forrás:", this);
  packageCaption->setGeometry(20, 50, 60, 26);
  mainComboBox1_ = new QComboBox(this);
  mainComboBox1_->setObjectName("MainComboBox1");
  mainComboBox1_->setPlaceholderText("Válassz Forrást!");
  mainComboBox1_->setGeometry(80, 50, 300, 26);
  packageCaption->setBuddy(mainComboBox1_);

  auto* bookCaption = new QLabel("Könyv:", this);
  bookCaption->setGeometry(20, 86, 60, 26);
  mainComboBox2_ = new QComboBox(this);
  mainComboBox2_->setObjectName("MainComboBox2");
  mainComboBox2_->setGeometry(80, 86, 300, 26);
  mainComboBox2_->setEnabled(false);
  bookCaption->setBuddy(mainComboBox2_);
  connect(mainComboBox2_, &QComboBox::currentIndexChanged, this, [this](int position) {
    if (!packageStage_ && position >= 0) KepSzovegBetoltes(position);
  });

  auto* group = new QGroupBox("Nehézségi fokozat", this);
  group->setObjectName("RadioGroup1");
  group->setGeometry(20, 122, 360, 56);
  radioBox_ = group;
  radioGroup1_ = new QButtonGroup(this);
  auto* row = new QHBoxLayout(group);
  for (int item = 0; item < 3; ++item) {
    auto* button = new QRadioButton(kDifficultyItems[item], group);
    radioGroup1_->addButton(button, item);
    row->addWidget(button);
  }
  radioGroup1_->button(kDefaultDifficultyItem)->setChecked(true);
  group->setEnabled(false);

  memo1_ = new QPlainTextEdit(this);
  memo1_->setObjectName("Memo1");
  memo1_->setReadOnly(true);
  memo1_->setGeometry(20, 190, 360, 180);
  showLines(NewGameIntroLines());

  image1_ = new PictureView("Image1", this);
  image1_->setGeometry(400, 50, 240, 320);

  label1_ = MakeCommandLabel(program, kChoose, this);
  label1_->setObjectName("Label1");
  label1_->setGeometry(120, 388, 180, 30);
  connect(label1_, &LinkLabel::clicked, this, [this] { Label1Click(); });
  label2_ = MakeCommandLabel(program, kCancel, this);
  label2_->setObjectName("Label2");
  label2_->setGeometry(360, 388, 180, 30);
  connect(label2_, &LinkLabel::clicked, this, [this] { Label2Click(); });

  // Enter chooses in either list, on the difficulty and in the description, as "Kiválasztás" does.
  for (QWidget* control : {static_cast<QWidget*>(mainComboBox1_), static_cast<QWidget*>(mainComboBox2_),
                           static_cast<QWidget*>(memo1_)})
    control->installEventFilter(this);
  for (QAbstractButton* button : radioGroup1_->buttons()) button->installEventFilter(this);

  timerForrasValaszto_ = new QTimer(this);
  timerForrasValaszto_->setSingleShot(true);
  timerForrasValaszto_->setInterval(kTimerInterval);
  connect(timerForrasValaszto_, &QTimer::timeout, this, [this] { TimerForrasValasztoTimer(); });
  timerJatekValaszto_ = new QTimer(this);
  timerJatekValaszto_->setSingleShot(true);
  timerJatekValaszto_->setInterval(kTimerInterval);
  connect(timerJatekValaszto_, &QTimer::timeout, this, [this] { TimerJatekValasztoTimer(); });
}

TFormNewGame::~TFormNewGame() = default;

bool TFormNewGame::listPackages() {
  const QString minimised = program().takeReturnText();
  if (!selection_->Open() || program().game().errors.FatalErrorFlag()) return false;
  // A package left out is named with its reason below the introduction.
  std::vector<std::string> lines = NewGameIntroLines();
  lines.insert(lines.end(), selection_->leftOutLines().begin(), selection_->leftOutLines().end());
  showLines(lines);
  for (const std::string& package : selection_->packages()) mainComboBox1_->addItem(QString::fromStdString(package));
  mainComboBox1_->setCurrentIndex(-1);
  restoreChoices(minimised);
  return true;
}

void TFormNewGame::restoreChoices(const QString& state) {
  if (!state.startsWith('M') || state.size() < 6 || state.mid(1, 2) == "NN") return;
  bool number = false;
  const int position = state.mid(1, 2).toInt(&number);
  if (!number || mainComboBox1_->count() == 0) return;
  mainComboBox1_->setCurrentIndex(std::min(position, mainComboBox1_->count() - 1));
  packageStage_ = false;
  const int difficulty = state.at(5).digitValue();
  ForrasBetoltesInditas(difficulty >= 0 && difficulty < 3 ? std::optional<int>(difficulty) : std::nullopt);
}

void TFormNewGame::showLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  memo1_->setPlainText(text.join('\n'));
}

void TFormNewGame::setControlsEnabled(bool enabled) {
  for (QWidget* control : {static_cast<QWidget*>(label2_), radioBox_, static_cast<QWidget*>(mainComboBox1_),
                           static_cast<QWidget*>(memo1_)})
    control->setEnabled(enabled);
}

void TFormNewGame::ForrasBetoltesInditas(std::optional<int> restoredDifficulty) {
  busy_ = true;
  image1_->setPicture(nullptr);
  mainComboBox2_->clear();
  mainComboBox2_->setEnabled(false);
  ShowCommandBusy(program(), *label1_, "Betöltés...", CommandMaroon());
  showLines(NewGameLoadingLines());
  setControlsEnabled(false);
  program().services().KurzorAllitas(*this, CursorKind::Busy);
  if (restoredDifficulty) radioGroup1_->button(*restoredDifficulty)->setChecked(true);
  timerForrasValaszto_->start();
}

void TFormNewGame::TimerForrasValasztoTimer() {
  if (!selection_->LoadPackage(mainComboBox1_->currentIndex()) || program().game().errors.FatalErrorFlag()) {
    busy_ = false;
    closeAfterError();
    return;
  }
  {
    // Filling the list must not show a description before the player picks a book.
    const QSignalBlocker quiet(mainComboBox2_);
    for (const TBookRec& book : selection_->books()) mainComboBox2_->addItem(QString::fromStdString(book.Title));
    mainComboBox2_->setPlaceholderText("Válassz könyvet!");
    mainComboBox2_->setCurrentIndex(-1);
  }
  mainComboBox2_->setEnabled(true);
  setControlsEnabled(true);
  ShowCommandReady(program(), *label1_, kChoose);
  program().services().KurzorAllitas(*this, CursorKind::Normal);
  busy_ = false;
  mainComboBox2_->setFocus();
}

void TFormNewGame::KepSzovegBetoltes(int position) {
  const auto& books = selection_->books();
  if (position < 0 || position >= static_cast<int>(books.size())) return;
  memo1_->clear();
  const auto& covers = selection_->covers();
  image1_->setPicture(position < static_cast<int>(covers.size()) ? &covers[position] : nullptr);
  showLines(BookDescriptionLines(books[position]));
}

void TFormNewGame::Label1Click() {
  if (!idle()) return;
  const int package = mainComboBox1_->currentIndex();
  if (packageStage_) {
    if (package < 0) return offerList(*mainComboBox1_);
    packageStage_ = false;
    ForrasBetoltesInditas(std::nullopt);
    return;
  }
  if (package != selection_->loadedPackage()) {
    if (package >= 0) ForrasBetoltesInditas(std::nullopt);
    return;
  }
  const int book = mainComboBox2_->currentIndex();
  if (book < 0) return offerList(*mainComboBox2_);
  if (!selection_->Choose(book, radioGroup1_->checkedId())) return;
  ready_ = false;
  ShowCommandBusy(program(), *label1_, "Kiválasztás...", CommandGreen());
  label2_->setEnabled(false);
  mainComboBox1_->setEnabled(false);
  mainComboBox2_->setEnabled(false);
  memo1_->setEnabled(false);
  radioBox_->setEnabled(false);
  program().services().KurzorAllitas(*this, CursorKind::Busy);
  timerJatekValaszto_->start();
}

void TFormNewGame::TimerJatekValasztoTimer() {
  // The book loads while the screen still shows "Kiválasztás..." and the busy pointer.
  choice_ = selection_->Choose(mainComboBox2_->currentIndex(), radioGroup1_->checkedId());
  if (choice_) choice_->bookLoaded = Lifecycle(program().game()).loadChosenBook(*choice_);
  if (program().game().errors.FatalErrorFlag()) {
    choice_.reset();
    closeAfterError();
    return;
  }
  ready_ = true;
  accept();
}

void TFormNewGame::offerList(QComboBox& list) {
  // "Kiválasztás" before a choice opens the list that still waits for one, rather than doing
  // nothing.
  list.setFocus();
  list.showPopup();
}

void TFormNewGame::Label2Click() {
  if (idle()) close();
}

void TFormNewGame::closeAfterError() {
  program().setReturnText(QString());
  done(QDialog::Rejected);
}

QString TFormNewGame::minimisedChoices() const {
  return "M" + ChoicePosition(mainComboBox1_->currentIndex()) + ChoicePosition(mainComboBox2_->currentIndex()) +
         QString::number(radioGroup1_->checkedId());
}

bool TFormNewGame::canClose() {
  if (program().game().errors.FatalErrorFlag()) return true;
  return TFormZRXBase::canClose() && idle();
}

void TFormNewGame::LabelMinClick() {
  if (!idle() || fading()) return;
  program().setReturnText(minimisedChoices());
  TFormZRXBase::LabelMinClick();
}

bool TFormNewGame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Label1Click();
      return true;
    }
  }
  return TFormZRXBase::eventFilter(watched, event);
}

}  // namespace zrx
