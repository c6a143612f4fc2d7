#include "game/form_main.h"

namespace zrx {

TFormMain::TFormMain(Program& program, QWidget* parent) : TFormZRXBase(program, parent, kMainDesignSize) {
  setObjectName("FormMain");
  setHead("ZRX");
}

}  // namespace zrx
