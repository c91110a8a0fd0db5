#include "display/arguments.hpp"

#include <iterator>
#include <string_view>

namespace trot {

namespace {

enum class Option { Debug, Help, List, Rainbow, Characters, Art, Pony, Version, Only, BubbleList, Info, Bubble, Think, Say, Quote, Pipe, Free };

struct OptionName {
  std::string_view shortName;
  std::string_view longName;
  Option option;
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
};

Option classify(std::string_view entry) {
  for (const auto& name : kOptions)
    if (entry == name.shortName || entry == name.longName) return name.option;
  return Option::Free;
}

void debugLine(std::ostream& out, int index, std::string_view text) {
  out << "DEBUG: " << index << "   " << text << '\n' << std::flush;
}

}  // namespace

std::string stripQuotes(std::string text) {
  if (text.empty() || text.front() != '"' || text.back() != '"') return text;
  if (text.size() == 1) return {};
  return text.substr(1, text.size() - 2);
}

Arguments parseArguments(int argc, const char* const* argv, std::ostream& debugOut, std::istream& pipeIn) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    const std::string_view entry = argv[i];
    if (entry == "-d" || entry == "--debug") args.debug = true;
  }
  if (args.debug) debugOut << "DEBUG: " << argc << " Arg Count" << '\n' << std::flush;
  if (argc <= 1) return args;

  for (int i = 1; i < argc; ++i) {
    if (args.debug) debugLine(debugOut, i, argv[i]);

    // Takes the next entry as the option's value; false when none is left.
    auto takeValue = [&](std::string& field, bool echo) {
      if (i + 1 >= argc) return false;
      ++i;
      if (echo && args.debug) debugLine(debugOut, i, argv[i]);
      field = stripQuotes(argv[i]);
      return true;
    };

    switch (classify(argv[i])) {
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
      case Option::Characters:
        args.characters = true;
        if (!takeValue(args.charactersFile, true)) return args;
        break;
      case Option::Art:
        args.art = true;
        if (!takeValue(args.artName, false)) return args;
        break;
      case Option::Pony:
        args.pony = true;
        if (!takeValue(args.ponyName, true)) return args;
        break;
      case Option::Bubble:
        args.bubble = true;
        if (!takeValue(args.bubbleFile, true)) return args;
        break;
      case Option::Pipe: {
        std::string piped{std::istreambuf_iterator<char>(pipeIn), std::istreambuf_iterator<char>()};
        if (args.debug) debugLine(debugOut, i, piped);
        args.message = std::move(piped);
        break;
      }
      case Option::Free: args.message = stripQuotes(argv[i]); break;
    }
  }
  return args;
}

}  // namespace trot
