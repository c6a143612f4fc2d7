#include "dialogs/form_error.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "error_log.h"
#include "resources/resources.h"
#include "start/program.h"
#include "style/link_label.h"
#include "style/window_services.h"

namespace zrx {

TFormError::TFormError(Program& program, QWidget* parent) : TFormZRXBase(program, parent) {
  setObjectName("FormError");
  setWindowTitle("HIBA!");
  setHead("Hiba");
  setMinimiseEnabled(false);

  auto* intro = new QLabel("A program a következő hibákat találta:", this);
  intro->setGeometry(24, 48, 488, 22);
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setAccessibleName("Hibák");
  list_->setGeometry(24, 74, 488, 270);
  list_->setWordWrap(true);
  list_->setStyleSheet("QListWidget { background: #fff8f0; color: #600000; }");

  quit_ = new LinkLabel("Kilépés", this);
  quit_->setObjectName("LabelKilepes");
  quit_->setGeometry(24, 360, 488, 30);
  quit_->setAlignment(Qt::AlignCenter);
  quit_->setFont(program.resources().headerFont(14));
  // Dark red at rest, red under the mouse.
  quit_->setColours(QColor(128, 0, 0), QColor(255, 0, 0));
  quit_->setAccessibleDescription("A hibanapló mentése és kilépés a programból");
  connect(quit_, &QAbstractButton::clicked, this, [this] { close(); });

  timer_ = new QTimer(this);
  timer_->setObjectName("TimerBezaro");
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, [this] { close(); });
}

void TFormError::present(const ErrorLog& errors) {
  list_->clear();
  for (const std::string& line : errors.lines()) list_->addItem(QString::fromStdString(line));
  timer_->setInterval(errors.closeIntervalMs());
  timer_->start();
  errors_ = &errors;
}

void TFormError::showErrors(const ErrorLog& errors) {
  present(errors);
  program().services().AblakPozBeallitas(*this);
  list_->setFocus();
  exec();
}

void TFormError::closeEvent(QCloseEvent* event) {
  if (!canClose()) {
    event->ignore();
    return;
  }
  timer_->stop();
  if (errors_ != nullptr) {
    // A log that cannot be written is not reported: the program is ending anyway.
    errors_->writeLogFile(program().folder(), program().clock().now());
    errors_ = nullptr;
    TFormZRXBase::closeEvent(event);
    program().endProgram();
    return;
  }
  TFormZRXBase::closeEvent(event);
}

}  // namespace zrx
