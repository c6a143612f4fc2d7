#include "screen_renderer.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "page_signal.h"

namespace zrx {

namespace {

// The controls the renderer tells or keeps track of, in the order it tells them; commands
// and the window's own state say nothing in text (the available actions are told instead).
bool tracked(const ControlEntry& entry) {
  return entry.kind != ControlKind::Command && entry.kind != ControlKind::State;
}

// The actions of the window that a command of this player triggers, with their controls.
struct Action {
  const char* command;
  const char* control;
};
// The item-choice and save commands are left out: their controls stay enabled while the
// engine refuses them (an offer's confirm needs a pending offer, a save the chapter's
// permission); the page signal tells when an offer waits.
constexpr std::array<Action, 8> kActions = {{
    {"dob 1", "LabelDobas1Kocka"}, {"dob 2", "LabelDobas2Kocka"}, {"dob 3", "LabelDobas3Kocka"},
    {"dob 4", "LabelDobas4Kocka"}, {"szerencse", "LabelSzProba"}, {"harc", "BitBtn5"},
    {"menekül", "LabelMenekules"}, {"fegyver", "LabelSpecFegyver"}}};

const std::vector<const ControlEntry*>& table() {
  static const std::vector<const ControlEntry*> shown = [] {
    std::vector<const ControlEntry*> entries;
    for (const ControlEntry& entry : ControlCatalogue()) {
      if (tracked(entry)) entries.push_back(&entry);
    }
    return entries;
  }();
  return shown;
}

}  // namespace

const std::vector<std::string>& PageCaptions() {
  static const std::vector<std::string> captions(kPageCaptions.begin(), kPageCaptions.end());
  return captions;
}

std::string PendingReason(int kind) {
  const PendingKindInfo* info = PendingKindInfoOf(kind);
  return info ? info->words : "";
}

ScreenRenderer::ScreenRenderer(const ScreenModel& screen, std::ostream& out) : screen_(screen), out_(out) {
  for (const auto& [name, control] : screen_.all()) slots_.push_back({.name = &name, .control = &control});
  for (const ControlEntry* shown : table()) {
    const std::size_t slot = slotOf(shown->name);
    tableSlots_.push_back(slot);
    if (slot != kNoSlot) slots_[slot].shown = shown;
  }
  pageControl_ = slotOf("PageControl1");
  storyName_ = slotOf("LabelTortenetNev");
  chapterLabel_ = slotOf("LabelFPont");
  storyText_ = slotOf("RichEdit1");
  nextList_ = slotOf("ListBoxNext");
  nextEdit_ = slotOf("EditNext");
  next1_ = slotOf("LabelNext1");
  next2_ = slotOf("LabelNext2");
  timer_ = slotOf("TimerAlarm");
  for (int n = 1; n <= 17; ++n) {
    offerBoxes_.push_back(slotOf("CheckBox" + std::to_string(n)));
    offerPrices_.push_back(slotOf("LabelAr" + std::to_string(n)));
  }
  for (int n = 1; n <= 10; ++n) {
    rowNames_.push_back(slotOf("FT_LabelTNev" + TwoDigits(n)));
    rowCounts_.push_back(slotOf("FT_LabelDB" + TwoDigits(n)));
  }
  for (int n = 1; n <= 4; ++n) {
    diceSlots_.emplace_back();
    for (int k = 1; screen_.has("ImageDE" + std::to_string(n) + std::to_string(k)); ++k)
      diceSlots_.back().push_back(slotOf("ImageDE" + std::to_string(n) + std::to_string(k)));
  }
  for (const Action& action : kActions) actionSlots_.push_back(slotOf(action.control));
  remember();
}

std::size_t ScreenRenderer::slotOf(std::string_view name) const {
  // The slots stand in the screen's name order.
  const auto it = std::lower_bound(slots_.begin(), slots_.end(), name,
                                   [](const Slot& slot, std::string_view n) { return *slot.name < n; });
  return it != slots_.end() && *it->name == name ? static_cast<std::size_t>(it - slots_.begin()) : kNoSlot;
}

bool ScreenRenderer::changed(std::size_t slot) const {
  // The table names every control a window may have; a screen without one shows nothing of it.
  if (slot == kNoSlot) return false;
  const Slot& s = slots_[slot];
  return !s.seenOnce || s.seen.version != s.control->version();
}

void ScreenRenderer::remember() {
  for (std::size_t slot = 0; slot < slots_.size(); ++slot) rememberControl(slot);
  lastActions_ = availableActions();
}

void ScreenRenderer::forget(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (const std::size_t slot = slotOf(name); slot != kNoSlot) slots_[slot].seenOnce = false;
  }
}

