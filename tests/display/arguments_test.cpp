#include "display/arguments.hpp"

#include <gtest/gtest.h>

#include <tuple>
#include <sstream>
#include <vector>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

struct Parsed {
  Arguments args;
  std::string debug;
};

Parsed parse(std::vector<const char*> entries, const std::string& input = "") {
  entries.insert(entries.begin(), "trotspeak");
  std::ostringstream debug;
  std::istringstream in(input);
  Parsed parsed{parseArguments(static_cast<int>(entries.size()), entries.data(), debug, in), {}};
  parsed.debug = debug.str();
  return parsed;
}

TEST(ParseArguments, NoArgumentsGiveDefaultsAndNoOutput) {
  const auto p = parse({});
  EXPECT_EQ(p.debug, "");
  EXPECT_FALSE(p.args.help || p.args.list || p.args.pony || p.args.debug || p.args.version);
  EXPECT_EQ(p.args.message, "");
}

TEST(ParseArguments, DebugTraceOfAllEntriesAndEchoedValues) {
  const auto p = parse({"-d", "-p", "Clo", "-a", "sad", "-c", "x.bin", "-b", "round", "hi"});
  EXPECT_BYTES(
      "DEBUG: 11 Arg Count\n"
      "DEBUG: 1   -d\n"
      "DEBUG: 2   -p\nDEBUG: 3   Clo\n"
      "DEBUG: 4   -a\n"  // the art name is never echoed
      "DEBUG: 6   -c\nDEBUG: 7   x.bin\n"
      "DEBUG: 8   -b\nDEBUG: 9   round\n"
      "DEBUG: 10   hi\n",
      p.debug);
  EXPECT_EQ(p.args.ponyName, "Clo");
  EXPECT_EQ(p.args.artName, "sad");
  EXPECT_EQ(p.args.charactersFiles, std::vector<std::string>{"x.bin"});
  EXPECT_EQ(p.args.bubbleFile, "round");
  EXPECT_EQ(p.args.message, "hi");
}

TEST(ParseArguments, MissingValueLeavesFlagSetAndFieldEmpty) {
  const auto p = parse({"-d", "-p"});
  EXPECT_BYTES("DEBUG: 3 Arg Count\nDEBUG: 1   -d\nDEBUG: 2   -p\n", p.debug);
  EXPECT_TRUE(p.args.pony);
  EXPECT_EQ(p.args.ponyName, "");
}

TEST(ParseArguments, ValuesAreTakenWhateverTheyLookLike) {
  const auto a = parse({"-p", "-a"});
  EXPECT_EQ(a.args.ponyName, "-a");
  EXPECT_FALSE(a.args.art);

  // The pre-scan still sees -d, though the main pass takes it as the value.
  const auto d = parse({"-p", "-d"});
  EXPECT_TRUE(d.args.debug);
  EXPECT_EQ(d.args.ponyName, "-d");
}

TEST(ParseArguments, ShortAndLongFormsSetTheirFlag) {
  const std::tuple<const char*, const char*, bool Arguments::*> options[] = {
      {"-h", "--help", &Arguments::help},          {"-l", "--list", &Arguments::list},
      {"-r", "--rainbow", &Arguments::rainbow},    {"-v", "--version", &Arguments::version},
      {"-o", "--only", &Arguments::only},          {"-bl", "--bubblelist", &Arguments::bubbleList},
      {"-i", "--info", &Arguments::info},          {"-t", "--think", &Arguments::think},
      {"-s", "--say", &Arguments::say},            {"-q", "--quote", &Arguments::quote},
      {"-d", "--debug", &Arguments::debug},        {"-c", "--characters", &Arguments::characters},
      {"-a", "--art", &Arguments::art},            {"-p", "--pony", &Arguments::pony},
      {"-b", "--bubble", &Arguments::bubble}};
  for (const auto& [shortForm, longForm, flag] : options) {
    // Options with a value take the next entry; the others leave it as the message.
    const bool takesValue = flag == &Arguments::characters || flag == &Arguments::art ||
                            flag == &Arguments::pony || flag == &Arguments::bubble;
    for (const char* form : {shortForm, longForm}) {
      const auto p = parse({form, "value"});
      EXPECT_TRUE(p.args.*flag) << form;
      EXPECT_EQ(p.args.message, takesValue ? "" : "value") << form;
    }
  }
}

TEST(ParseArguments, MatchingIsExact) {
  for (const char* entry : {"--verion", "-H", "-help", "--Pony", "-pClover", "--pony=Clover", "--", "--colorful",
                            "-W30", "-W=30"}) {
    const auto p = parse({entry});
    EXPECT_EQ(p.args.message, entry) << entry;
    EXPECT_FALSE(p.args.version || p.args.help || p.args.pony) << entry;
  }
}

