#include "screen_model.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

TEST(ScreenModel, VersionRisesOnlyOnRealChanges) {
  ScreenModel screen;
  Control& label = screen.LabelFPont;
  const auto v0 = label.version();
  label.setText("12");
  EXPECT_EQ(v0 + 1, label.version());
  label.setText("12");
  EXPECT_EQ(v0 + 1, label.version());
  label.setEnabled(false);
  label.setColour(Colour::Navy);
  EXPECT_EQ(v0 + 3, label.version());
}

TEST(ScreenModel, BuiltNamesReachTheSameControls) {
  ScreenModel screen;
  EXPECT_EQ(&screen.LabelFPont, &screen.control("LabelFPont"));
  EXPECT_EQ(&screen.LabelDobasKocka(2), &screen.control("LabelDobas2Kocka"));
  EXPECT_EQ(&screen.DKEredmenyLabel(4), &screen.control("DK4EredmenyLabel"));
  EXPECT_EQ(&screen.FT_LabelDB(1), &screen.control("FT_LabelDB01"));
  EXPECT_EQ(&screen.FT_LabelTNev(10), &screen.control("FT_LabelTNev10"));
  EXPECT_EQ(&screen.CheckBox(17), &screen.control("CheckBox17"));
  EXPECT_EQ(&screen.LabelBV(1, "TextNow"), &screen.control("LabelBV1TextNow"));
  EXPECT_EQ(&screen.ImageDE(4, 4), &screen.control("ImageDE44"));
  EXPECT_THROW(screen.control("ImageDE23"), std::out_of_range);
  EXPECT_THROW(screen.CheckBox(18), std::out_of_range);
  EXPECT_FALSE(screen.ImageDE(1, 1).visible()) << "dice slots start hidden";
}

TEST(ScreenModel, ListSelectionFollowsRemovedLines) {
  ScreenModel screen;
  Control& list = screen.ListBox_FT;
  list.setItems({"a", "b", "c"});
  list.setSelection(2);
  list.removeItem(0);
  EXPECT_EQ(1, list.selection());
  list.removeItem(1);
  EXPECT_EQ(-1, list.selection());
  list.setSelection(5);
  EXPECT_EQ(-1, list.selection());
  EXPECT_EQ(std::vector<std::string>{"b"}, list.items());
}

}  // namespace
}  // namespace zrx
