#include "dice/form_kocka.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "game/dice_face_view.h"
#include "style/glyph_button.h"
#include "start/program.h"
#include "style/window_services.h"
#include "style/zrx_button.h"

namespace zrx {
namespace {

constexpr int kButtonSide = 52;
constexpr int kButtonGap = 10;
constexpr int kButtonsTop = 100;

// A program button carrying a drawn face; the face lets the clicks through to the button.
QPushButton* makeFaceButton(int pips, QWidget* parent) {
  QPushButton* button = MakeZrxButton("", parent);
  button->setObjectName(QString("ButtonKocka%1").arg(pips));
  button->setAccessibleName(QString::number(pips));
  button->setAutoDefault(true);
  auto* face = new DiceFaceView(QString("ImageKocka%1").arg(pips), button);
  face->setFace(pips);
  face->setAttribute(Qt::WA_TransparentForMouseEvents);
  face->move((kButtonSide - face->width()) / 2, (kButtonSide - face->height()) / 2);
  return button;
}

}  // namespace

TFormKocka::TFormKocka(Program& program, const QString& purpose, QWidget* parent)
    : TFormZRXBase(program, parent, kSize) {
  setObjectName("FormKocka");
  setHead("Dobj egy kockával!");
  setWindowTitle("ZRX");
  // Nothing but a face ends the question: no minimise, no close glyph.
  setMinimiseEnabled(false);
  minimiseGlyph()->hide();
  closeGlyph()->hide();

  auto* line = new QLabel(purpose.isEmpty() ? QString() : "(" + purpose + ")", this);
  line->setObjectName("LabelCel");
  line->setGeometry(12, 52, kSize.width() - 24, 28);
  line->setAlignment(Qt::AlignCenter);
  QFont font = line->font();
  font.setPointSize(11);
  font.setBold(true);
  line->setFont(font);
  setAccessibleDescription(line->text());

  const int rowWidth = 6 * kButtonSide + 5 * kButtonGap;
  const int left = (kSize.width() - rowWidth) / 2;
  for (int pips = 1; pips <= 6; ++pips) {
    QPushButton* button = makeFaceButton(pips, this);
    button->setGeometry(left + (pips - 1) * (kButtonSide + kButtonGap), kButtonsTop, kButtonSide, kButtonSide);
    connect(button, &QPushButton::clicked, this, [this, pips] { answer(pips); });
    faces_[static_cast<std::size_t>(pips - 1)] = button;
  }
  for (std::size_t i = 1; i < faces_.size(); ++i) setTabOrder(faces_[i - 1], faces_[i]);
}

void TFormKocka::answer(int pips) {
  if (fading()) return;
  pips_ = pips;
  close();
}

bool TFormKocka::canClose() { return TFormZRXBase::canClose() && pips_ != 0; }

void TFormKocka::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_1 && key <= Qt::Key_6) {
    answer(key - Qt::Key_0);
    return;
  }
  TFormZRXBase::keyPressEvent(event);
}

int TFormKocka::ask(Program& program, const QString& purpose) {
  TFormKocka window(program, purpose, program.frontWindow());
  program.services().AblakPozBeallitas(window);
  window.faces_[0]->setFocus();
  window.exec();
  return window.pips();
}

}  // namespace zrx
