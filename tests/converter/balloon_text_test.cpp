// Balloon text: parsing into a bubble, the rule violations it reports, and
// the layout of the written text. That written text parses back into the
// same bubble is checked on every input of the balloon fuzz target.
#include "converter/balloon_text.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

// Every side key with a one-character piece, and one-line top and bottom.
const std::string kSides = "nww:(\nw:(\nsww:(\nww:(\nnee:)\ne:)\nsee:)\nee:)\n";
const std::string kTop = "nw:.\nnnw:-\nn:-\nnne:-\nne:.\n";
const std::string kBottom = "sw:'\nssw:-\ns:-\nsse:-\nse:'\n";
// Connector items must be there; an empty one means a style without it.
const std::string kLinks = "/:\n\\:\nX:\n";

Bubble parsed(std::string_view text) {
  Bubble bubble;
  parseBalloon(bubble, text);
  return bubble;
}

// Why `text` is refused; the bubble it was read into is left as it was.
std::string failure(std::string_view text) {
  Bubble bubble = parsed(kLinks + kSides + kTop + kBottom);
  try {
    parseBalloon(bubble, text);
  } catch (const Bubble::ParseException& error) {
    EXPECT_EQ(bubble.nw, std::vector<std::string>{"."});
    EXPECT_EQ(bubble.ww, "(");
    return error.message();
  }
  return "(no failure)";
}

TEST(BalloonText, PiecesAreTakenAsWritten) {
  const Bubble bubble = parsed(
      "/:\u2571x\n\\:\\\nX:\n"
      "a comment without a colon\n"
      "colour: keys that mean nothing are ignored\n"
      "  nw \t: _\n:/ \n:|\nnnw:-\n:\n:\nn: -\n: \n: \nnne:-\n:\n:\nne:_ \n:\\\n:|\n" +
      kBottom + "nww: [\nw: |\nsww: [\nww: <\nnee:] \ne:| \nsee:] \nee:> \n");
  EXPECT_EQ(bubble.linkSlash, 0x2571u);  // only the first character counts
  EXPECT_EQ(bubble.linkBackslash, static_cast<std::uint32_t>('\\'));
  EXPECT_EQ(bubble.linkX, 0u);
  EXPECT_EQ(bubble.topHeight, 3);
  EXPECT_EQ(bubble.bottomHeight, 1);
  EXPECT_EQ(bubble.nw, (std::vector<std::string>{" _", "/ ", "|"}));
  EXPECT_EQ(bubble.n, (std::vector<std::string>{" -", " ", " "}));
  EXPECT_EQ(bubble.nww, " [");
  EXPECT_EQ(bubble.leftWidth, 2);
  EXPECT_EQ(bubble.rightWidth, 2);
}

TEST(BalloonText, EmptyConnectorsAndEveryKindOfLineEnd) {
  const std::string text = kLinks + kSides + "\r\n\r\n" + kTop + "\r" + kBottom;
  std::string crlf;
  for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const auto& variant : {text, crlf}) {
    const Bubble bubble = parsed(variant);
    EXPECT_EQ(bubble.linkSlash, 0u);
    EXPECT_EQ(bubble.topHeight, 1);
    EXPECT_EQ(bubble.ee, ")");
    EXPECT_EQ(bubble.se, std::vector<std::string>{"'"});
  }
}

TEST(BalloonText, RuleViolations) {
  std::string tall;
  for (const char* key : {"nw", "nnw", "n", "nne", "ne"}) {
    tall += std::string(key) + ":-\n";
    for (int i = 1; i < 256; ++i) tall += ":-\n";
  }
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"\n" + kSides + kTop + kBottom, "Cant find key nww"},  // a leading line end hides every line
      {":abc\n" + kSides, "Unkown key for item at line 1"},
      {"just words\n\n\n:abc\n", "Unkown key for item at line 2"},
      {"nww:(\nw:(\nsww:(\nww:\n:x\n" + kTop, "Count of ww2 doesnt equal 1"},
      {"nww:(\nw:(\nsww:(\nnee:)\ne:)\nsee:)\nee:)\n", "Cant find key ww"},
      {kSides + "nw:.\n:.\n:.\nnnw:-\n:-\nn:-\nnne:-\nne:.\n", "Count of nw(3) doesnt equal count of nnw(2)"},
      {kSides + kTop + "sw:'\nssw:-\ns:-\nse:'\n", "Cant find key sse"},
      {"nww:((\nw:(\nsww:(\nww:(\nnee:)\ne:)\nsee:)\nee:)\n" + kTop + kBottom,
       "Size of nww(2) doesnt equal size of w(1)"},
      {"nww:(\nw:(\nsww:(\nww:(\nnee:)\ne:)\nsee:)\nee:\u2502\u2502\n" + kTop + kBottom,
       "Size of nee(1) doesnt equal size of ee(2)"},
      {kSides + tall + kBottom, "Count of nw(256) is more than 255"},
      {kSides + kTop + kBottom, "Cant find key /"},
      {"/:/\n\\:\\\n" + kSides + kTop + kBottom, "Cant find key X"},
  };
  for (const auto& c : cases) EXPECT_EQ(failure(c.text), c.message) << c.text.substr(0, 40);
}

TEST(BalloonText, WriterLayout) {
  Bubble bubble = parsed("/:/\n\\:\\\nX:\n" + kSides + kTop + kBottom);
  bubble.nw = {"a", "b"};
  std::ostringstream text;
  writeBalloon(bubble, text);
  EXPECT_BYTES(
      "/:/\n\\:\\\nX:\n\n"
      "nw:a\n:b\nnnw:-\nn:-\nnne:-\nne:.\n\n"
      "sw:'\nssw:-\ns:-\nsse:-\nse:'\n\n"
      "nww:(\nw:(\nsww:(\nww:(\n\n"
      "nee:)\ne:)\nsee:)\nee:)\n\n",
      text.str());
}

}  // namespace
}  // namespace trot
