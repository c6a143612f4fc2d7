#pragma once
// What the main window shows, written by the engine and rendered by a front end.
// Every control carries a version that rises on each real change, so a front end can
// redraw only what changed since it last looked.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "battle_panel.h"

namespace zrx {

enum class Colour { Default, Navy, Blue, DarkBlue, Red, DarkRed, Green };

// Which picture an image control shows.
struct PictureRef {
  enum class Source { None, DiceFace, ChapterPicture, DecorPicture, Cover };
  Source source = Source::None;
  int index = 0;  // dice face 1..6; otherwise the 0-based position in its list
  bool operator==(const PictureRef&) const = default;
};

class Control {
 public:
  const std::string& text() const { return text_; }
  bool enabled() const { return enabled_; }
  bool visible() const { return visible_; }
  Colour colour() const { return colour_; }
  // Lines of a list box or memo.
  const std::vector<std::string>& items() const { return items_; }
  // Selected line of a list box, -1 for none.
  int selection() const { return selection_; }
  const PictureRef& picture() const { return picture_; }
  // Number of a spin box, checked state of a check box, active page of the page control.
  int value() const { return value_; }
  std::uint64_t version() const { return version_; }

  void setText(std::string text);
  void setEnabled(bool enabled);
  void setVisible(bool visible);
  void setColour(Colour colour);
  void setItems(std::vector<std::string> items);
  void addItem(std::string item);
  void removeItem(int index);  // also moves the selection with the lines
  void clearItems();
  void setSelection(int index);
  void setPicture(PictureRef picture);
  void setValue(int value);

 private:
  template <typename T>
  void assign(T& field, T value);

  std::string text_;
  bool enabled_ = true;
  bool visible_ = true;
  Colour colour_ = Colour::Default;
  std::vector<std::string> items_;
  int selection_ = -1;
  PictureRef picture_;
  int value_ = 0;
  std::uint64_t version_ = 0;
};

// The main window's controls under their own names. Numbered rows are reached by their
// built names ("CheckBox" + n, "LabelDobas" + n + "Kocka") through the row accessors or
// control(name). Not copyable: the named members refer into the table of all controls.
class ScreenModel {
  std::map<std::string, Control, std::less<>> controls_;  // must precede the members below
  Control& add(std::string name) { return controls_[std::move(name)]; }

 public:
  ScreenModel();
  ScreenModel(const ScreenModel&) = delete;
  ScreenModel& operator=(const ScreenModel&) = delete;

  // Throws std::out_of_range for a name that is not a control of the window.
  Control& control(std::string_view name);
  const Control& control(std::string_view name) const;
  bool has(std::string_view name) const { return controls_.find(name) != controls_.end(); }
  const std::map<std::string, Control, std::less<>>& all() const { return controls_; }
  // Takes every control's state from `other` (a rehearsal replays a battle on a copy).
  void copyControlsFrom(const ScreenModel& other);

  // Window-wide: application title (scrolls while a game runs), page control, commands.
  Control& ApplicationTitle = add("ApplicationTitle");  // enabled = the title scrolls
  Control& PageControl1 = add("PageControl1");          // value = active page, 0..6
  Control& BitBtn1 = add("BitBtn1");  // "Kezdés"
  Control& BitBtn2 = add("BitBtn2");  // " BETÖLTÉS "
  Control& BitBtn3 = add("BitBtn3");  // " MENTÉS "
  Control& BitBtn4 = add("BitBtn4");  // " BEFEJEZÉS "
  Control& LabelMenu13 = add("LabelMenu13");            // "Mentés"
  Control& LabelMenuGyors13 = add("LabelMenuGyors13");
  Control& LabelMenu14 = add("LabelMenu14");            // "Befejezés"
  Control& LabelMenuGyors14 = add("LabelMenuGyors14");