TEST(ParseArguments, ColourAndWidthSettingsTakeTheirValueJoinedOrNext) {
  struct Case {
    std::vector<const char*> entries;
    ColorWhen color;
    std::optional<ColorDepth> colors;
    std::optional<std::uint8_t> width;
  };
  const Case cases[] = {
      {{"--color=never"}, ColorWhen::Never, {}, {}},
      {{"--colour", "always"}, ColorWhen::Always, {}, {}},
      {{"--color", "never", "--colour=auto"}, ColorWhen::Auto, {}, {}},
      {{"--colors=256"}, ColorWhen::Auto, ColorDepth::Palette256, {}},
      {{"--colours", "16"}, ColorWhen::Auto, ColorDepth::Basic16, {}},
      {{"--colors", "truecolor"}, ColorWhen::Auto, ColorDepth::TrueColor, {}},
      {{"-W", "1"}, ColorWhen::Auto, {}, 1},
      {{"--width=255"}, ColorWhen::Auto, {}, 255},
  };
  for (const Case& c : cases) {
    const auto p = parse(c.entries);
    EXPECT_EQ(p.args.color, c.color) << c.entries[0];
    EXPECT_EQ(p.args.colors, c.colors) << c.entries[0];
    EXPECT_EQ(p.args.textWidth, c.width) << c.entries[0];
    EXPECT_EQ(p.args.message, "") << c.entries[0];
  }

  const std::vector<const char*> unusable[] = {{"--color=purple"}, {"--color"},      {"--colour="},
                                               {"--colors=8"},     {"--width", "0"}, {"-W", "256"},
                                               {"--width=12x"},    {"-W", "-3"},     {"-W"},
                                               {"--seed", "-1"},   {"--seed=1e3"},   {"--seed", "18446744073709551616"}};
  for (const auto& entries : unusable) EXPECT_THROW(parse(entries), ArgumentException) << entries[0];
}

TEST(ParseArguments, EveryWordIsKeptAndPipedTextFollowsThem) {
  struct Case {
    std::vector<const char*> entries;
    std::string input;
    std::string message;
  };
  const Case cases[] = {
      {{"hello", "-p", "a", "world", "-p", "b"}, "", "hello world"},
      {{"\"a b\"", "c"}, "", "a b c"},
      {{"", "\xff\xfe", "-p", "\xC3"}, "", " \xff\xfe"},
      {{"-"}, "line one\n", "line one\n"},
      {{"--pipe", "--pipe"}, "abc", "abc"},  // the second reads nothing more
      {{"-", "later", "on"}, "abc\n", "later on\nabc\n"},
  };
  for (const Case& c : cases) {
    const auto p = parse(c.entries, c.input);
    EXPECT_EQ(p.args.message, c.message) << c.entries.front();
  }
  EXPECT_EQ(parse({"-p", "a", "-p", "b"}).args.ponyName, "b");
}

TEST(ParseArguments, EveryDatabaseIsKeptAndCommasStayInOnePath) {
  EXPECT_EQ(parse({"-c", "a.bin,b.bin", "-c", "c.bin"}).args.charactersFiles,
            (std::vector<std::string>{"a.bin,b.bin", "c.bin"}));
  EXPECT_EQ(parse({"-c"}).args.charactersFiles, std::vector<std::string>{""});
}

TEST(ParseArguments, ListingsForScriptsAndSeed) {
  const auto p = parse({"--list-arts", "-p", "Tulip Fern", "--seed", "42", "--paths", "--list-names"});
  EXPECT_TRUE(p.args.listArts && p.args.pony && p.args.paths && p.args.listNames);
  EXPECT_EQ(p.args.listPony, "");  // the pony of --list-arts is optional
  EXPECT_EQ(p.args.seed, 42u);
  EXPECT_EQ(parse({"--seed=18446744073709551615"}).args.seed, 18446744073709551615u);
  EXPECT_EQ(parse({"--list-arts", "tu"}).args.listPony, "tu");
  const auto q = parse({"--list-quotes", "-x", "--list-bubbles"});
  EXPECT_EQ(q.args.listPony, "-x");  // that of --list-quotes is not
  EXPECT_TRUE(q.args.listQuotes && q.args.listBubbles);
}

TEST(ParseArguments, PipedTextIsStoredAsReadAndTracedSafely) {
  const std::string input = "line one\nline \"two\"\x1b]0;title\x07\n";
  const auto p = parse({"-d", "-"}, input);
  EXPECT_EQ(p.args.message, input);  // stored as read, quotes and all
  EXPECT_BYTES("DEBUG: 3 Arg Count\nDEBUG: 1   -d\nDEBUG: 2   -\nDEBUG: 2   line one\nline \"two\"\n\n", p.debug);
}

TEST(StripQuotes, RemovesOnePairOfEnclosingQuotes) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"\"Clover\"", "Clover"}, {"\"\"", ""}, {"\"\"\"", "\""}, {"\"", ""},
      {"Clo\"ver", "Clo\"ver"}, {"\"half", "\"half"},          {"", ""},
  };
  for (const auto& [input, expected] : cases) EXPECT_EQ(stripQuotes(input), expected) << input;
  EXPECT_EQ(parse({"-p", "\"Bramble\""}).args.ponyName, "Bramble");
}

}  // namespace
}  // namespace trot
