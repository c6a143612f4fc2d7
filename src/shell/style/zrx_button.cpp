#include "style/zrx_button.h"

namespace zrx {
namespace {

constexpr const char* kButtonStyle =
    "QPushButton { background: #1c3f86; color: white; border: 2px solid #0c2256; border-radius: 6px;"
    " padding: 3px 10px; font-weight: bold; }"
    "QPushButton:hover { background: #2f6fd0; border-color: #f2c84b; }"
    "QPushButton:focus { border-color: #f2c84b; }"
    "QPushButton:pressed { background: #0c2256; }"
    "QPushButton:disabled { background: #7d93bb; color: #dde4f0; border-color: #5b6f95; }";

}  // namespace

QPushButton* MakeZrxButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setStyleSheet(kButtonStyle);
  button->setMinimumHeight(28);
  return button;
}

}  // namespace zrx
