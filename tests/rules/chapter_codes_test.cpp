#include "chapter_codes.h"

#include <gtest/gtest.h>

#include "book_code.h"

namespace zrx {
namespace {

TEST(ChapterCodes, EntriesOfContinuationCodes) {
  EXPECT_EQ("10", ChapterCodeEntry("00A"));
  EXPECT_EQ("1000", ChapterCodeEntry("3E8"));
  EXPECT_EQ("0", ChapterCodeEntry("000"));
  EXPECT_EQ("Vége", ChapterCodeEntry("HHH"));
  EXPECT_EQ("Győzelem", ChapterCodeEntry("GGG"));
  EXPECT_THROW(ChapterCodeEntry("0G1"), BookCodeError);
  EXPECT_THROW(ChapterCodeEntry("0A"), BookCodeError);
  EXPECT_THROW(ChapterCodeEntry(""), BookCodeError);
  EXPECT_THROW(ChapterCodeEntry("00A00B"), BookCodeError);
}

}  // namespace
}  // namespace zrx
