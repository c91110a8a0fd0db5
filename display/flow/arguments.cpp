#include "display/flow/arguments.hpp"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "display/flow/option_table.hpp"
#include "render/terminal_safe_text.hpp"

namespace trot {

struct OptionContext {
  Arguments& args;
  const InputReader& readPipe;
  std::size_t wordRoom;  // bytes of every entry, for the words to join piped text
  std::ostream& debugOut;
  int index;  // of the entry being read
  bool piped = false;
};

namespace {

constexpr std::string_view kSeeHelp = " (trotspeak -h lists the options)";

void debugLine(std::ostream& out, int index, std::string_view text) {
  out << "DEBUG: " << index << "   " << terminalSafeText(text) << '\n' << std::flush;
}

ColorWhen colorWhen(std::string_view name, std::string_view value) {
  if (value == "auto") return ColorWhen::Auto;
  if (value == "always") return ColorWhen::Always;
  if (value == "never") return ColorWhen::Never;
  throw ArgumentException(std::string(name) + " takes auto, always or never");
}

ColorDepth colorDepth(std::string_view name, std::string_view value) {
  if (value == "16") return ColorDepth::Basic16;
  if (value == "256") return ColorDepth::Palette256;
  if (value == "truecolor") return ColorDepth::TrueColor;
  throw ArgumentException(std::string(name) + " takes 16, 256 or truecolor");
}

OutputFormat outputFormat(std::string_view name, std::string_view value) {
  if (value == "terminal") return OutputFormat::Terminal;
  if (value == "svg") return OutputFormat::Svg;
  throw ArgumentException(std::string(name) + " takes terminal or svg");
}

std::uint8_t textWidth(std::string_view name, std::string_view value) {
  unsigned width = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), width);
  if (error != std::errc() || end != value.data() + value.size() || width == 0 || width > 255) {
    throw ArgumentException(std::string(name) + " takes a number of columns from 1 to 255");
  }
  return static_cast<std::uint8_t>(width);
}

template <bool Arguments::*Flag>
void setFlag(OptionContext& context, std::string_view, std::string_view) {
  context.args.*Flag = true;
}

template <bool Arguments::*Flag, std::string Arguments::*Field>
void setName(OptionContext& context, std::string_view, std::string_view value) {
  context.args.*Flag = true;
  context.args.*Field = stripQuotes(std::string(value));
}

void addDatabase(OptionContext& context, std::string_view, std::string_view value) {
  context.args.characters = true;
  context.args.charactersFiles.push_back(stripQuotes(std::string(value)));
}

// The input is read into the message, with room kept for the words to join
// it in front.
void readPipe(OptionContext& context, std::string_view, std::string_view) {
  std::string& message = context.args.message;
  const std::size_t before = message.size();
  context.readPipe(message, context.wordRoom);
  if (context.args.debug) debugLine(context.debugOut, context.index, std::string_view(message).substr(before));
  context.piped = true;
}

