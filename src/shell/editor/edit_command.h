#pragma once
// One edit of a book source on the undo stack: the book's document before and after it.
// Typing on in the same field merges into one step.
#include <QUndoCommand>
#include <functional>
#include <string>

#include "source_edit.h"

namespace zrx {

class EditCommand : public QUndoCommand {
 public:
  // Where an edit was made: the book, the chapter point's place in it and the source key.
  struct Place {
    std::size_t book = 0;
    int chapter = -1;
    std::string key;
    bool operator==(const Place&) const = default;
  };
  // Puts `document` in as the book's document and shows the place (the window does it).
  using Apply = std::function<void(const Place& place, const book::SourceDocument& document)>;

  // The edit is already made when the command is pushed: its first redo does nothing.
  EditCommand(const QString& text, Place place, book::SourceDocument before, book::SourceDocument after,
              Apply apply);

  void undo() override;
  void redo() override;
  int id() const override { return 1; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  Place place_;
  book::SourceDocument before_;
  book::SourceDocument after_;
  Apply apply_;
  bool done_ = true;
};

}  // namespace zrx
