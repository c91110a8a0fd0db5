// trotspeak's command line: every case is read and what came of it is
// written out (each field that differs from a bare "trotspeak", then the
// debug trace, or why the line was refused); tests/golden/display/arguments.txt
// holds the whole transcript.
#include "display/flow/arguments.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

std::string describe(const Arguments& a) {
  const Arguments bare;
  std::ostringstream out;
  const std::pair<const char*, std::string Arguments::*> texts[] = {
      {"pony", &Arguments::ponyName}, {"art", &Arguments::artName},           {"bubble", &Arguments::bubbleFile},
      {"message", &Arguments::message}, {"listed pony", &Arguments::listPony}};
  for (const auto& [name, field] : texts) {
    if (a.*field != bare.*field) out << name << " \"" << a.*field << "\"\n";
  }
  for (const auto& file : a.charactersFiles) out << "database \"" << file << "\"\n";
  const std::pair<const char*, bool Arguments::*> flags[] = {
      {"help", &Arguments::help},       {"list", &Arguments::list},         {"art", &Arguments::art},
      {"characters", &Arguments::characters}, {"pony", &Arguments::pony}, {"version", &Arguments::version},
      {"only", &Arguments::only},       {"quote", &Arguments::quote},       {"bubble list", &Arguments::bubbleList},
      {"bubble", &Arguments::bubble},   {"think", &Arguments::think},       {"say", &Arguments::say},
      {"info", &Arguments::info},       {"debug", &Arguments::debug},       {"rainbow", &Arguments::rainbow},
      {"paths", &Arguments::paths},     {"list names", &Arguments::listNames}, {"list arts", &Arguments::listArts},
      {"list quotes", &Arguments::listQuotes}, {"list bubbles", &Arguments::listBubbles}};
  std::string set;
  for (const auto& [name, flag] : flags) {
    if (a.*flag) set += std::string(set.empty() ? "" : ", ") + name;
  }
  if (!set.empty()) out << "set: " << set << "\n";
  if (a.color != bare.color) out << "colour " << (a.color == ColorWhen::Always ? "always" : "never") << "\n";
  const char* const depths[] = {"none", "16", "256", "truecolor"};
  if (a.colors) out << "depth " << depths[static_cast<int>(*a.colors)] << "\n";
  if (a.textWidth) out << "width " << int{*a.textWidth} << "\n";
  if (a.seed) out << "seed " << *a.seed << "\n";
  if (a.format != bare.format) out << "format svg\n";
  return out.str();
}

struct Case {
  std::vector<const char*> entries;
  std::string input;
};

std::string transcript(const Case& c) {
  std::vector<const char*> argv = c.entries;
  argv.insert(argv.begin(), "trotspeak");
  std::string text = "$";
  for (const char* entry : argv) text += std::string(" ") + entry;
  text += c.input.empty() ? "\n" : "\n< " + c.input + "\n";
  std::ostringstream debug;
  std::string input = c.input;
  const auto readPipe = [&](std::string& message, std::size_t) { message += std::exchange(input, ""); };
  try {
    text += describe(parseArguments(static_cast<int>(argv.size()), argv.data(), debug, readPipe));
  } catch (const ArgumentException& e) {
    text += "refused: " + e.message() + "\n";
  }
  return text + debug.str() + "\n";
}

TEST(ParseArguments, EveryCaseReadsAsTheTranscriptShows) {
  std::vector<Case> cases = {
      {{}, ""},
      {{"-d", "-p", "Clo", "-a", "sad", "-c", "x.bin", "-b", "round", "hi"}, ""},  // the art name is never echoed
      {{"-d", "-p"}, ""},                                         // a missing value is refused
      {{"-p", "-a"}, ""},                                         // values are taken whatever they look like
      {{"-p", "-d"}, ""},                                         // though the pre-scan still sees -d
      {{"--verion", "-H", "-help", "--Pony"}, ""},                // matching is exact; the rest is refused
      {{"-pClover"}, ""},
      {{"--help=yes"}, ""},
      {{"-n", "hello"}, ""},
      {{"--pony=Clover", "--art=sad", "--characters=x.bin", "--bubble=round", "--", "--colorful", "-d", "-", "--"}, ""},
      {{"--bubble="}, ""},  // an empty value is no value
      {{"-5", "degrees", "-_-", "-- A. Person", "--no way"}, ""},  // not options, so messages
      {{"--color=never"}, ""},
      {{"--colour", "always"}, ""},
      {{"--color", "never", "--colour=auto"}, ""},
      {{"--colors=256"}, ""},
      {{"--colours", "16"}, ""},
      {{"--colors", "truecolor", "-W", "1"}, ""},
      {{"--width=255"}, ""},
      {{"--format=svg", "--format", "terminal", "--format", "svg"}, ""},  // the last one wins
      {{"-c", "a.bin,b.bin", "-c", "c.bin"}, ""},                 // every database is kept, commas and all
      {{"-c"}, ""},
      {{"--list-arts", "-p", "Tulip Fern", "--seed", "42", "--paths", "--list-names"}, ""},
      {{"--seed=18446744073709551615", "--list-arts", "tu"}, ""},
      {{"--list-quotes", "-x", "--list-bubbles"}, ""},            // the pony of --list-quotes is not optional
      {{"-p", "\"Bramble\"", "\"a b\"", "c"}, ""},                // one pair of enclosing quotes is dropped
      {{"\"Clover\"", "\"\"", "\"\"\"", "\"", "Clo\"ver", "\"half", "", "end"}, ""},  // but no more, and nothing else
      {{"hello", "-p", "a", "world", "-p", "b"}, ""},             // every word is kept, the last value wins
      {{"", "\xff\xfe", "-p", "\xC3"}, ""},
      {{"-d", "-"}, "line one\nline \"two\"\x1b]0;title\x07\n"},  // piped text is kept as read, traced safely
      {{"--pipe", "--pipe"}, "abc"},                              // the second reads nothing more
      {{"-", "later", "on"}, "abc\n"},
  };
  const std::vector<const char*> unusable[] = {{"--color=purple"}, {"--color"},      {"--colour="},
                                               {"--colors=8"},     {"--width", "0"}, {"-W", "256"},
                                               {"--width=12x"},    {"-W", "-3"},     {"-W"},
                                               {"--seed", "-1"},   {"--seed=1e3"},   {"--seed", "18446744073709551616"},
                                               {"--format=SVG"},   {"--format"}};
  for (const auto& entries : unusable) cases.push_back({entries, ""});
  for (const char* option : {"-h", "--help", "-l", "--list", "-r", "--rainbow", "-v", "--version", "-o", "--only",
                             "-bl", "--bubblelist", "-i", "--info", "-t", "--think", "-s", "--say", "-q", "--quote",
                             "-d", "--debug", "-c", "--characters", "-a", "--art", "-p", "--pony", "-b", "--bubble"}) {
    cases.push_back({{option, "value"}, ""});  // options with a value take it; the others leave it as the message
  }
  std::string all;
  for (const Case& c : cases) all += transcript(c);
  EXPECT_GOLDEN("display/arguments.txt", all);
}

}  // namespace
}  // namespace trot
