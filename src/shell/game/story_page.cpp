// The story page: the chapter point's number and text, its picture, the continuations
// with the number field, the arrow labels and the two links.
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "arrow_button.h"
#include "control_render.h"
#include "desktop_links.h"
#include "link_button.h"
#include "navigation.h"
#include "page_context.h"
#include "page_widgets.h"
#include "picture_view.h"

namespace zrx::shell {
namespace {

const Picture* pictureOf(const Game& game, const PictureRef& ref) {
  const auto pick = [&ref](const std::vector<Picture>& pictures) -> const Picture* {
    if (ref.index < 0 || ref.index >= static_cast<int>(pictures.size())) return nullptr;
    return &pictures[static_cast<std::size_t>(ref.index)];
  };
  switch (ref.source) {
    case PictureRef::Source::ChapterPicture: return pick(game.state.ChapterPictures);
    case PictureRef::Source::DecorPicture: return pick(game.state.DecorPictures);
    default: return nullptr;  // the new-game screen's cover is not kept by the game
  }
}

QWidget* storyColumn(PageContext& context, QWidget* page) {
  auto* column = new QWidget(page);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  QLabel* name = BoundLabel(context, "LabelTortenetNev", column);
  name->setStyleSheet("font-weight: bold;");
  name->setWordWrap(true);
  QLabel* number = BoundLabel(context, "LabelFPont", column);
  number->setStyleSheet("font-size: 16pt; font-weight: bold;");
  auto* text = new QTextBrowser(column);
  text->setObjectName("RichEdit1");
  text->setOpenLinks(false);
  context.views.bind("RichEdit1", [text](const Control& c) { RenderStory(text, c); });
  layout->addWidget(name);
  layout->addWidget(number);
  layout->addWidget(text, 1);
  return column;
}

void addChoiceArea(PageContext& context, QWidget* column, QVBoxLayout* layout) {
  Game& game = context.game;
  const auto next = [&game] { Navigation(game).KlikkFejezetPontKivalasztas(); };
  layout->addWidget(BoundLabel(context, "LabelLehetosegek", column));
  QListWidget* list = BoundList(
      context, "ListBoxNext",
      [&game] { Navigation(game).ListBoxNextClick(game.screen.ListBoxNext.selection()); }, next, column);
  list->setMinimumHeight(90);
  layout->addWidget(list, 1);

  auto* edit = new QLineEdit(column);
  edit->setObjectName("EditNext");
  context.views.bind("EditNext", [edit](const Control& c) { RenderLineEdit(edit, c); });
  QObject::connect(edit, &QLineEdit::textEdited, edit, [&context, &game](const QString& typed) {
    context.perform([&game, text = S(typed)] { Navigation(game).EditNextChange(text); });
  });
  QObject::connect(edit, &QLineEdit::returnPressed, edit, [&context, next] { context.perform(next); });
  layout->addWidget(edit);

  auto* arrowRow = new QHBoxLayout;
  LinkButton* labelNext = BoundLink(context, "LabelNext", "Tovább:", next, column);
  auto* arrow = new ArrowButton("NyilRajz", column);
  context.views.bind("NyilRajz", [arrow](const Control& c) { arrow->setVisible(c.visible()); });
  QObject::connect(arrow, &ArrowButton::clicked, arrow, [&context, next] { context.perform(next); });
  auto* hints = new QVBoxLayout;
  for (const char* name : {"LabelNext1", "LabelNext2"}) {
    LinkButton* hint = BoundLink(context, name, "", next, column);
    QFont bold = hint->font();
    bold.setBold(true);
    hint->setFont(bold);
    hints->addWidget(hint);
  }
  arrowRow->addWidget(labelNext);
  arrowRow->addWidget(arrow);
  arrowRow->addLayout(hints, 1);
  layout->addLayout(arrowRow);
}

QWidget* choiceColumn(PageContext& context, QWidget* page) {
  auto* column = new QWidget(page);
  column->setFixedWidth(280);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* picture = new PictureView("Image1", column);
  picture->setFixedHeight(200);
  const Game& game = context.game;
  context.views.bind("Image1", [picture, &game](const Control& c) {
    picture->setPicture(pictureOf(game, c.picture()));
    picture->setVisible(c.visible());
  });
  layout->addWidget(picture);
  addChoiceArea(context, column, layout);

  auto* links = new QHBoxLayout;
  auto* mail = new LinkButton("LabelLink1", "Levél a fejlesztőknek", column);
  auto* home = new LinkButton("LabelLink2", "A zrx honlapja", column);
  for (LinkButton* link : {mail, home}) link->setTextColour(QColor(0, 0, 255));
  QObject::connect(mail, &LinkButton::clicked, mail, [] { QDesktopServices::openUrl(QUrl(AuthorsMailUrl())); });
  QObject::connect(home, &LinkButton::clicked, home, [] { QDesktopServices::openUrl(QUrl(HomePageUrl())); });
  links->addWidget(mail);
  links->addWidget(home);
  layout->addLayout(links);
  return column;
}

}  // namespace

QWidget* BuildStoryPage(PageContext& context) {
  auto* page = new QWidget;
  page->setObjectName("TabSheet1");
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(storyColumn(context, page), 1);
  layout->addWidget(choiceColumn(context, page));
  return page;
}

}  // namespace zrx::shell
