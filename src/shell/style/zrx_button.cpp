#include "style/zrx_button.h"

#include "style/look_colours.h"
#include "style/look_style_sheet.h"

namespace zrx {
namespace {

constexpr const char* kButtonStyle =
    "QPushButton { background: #1c3f86; color: white; border: 2px solid #0c2256; border-radius: 6px;"
    " padding: 3px 10px; font-weight: bold; }"
    "QPushButton:hover { background: #2f6fd0; border-color: #f2c84b; }"
    "QPushButton:focus { border-color: #f2c84b; }"
    "QPushButton:pressed { background: #0c2256; }"
    "QPushButton:disabled { background: #7d93bb; color: #dde4f0; border-color: #5b6f95; }";

// Yellow caption on black in a white outline; the focus thickens the outline in yellow.
constexpr const char* kHighContrastButtonStyle =
    "QPushButton { background: black; color: #ffff00; border: 2px solid white; border-radius: 6px;"
    " padding: 3px 10px; font-weight: bold; }"
    "QPushButton:hover { color: white; }"
    "QPushButton:focus { border: 3px solid #ffff00; }"
    "QPushButton:pressed { background: #303030; }"
    "QPushButton:disabled { color: #969696; border-color: #969696; }";

}  // namespace

QPushButton* MakeZrxButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  SetLookStyleSheet(*button, [](const LookColours& look) {
    return QString(look.highContrast ? kHighContrastButtonStyle : kButtonStyle);
  });
  button->setMinimumHeight(28);
  return button;
}

}  // namespace zrx
