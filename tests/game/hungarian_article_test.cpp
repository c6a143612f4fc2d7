#include "hungarian_article.h"

#include <gtest/gtest.h>

namespace zrx {
namespace {

TEST(HungarianArticle, FollowsHowTheNumberIsRead) {
  const struct {
    long long number;
    const char* article;
  } cases[] = {{1, "az"},     {5, "az"},     {50, "az"},   {55, "az"},      {500, "az"},       {512, "az"},
               {1000, "az"},  {1999, "az"},  {5000, "az"}, {50000, "az"},   {1000000, "az"},   {2, "a"},
               {3, "a"},      {9, "a"},      {10, "a"},    {11, "a"},       {15, "a"},         {100, "a"},
               {105, "a"},    {150, "a"},    {2000, "a"},  {10000, "a"},    {100000, "a"},     {0, "a"},
               {-1, "a"},     {40, "a"},     {401, "a"},   {15000, "a"},    {2000000, "a"}};
  for (const auto& c : cases) EXPECT_EQ(c.article, ArticleBefore(c.number)) << c.number;
}

}  // namespace
}  // namespace zrx
