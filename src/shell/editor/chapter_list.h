#pragma once
// The list of a book's chapter points in the editor, a row each ("12  [kép, csata,
// feltétel, hiba]  Az erdőben a fák…": number, marks for a picture, a battle, conditions
// and problems, and first words), narrowed by a search for a number or words.
#include <QWidget>
#include <set>

#include "source_model.h"

class QLineEdit;
class QListWidget;

namespace zrx {

class ChapterList : public QWidget {
  Q_OBJECT
 public:
  explicit ChapterList(QWidget* parent = nullptr);

  // Shows the chapter points of `book` (none for nullptr); `problems` holds the indexes of
  // those with a problem. The selection stays on the same index where it can.
  void setBook(const book::SourceBook* book, const std::set<int>& problems);
  // Selects chapter point `index` (its place in the source), clearing a search that hides it.
  void select(int index);
  // The chosen chapter point's index, also while a search hides it; -1 for none.
  int selected() const;

  QLineEdit* searchEdit() const { return search_; }
  QListWidget* listWidget() const { return list_; }

 signals:
  // The author chose chapter point `index` (its place in the source).
  void chosen(int index);

 private:
  void fill();

  QLineEdit* search_;
  QListWidget* list_;
  const book::SourceBook* book_ = nullptr;
  std::set<int> problems_;
  int current_ = -1;  // kept while a search hides it
  bool filling_ = false;
};

}  // namespace zrx
