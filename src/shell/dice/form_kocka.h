#pragma once
// TFormKocka: asks the player for one die of their own. The head "Dobj egy kockával!", what
// the die decides below it, and six buttons with the faces 1-6 (keys 1-6, Enter on the
// focused face). It closes only by a face.
#include <array>

#include "style/form_zrx_base.h"

class QLabel;
class QPushButton;

namespace zrx {

class TFormKocka : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr QSize kSize{420, 190};

  TFormKocka(Program& program, const QString& purpose, QWidget* parent);

  // Shows the window modally where every dialog goes; the pips 1..6 the player gave.
  static int ask(Program& program, const QString& purpose);

  int pips() const { return pips_; }
  QPushButton* faceButton(int pips) const { return faces_[static_cast<std::size_t>(pips - 1)]; }

 protected:
  bool canClose() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void answer(int pips);

  std::array<QPushButton*, 6> faces_{};
  int pips_ = 0;
};

}  // namespace zrx