void ScreenRenderer::rememberControl(std::size_t slot) {
  // A control whose version stands still shows what was remembered with that version.
  if (slot == kNoSlot || !changed(slot)) return;
  Slot& s = slots_[slot];
  const Control& control = *s.control;
  s.seen = {control.version(), control.text(), control.items(), control.visible(), control.enabled()};
  s.seenOnce = true;
}

void ScreenRenderer::printList(const std::string& caption, const Control& control, bool numbered,
                               const LineNote* note) {
  out_ << caption << ":";
  if (control.items().empty()) {
    out_ << " (üres)\n";
    return;
  }
  out_ << '\n';
  for (std::size_t i = 0; i < control.items().size(); ++i) {
    out_ << "  ";
    if (numbered) out_ << i + 1 << ") ";
    out_ << control.items()[i];
    if (note && *note) out_ << (*note)(i);
    out_ << (static_cast<int>(i) == control.selection() ? "  <" : "") << '\n';
  }
}

void ScreenRenderer::printControl(std::size_t slot, bool always) {
  if (slot == kNoSlot) return;
  const Slot& s = slots_[slot];
  const Control& control = *s.control;
  if (!control.visible()) return;
  const ControlEntry* shown = s.shown;
  if (!shown || shown->kind == ControlKind::Part) return;
  std::string caption = shown->caption;
  if (!shown->captionControl.empty() && screen_.has(shown->captionControl)) {
    caption += screen_.control(shown->captionControl).text();
  }
  const ControlKind kind = shown->kind;
  if (kind == ControlKind::Text) {
    // A colour or an enabled state alone says nothing in text.
    const bool news = always || !s.seenOnce || s.seen.text != control.text() || !s.seen.visible;
    if (news && !control.text().empty()) out_ << caption << ": " << control.text() << '\n';
    return;
  }
  const bool itemsChanged = !s.seenOnce || s.seen.items != control.items();
  const auto note = notes_.find(*s.name);
  if (always || (itemsChanged && !control.items().empty())) {
    printList(caption, control, kind == ControlKind::NumberedList, note == notes_.end() ? nullptr : &note->second);
  }
}

void ScreenRenderer::printSignal() {
  const Control& timer = screen_.TimerAlarm;
  if (!timer.enabled()) return;
  const int page = SignalPage(timer.value());
  // The story page's own signal asks for a continuation, which the list already says.
  if (page <= 0) return;
  out_ << "Jelzés: a(z) \"" << PageCaptions()[static_cast<std::size_t>(page)] << "\" lap vár";
  const std::string reason = PendingReason(timer.value());
  if (!reason.empty()) out_ << ": " << reason;
  out_ << ".\n";
}

void ScreenRenderer::printOfferRows(bool always) {
  for (std::size_t i = 0; i < offerBoxes_.size(); ++i) {
    const std::size_t box = offerBoxes_[i], price = offerPrices_[i];
    if (box == kNoSlot || price == kNoSlot) continue;
    const Control& check = *slots_[box].control;
    if (!(always || changed(box) || changed(price)) || !check.visible() || check.text().empty()) continue;
    out_ << "  [" << (check.value() ? 'x' : ' ') << "] " << i + 1 << ". " << check.text();
    const Control& cost = *slots_[price].control;
    if (cost.visible() && !cost.text().empty()) out_ << " (ár: " << cost.text() << ")";
    out_ << '\n';
  }
  for (std::size_t i = 0; i < rowNames_.size(); ++i) {
    const std::size_t nameSlot = rowNames_[i], countSlot = rowCounts_[i];
    if (nameSlot == kNoSlot || countSlot == kNoSlot) continue;
    const Control& name = *slots_[nameSlot].control;
    const Control& count = *slots_[countSlot].control;
    const bool rowChanged = changed(nameSlot) || changed(countSlot);
    if (!(always || rowChanged) || !name.visible() || name.text().empty()) continue;
    out_ << "  " << i + 1 << ") " << name.text() << ": " << count.text() << " db\n";
  }
}