  // Story page.
  Control& LabelTortenetNev = add("LabelTortenetNev");  // story name: series - title
  Control& LabelFPont = add("LabelFPont");
  Control& RichEdit1 = add("RichEdit1");
  Control& Image1 = add("Image1");
  Control& LabelLehetosegek = add("LabelLehetosegek");  // "Lehetőségek:" / "Továbblépés:"
  Control& ListBoxNext = add("ListBoxNext");
  Control& EditNext = add("EditNext");
  Control& LabelNext = add("LabelNext");
  Control& LabelNext1 = add("LabelNext1");
  Control& LabelNext2 = add("LabelNext2");
  Control& NyilRajz = add("NyilRajz");  // the drawn pointing arrow; visible = drawn
  Control& TimerAlarm = [this]() -> Control& { Control& c = add("TimerAlarm"); c.setEnabled(false); return c; }();  // page signal: enabled = running, value = PendingKind signalled

  // Adventure sheet.
  Control& LabelSzint = add("LabelSzint");
  Control& LabelNehezsegiFokozat = add("LabelNehezsegiFokozat");
  Control& LabelSkillTextStart = add("LabelSkillTextStart");
  Control& LabelSkillTextNow = add("LabelSkillTextNow");
  Control& LabelStaminaTextStart = add("LabelStaminaTextStart");
  Control& LabelStaminaTextNow = add("LabelStaminaTextNow");
  Control& LabelLuckTextStart = add("LabelLuckTextStart");
  Control& LabelLuckTextNow = add("LabelLuckTextNow");
  Control& MemoFP = add("MemoFP");  // the visited-path memo

  // Equipment page.
  Control& ListBox_FT = add("ListBox_FT");
  Control& MemoFT_Leir = add("MemoFT_Leir");
  Control& GroupBox1 = add("GroupBox1");
  Control& LabelTargyKivalasztas = add("LabelTargyKivalasztas");
  Control& LabelTargyFelvetel = add("LabelTargyFelvetel");
  Control& FT_LabelFejlec1 = add("FT_LabelFejlec1");  // header of the quantity rows
  Control& FT_Elrendezes = add("FT_Elrendezes");  // value = offer arrangement 1..3 (list shortened), 0 plain

  // Tests and battles page.
  Control& LabelSzProba = add("LabelSzProba");  // "Szerencse próba"
  Control& LabelSZPErtek = add("LabelSZPErtek");
  Control& LabelSZPEredmenyErtek = add("LabelSZPEredmenyErtek");
  Control& LabelMenekules = add("LabelMenekules");
  Control& LabelSpecFegyver = add("LabelSpecFegyver");
  Control& BitBtn5 = add("BitBtn5");  // "Harc"; value = its place in the row of shown actions
  BattlePanel battle{controls_};

  // Information page.
  Control& ListBox_IN = add("ListBox_IN");
  Control& MemoIN_Leir = add("MemoIN_Leir");
  Control& Memo_SI = add("Memo_SI");
  Control& SpinEditINFO = add("SpinEditINFO");
  Control& LabelSajatInfoBeir = add("LabelSajatInfoBeir");
  Control& LabelSajatInfoMegjelenit = add("LabelSajatInfoMegjelenit");

  // Magic and skills page.
  Control& ListBox_VK = add("ListBox_VK");
  Control& MemoVK_Leir = add("MemoVK_Leir");

  // Numbered rows.
  Control& LabelBV(int slot, std::string_view part);  // slot 1..4; part "Start", "TextStart", "Now", "TextNow"
  Control& LabelDobasKocka(int n);   // "LabelDobas" + n + "Kocka", n = 1..4
  const Control& LabelDobasKocka(int n) const;
  Control& DKEredmenyLabel(int n);   // "DK" + n + "EredmenyLabel", n = 1..4
  Control& ImageDE(int n, int k);    // "ImageDE" + n + k: slot k of the n-dice action
  Control& CheckBox(int n);          // 1..17
  Control& LabelAr(int n);           // 0..17
  Control& FT_LabelTNev(int n);      // 1..10
  Control& FT_LabelDB(int n);        // 1..10
  Control& FT_SpinButton(int n);     // 1..10
};

// Two-digit row number as the built names use it ("01".."10").
std::string TwoDigits(int n);

}  // namespace zrx
