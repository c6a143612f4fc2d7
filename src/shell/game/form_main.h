#pragma once
// TFormMain: the game window. The welcome window hands over to it after sign-in.
#include "style/form_zrx_base.h"

namespace zrx {

class TFormMain : public TFormZRXBase {
  Q_OBJECT
 public:
  static constexpr QSize kMainDesignSize{800, 600};

  explicit TFormMain(Program& program, QWidget* parent = nullptr);

  // The return code the welcome window sets before it shows this window (1: signed in).
  void setReturnCode(int code) { returnCode_ = code; }
  int returnCode() const { return returnCode_; }

 private:
  int returnCode_ = 0;
};

}  // namespace zrx
