#pragma once
// A possession list (record numbers as three-digit text) together with the list box
// that shows the records' names line for line: entry i of the list and line i of the
// box always belong to the same record, so every change goes through here.
#include <string>

#include "game_state.h"
#include "screen_model.h"

namespace zrx {

// The text under which the lists hold a record number: three digits ("007").
std::string recordNumberText(int number);

class ShownList {
 public:
  // `box` is null for a list that is never shown (hidden information).
  ShownList(TextList& numbers, Control* box) : numbers_(numbers), box_(box) {}

  // Position of the number's entry (exact text match), -1 when absent.
  int indexOf(int number) const;
  bool contains(int number) const { return indexOf(number) >= 0; }
  int size() const { return static_cast<int>(numbers_.size()); }
  // Record number of entry i; the box's selection names an entry the same way.
  int numberAt(int index) const;
  // Entry of the box's selected line, -1 when none is selected.
  int selectedIndex() const;

  void append(int number, std::string name);
  void removeAt(int index);
  void replaceAt(int index, int number, std::string name);

 private:
  TextList& numbers_;
  Control* box_;
};

}  // namespace zrx
