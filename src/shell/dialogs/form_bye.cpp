#include "dialogs/form_bye.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "resources/resources.h"
#include "start/program.h"
#include "start/window_opener.h"
#include "style/window_services.h"
#include "style/zrx_button.h"

namespace zrx {

TFormBye::TFormBye(Program& program, QWidget* parent) : TFormZRXBase(program, parent, kByeSize) {
  setObjectName("FormBye");
  setWindowTitle("ZRX - KILÉPÉS");
  setHead("Kilépés");
  auto* question = new QLabel("Biztosan kilépsz?", this);
  question->setObjectName("LabelKerdes");
  question->setGeometry(10, 56, kByeSize.width() - 20, 28);
  question->setAlignment(Qt::AlignCenter);
  QFont font = question->font();
  font.setPointSize(12);
  font.setBold(true);
  question->setFont(font);

  farewell_ = new QLabel("Kilépés!", this);
  farewell_->setObjectName("LabelKilepes");
  farewell_->setGeometry(10, 112, kByeSize.width() - 20, 30);
  farewell_->setAlignment(Qt::AlignCenter);
  farewell_->setFont(program.resources().headerFont(16));
  farewell_->setStyleSheet("color: red;");
  farewell_->hide();

  yes_ = MakeZrxButton(" Igen ", this);
  yes_->setObjectName("ButtonIgen");
  yes_->setGeometry(kByeSize.width() / 2 - 110, 112, 100, 30);
  no_ = MakeZrxButton(" Nem ", this);
  no_->setObjectName("ButtonNem");
  no_->setGeometry(kByeSize.width() / 2 + 10, 112, 100, 30);
  // Quitting ends a running game: then the cautious answer holds the focus.
  QPushButton* focused = program.game().state.GameLoaded ? no_ : yes_;
  focused->setDefault(true);
  focused->setFocus();

  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setInterval(kFarewellMs);
  connect(timer_, &QTimer::timeout, this, [this] {
    confirmed_ = true;
    this->program().setQuitConfirmed();
    close();
  });
  connect(yes_, &QPushButton::clicked, this, [this] { sayGoodbye(); });
  connect(no_, &QPushButton::clicked, this, [this] { close(); });
}

void TFormBye::sayGoodbye() {
  yes_->hide();
  no_->hide();
  farewell_->show();
  timer_->start();
}

// While "Kilépés!" shows, only the pause ends the window.
bool TFormBye::canClose() { return TFormZRXBase::canClose() && (!timer_->isActive()); }

bool TFormBye::confirmQuit(Program& program) {
  program.opener().FormNyitas(kWindowBye);
  return program.quitConfirmed();
}

}  // namespace zrx
