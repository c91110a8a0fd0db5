#include "display/selection.hpp"

#include <gtest/gtest.h>

#include "display/listings.hpp"

namespace trot {
namespace {

TEST(PrefixMatch, CaseInsensitiveForAsciiLettersOnly) {
  struct Case {
    const char* name;
    const char* query;
    bool matches;
  };
  const Case cases[] = {
      {"Clover", "clo", true},      {"Clover", "CLOVER", true},  {"Clover", "", false},
      {"Clover", "Clovers", false}, {"Clover", "lov", false},    {"", "", false},
      {"\xC3\x89lan", "\xC3\xA9", false},  // only ASCII letters fold
      {"\xC3\x89lan", "\xC3\x89l", true},  {"A-1", "a-1", true},
  };
  for (const auto& c : cases) EXPECT_EQ(prefixMatch(c.name, c.query), c.matches) << c.name << " / " << c.query;
}

TEST(QuoteLines, RunsOfBreaksCountOnce) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(quoteLines(""), Lines{});
  EXPECT_EQ(quoteLines("one"), Lines{"one"});
  EXPECT_EQ(quoteLines("one\n"), Lines{"one"});
  EXPECT_EQ(quoteLines("A\r\n\r\nB\n"), (Lines{"A", "B"}));
  EXPECT_EQ(quoteLines("\nA"), (Lines{"", "A"}));
  EXPECT_EQ(quoteLines("a\rb\nc"), (Lines{"a", "b", "c"}));
}

}  // namespace
}  // namespace trot
