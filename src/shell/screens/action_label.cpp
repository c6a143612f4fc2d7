#include "screens/action_label.h"

#include "start/program.h"
#include "style/legible_colours.h"
#include "style/link_label.h"
#include "style/window_services.h"

namespace zrx {
namespace {

void setLook(LinkLabel& label, const QString& caption, bool underline) {
  label.setText(caption);
  QFont font = label.font();
  font.setBold(true);
  font.setUnderline(underline);
  label.setFont(font);
  label.update();
}

}  // namespace

QColor CommandNavy() { return {0, 0, 128}; }
QColor CommandBlue() { return {0, 0, 255}; }
QColor CommandGreen() { return {0, 128, 0}; }
QColor CommandMaroon() { return {128, 0, 0}; }

LinkLabel* MakeCommandLabel(Program& program, const QString& caption, QWidget* parent) {
  auto* label = new LinkLabel(caption, parent);
  label->setPointSize(11);
  label->setAlignment(Qt::AlignCenter);
  label->setDisabledColour(DisabledTextColour());
  ShowCommandReady(program, *label, caption);
  return label;
}

void ShowCommandReady(Program& program, LinkLabel& label, const QString& caption) {
  setLook(label, caption, true);
  label.setColours(CommandNavy(), CommandBlue());
  program.services().KurzorAllitas(label, CursorKind::Link);
}

void ShowCommandBusy(Program& program, LinkLabel& label, const QString& caption, const QColor& colour) {
  setLook(label, caption, false);
  label.setColours(colour);
  program.services().KurzorAllitas(label, CursorKind::Busy);
}

}  // namespace zrx
