#include "display/arguments.hpp"

#include <charconv>
#include <cstring>
#include <string_view>
#include <utility>

#include "render/terminal_safe_text.hpp"

namespace trot {

namespace {

enum class Option {
  Debug, Help, List, Rainbow, Characters, Art, Pony, Version, Only, BubbleList, Info, Bubble, Think, Say, Quote, Pipe,
  Color, Colors, Width, Paths, ListNames, ListArts, ListQuotes, ListBubbles, Seed, Format, Free
};

struct OptionName {
  std::string_view shortName;  // empty when there is none
  std::string_view longName;
  Option option;
  bool joinsValue = false;  // also written "--name=value"
};

constexpr OptionName kOptions[] = {
    {"-d", "--debug", Option::Debug},       {"-h", "--help", Option::Help},
    {"-l", "--list", Option::List},         {"-r", "--rainbow", Option::Rainbow},
    {"-c", "--characters", Option::Characters}, {"-a", "--art", Option::Art},
    {"-p", "--pony", Option::Pony},         {"-v", "--version", Option::Version},
    {"-o", "--only", Option::Only},         {"-bl", "--bubblelist", Option::BubbleList},
    {"-i", "--info", Option::Info},         {"-b", "--bubble", Option::Bubble},
    {"-t", "--think", Option::Think},       {"-s", "--say", Option::Say},
    {"-q", "--quote", Option::Quote},       {"-", "--pipe", Option::Pipe},
    {"", "--color", Option::Color, true},   {"", "--colour", Option::Color, true},
    {"", "--colors", Option::Colors, true}, {"", "--colours", Option::Colors, true},
    {"-W", "--width", Option::Width, true},
    {"", "--paths", Option::Paths},         {"", "--list-names", Option::ListNames},
    {"", "--list-arts", Option::ListArts},  {"", "--list-quotes", Option::ListQuotes},
    {"", "--list-bubbles", Option::ListBubbles}, {"", "--seed", Option::Seed, true},
    {"", "--format", Option::Format, true},
};

struct Classified {
  Option option = Option::Free;
  std::string_view name;                   // as written, for messages
  std::optional<std::string_view> joined;  // the value after "="
};

Classified classify(std::string_view entry) {
  for (const auto& name : kOptions) {
    if ((!name.shortName.empty() && entry == name.shortName) || entry == name.longName) {
      return {name.option, entry, std::nullopt};
    }
  }
  const auto equals = entry.find('=');
  if (equals == std::string_view::npos) return {};
  const std::string_view written = entry.substr(0, equals);
  for (const auto& name : kOptions) {
    if (name.joinsValue && written == name.longName) return {name.option, written, entry.substr(equals + 1)};
  }
  return {};
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

void debugLine(std::ostream& out, int index, std::string_view text) {
  out << "DEBUG: " << index << "   " << terminalSafeText(text) << '\n' << std::flush;
}

}  // namespace

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
  for (int i = 1; i < argc; ++i) {
    const std::string_view entry = argv[i];
    if (entry == "-d" || entry == "--debug") args.debug = true;
  }
  if (args.debug) debugOut << "DEBUG: " << argc << " Arg Count" << '\n' << std::flush;
  if (argc <= 1) return args;

  // Every free word is kept, in order; piped text comes after them, on a
  // line of its own. It is read into the message, with room kept for the
  // words to join it in front.
  std::string words;
  bool anyWord = false;
  bool anyPipe = false;
  std::size_t wordRoom = 0;
  for (int i = 1; i < argc; ++i) wordRoom += std::strlen(argv[i]) + 1;

  for (int i = 1; i < argc; ++i) {
    if (args.debug) debugLine(debugOut, i, argv[i]);

    // Takes the next entry as the option's value; an option that is the
    // last entry keeps an empty value.
    auto takeValue = [&](std::string& field, bool echo) {
      if (i + 1 >= argc) return;
      ++i;
      if (echo && args.debug) debugLine(debugOut, i, argv[i]);
      field = stripQuotes(argv[i]);
    };

    const Classified entry = classify(argv[i]);
    // The value of a colour or width option; one is needed.
    auto settingValue = [&]() -> std::string_view {
      if (entry.joined) return *entry.joined;
      if (i + 1 >= argc) return {};
      ++i;
      if (args.debug) debugLine(debugOut, i, argv[i]);
      return argv[i];
    };

    switch (entry.option) {
      case Option::Debug: break;
      case Option::Help: args.help = true; break;
      case Option::List: args.list = true; break;
      case Option::Rainbow: args.rainbow = true; break;
      case Option::Version: args.version = true; break;
      case Option::Only: args.only = true; break;
      case Option::BubbleList: args.bubbleList = true; break;
      case Option::Info: args.info = true; break;
      case Option::Think: args.think = true; break;
      case Option::Say: args.say = true; break;
      case Option::Quote: args.quote = true; break;
      case Option::Characters: {
        args.characters = true;
        // A missing value still names a file, the empty one, which then
        // fails to open.
        std::string file;
        takeValue(file, true);
        args.charactersFiles.push_back(std::move(file));
        break;
      }
      case Option::Art:
        args.art = true;
        takeValue(args.artName, false);
        break;
      case Option::Pony:
        args.pony = true;
        takeValue(args.ponyName, true);
        break;
      case Option::Bubble:
        args.bubble = true;
        takeValue(args.bubbleFile, true);
        break;
      case Option::Paths: args.paths = true; break;
      case Option::ListNames: args.listNames = true; break;
      case Option::ListBubbles: args.listBubbles = true; break;
      case Option::ListArts:
        args.listArts = true;
        // The pony is optional: a following option is not taken for it.
        if (i + 1 < argc && argv[i + 1][0] != '-') takeValue(args.listPony, false);
        break;
      case Option::ListQuotes:
        args.listQuotes = true;
        takeValue(args.listPony, false);
        break;
      case Option::Pipe: {
        const std::size_t before = args.message.size();
        readPipe(args.message, wordRoom);
        if (args.debug) debugLine(debugOut, i, std::string_view(args.message).substr(before));
        anyPipe = true;
        break;
      }
      case Option::Color: args.color = colorWhen(entry.name, settingValue()); break;
      case Option::Colors: args.colors = colorDepth(entry.name, settingValue()); break;
      case Option::Width: args.textWidth = textWidth(entry.name, settingValue()); break;
      case Option::Seed: args.seed = parseSeed(entry.name, settingValue()); break;
      case Option::Format: args.format = outputFormat(entry.name, settingValue()); break;
      case Option::Free:
        if (anyWord) words += ' ';
        words += stripQuotes(argv[i]);
        anyWord = true;
        break;
    }
  }
  if (anyWord && anyPipe) args.message.insert(0, words + '\n');
  else if (anyWord) args.message = std::move(words);
  return args;
}

}  // namespace trot
