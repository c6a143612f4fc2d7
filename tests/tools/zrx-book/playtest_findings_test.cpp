// What the play-tester finds beyond stalls: loops left only by dying and chapter points no
// run wins from, rewards that come again on every entry, records held that no code reads;
// the same report with any number of jobs; and today's bundled books before their mend,
// whose faults a careful reader found by hand.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "package_fixture.h"
#include "played.h"
#include "playtest_command.h"

namespace zrx::book {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using test::PlainChapter;
using test::StoryPackage;

TChapterRec chapter(int number, const std::string& next, const std::string& conditions = "") {
  return {.Number = number, .NextChapters = next, .Conditions = conditions};
}

TChapterRec changing(TChapterRec rec, const std::string& values, const std::string& infos = "") {
  rec.SpecialChange1 = values;
  rec.SpecialChange3 = infos;
  return rec;
}

// A book whose chapter point 1 leads on to 2 or wins at once (4); what 2 and 3 do is the case's.
PackageContent fixture(const TChapterRec& two, const TChapterRec& three) {
  PackageContent content = StoryPackage({PlainChapter(-1, "000"), PlainChapter(0, "001"), PlainChapter(1, "002004"),
                                         two, three, PlainChapter(4, "GGG")});
  content.baseValues[1].LimitFatal = 1;  // Életerő at 0 kills
  content.infos = {{.Number = 7, .Name = "Adomány", .Description = "Megkaptad."}};
  return content;
}

Played playtest(const PackageContent& content, int runs, int jobs = 1) {
  return Play(content, {.packageFile = "proba.yaml", .runs = runs, .seed = 5, .expectWin = true, .strict = true,
                        .jobs = jobs});
}

struct FindingCase {
  const char* name;
  TChapterRec two, three;
  std::vector<std::string> found, absent;
};

TEST(PlaytestFindings, FixtureBooks) {
  const FindingCase cases[] = {
      {"a loop whose every way leads back in, costing life each time round",
       chapter(2, "003"), changing(chapter(3, "002"), "01N02-03#"),
       {"Doom regions: 2\n  loop 2 3: left only by dying", "chapter points 2 3: not won from, every one of the"},
       {}},
      {"the same loop with a way out once life runs low: no doom",
       chapter(2, "003"), changing(chapter(3, "002004", "VN02>=06#VN02<<06"), "01N02-03#"),
       {"Doom regions: 0\n"},
       {"loop 2 3"}},
      {"a reward on every entry",
       changing(chapter(2, "001"), "01N05+01#"), PlainChapter(3, "GGG"),
       {"Repeating rewards: 1\n  warning: chapter point 2 gives again on every entry (", "): Bátorság +1\n"},
       {}},
      {"the reward made one-off by information that skips it",
       changing(chapter(2, "001"), "02N05+01#", "01E007+U#03N+007#"), PlainChapter(3, "GGG"),
       {"Repeating rewards: 0\n", "Never used: 0\n"},
       {}},
      {"information given that nothing reads",
       changing(chapter(2, "004"), "", "01N+007#"), PlainChapter(3, "GGG"),
       {"Never used: 1\n  warning: information 7 \"Adomány\" is held but no code reads it"},
       {}},
  };
  for (const FindingCase& c : cases) {
    const Played played = playtest(fixture(c.two, c.three), 150);
    for (const std::string& text : c.found) EXPECT_THAT(played.report, HasSubstr(text)) << c.name;
    for (const std::string& text : c.absent) EXPECT_THAT(played.report, Not(HasSubstr(text))) << c.name;
    const bool clean = played.report.find("Doom regions: 0\n") != std::string::npos &&
                       played.report.find("Repeating rewards: 0\n") != std::string::npos &&
                       played.report.find("Never used: 0\n") != std::string::npos;
    EXPECT_EQ(clean ? 0 : 1, played.status) << c.name << "\n" << played.errors;
  }
}

TEST(PlaytestFindings, SameReportWithAnyNumberOfJobs) {
  const PackageContent content = fixture(changing(chapter(2, "003004"), "01N05+01#"),
                                         changing(chapter(3, "002"), "01N02-02#"));
  const Played one = playtest(content, 1100, 1);
  const Played three = playtest(content, 1100, 3);
  EXPECT_EQ(one.report, three.report);
  EXPECT_THAT(one.report, HasSubstr("Könnyű: 367 runs:"));
}

// The Holdárok and Ködlápi sources as they stood before their mend: what a careful read found.
TEST(PlaytestFindings, BooksBeforeTheirMend) {
  PlaytestOptions options{.packageFile = ZRX_OLD_BOOKS_DIR "/source.yaml", .runs = 1500, .seed = 1,
                          .expectWin = true, .jobs = 2};
  std::ostringstream out, err;
  EXPECT_EQ(1, RunPlaytest(options, out, err));
  const std::string report = out.str();
  for (const char* finding : {
           "loop 56 58 60: left only by dying",
           "chapter point 106 gives again on every entry (",  // the burning house
           "chapter point 82 gives again on every entry (",   // the healing salve before the finale
           "chapter point 36 gives again on every entry (",   // the bet won
           "chapter point 27 gives again on every entry (",   // the championship won again
           "chapter point 39 gives again on every entry (",   // the gift in the crypt
           "chapter point 20 gives again on every entry (",   // the bandit at the market
           "information 103 \"A csatorna útja\" is held but no code reads it",
           "information 104 \"Az őrségváltás\" is held but no code reads it",
           "information 106 \"Jóslat\" is held but no code reads it",
           "spell 101 \"Holdfény\" is held but no code reads it",
           "skill 2 \"Lopakodás\" is held but no code reads it",
       }) {
    EXPECT_THAT(report, HasSubstr(finding));
  }
  EXPECT_THAT(err.str(), HasSubstr("A Holdárok árnyéka: 2 doom regions"));
}

}  // namespace
}  // namespace zrx::book