constexpr OptionRow kOptions[] = {
    {.names = {"-h", "--help"}, .apply = setFlag<&Arguments::help>, .description = "Displays this help screen"},
    {.names = {"-d", "--debug"},
     .apply = [](OptionContext&, std::string_view, std::string_view) {},  // set before the rest is read
     .description = "Displays debug statments in output"},
    {.names = {"-v", "--version"},
     .apply = setFlag<&Arguments::version>,
     .description = "Displays the programs build date",
     .gapAfter = true},
    {.names = {"-l", "--list"},
     .apply = setFlag<&Arguments::list>,
     .description = "Displays a list of all the ponys",
     .notes = {" ^^  If pony selected manually, lists artworks ", " ^^  If art selected manually, lists quotes "}},
    {.names = {"-a", "--art"},
     .apply = setName<&Arguments::art, &Arguments::artName>,
     .value = OptionValue::Required,
     .traced = false,
     .placeholder = "<ART P>",
     .description = "Specifys the art variant to use.  Doesnt need a provided pony"},
    {.names = {"-bl", "--bubblelist"},
     .apply = setFlag<&Arguments::bubbleList>,
     .description = "Displays all the avalible bubbles",
     .gapAfter = true},
    {.names = {"-i", "--info"}, .apply = setFlag<&Arguments::info>, .description = "Displays info about the printed pony"},
    {.names = {"-o", "--only"},
     .apply = setFlag<&Arguments::only>,
     .description = "Disables the bubble, printing only the artwork"},
    {.names = {"-q", "--quote"},
     .apply = setFlag<&Arguments::quote>,
     .description = "Displays a pony guarenteed to have a quote"},
    {.names = {"-p", "--pony"},
     .apply = setName<&Arguments::pony, &Arguments::ponyName>,
     .value = OptionValue::Required,
     .placeholder = "<PONY P>",
     .description = "Displays a pony with the given name",
     .notes = {" ^^  trotspeak -p spike "},
     .gapAfter = true},
    {.names = {"-c", "--characters"},
     .apply = addDatabase,
     .value = OptionValue::Required,
     .placeholder = "<FILE>",
     .description = "Uses a specific pony bin file",
     .notes = {" ^^  trotspeak -c resources/extraponies.bin ", " ^^  Give -c again to join more files "},
     .gapAfter = true},
    {.names = {"-b", "--bubble"},
     .apply = setName<&Arguments::bubble, &Arguments::bubbleFile>,
     .value = OptionValue::Required,
     .placeholder = "<FILE>",
     .description = "Displays the message with selected bubble style file",
     .notes = {" ^^  trotspeak -b resources/bubbles/ascii.bin "},
     .gapAfter = true},
    {.names = {"-r", "--rainbow"},
     .apply = setFlag<&Arguments::rainbow>,
     .description = "Prints the text/quote in rainbow colors"},
    {.names = {"-t", "--think"},
     .apply = setFlag<&Arguments::think>,
     .description = "Forces the displaying of a think bubble"},
    {.names = {"-s", "--say"},
     .apply = setFlag<&Arguments::say>,
     .description = "Forces the displaying of a say bubble",
     .notes = {" ^^  If no think or say provided, chooses the", " ^^  available variant in the bubble file prefering say"},
     .gapAfter = true},
    {.names = {"-W", "--width"},
     .apply = [](OptionContext& c, std::string_view name,
                 std::string_view value) { c.args.textWidth = textWidth(name, value); },
     .value = OptionValue::Required,
     .placeholder = "<N>",
     .description = "Wraps the text at N columns, whatever the terminal's width"},
    {.names = {"", "--color", "--colour"},
     .apply = [](OptionContext& c, std::string_view name,
                 std::string_view value) { c.args.color = colorWhen(name, value); },
     .value = OptionValue::Required,
     .placeholder = "<WHEN>",
     .description = "Colors the output: auto, always or never",
     .notes = {" ^^  NO_COLOR set means never, unless always is given"}},
    {.names = {"", "--colors", "--colours"},
     .apply = [](OptionContext& c, std::string_view name,
                 std::string_view value) { c.args.colors = colorDepth(name, value); },
     .value = OptionValue::Required,
     .placeholder = "<N>",
     .description = "Forces 16, 256 or truecolor colors"},
    {.names = {"", "--format"},
     .apply = [](OptionContext& c, std::string_view name,
                 std::string_view value) { c.args.format = outputFormat(name, value); },
     .value = OptionValue::Required,
     .placeholder = "<F>",
     .description = "Writes the picture as terminal text or as an svg image",
     .notes = {" ^^  trotspeak --format=svg hello > pony.svg"},
     .gapAfter = true},
    {.names = {"", "--seed"},
     .apply = [](OptionContext& c, std::string_view name,
                 std::string_view value) { c.args.seed = parseSeed(name, value); },
     .value = OptionValue::Required,
     .placeholder = "<N>",
     .description = "Picks the same pony, art, quote and colors every run",
     .notes = {" ^^  TROTSPEAK_SEED=N does the same"}},
    {.names = {"", "--paths"},
     .apply = setFlag<&Arguments::paths>,
     .description = "Lists the folders searched for ponies and bubbles",
     .notes = {" ^^  TROTSPEAK_PATH adds folders, separated like PATH"},
     .gapAfter = true},
    {.names = {"", "--list-names"},
     .apply = setFlag<&Arguments::listNames>,
     .description = "Lists the pony names, one a line, for scripts"},
    // The pony is optional: a following option is not taken for it.
    {.names = {"", "--list-arts"},
     .apply = setName<&Arguments::listArts, &Arguments::listPony>,
     .value = OptionValue::Optional,
     .traced = false,
     .placeholder = "[P]",
     .description = "Lists the art names, of every pony or of pony P"},
    {.names = {"", "--list-quotes"},
     .apply = setName<&Arguments::listQuotes, &Arguments::listPony>,
     .value = OptionValue::Required,
     .traced = false,
     .placeholder = "P",
     .description = "Lists pony P's quotes, one a line"},
    {.names = {"", "--list-bubbles"},
     .apply = setFlag<&Arguments::listBubbles>,
     .description = "Lists the bubble style names",
     .gapAfter = true},
    {.names = {"-", "--pipe"},
     .apply = readPipe,
     .description = "Displays with a piped in message",
     .notes = {" ^^  echo \"spike is the bast\" | trotspeak -"},
     .gapAfter = true},
};

