#include "program_version.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

struct Case {
  const char* line;
  UpdateVerdict verdict;
  const char* newVersion;
};

TEST(ProgramVersion, EachPartIsComparedByItself) {
  const Case cases[] = {
      {"0.705.10", UpdateVerdict::Current, ""},
      {"0.705.09", UpdateVerdict::Current, ""},
      {"0.700.00", UpdateVerdict::Current, ""},
      {"0.706.05", UpdateVerdict::Newer, "0.706.05"},
      // The build is compared on its own: a higher build of an older minor counts as newer.
      {"0.704.20", UpdateVerdict::Newer, "0.704.20"},
      {"0.705.11", UpdateVerdict::Newer, "0.705.11"},
      {"1.705.10", UpdateVerdict::Newer, "1.705.10"},
      // A lower major does not make a higher minor current.
      {"0.900.00", UpdateVerdict::Newer, "0.900.00"},
      // Only the first eight characters are the version; line ends and a mark are not.
      {"0.706.05 béta\r", UpdateVerdict::Newer, "0.706.05"},
      {"\xEF\xBB\xBF" "0.705.10\r\n", UpdateVerdict::Current, ""},
      {"", UpdateVerdict::Failed, ""},
      {"0.706", UpdateVerdict::Failed, ""},
      {"<!DOCTYPE html>", UpdateVerdict::Failed, ""},
      {"0,706,05", UpdateVerdict::Failed, ""},
      {" 0.706.05", UpdateVerdict::Failed, ""},
      {"0.7a6.05", UpdateVerdict::Failed, ""},
  };
  for (const Case& c : cases) {
    const UpdateResult result = JudgeUpdateLine(c.line, "0.705.10");
    EXPECT_EQ(c.verdict, result.verdict) << c.line;
    EXPECT_EQ(c.newVersion, result.newVersion) << c.line;
  }
}

TEST(ProgramVersion, TheProgramIsCurrentAgainstItsOwnVersion) {
  EXPECT_EQ(UpdateVerdict::Current, JudgeUpdateLine(kProgramVersion).verdict);
  EXPECT_EQ(UpdateVerdict::Newer, JudgeUpdateLine("0.705.10", "0.705.09").verdict);
}

}  // namespace
}  // namespace zrx
