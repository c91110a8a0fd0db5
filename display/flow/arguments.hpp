// trotspeak's command line read into one record of what the user asked for,
// so that the run decides from fields rather than from argv; the options
// themselves are rows of option_table.hpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display/flow/color_choice.hpp"
#include "display/platform/standard_input.hpp"
#include "model/exception.hpp"

namespace trot {

// An option that trotspeak does not know, one without its value, or one with
// a value it cannot use.
class ArgumentException : public Exception {
 public:
  using Exception::Exception;
  const char* typeName() const override { return "Argument"; }
  bool closesWithColon() const override { return false; }
};

// What the picture is written as: text for the terminal, or one SVG
// document of the same picture.
enum class OutputFormat : std::uint8_t { Terminal, Svg };

struct Arguments {
  std::string ponyName;
  std::string message;
  std::string bubbleFile;
  std::string artName;
  std::vector<std::string> charactersFiles;  // every -c, in order
  std::string listPony;                      // --list-arts or --list-quotes

  bool help = false;
  bool list = false;
  bool art = false;
  bool characters = false;
  bool pony = false;
  bool version = false;
  bool only = false;
  bool quote = false;
  bool bubbleList = false;
  bool bubble = false;
  bool think = false;
  bool say = false;
  bool info = false;
  bool debug = false;
  bool rainbow = false;

  ColorWhen color = ColorWhen::Auto;
  std::optional<ColorDepth> colors;      // a depth forced, whatever the terminal claims
  std::optional<std::uint8_t> textWidth;  // the bubble's text columns, whatever the terminal's width
  std::optional<std::uint64_t> seed;      // --seed: the same pick on every run
  OutputFormat format = OutputFormat::Terminal;
  bool paths = false;
  bool listNames = false;
  bool listArts = false;
  bool listQuotes = false;
  bool listBubbles = false;
  bool messageGiven = false;  // free words or the pipe option, even empty ones
};

// Free words become the message, joined by single spaces, with piped text
// on the line after them; after "--" every entry is a free word. An entry
// that looks like an option (a dash and a letter, or two dashes and a
// letter, and no space) but is none, an option without its value and one
// with a value it cannot use throw ArgumentException. An option that takes
// a value also takes it as "--name=value". The debug trace goes to
// `debugOut`; the pipe option reads the input with `readPipe`, straight into
// the message, which holds the text once however large it is.
Arguments parseArguments(int argc, const char* const* argv, std::ostream& debugOut, const InputReader& readPipe);

// A seed as --seed or TROTSPEAK_SEED give it: a whole number that fits in 64
// bits. Anything else throws ArgumentException naming `name`.
std::uint64_t parseSeed(std::string_view name, std::string_view value);

// Drops one pair of enclosing double quotes that a shell passed through.
std::string stripQuotes(std::string text);

}  // namespace trot
