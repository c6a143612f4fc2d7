#include "game/game_windows.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "game/control_render.h"
#include "game/victory_colours.h"
#include "resources/resources.h"
#include "start/program.h"
#include "style/glyph_button.h"
#include "style/window_services.h"
#include "style/zrx_button.h"

namespace zrx {
namespace {

constexpr int kCaptionRow = 36;

// The keys that close the end-of-game windows, for a player without a mouse.
bool IsDismissKey(const QKeyEvent& event) {
  return event.key() == Qt::Key_Escape || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

QLabel* centred(const QString& text, const QString& name, int pointSize, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  QFont f = label->font();
  f.setPointSize(pointSize);
  f.setBold(true);
  label->setFont(f);
  return label;
}

// The body of a window below its caption row.
QVBoxLayout* body(QWidget* window, int top = kCaptionRow) {
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(12, top, 12, 12);
  return layout;
}

void hideCaptionButtons(TFormZRXBase& window) {
  window.closeGlyph()->hide();
  window.minimiseGlyph()->hide();
}

// An end-of-game window has no control of its own: it takes the keys itself, so that the
// dismissing key reaches it.
void takeKeysItself(QWidget& window) {
  window.setFocusPolicy(Qt::StrongFocus);
  window.setFocus();
}

template <typename Window>
void runPlaced(Program& program, Window& window) {
  program.services().AblakPozBeallitas(window);
  window.exec();
}

}  // namespace

TFormParValaszt::TFormParValaszt(Program& program, const std::string& header,
                                 const std::vector<std::string>& opponentLines, QWidget* parent)
    : TFormZRXBase(program, parent, QSize(480, opponentLines.size() > 2 ? 330 : 260)) {
  setObjectName("FormParValaszt");
  setWindowTitle("Ellenfél kiválasztása");
  setHead("Ellenfél választása");
  hideCaptionButtons(*this);
  QVBoxLayout* layout = body(this);
  QLabel* headerLine = centred(ToQString(header), "LabelFejlec", 10, this);
  headerLine->setWordWrap(true);
  layout->addWidget(headerLine);
  for (std::size_t i = 0; i < opponentLines.size() && i < 3; ++i) {
    const int number = static_cast<int>(i) + 1;
    auto* line = new QLabel(ToQString(opponentLines[i]), this);
    line->setObjectName(QString("LabelEllenfel%1").arg(number));
    line->setAlignment(Qt::AlignCenter);
    QPushButton* button = MakeZrxButton(" Kiválaszt ", this);
    button->setObjectName(QString("ButtonKivalaszt%1").arg(number));
    // Heard one after the other, the buttons are told apart by their opponents.
    button->setAccessibleName("Kiválaszt: " + line->text());
    connect(button, &QPushButton::clicked, this, [this, number] {
      chosen_ = number;
      accept();
    });
    layout->addWidget(line);
    layout->addWidget(button, 0, Qt::AlignHCenter);
  }
}

bool TFormParValaszt::canClose() { return TFormZRXBase::canClose() && chosen_ != 0; }

TFormDeath::TFormDeath(Program& program, QWidget* parent)
    : TFormZRXBase(program, parent, QSize(380, 320)), timer_(new QTimer(this)) {
  setObjectName("FormDeath");
  setWindowTitle("Halál...");
  setHead("");
  hideCaptionButtons(*this);
  takeKeysItself(*this);
  if (auto* icon = findChild<QLabel*>("ImageIcon")) icon->hide();
  QVBoxLayout* layout = body(this);
  layout->addWidget(centred("MEGHALTÁL!", "LabelMeghaltal", 22, this));
  auto* skull = new QLabel(this);
  skull->setObjectName("ImageKoponya");
  skull->setPixmap(program.resources().skull());
  skull->setAlignment(Qt::AlignCenter);
  layout->addWidget(skull, 1);
  layout->addWidget(centred("A játék végetért! Próbálkozz újra!", "LabelVege", 11, this));
  timer_->setSingleShot(true);
  timer_->setInterval(kCloseAfterMs);
  connect(timer_, &QTimer::timeout, this, &TFormDeath::finish);
  timer_->start();
}

void TFormDeath::finish() {
  closing_ = true;
  timer_->stop();
  accept();
}

bool TFormDeath::canClose() { return closing_ && TFormZRXBase::canClose(); }

void TFormDeath::mouseDoubleClickEvent(QMouseEvent*) { finish(); }

void TFormDeath::keyPressEvent(QKeyEvent* event) {
  if (IsDismissKey(*event)) {
    finish();
    return;
  }
  TFormZRXBase::keyPressEvent(event);
}

TFormWIN::TFormWIN(Program& program, QWidget* parent)
    : TFormZRXBase(program, parent, QSize(520, 260)), colourTimer_(new QTimer(this)), closeTimer_(new QTimer(this)) {
  setObjectName("FormWIN");
  setWindowTitle("Győzelem");
  setHead("");
  hideCaptionButtons(*this);
  takeKeysItself(*this);
  if (auto* icon = findChild<QLabel*>("ImageIcon")) icon->hide();
  QVBoxLayout* layout = body(this, 6);
  layout->setSpacing(0);
  const char* texts[] = {"GRATULÁLUNK!!!", "GYŐZELEMMEL ZÁRTAD A KÖNYVET!", "TOVÁBBI JÓ JÁTÉKOT!"};
  for (int i = 0; i < 3; ++i) {
    QLabel* band = centred(texts[i], QString("LabelSav%1").arg(i + 1), 17, this);
    band->setAutoFillBackground(true);
    band->installEventFilter(this);
    layout->addWidget(band, 1);
    bands_.push_back(band);
  }
  paintBands();
  colourTimer_->setInterval(kColourStepMs);
  connect(colourTimer_, &QTimer::timeout, this, &TFormWIN::advanceColours);
  colourTimer_->start();
  closeTimer_->setSingleShot(true);
  closeTimer_->setInterval(kCloseAfterMs);
  connect(closeTimer_, &QTimer::timeout, this, &TFormWIN::finish);
  closeTimer_->start();
}

void TFormWIN::advanceColours() {
  state_ = NextVictoryState(state_);
  paintBands();
}

void TFormWIN::paintBands() {
  const BandColours colours = VictoryBandColours(state_);
  for (std::size_t i = 0; i < bands_.size(); ++i) {
    QPalette palette = bands_[i]->palette();
    palette.setColor(QPalette::Window, colours[i]);
    palette.setColor(QPalette::WindowText, VictoryBandText(colours[i]));
    bands_[i]->setPalette(palette);
  }
}

bool TFormWIN::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    finish();
    return true;
  }
  return TFormZRXBase::eventFilter(watched, event);
}

void TFormWIN::keyPressEvent(QKeyEvent* event) {
  if (IsDismissKey(*event)) {
    finish();
    return;
  }
  TFormZRXBase::keyPressEvent(event);
}

void TFormWIN::finish() {
  closing_ = true;
  colourTimer_->stop();
  closeTimer_->stop();
  accept();
}

bool TFormWIN::canClose() { return closing_ && TFormZRXBase::canClose(); }

int ShowPairChoice(Program& program, const std::string& header, const std::vector<std::string>& opponentLines) {
  TFormParValaszt window(program, header, opponentLines, program.frontWindow());
  runPlaced(program, window);
  return window.chosen() == 0 ? 1 : window.chosen();
}

void ShowDeathWindow(Program& program) {
  TFormDeath window(program, program.frontWindow());
  runPlaced(program, window);
}

void ShowVictoryWindow(Program& program) {
  TFormWIN window(program, program.frontWindow());
  runPlaced(program, window);
}

}  // namespace zrx