void ScreenRenderer::printDice() {
  for (std::size_t n = 0; n < diceSlots_.size(); ++n) {
    std::vector<int> faces;
    bool any = false;
    for (const std::size_t slot : diceSlots_[n]) {
      const Control& image = *slots_[slot].control;
      any = any || changed(slot);
      if (image.visible() && image.picture().source == PictureRef::Source::DiceFace) faces.push_back(image.picture().index);
    }
    if (!any || faces.empty()) continue;
    out_ << "Kockák (" << n + 1 << " kockás dobás):";
    for (int face : faces) out_ << ' ' << face;
    out_ << '\n';
  }
}

std::vector<std::string> ScreenRenderer::availableActions() const {
  std::vector<std::string> available;
  for (std::size_t i = 0; i < kActions.size(); ++i) {
    if (actionSlots_[i] == kNoSlot) continue;
    const Control& control = *slots_[actionSlots_[i]].control;
    if (control.enabled() && control.visible()) available.emplace_back(kActions[i].command);
  }
  return available;
}

void ScreenRenderer::printActions(bool always) {
  const std::vector<std::string> available = availableActions();
  if (!always && available == lastActions_) return;
  out_ << "Elérhető műveletek:";
  if (available.empty()) out_ << " nincs";
  for (const std::string& command : available) out_ << ' ' << command << (&command == &available.back() ? "" : ",");
  out_ << '\n';
}

void ScreenRenderer::renderChanges() {
  const ScreenModel& s = screen_;
  if (changed(pageControl_) && s.PageControl1.value() != 0) {
    const std::string& page = PageCaptions()[static_cast<std::size_t>(std::clamp(s.PageControl1.value(), 0, 6))];
    out_ << (quiet_ ? "Lap: " + page : "[Lap: " + page + "]") << '\n';
  }
  if (changed(storyName_)) printControl(storyName_, false);
  if ((changed(chapterLabel_) || changed(storyText_)) && !s.LabelFPont.text().empty()) {
    printChapterHead();
    for (const std::string& line : s.RichEdit1.items()) out_ << line << '\n';
  }
  for (std::size_t i = 0; i < tableSlots_.size(); ++i) {
    const ControlEntry& shown = *table()[i];
    // The visited path only grows by the chapter point just told.
    if (quiet_ && shown.name == "MemoFP") continue;
    if (shown.page != 0 && changed(tableSlots_[i])) printControl(tableSlots_[i], false);
  }
  printOfferRows(false);
  printDice();
  if (changed(nextList_) || changed(nextEdit_)) {
    if (s.ListBoxNext.visible() && !s.ListBoxNext.items().empty()) printList("Lehetőségek", s.ListBoxNext, false);
  }
  if (changed(nextEdit_) && s.EditNext.visible() && s.EditNext.text().empty()) {
    out_ << "Továbblépés: írd be a FejezetPont számát (tovább <szám>).\n";
  }
  if (changed(next1_)) printControl(next1_, false);
  if (changed(next2_)) printControl(next2_, false);
  if (changed(timer_)) printSignal();
  printActions(false);
  remember();
}

void ScreenRenderer::printChapterHead() {
  if (quiet_) {
    out_ << "FejezetPont: " << screen_.LabelFPont.text() << '\n';
  } else {
    out_ << "=== " << screen_.LabelFPont.text() << " ===\n";
  }
}

void ScreenRenderer::renderPage(int page) {
  const std::string& caption = PageCaptions()[static_cast<std::size_t>(std::clamp(page, 0, 6))];
  out_ << (quiet_ ? caption + " lap:" : "--- " + caption + " ---") << '\n';
  if (page == 0) {
    printControl(storyName_, true);
    printChapterHead();
    for (const std::string& line : screen_.RichEdit1.items()) out_ << line << '\n';
    if (screen_.ListBoxNext.visible()) printList("Lehetőségek", screen_.ListBoxNext, false);
    if (screen_.EditNext.visible()) out_ << "Továbblépés: írd be a FejezetPont számát (tovább <szám>).\n";
  }
  for (std::size_t i = 0; i < tableSlots_.size(); ++i) {
    if (table()[i]->page == page && page != 0) printControl(tableSlots_[i], true);
  }
  if (page == 2) printOfferRows(true);
  if (page == 4) out_ << "Saját információ sorszáma: " << screen_.SpinEditINFO.value() << '\n';
  printSignal();
  printActions(true);
  lastActions_ = availableActions();
  // What the page showed is seen; changes elsewhere are still told after the command.
  rememberControl(pageControl_);
  for (std::size_t i = 0; i < tableSlots_.size(); ++i) {
    if (table()[i]->page == page) rememberControl(tableSlots_[i]);
  }
}

}  // namespace zrx
