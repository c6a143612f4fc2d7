#include "editor/edit_command.h"

namespace zrx {

EditCommand::EditCommand(const QString& text, std::size_t book, std::string field, book::SourceDocument before,
                         book::SourceDocument after, Apply apply)
    : QUndoCommand(text),
      book_(book),
      field_(std::move(field)),
      before_(std::move(before)),
      after_(std::move(after)),
      apply_(std::move(apply)) {}

void EditCommand::undo() {
  apply_(book_, before_);
  done_ = false;
}

void EditCommand::redo() {
  if (done_) return;
  apply_(book_, after_);
  done_ = true;
}

bool EditCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const EditCommand*>(other);
  if (next->book_ != book_ || next->field_ != field_) return false;
  after_ = next->after_;
  return true;
}

}  // namespace zrx
