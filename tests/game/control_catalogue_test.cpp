#include "control_catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "screen_model.h"

namespace zrx::test {
namespace {

// The window's controls are listed once, and the screen model has exactly those.
TEST(ControlCatalogue, ListsEveryControlOfTheModelOnce) {
  const ScreenModel screen;
  std::set<std::string> listed;
  for (const ControlEntry& entry : ControlCatalogue()) {
    EXPECT_TRUE(listed.insert(entry.name).second) << "twice: " << entry.name;
    EXPECT_TRUE(screen.has(entry.name)) << "not in the model: " << entry.name;
    EXPECT_TRUE(entry.page == kWindowWide || (entry.page >= 0 && entry.page <= 6)) << entry.name;
    EXPECT_EQ(&entry, FindControlEntry(entry.name));
    EXPECT_TRUE(entry.captionControl.empty() || screen.has(entry.captionControl)) << entry.name;
  }
  for (const auto& [name, control] : screen.all()) EXPECT_TRUE(listed.contains(name)) << "not listed: " << name;
  EXPECT_EQ(nullptr, FindControlEntry("Button1"));
}

}  // namespace
}  // namespace zrx::test
