// The equipment page's offer arrangements and the fillers of its boxes, prices and rows.
#include "offers.h"

#include "win1250.h"

namespace zrx {
namespace {

constexpr const char* kPlainCaption = "          Tárgyak listája         ";
constexpr const char* kQuantityHeader = "    Választható Tárgyak listája    ";
constexpr const char* kPriceHeader = "Tárgy ára";
// Choice box widths: beside the price column the boxes are narrower.
constexpr int kBoxWidth = 225;
constexpr int kPricedBoxWidth = 201;
// Room that the box's own check mark takes from the text.
constexpr int kCheckMarkWidth = 18;

void disableCommand(Control& command) {
  command.setEnabled(false);
  command.setColour(Colour::Navy);
}

}  // namespace

bool picksOwnItems(int kind) {
  const PendingKindInfo* info = PendingKindInfoOf(kind);
  return info && info->picksOwnItems;
}

std::string ShortenToWidth(const std::string& text, int maxWidth,
                           const std::function<int(const std::string&)>& width) {
  if (width(text) <= maxWidth) return text;
  const std::size_t length = Utf8Length(text);
  for (std::size_t cut = 1; cut < length; ++cut) {
    std::string shortened = Utf8Cut(text, length - cut) + "...";
    if (width(shortened) <= maxWidth) return shortened;
  }
  return "...";
}

void Offers::FelszTargyElokeszites(int layout) {
  ScreenModel& s = game_.screen;
  switch (layout) {
    case 0:
      s.GroupBox1.setText(kPlainCaption);
      for (int i = 1; i <= kChoiceBoxes; ++i) {
        CheckBoxKitolt("", i);
        ArListaKitolt("", i);
      }
      for (int row = 1; row <= kQuantityRows; ++row) TargyValasztoKitolt("", "", row);
      disableCommand(s.LabelTargyFelvetel);
      disableCommand(s.LabelTargyKivalasztas);
      // A closed offer leaves no empty frame or headers behind (a shop's prices included).
      s.GroupBox1.setVisible(false);
      s.LabelAr(0).setVisible(false);
      s.FT_LabelFejlec1.setVisible(false);
      return;
    case 1:
    case 2:
      s.GroupBox1.setVisible(true);
      s.LabelAr(0).setText(kPriceHeader);
      s.LabelAr(0).setVisible(layout == 2);
      s.FT_LabelFejlec1.setVisible(false);
      break;
    case 3:
      s.GroupBox1.setVisible(false);
      s.LabelAr(0).setVisible(false);
      s.FT_LabelFejlec1.setText(kQuantityHeader);
      s.FT_LabelFejlec1.setVisible(true);
      for (int row = 1; row <= kQuantityRows; ++row) s.FT_SpinButton(row).setVisible(true);
      break;
    default:
      return;
  }
  // Layouts 1 to 3 shorten the equipment list and move the description below it.
  s.FT_Elrendezes.setValue(layout);
}

void Offers::FelszTargyAlaphelyzet() {
  ScreenModel& s = game_.screen;
  s.GroupBox1.setVisible(false);
  s.LabelAr(0).setVisible(false);
  s.FT_LabelFejlec1.setVisible(false);
  s.FT_Elrendezes.setValue(0);
}

int Offers::checkBoxWidth() const {
  return game_.screen.FT_Elrendezes.value() == 2 ? kPricedBoxWidth : kBoxWidth;
}

void Offers::CheckBoxKitolt(const std::string& text, int i) {
  Control& box = game_.screen.CheckBox(i);
  if (text.empty()) {
    box.setText("");
    box.setValue(0);
    box.setVisible(false);
    return;
  }
  UiPort& ui = game_.ui();
  box.setText(ShortenToWidth(text, checkBoxWidth() - kCheckMarkWidth,
                             [&ui](const std::string& t) { return ui.CheckBoxTextWidth(t); }));
  box.setVisible(true);
}

void Offers::ArListaKitolt(const std::string& text, int i) {
  Control& label = game_.screen.LabelAr(i);
  label.setText(text);
  label.setVisible(!text.empty());
}

void Offers::TargyValasztoKitolt(const std::string& name, const std::string& count, int i) {
  ScreenModel& s = game_.screen;
  s.FT_LabelTNev(i).setText(name);
  s.FT_LabelDB(i).setText(count);
  if (i >= 1 && i <= kQuantityRows) game_.state.offers.QuantityCounts[static_cast<std::size_t>(i)] = count.empty() ? 0 : std::stoi(count);
  s.FT_SpinButton(i).setVisible(!name.empty());
}

void Offers::CheckBoxKlikk(int i) {
  if (i < 1 || i > kChoiceBoxes) return;
  Control& box = game_.screen.CheckBox(i);
  if (box.visible()) box.setValue(box.value() == 0 ? 1 : 0);
}

bool Offers::marked(int box) const {
  return box >= 1 && box <= kChoiceBoxes && game_.screen.CheckBox(box).value() != 0;
}

int Offers::rowCount(int row) const {
  return row >= 1 && row <= kQuantityRows ? game_.state.offers.QuantityCounts[static_cast<std::size_t>(row)] : 0;
}

void Offers::setRowCount(int row, int count) {
  game_.state.offers.QuantityCounts[static_cast<std::size_t>(row)] = count;
  game_.screen.FT_LabelDB(row).setText(std::to_string(count));
}

void Offers::FT_SpinButtonUpClick(int row) {
  if (row < 1 || row > kQuantityRows || !game_.screen.FT_SpinButton(row).visible()) return;
  OfferState& offer = game_.state.offers;
  if (offer.OfferChosen >= offer.OfferLimit) return;
  setRowCount(row, rowCount(row) + 1);
  ++offer.OfferChosen;
}

void Offers::FT_SpinButtonDownClick(int row) {
  if (row < 1 || row > kQuantityRows || !game_.screen.FT_SpinButton(row).visible()) return;
  OfferState& offer = game_.state.offers;
  const int count = rowCount(row);
  if (offer.OfferChosen < 1 || count < 1) return;
  setRowCount(row, count - 1);
  --offer.OfferChosen;
}


}  // namespace zrx
