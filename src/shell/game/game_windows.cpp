#include "game_windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "control_render.h"
#include "skull_view.h"
#include "victory_colours.h"

namespace zrx::shell {
namespace {

constexpr int kDeathCloseMs = 10000;
constexpr int kVictoryCloseMs = 12000;
constexpr int kVictoryColourMs = 150;

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

// Sky blue with a navy frame, like every window of the program.
void styleWindow(QDialog* dialog) {
  dialog->setStyleSheet("QDialog { background: #87CEEB; border: 2px solid #000080; }");
  dialog->setModal(true);
}

}  // namespace

TFormParValaszt::TFormParValaszt(const std::string& header, const std::vector<std::string>& opponentLines,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("TFormParValaszt");
  setWindowTitle("Ellenfél kiválasztása");
  styleWindow(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(centred("Ellenfél választása", "LabelHead", 12, this));
  QLabel* headerLine = centred(Q(header), "LabelFejlec", 10, this);
  headerLine->setWordWrap(true);
  layout->addWidget(headerLine);
  for (std::size_t i = 0; i < opponentLines.size() && i < 3; ++i) {
    const int number = static_cast<int>(i) + 1;
    auto* line = new QLabel(Q(opponentLines[i]), this);
    line->setObjectName(QString("LabelEllenfel%1").arg(number));
    line->setAlignment(Qt::AlignCenter);
    auto* button = new QPushButton(" Kiválaszt ", this);
    button->setObjectName(QString("ButtonKivalaszt%1").arg(number));
    connect(button, &QPushButton::clicked, this, [this, number] {
      chosen_ = number;
      accept();
    });
    layout->addWidget(line);
    layout->addWidget(button, 0, Qt::AlignHCenter);
  }
  setMinimumWidth(460);
}

void TFormParValaszt::closeEvent(QCloseEvent* event) {
  if (chosen_ == 0) event->ignore();
  else QDialog::closeEvent(event);
}

TFormDeath::TFormDeath(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), timer_(new QTimer(this)) {
  setObjectName("TFormDeath");
  setWindowTitle("Halál...");
  styleWindow(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(centred("MEGHALTÁL!", "LabelMeghaltal", 20, this));
  layout->addWidget(new SkullView(this), 0, Qt::AlignHCenter);
  layout->addWidget(centred("A játék végetért! Próbálkozz újra!", "LabelVege", 11, this));
  setFixedSize(360, 280);
  timer_->setSingleShot(true);
  timer_->setInterval(kDeathCloseMs);
  connect(timer_, &QTimer::timeout, this, &TFormDeath::finish);
  timer_->start();
}

void TFormDeath::finish() {
  closing_ = true;
  timer_->stop();
  accept();
}

void TFormDeath::closeEvent(QCloseEvent* event) {
  if (closing_) QDialog::closeEvent(event);
  else event->ignore();
}

void TFormDeath::mouseDoubleClickEvent(QMouseEvent*) { finish(); }

TFormWIN::TFormWIN(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      colourTimer_(new QTimer(this)),
      closeTimer_(new QTimer(this)) {
  setObjectName("TFormWIN");
  styleWindow(this);
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  layout->setContentsMargins(2, 2, 2, 2);
  const char* texts[] = {"GRATULÁLUNK!!!", "GYŐZELEMMEL ZÁRTAD A KÖNYVET!", "TOVÁBBI JÓ JÁTÉKOT!"};
  for (int i = 0; i < 3; ++i) {
    QLabel* band = centred(texts[i], QString("LabelSav%1").arg(i + 1), 16, this);
    band->setAutoFillBackground(true);
    band->installEventFilter(this);
    layout->addWidget(band, 1);
    bands_.push_back(band);
  }
  setFixedSize(480, 240);
  paintBands();
  colourTimer_->setInterval(kVictoryColourMs);
  connect(colourTimer_, &QTimer::timeout, this, &TFormWIN::advanceColours);
  colourTimer_->start();
  closeTimer_->setSingleShot(true);
  closeTimer_->setInterval(kVictoryCloseMs);
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
    // Dark text on the light colours, white on the dark ones.
    palette.setColor(QPalette::WindowText, colours[i].lightness() > 140 ? QColor(0, 0, 128) : QColor(Qt::white));
    bands_[i]->setPalette(palette);
  }
}

bool TFormWIN::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    finish();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFormWIN::finish() {
  closing_ = true;
  colourTimer_->stop();
  closeTimer_->stop();
  accept();
}

void TFormWIN::closeEvent(QCloseEvent* event) {
  if (closing_) QDialog::closeEvent(event);
  else event->ignore();
}

int RunParValaszt(QWidget* parent, const std::string& header, const std::vector<std::string>& opponentLines) {
  TFormParValaszt window(header, opponentLines, parent);
  window.exec();
  return window.chosen() == 0 ? 1 : window.chosen();
}

void RunDeathWindow(QWidget* parent) {
  TFormDeath window(parent);
  window.exec();
}

void RunVictoryWindow(QWidget* parent) {
  TFormWIN window(parent);
  window.exec();
}

}  // namespace zrx::shell
