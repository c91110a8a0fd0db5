#include "render/terminal_safe_text.hpp"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

// Each case is also a case of how text is read: the extent of every kind of
// escape sequence shows in what is left around it.
TEST(TerminalSafeText, KeepsCharactersTabsLineFeedsAndColoursOnly) {
  const std::string replacement = "\xef\xbf\xbd";
  const std::pair<std::string, std::string> cases[] = {
      {"plain \xc3\xa9 \xe6\xbc\xa2 \xef\xbf\xbd", "plain \xc3\xa9 \xe6\xbc\xa2 \xef\xbf\xbd"},
      {"tab\tand\nline", "tab\tand\nline"},
      {"a\x1b[31mb\x1b[0m\x1b[38:2::1:2:3m", "a\x1b[31mb\x1b[0m\x1b[38:2::1:2:3m"},
      {"x\x1b[2Jy and more", "xy and more"},
      {"x\x1b[>4;2my", "xy"},  // a private sequence ending in m is not a colour
      {"\x1b]8;;http://a.b/\x1b\\link\x1b]8;;\x07!", "link!"},
      {"a\x1b(0b\x1b" "cd\x1b#8e", "abde"},
      {"a\x1bPq#0\x1b\\b\x1b_x\x07" "c\x1b^y\x07" "d\x1bXz\x1b\\e", "abcde"},
      {"a\x1b]Pfaabbccd", "ad"},        // console palette: seven bytes
      {"a\x1b]52;c;aGk=", "a"},        // unterminated: to the end
      {"a\x1b[12", "a"},
      {"a\x1b[12\nb\x1b", "a\nb"},     // a byte that cannot belong ends it
      {"a\x1b\x1b[31mb", "a\x1b[31mb"},
      {std::string("a\x07\x08\x0e\x7f\0b", 7), "ab"},
      {"a\xc2\x9b" "2J\xc2\x85" "b", "a2Jb"},  // C1 controls
      {"cr\r\nlf\rx", "cr\nlfx"},
      {"\xff\xe2\x82" "A\xed\xa0\x80\xc0\xaf", replacement + replacement + replacement + "A" +
                                                   replacement + replacement + replacement + replacement + replacement},
  };
  for (const auto& [text, safe] : cases) EXPECT_BYTES(safe, terminalSafeText(text)) << testing::PrintToString(text);
}

}  // namespace
}  // namespace trot
