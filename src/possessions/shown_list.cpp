#include "shown_list.h"

#include <algorithm>

#include "book_code.h"

namespace zrx {

std::string recordNumberText(int number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return digits;
}

int ShownList::indexOf(int number) const {
  const auto it = std::find(numbers_.begin(), numbers_.end(), recordNumberText(number));
  return it == numbers_.end() ? -1 : static_cast<int>(it - numbers_.begin());
}

int ShownList::numberAt(int index) const {
  return numberOf(numbers_.at(static_cast<std::size_t>(index)));
}

int ShownList::selectedIndex() const {
  if (box_ == nullptr) return -1;
  const int line = box_->selection();
  return line >= 0 && line < size() ? line : -1;
}

void ShownList::append(int number, std::string name) {
  numbers_.push_back(recordNumberText(number));
  if (box_ != nullptr) box_->addItem(std::move(name));
}

void ShownList::removeAt(int index) {
  if (index < 0 || index >= size()) return;
  numbers_.erase(numbers_.begin() + index);
  if (box_ != nullptr) box_->removeItem(index);
}

void ShownList::replaceAt(int index, int number, std::string name) {
  if (index < 0 || index >= size()) return;
  numbers_[static_cast<std::size_t>(index)] = recordNumberText(number);
  if (box_ == nullptr) return;
  std::vector<std::string> lines = box_->items();
  if (index < static_cast<int>(lines.size())) lines[static_cast<std::size_t>(index)] = std::move(name);
  box_->setItems(std::move(lines));  // same number of lines: the selection stays
}

}  // namespace zrx
