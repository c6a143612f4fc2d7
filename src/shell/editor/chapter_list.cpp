#include "editor/chapter_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace zrx {
namespace {

constexpr int kFirstWords = 32;

QString firstWords(const book::SourceChapter& chapter) {
  QString text;
  for (const std::string& line : chapter.text) {
    if (!line.empty()) {
      text = QString::fromStdString(line).simplified();
      break;
    }
  }
  if (text.size() <= kFirstWords) return text;
  const qsizetype cut = text.lastIndexOf(' ', kFirstWords);
  return text.left(cut > 0 ? cut : kFirstWords) + "…";
}

QString chapterRowText(const book::SourceChapter& chapter, bool hasProblem) {
  QStringList marks;
  if (!chapter.pictureFile.empty()) marks << "kép";
  if (!chapter.rec.BattleCode.empty()) marks << "csata";
  if (!chapter.rec.Conditions.empty()) marks << "feltétel";
  if (hasProblem) marks << "hiba";
  // The marks before the words, so that a narrow list still shows them.
  const QString number = QString::number(chapter.rec.Number) + "  ";
  return marks.isEmpty() ? number + firstWords(chapter) : number + "[" + marks.join(", ") + "]  " + firstWords(chapter);
}

// A number matches the chapter's number, anything else a part of its text (case ignored).
bool chapterMatches(const book::SourceChapter& chapter, const QString& search) {
  const QString wanted = search.trimmed();
  if (wanted.isEmpty()) return true;
  bool isNumber = false;
  const int number = wanted.toInt(&isNumber);
  if (isNumber) return chapter.rec.Number == number;
  for (const std::string& line : chapter.text) {
    if (QString::fromStdString(line).contains(wanted, Qt::CaseInsensitive)) return true;
  }
  return false;
}

}  // namespace

ChapterList::ChapterList(QWidget* parent) : QWidget(parent) {
  setObjectName("ChapterList");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  search_ = new QLineEdit(this);
  search_->setObjectName("EditKereses");
  search_->setAccessibleName("Keresés");
  search_->setPlaceholderText("szám vagy szöveg");
  search_->setClearButtonEnabled(true);
  auto* searchLabel = new QLabel("&Keresés", this);
  searchLabel->setBuddy(search_);
  list_ = new QListWidget(this);
  list_->setObjectName("ListFejezetPontok");
  list_->setAccessibleName("FejezetPontok");
  auto* listLabel = new QLabel("FejezetPont &lista", this);
  listLabel->setBuddy(list_);
  layout->addWidget(searchLabel);
  layout->addWidget(search_);
  layout->addWidget(listLabel);
  layout->addWidget(list_, 1);
  connect(search_, &QLineEdit::textChanged, this, [this] { fill(); });
  connect(list_, &QListWidget::currentRowChanged, this, [this] {
    if (filling_ || selected() < 0) return;
    current_ = selected();
    emit chosen(current_);
  });
}

void ChapterList::setBook(const book::SourceBook* book, const std::set<int>& problems) {
  book_ = book;
  problems_ = problems;
  fill();
}

void ChapterList::fill() {
  filling_ = true;
  list_->clear();
  if (book_) {
    for (std::size_t i = 0; i < book_->chapters.size(); ++i) {
      const auto& chapter = book_->chapters[i];
      const int index = static_cast<int>(i);
      if (!chapterMatches(chapter, search_->text())) continue;
      auto* item = new QListWidgetItem(chapterRowText(chapter, problems_.contains(index)), list_);
      item->setData(Qt::UserRole, index);
      if (index == current_) list_->setCurrentItem(item);
    }
  }
  filling_ = false;
}

void ChapterList::select(int index) {
  for (int pass = 0; pass < 2; ++pass) {
    for (int row = 0; row < list_->count(); ++row) {
      if (list_->item(row)->data(Qt::UserRole).toInt() == index) {
        list_->setCurrentRow(row);
        return;
      }
    }
    search_->clear();  // the search hid it
  }
}

int ChapterList::selected() const {
  if (current_ >= 0 && !list_->currentItem()) return current_;
  const QListWidgetItem* item = list_->currentItem();
  return item ? item->data(Qt::UserRole).toInt() : -1;
}

}  // namespace zrx
