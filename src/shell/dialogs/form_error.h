#pragma once
// TFormError: the reported errors, one line each. It closes on its "Kilépés" label, on
// Escape, or when its close timer fires; closing writes the error log and ends the program.
#include "style/form_zrx_base.h"

class QListWidget;
class QTimer;

namespace zrx {

class ErrorLog;
class LinkLabel;

class TFormError : public TFormZRXBase {
  Q_OBJECT
 public:
  explicit TFormError(Program& program, QWidget* parent = nullptr);

  // Fills the list with the errors' lines and shows the window modally; returns when it
  // has closed (the program is then ending).
  void showErrors(const ErrorLog& errors);
  // Fills the list and starts the close timer without waiting (the screenshots use it).
  void present(const ErrorLog& errors);

  QListWidget* list() const { return list_; }
  QTimer* closeTimer() const { return timer_; }
  LinkLabel* quitLabel() const { return quit_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QListWidget* list_;
  QTimer* timer_;
  LinkLabel* quit_;
  const ErrorLog* errors_ = nullptr;  // the errors shown, until the log is written
};

}  // namespace zrx
