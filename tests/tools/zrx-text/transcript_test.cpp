// The transcript of a session: everything shown, and the lines typed at the terminal.
#include <gtest/gtest.h>

#include <sstream>

#include "line_input.h"
#include "output_buffers.h"

namespace zrx::test {
namespace {

TEST(Transcript, HoldsWhatIsShownAndWhatIsTyped) {
  std::ostringstream screen, transcript;
  TeeBuffer tee(screen.rdbuf(), transcript.rdbuf());
  std::ostream out(&tee);
  std::istringstream typed("tovább 3\nsúgó\n");
  LineInput input(typed, out, /*script=*/false);
  input.setTranscript(&transcript);

  out << "=== 2 ===\n";
  EXPECT_EQ("tovább 3", input.next("> "));
  out << "=== 3 ===\n";
  EXPECT_EQ("súgó", input.next("> "));
  out.flush();
  // The terminal shows what was typed by itself; the transcript writes it down.
  EXPECT_EQ("=== 2 ===\n> === 3 ===\n> ", screen.str());
  EXPECT_EQ("=== 2 ===\n> tovább 3\n=== 3 ===\n> súgó\n", transcript.str());
}

TEST(Transcript, CountingOutputTellsWhetherAnythingWasShown) {
  std::ostringstream screen;
  CountingBuffer counter(screen.rdbuf());
  std::ostream out(&counter);
  EXPECT_EQ(0u, counter.count());
  out << "Lap: Kalandlap\n";
  out.flush();
  EXPECT_EQ(std::string("Lap: Kalandlap\n").size(), counter.count());
  EXPECT_EQ("Lap: Kalandlap\n", screen.str());
}

}  // namespace
}  // namespace zrx::test
