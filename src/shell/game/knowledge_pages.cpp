// The information page (the list, its description, the own notes) and the magic and
// skills page (the list and its description), and the special page.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "game/control_render.h"
#include "style/link_label.h"
#include "game/page_context.h"
#include "game/page_widgets.h"
#include "special/special_page.h"

namespace zrx {
namespace {

std::vector<std::string> linesOf(const QString& text) {
  std::vector<std::string> lines;
  for (const QString& line : text.split('\n')) lines.push_back(ToStdString(line));
  if (text.isEmpty()) lines.clear();
  return lines;
}

QWidget* ownNotes(PageContext& context, QWidget* parent) {
  QWidget* frame = Frame("Saját információk", parent);
  auto* layout = new QHBoxLayout(frame);

  auto* memo = new QPlainTextEdit(frame);
  memo->setObjectName("Memo_SI");
  context.views.bind("Memo_SI", [memo](const Control& c) { RenderMemo(memo, c); });
  QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [&actions = context.actions, memo] {
    actions.Memo_SIChange(linesOf(memo->toPlainText()));
  });
  layout->addWidget(memo, 1);

  auto* side = new QVBoxLayout;
  side->addWidget(BoundLink(context, "LabelSajatInfoBeir", "Információ felírása",
                            [&actions = context.actions] { actions.KlikkSajatInfoBeiras(); }, frame));
  side->addWidget(BoundLink(context, "LabelSajatInfoMegjelenit", "Információ megjelenítése",
                            [&actions = context.actions] { actions.KlikkSajatInfoMegjelenites(); }, frame));
  auto* slot = new QSpinBox(frame);
  slot->setObjectName("SpinEditINFO");
  slot->setRange(1, 5);
  context.views.bind("SpinEditINFO", [slot](const Control& c) { RenderSpin(slot, c); });
  QObject::connect(slot, &QSpinBox::valueChanged, slot,
                   [&actions = context.actions](int value) { actions.SpinEditINFOChange(value); });
  side->addWidget(slot);
  side->addStretch(1);
  layout->addLayout(side);
  return frame;
}

}  // namespace

QWidget* BuildInformationPage(PageContext& context) {
  auto* page = new QWidget;
  page->setObjectName("TabSheet5");
  auto* layout = new QVBoxLayout(page);
  auto* top = new QHBoxLayout;
  auto* held = new QVBoxLayout;
  held->addWidget(Caption("Információid:", page));
  held->addWidget(BoundList(
      context, "ListBox_IN", [&actions = context.actions](int row) { actions.ListBox_INClick(row); },
      [&actions = context.actions](int row) { actions.ListBox_INDblClick(row); }, page));
  top->addLayout(held, 1);
  top->addWidget(BoundMemo(context, "MemoIN_Leir", page), 1);
  layout->addLayout(top, 2);
  layout->addWidget(ownNotes(context, page), 1);
  return page;
}

QWidget* BuildMagicPage(PageContext& context) {
  auto* page = new QWidget;
  page->setObjectName("TabSheet6");
  auto* layout = new QHBoxLayout(page);
  auto* held = new QVBoxLayout;
  held->addWidget(Caption("Varázslataid és képességeid:", page));
  held->addWidget(BoundList(context, "ListBox_VK", [&actions = context.actions](int row) { actions.ListBox_VKClick(row); },
                            nullptr, page));
  layout->addLayout(held, 1);
  layout->addWidget(BoundMemo(context, "MemoVK_Leir", page), 1);
  // Kept for the page's layout; it is never shown and a double click on it does nothing.
  auto* change = new QPushButton(page);
  change->setObjectName("VK_ChangeButton");
  change->hide();
  return page;
}

QWidget* BuildSpecialPage(PageContext& context) {
  auto* page = new SpecialPage(context.game);
  page->setObjectName("TabSheet7");
  // What the page reads changes with the path, the continuations, the rounds and the tests.
  for (const char* watched : {"MemoFP", "ListBoxNext", "BitBtn5", "LabelSZPEredmenyErtek"}) {
    context.views.watch(watched, [page](const Control&) { page->refreshSoon(); });
  }
  return page;
}

}  // namespace zrx
