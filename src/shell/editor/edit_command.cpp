#include "editor/edit_command.h"

namespace zrx {

EditCommand::EditCommand(const QString& text, Place place, book::SourceDocument before, book::SourceDocument after,
                         Apply apply)
    : QUndoCommand(text),
      place_(std::move(place)),
      before_(std::move(before)),
      after_(std::move(after)),
      apply_(std::move(apply)) {}

void EditCommand::undo() {
  apply_(place_, before_);
  done_ = false;
}

void EditCommand::redo() {
  if (done_) return;
  apply_(place_, after_);
  done_ = true;
}

bool EditCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const EditCommand*>(other);
  if (!(next->place_ == place_)) return false;
  after_ = next->after_;
  return true;
}

}  // namespace zrx
