#pragma once
// TFormBye: the quit confirmation. " Igen " shows "Kilépés!" and confirms after a pause;
// " Nem " and Escape close it and the program goes on.
#include "style/form_zrx_base.h"

class QLabel;
class QPushButton;
class QTimer;

namespace zrx {

class TFormBye : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr QSize kByeSize{380, 170};
  static constexpr int kFarewellMs = 1200;

  TFormBye(Program& program, QWidget* parent);

  // Shows the confirmation modally; true when the player confirmed (the quit-confirmed
  // flag is then set and the caller ends the program).
  static bool confirmQuit(Program& program);

  bool confirmed() const { return confirmed_; }
  QPushButton* yesButton() const { return yes_; }
  QPushButton* noButton() const { return no_; }
  QLabel* farewellLabel() const { return farewell_; }
  QTimer* farewellTimer() const { return timer_; }

 protected:
  bool canClose() override;

 private:
  void sayGoodbye();

  QPushButton* yes_;
  QPushButton* no_;
  QLabel* farewell_;
  QTimer* timer_;
  bool confirmed_ = false;
};

}  // namespace zrx
