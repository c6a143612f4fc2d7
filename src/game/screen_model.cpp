#include "screen_model.h"

#include "control_catalogue.h"

#include <stdexcept>
#include <utility>

namespace zrx {

template <typename T>
void Control::assign(T& field, T value) {
  if (field == value) return;
  field = std::move(value);
  ++version_;
}

void Control::setText(std::string text) { assign(text_, std::move(text)); }
void Control::setEnabled(bool enabled) { assign(enabled_, enabled); }
void Control::setVisible(bool visible) { assign(visible_, visible); }
void Control::setColour(Colour colour) { assign(colour_, colour); }
void Control::setItems(std::vector<std::string> items) {
  assign(items_, std::move(items));
  if (selection_ >= static_cast<int>(items_.size())) setSelection(-1);
}
void Control::addItem(std::string item) {
  items_.push_back(std::move(item));
  ++version_;
}
void Control::removeItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_.erase(items_.begin() + index);
  if (selection_ == index) selection_ = -1;
  else if (selection_ > index) --selection_;
  ++version_;
}
void Control::clearItems() {
  setItems({});
  setSelection(-1);
}
void Control::setSelection(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  assign(selection_, index);
}
void Control::setPicture(PictureRef picture) { assign(picture_, picture); }
void Control::setValue(int value) { assign(value_, value); }

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

ScreenModel::ScreenModel() {
  for (const ControlEntry& entry : ControlCatalogue()) add(entry.name);
  // The dice slots start hidden: the first single-die roll goes into the first hidden one.
  for (const auto& [n, slots] : {std::pair{1, 3}, std::pair{2, 2}, std::pair{3, 3}, std::pair{4, 4}}) {
    for (int k = 1; k <= slots; ++k) ImageDE(n, k).setVisible(false);
  }
  // Actions that a request or a running game enables.
  for (int n = 1; n <= 4; ++n) LabelDobasKocka(n).setEnabled(false);
  for (Control* c : {&LabelSzProba, &LabelMenekules, &LabelSpecFegyver, &BitBtn5, &BitBtn3, &LabelMenu13,
                     &LabelMenuGyors13, &BitBtn4, &LabelMenu14, &LabelMenuGyors14}) {
    c->setEnabled(false);
  }
  ApplicationTitle.setText("ZRX");
  ApplicationTitle.setEnabled(false);
  // No offer waits in a fresh window: the equipment page stands as a closed offer leaves it,
  // its choice boxes, prices and quantity buttons hidden and both confirm commands off.
  for (int n = 1; n <= 17; ++n) CheckBox(n).setVisible(false);
  for (int n = 0; n <= 17; ++n) LabelAr(n).setVisible(false);
  for (int n = 1; n <= 10; ++n) FT_SpinButton(n).setVisible(false);
  GroupBox1.setVisible(false);
  FT_LabelFejlec1.setVisible(false);
  for (Control* command : {&LabelTargyFelvetel, &LabelTargyKivalasztas}) {
    command->setEnabled(false);
    command->setColour(Colour::Navy);
  }
}

void ScreenModel::copyControlsFrom(const ScreenModel& other) {
  // Every model holds the same controls in the same order: pairwise, without lookups.
  auto to = controls_.begin();
  for (const auto& entry : other.controls_) (to++)->second = entry.second;
}

Control& ScreenModel::control(std::string_view name) {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control named " + std::string(name));
  return it->second;
}

const Control& ScreenModel::control(std::string_view name) const {
  auto it = controls_.find(name);
  if (it == controls_.end()) throw std::out_of_range("no control named " + std::string(name));
  return it->second;
}

Control& ScreenModel::LabelBV(int slot, std::string_view part) {
  return control("LabelBV" + std::to_string(slot) + std::string(part));
}
Control& ScreenModel::LabelDobasKocka(int n) { return control("LabelDobas" + std::to_string(n) + "Kocka"); }
const Control& ScreenModel::LabelDobasKocka(int n) const {
  return control("LabelDobas" + std::to_string(n) + "Kocka");
}
Control& ScreenModel::DKEredmenyLabel(int n) { return control("DK" + std::to_string(n) + "EredmenyLabel"); }
Control& ScreenModel::ImageDE(int n, int k) {
  return control("ImageDE" + std::to_string(n) + std::to_string(k));
}
Control& ScreenModel::CheckBox(int n) { return control("CheckBox" + std::to_string(n)); }
Control& ScreenModel::LabelAr(int n) { return control("LabelAr" + std::to_string(n)); }
Control& ScreenModel::FT_LabelTNev(int n) { return control("FT_LabelTNev" + TwoDigits(n)); }
Control& ScreenModel::FT_LabelDB(int n) { return control("FT_LabelDB" + TwoDigits(n)); }
Control& ScreenModel::FT_SpinButton(int n) { return control("FT_SpinButton" + TwoDigits(n)); }

}  // namespace zrx
