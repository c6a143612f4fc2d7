#include "settings_line.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

TEST(SettingsLine, DefaultsAreTheAlapOptions) {
  const SettingsLine defaults;
  EXPECT_EQ(std::string(kDefaultSettingsLine), defaults.text());
  EXPECT_EQ(defaults, SettingsLine::Parse(kDefaultSettingsLine));
  EXPECT_EQ(1, defaults.changeSignalLevel());
  EXPECT_TRUE(defaults.sendsMessages());
  EXPECT_EQ(13, defaults.saveInterval());
  EXPECT_EQ(11, defaults.storyTextPoints());
  EXPECT_EQ(0, defaults.storyTextColour());
  EXPECT_TRUE(defaults.dialogsOnDesktopCentre());
  EXPECT_TRUE(defaults.customCursors());
  EXPECT_TRUE(defaults.fadeIn());
  EXPECT_TRUE(defaults.pointerCentring());
  EXPECT_TRUE(defaults.stepLogging());
}

TEST(SettingsLine, EveryDigitHasItsMeaning) {
  const SettingsLine line = SettingsLine::Parse("2121511111");
  EXPECT_EQ("2121511111", line.text());
  EXPECT_EQ(2, line.changeSignalLevel());
  EXPECT_FALSE(line.sendsMessages());
  EXPECT_EQ(23, line.saveInterval());
  EXPECT_EQ(14, line.storyTextPoints());
  EXPECT_EQ(5, line.storyTextColour());
  EXPECT_FALSE(line.dialogsOnDesktopCentre());
  EXPECT_FALSE(line.customCursors());
  EXPECT_FALSE(line.fadeIn());
  EXPECT_FALSE(line.pointerCentring());
  EXPECT_FALSE(line.stepLogging());
  EXPECT_EQ(3, SettingsLine::Parse("1000000000").saveInterval());
}

TEST(SettingsLine, DigitsBeyondTheirOptionsTakeTheDefault) {
  struct Case {
    const char* stored;
    const char* read;
  };
  const Case cases[] = {
      {"6666666666", "1010600000"},  // only the colour group has a seventh option
      {"7777777777", "1010700000"},  // and an eighth, high contrast
      {"8888888888", "1010000000"},
      {"10100", "1010000000"},       // a short line
      {"x0y0z00000", "1010000000"},  // not digits
  };
  for (const Case& c : cases) EXPECT_EQ(c.read, SettingsLine::Parse(c.stored).text()) << c.stored;
}

TEST(SettingsLine, TheGameReadsItsThreeSettings) {
  GameSettings settings;
  ApplySettings(SettingsLine::Parse("2020000001"), settings);
  EXPECT_EQ(2, settings.ChangeSignalLevel);
  EXPECT_EQ(23, settings.SaveInterval);
  EXPECT_FALSE(settings.StepLogging);
  ApplySettings(SettingsLine::Parse("0000000000"), settings);
  EXPECT_EQ(0, settings.ChangeSignalLevel);
  EXPECT_EQ(3, settings.SaveInterval);
  EXPECT_TRUE(settings.StepLogging);
}

}  // namespace
}  // namespace zrx
