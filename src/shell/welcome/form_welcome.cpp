#include "welcome/form_welcome.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPolygon>
#include <QRegion>
#include <QTimer>

#include "dialogs/form_bye.h"
#include "dialogs/form_question.h"
#include "game/form_main.h"
#include "player_names.h"
#include "resources/resources.h"
#include "start/program.h"
#include "style/link_label.h"
#include "style/window_services.h"
#include "style/look_colours.h"

namespace zrx {
namespace {

const QString kWelcomeText = "Üdvözöllek, kedves játékos, a ZRX világában!";

QLabel* makeLabel(const QString& text, const QRect& geometry, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

// The window's outline: both lower corners cut off diagonally.
QRegion welcomeShape(QSize size, int cut) {
  const int w = size.width();
  const int h = size.height();
  return QRegion(QPolygon({QPoint(0, 0), QPoint(0, h - cut), QPoint(cut, h), QPoint(w - cut, h), QPoint(w, h - cut),
                           QPoint(w, 0)}));
}

}  // namespace

TFormWelcome::TFormWelcome(Program& program, QWidget* parent)
    : TFormZRXBase(program, parent),
      platform_(CheckThisPlatform()),
      resourceError_(program.resources().error()),
      names_(std::make_unique<PlayerNames>(program.folder(), program.clock())) {
  setObjectName("FormWelcome");
  setWindowTitle("ZRX");
  setHead("ZRX");
  setMask(welcomeShape(size(), kCornerCut));
  const int w = width();

  labelSzinesFejlec_ = makeLabel(kWelcomeText, QRect(10, 44, w - 20, 30), "LabelSzinesFejlec", this);
  labelSzinesFejlec_->setFont(program.resources().headerFont(15));
  imageMainLogo_ = makeLabel("", QRect((w - 240) / 2, 80, 240, 150), "ImageMainLogo", this);
  imageMainLogo_->setPixmap(program.resources().logo());
  imageMainLogo_->setAccessibleName("ZRX");
  label2_ = makeLabel("A megoldás a Te kezedben van!", QRect(10, 236, w - 20, 24), "Label2", this);
  QFont italic = label2_->font();
  italic.setPointSize(11);
  italic.setItalic(true);
  label2_->setFont(italic);

  label3_ = makeLabel("Játékos neve:", QRect((w - 270) / 2, 266, 270, 22), "Label3", this);
  label3_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  comboBox1_ = new QComboBox(this);
  comboBox1_->setObjectName("ComboBox1");
  comboBox1_->setEditable(true);
  comboBox1_->setInsertPolicy(QComboBox::NoInsert);
  comboBox1_->lineEdit()->setMaxLength(static_cast<int>(kPlayerNameMax));
  comboBox1_->setGeometry((w - 270) / 2, 290, 270, 28);
  comboBox1_->setAccessibleName("Játékos neve");
  comboBox1_->setAccessibleDescription("Írd be a neved, vagy válassz az ismert nevek közül, majd nyomj Entert");
  label3_->setBuddy(comboBox1_);
  // The focus rests on the combo box, which hands Enter and Escape to its line edit without
  // passing them through the line edit's filters: watch both.
  comboBox1_->installEventFilter(this);
  comboBox1_->lineEdit()->installEventFilter(this);

  label4_ = new LinkLabel("Belépés", this);
  label4_->setObjectName("Label4");
  label4_->setGeometry((w - 200) / 2, 330, 200, 30);
  label4_->setAlignment(Qt::AlignCenter);
  label4_->setFont(program.resources().headerFont(14));
  label4_->setColours(QColor(0, 0, 128), QColor(0, 64, 220));
  label4_->setAccessibleDescription("Belépés a beírt névvel");
  label4_->setCursor(program.services().cursor(CursorKind::Link));
  connect(label4_, &QAbstractButton::clicked, this, [this] { signIn(); });

  timerBezaro_ = new QTimer(this);
  timerBezaro_->setObjectName("TimerBezaro");
  timerBezaro_->setSingleShot(true);
  timerBezaro_->setInterval(kSignInPauseMs);
  connect(timerBezaro_, &QTimer::timeout, this, [this] { TimerBezaroTimer(); });
  timerColorChanger_ = new QTimer(this);
  timerColorChanger_->setObjectName("TimerColorChanger");
  timerColorChanger_->setInterval(kColourCycleMs);
  connect(timerColorChanger_, &QTimer::timeout, this, [this] { TimerColorChangerTimer(); });
  timerTitleScroller_ = new QTimer(this);
  timerTitleScroller_->setObjectName("TimerTitleScroller");
  timerTitleScroller_->setInterval(kTitleScrollMs);
  connect(timerTitleScroller_, &QTimer::timeout, this, [this] { TimerTitleScrollerTimer(); });
  TimerColorChangerTimer();
}

TFormWelcome::~TFormWelcome() = default;

void TFormWelcome::start() {
  if (!platform_.supported) {
    TFormQuestion::inform(program(), "Ezt az operációs rendszert a ZRX program nem támogatja!",
                          "(" + platform_.description + ")");
    program().endProgram();
    return;
  }
  Game& game = program().game();
  if (resourceError_ != Resources::kNone) {
    game.errors.HibaHozzairas(16 + resourceError_);
  } else if (const int code = names_->ReadNames(NamesReader::Welcome)) {
    game.errors.HibaHozzairas(code, kNamesFile);
  }
  if (game.errors.FatalErrorFlag()) {
    program().showErrorWindow();
    return;
  }
  program().applySettings(SettingsLine::Parse(names_->settingsLine()));
  for (const std::string& name : names_->names()) comboBox1_->addItem(QString::fromStdString(name));
  comboBox1_->setCurrentIndex(-1);
  comboBox1_->clearEditText();
  timerColorChanger_->start();
  program().services().AblakPozBeallitas(*this);
  show();
  comboBox1_->setFocus();
}

void TFormWelcome::signIn() {
  if (signingIn_ || signedIn_) return;
  std::string name;
  const NameVerdict verdict = CheckPlayerName(comboBox1_->currentText().toStdString(), name);
  if (verdict == NameVerdict::Empty) return;
  if (verdict != NameVerdict::Accepted) {
    for (const auto& [line1, line2] : NameNotices(verdict))
      TFormQuestion::inform(program(), QString::fromStdString(line1), QString::fromStdString(line2));
    comboBox1_->setFocus();
    return;
  }
  signingIn_ = true;
  program().setPlayerName(name);
  comboBox1_->setEnabled(false);
  label4_->setText("Belépés...");
  label4_->setBold(true);
  label4_->setColours(QColor(0, 128, 0));
  program().services().KurzorAllitas(*this, CursorKind::Busy);
  labelSzinesFejlec_->setText("Üdvözöllek, " + QString::fromStdString(name) + ", a ZRX világában!");
  timerBezaro_->start();
}

void TFormWelcome::TimerBezaroTimer() {
  Game& game = program().game();
  if (const int code = names_->Record(game.state.PlayerName)) {
    game.errors.HibaHozzairas(code, kNamesFile);
    program().showErrorWindow();
    return;
  }
  signedIn_ = true;
  close();
}

void TFormWelcome::TimerColorChangerTimer() {
  cycle_.step();
  QPalette palette = labelSzinesFejlec_->palette();
  // The cycle's blues are made for the sky-blue body; high contrast keeps its text colour.
  palette.setColor(QPalette::WindowText, Look().highContrast ? Look().text : cycle_.colour());
  labelSzinesFejlec_->setPalette(palette);
}

void TFormWelcome::setTitleScrolling(bool on, const QString& title) {
  if (on) {
    scrollingTitle_ = title;
    timerTitleScroller_->start();
    return;
  }
  timerTitleScroller_->stop();
  QApplication::setApplicationDisplayName(QString());
  if (program().mainWindow() != nullptr) program().mainWindow()->setWindowTitle(title);
}

void TFormWelcome::TimerTitleScrollerTimer() {
  if (program().mainWindow() != nullptr) program().mainWindow()->setWindowTitle(scrollingTitle_);
  scrollingTitle_ = RotateTitle(scrollingTitle_);
}

bool TFormWelcome::canClose() { return TFormZRXBase::canClose(); }

void TFormWelcome::closeEvent(QCloseEvent* event) {
  if (!canClose()) {
    event->ignore();
    return;
  }
  if (!program().quitConfirmed() && signedIn_) {
    event->ignore();
    handOver();
    return;
  }
  if (!program().quitConfirmed() && !TFormBye::confirmQuit(program())) {
    event->ignore();
    return;
  }
  timerColorChanger_->stop();
  timerTitleScroller_->stop();
  TFormZRXBase::closeEvent(event);
  QApplication::quit();
}

void TFormWelcome::handOver() {
  timerColorChanger_->stop();
  hide();
  TFormMain* main = program().mainWindow();
  if (main == nullptr) return;
  main->setReturnCode(1);
  program().services().AblakPozBeallitas(*main);
  main->show();
}

bool TFormWelcome::eventFilter(QObject* watched, QEvent* event) {
  const bool nameField = watched == comboBox1_ || watched == comboBox1_->lineEdit();
  if (nameField && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      signIn();
      return true;
    }
    if (key == Qt::Key_Escape) {
      close();
      return true;
    }
  }
  return TFormZRXBase::eventFilter(watched, event);
}

}  // namespace zrx
