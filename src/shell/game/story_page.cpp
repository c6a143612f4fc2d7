// The story page: the chapter point's number and text, its picture, the continuations
// with the number field, the arrow labels and the two links.
#include <QDesktopServices>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

#include "game/arrow_button.h"
#include "game/book_cover.h"
#include "game/empty_list_note.h"
#include "game/control_render.h"
#include "start/deployment.h"
#include "style/link_label.h"
#include "style/look_colours.h"
#include "game/page_context.h"
#include "game/page_widgets.h"
#include "game/picture_view.h"

namespace zrx {
namespace {

const Picture* pictureOf(const Game& game, const PictureRef& ref, BookCover& cover) {
  const auto pick = [&ref](const std::vector<Picture>& pictures) -> const Picture* {
    if (ref.index < 0 || ref.index >= static_cast<int>(pictures.size())) return nullptr;
    return &pictures[static_cast<std::size_t>(ref.index)];
  };
  switch (ref.source) {
    case PictureRef::Source::ChapterPicture: return pick(game.state.ChapterPictures);
    case PictureRef::Source::DecorPicture: return pick(game.state.DecorPictures);
    case PictureRef::Source::Cover:
      return cover.find(game.programFolder(), game.state.SourceName, ref.index + 1);
    default: return nullptr;
  }
}

// The number field of a typed continuation. Its Enter is the answer and ends here: passed
// on, it would reach the window's buttons as well.
class NumberField : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
  }
};

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
  PlayerActions& actions = context.actions;
  const auto next = [&actions] { actions.KlikkFejezetPontKivalasztas(); };
  layout->addWidget(BoundLabel(context, "LabelLehetosegek", column));
  QListWidget* list = BoundList(
      context, "ListBoxNext",
      [&actions](int row) { actions.ListBoxNextClick(row); }, [next](int) { next(); }, column);
  list->setMinimumHeight(90);
  ShowWhyEmpty(*list);
  layout->addWidget(list, 1);

  auto* edit = new NumberField(column);
  edit->setObjectName("EditNext");
  context.views.bind("EditNext", [edit](const Control& c) { RenderLineEdit(edit, c); });
  QObject::connect(edit, &QLineEdit::textEdited, edit,
                   [&actions](const QString& typed) { actions.EditNextChange(ToStdString(typed)); });
  QObject::connect(edit, &QLineEdit::returnPressed, edit, next);
  layout->addWidget(edit);

  auto* arrowRow = new QHBoxLayout;
  LinkLabel* labelNext = BoundLink(context, "LabelNext", "Tovább:", next, column);
  auto* arrow = new ArrowButton("NyilRajz", column);
  context.views.bind("NyilRajz", [arrow](const Control& c) { arrow->setVisible(c.visible()); });
  QObject::connect(arrow, &ArrowButton::clicked, arrow, next);
  auto* hints = new QVBoxLayout;
  for (const char* name : {"LabelNext1", "LabelNext2"}) {
    LinkLabel* hint = BoundLink(context, name, "", next, column);
    hint->setBold(true);
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
  auto cover = std::make_shared<BookCover>();
  context.views.bind("Image1", [picture, &game, cover](const Control& c) {
    picture->setPicture(pictureOf(game, c.picture(), *cover));
    picture->setVisible(c.visible());
  });
  layout->addWidget(picture);
  addChoiceArea(context, column, layout);

  auto* links = new QHBoxLayout;
  LinkLabel* mail = NamedLink("LabelLink1", "Levél a fejlesztőknek", Look().link, column);
  LinkLabel* home = NamedLink("LabelLink2", "A zrx honlapja", Look().link, column);
  QObject::connect(mail, &LinkLabel::clicked, mail, [] { QDesktopServices::openUrl(QUrl(AuthorsMailUrl())); });
  QObject::connect(home, &LinkLabel::clicked, home, [] { QDesktopServices::openUrl(QUrl(HomePageUrl())); });
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

}  // namespace zrx