const OptionRow* findOption(std::string_view name) {
  if (name.empty()) return nullptr;
  for (const OptionRow& row : kOptions) {
    if (std::find(row.names.begin(), row.names.end(), name) != row.names.end()) return &row;
  }
  return nullptr;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A dash and a letter, or two dashes and a letter, and no space: a word
// meant as an option. "-5 degrees", "-_-" and "-- A. Person" are not.
bool looksLikeOption(std::string_view entry) {
  const std::string_view name = entry.starts_with("--") ? entry.substr(2) : entry.starts_with('-') ? entry.substr(1) : "";
  return !name.empty() && isLetter(name.front()) && entry.find_first_of(" \t\r\n") == std::string_view::npos;
}

ArgumentException refused(const std::string& problem) { return ArgumentException(problem + std::string(kSeeHelp)); }

}  // namespace

std::span<const OptionRow> optionTable() { return kOptions; }

std::string stripQuotes(std::string text) {
  if (text.empty() || text.front() != '"' || text.back() != '"') return text;
  if (text.size() == 1) return {};
  return text.substr(1, text.size() - 2);
}

std::uint64_t parseSeed(std::string_view name, std::string_view value) {
  std::uint64_t seed = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seed);
  if (error != std::errc() || end != value.data() + value.size()) {
    throw ArgumentException(std::string(name) + " takes a whole number from 0 to 18446744073709551615");
  }
  return seed;
}

Arguments parseArguments(int argc, const char* const* argv, std::ostream& debugOut, const InputReader& readPipe) {
  Arguments args;
  for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
    const std::string_view entry = argv[i];
    if (entry == "-d" || entry == "--debug") args.debug = true;
  }
  if (args.debug) debugOut << "DEBUG: " << argc << " Arg Count" << '\n' << std::flush;

  // Every free word is kept, in order; piped text comes after them, on a
  // line of its own.
  std::string words;
  bool anyWord = false;
  bool optionsEnded = false;
  std::size_t wordRoom = 0;
  for (int i = 1; i < argc; ++i) wordRoom += std::strlen(argv[i]) + 1;
  OptionContext context{args, readPipe, wordRoom, debugOut, 0};

  for (int i = 1; i < argc; ++i) {
    if (args.debug) debugLine(debugOut, i, argv[i]);
    const std::string_view entry = argv[i];
    context.index = i;
    const OptionRow* row = optionsEnded ? nullptr : findOption(entry);
    if (row != nullptr && row->value == OptionValue::None) {
      row->apply(context, entry, {});
    } else if (row != nullptr) {
      const bool hasValue = i + 1 < argc && (row->value == OptionValue::Required || argv[i + 1][0] != '-');
      if (!hasValue && row->value == OptionValue::Required) {
        throw refused("option '" + std::string(entry) + "' needs a value");
      }
      if (hasValue) {
        ++i;
        if (row->traced && args.debug) debugLine(debugOut, i, argv[i]);
      }
      row->apply(context, entry, hasValue ? argv[i] : "");
    } else if (!optionsEnded && entry == "--") {
      optionsEnded = true;
    } else if (const auto equals = entry.find('='); !optionsEnded && entry.starts_with("--") &&
                                                    equals != std::string_view::npos &&
                                                    (row = findOption(entry.substr(0, equals))) != nullptr) {
      if (row->value == OptionValue::None) {
        throw refused("option '" + std::string(entry.substr(0, equals)) + "' takes no value");
      }
      if (row->value == OptionValue::Required && equals + 1 == entry.size()) {
        throw refused("option '" + std::string(entry.substr(0, equals)) + "' needs a value");
      }
      row->apply(context, entry.substr(0, equals), entry.substr(equals + 1));
    } else if (!optionsEnded && looksLikeOption(entry)) {
      throw refused("unknown option '" + std::string(entry) + "'");
    } else {
      if (anyWord) words += ' ';
      words += stripQuotes(argv[i]);
      anyWord = true;
    }
  }
  args.messageGiven = anyWord || context.piped;
  if (anyWord && context.piped) args.message.insert(0, words + '\n');
  else if (anyWord) args.message = std::move(words);
  return args;
}

}  // namespace trot
