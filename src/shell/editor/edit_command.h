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
  // Shows `document` as the book's document (the window puts it into the session).
  using Apply = std::function<void(std::size_t book, const book::SourceDocument& document)>;

  // The edit is already made when the command is pushed: its first redo does nothing.
  EditCommand(const QString& text, std::size_t book, std::string field, book::SourceDocument before,
              book::SourceDocument after, Apply apply);

  void undo() override;
  void redo() override;
  int id() const override { return 1; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  std::size_t book_;
  std::string field_;  // "<chapter>/<key>": where the edit was made
  book::SourceDocument before_;
  book::SourceDocument after_;
  Apply apply_;
  bool done_ = true;
};

}  // namespace zrx
