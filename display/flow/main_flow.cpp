#include "display/flow/main_flow.hpp"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "display/flow/arguments.hpp"
#include "display/flow/color_choice.hpp"
#include "display/flow/help_screen.hpp"
#include "display/flow/listings.hpp"
#include "display/flow/random_draws.hpp"
#include "display/flow/script_listings.hpp"
#include "display/flow/selection.hpp"
#include "display/platform/held_output.hpp"
#include "display/platform/outside_world.hpp"
#include "display/platform/running_program.hpp"
#include "display/platform/terminal.hpp"
#include "display/ponies/joined_ponies.hpp"
#include "display/ponies/resource_lookup.hpp"
#include "display/ponies/search_path.hpp"
#include "model/bubble.hpp"
#include "model/exception.hpp"
#include "model/files/file_io.hpp"
#include "model/utf8_path.hpp"
#include "render/art_renderer.hpp"
#include "render/bubble_renderer.hpp"
#include "render/line_breaker.hpp"
#include "render/rainbow.hpp"
#include "render/svg_picture.hpp"
#include "render/terminal_safe_text.hpp"

namespace trot {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint16_t kNoQuote = 0xFFFF;
constexpr std::uint8_t kMinimumBubbleWidth = 32;
constexpr int kExitNotFound = 1;
constexpr int kExitFailure = -1;

class Run {
 public:
  Run(int argc, const char* const* argv, const OutsideWorld& world, HeldOutput& output)
      : argc_(argc),
        argv_(argv),
        world_(world),
        output_(output),
        path_(SearchPath::fromEnvironment(world.environment, world.programFolder)) {}

  int operator()();

 private:
  void debug(const std::string& line) const {
    if (args_.debug) traceOut() << "DEBUG: " << line << '\n' << std::flush;
  }
  // The debug trace and the -i line go beside an SVG document, not into it.
  std::ostream& traceOut() const { return args_.format == OutputFormat::Svg ? std::cerr : std::cout; }
  std::filesystem::path bubblePath() const;
  std::uint8_t bubbleWidth(const AsciiArt& art, const Bubble& bubble, std::string_view text) const;
  std::size_t outputRows(const AsciiArt& art, const Bubble& bubble, std::string_view text, bool drawBubble,
                         std::size_t most) const;
  const Bubble& chooseVariant(const BubbleTypes& styles) const;
  std::optional<int> listForScripts(PonyCollection& ponies) const;
  RandomDraws randomDraws() const;

  int argc_;
  const char* const* argv_;
  const OutsideWorld& world_;
  HeldOutput& output_;
  SearchPath path_;
  Arguments args_;
  std::optional<std::size_t> terminalColumns_;
  std::optional<std::size_t> terminalRows_;
};

std::filesystem::path Run::bubblePath() const {
  if (!args_.bubble) return findBubbleStyle(path_, "ascii");
  if (namesAFile(args_.bubbleFile)) return pathFromUtf8(args_.bubbleFile);
  return findBubbleStyle(path_, args_.bubbleFile);
}

// "-p" names a pony the user typed, so the list of names is suggested.
int reportNoPony(bool named) {
  std::cerr << "NO PONNYYYY AHHHH\n";
  if (named) std::cerr << "try trotspeak -l\n";
  std::cerr << std::flush;
  return kExitNotFound;
}

// The listings for scripts, when one is asked for; its exit status then.
std::optional<int> Run::listForScripts(PonyCollection& ponies) const {
  if (args_.listNames) {
    listNames(ponies, std::cout);
    return 0;
  }
  if (!args_.listArts && !args_.listQuotes) return std::nullopt;

  const std::string& query = !args_.listPony.empty() || !args_.pony ? args_.listPony : args_.ponyName;
  if (args_.listArts && query.empty()) {
    listArtNames(ponies, nullptr, std::cout);
    return 0;
  }
  const auto found = findPonyByName(ponies, query);
  if (!found) return reportNoPony(true);
  Character& pony = ponies.character(*found);
  if (args_.listArts) listArtNames(ponies, &pony, std::cout);
  else listQuoteLines(ponies, pony, std::cout);
  return 0;
}

// --seed wins over TROTSPEAK_SEED; without either, the clock seeds rand().
RandomDraws Run::randomDraws() const {
  if (args_.seed) return RandomDraws::fromSeed(*args_.seed);
  if (const auto seed = world_.environment("TROTSPEAK_SEED"); seed && !seed->empty())
    return RandomDraws::fromSeed(parseSeed("TROTSPEAK_SEED", *seed));
  return RandomDraws::fromClock();
}

// -t asks for the think variant and -s for the say variant, as the help
// screen promises; without either, say is preferred.
const Bubble& Run::chooseVariant(const BubbleTypes& styles) const {
  if (args_.think) {
    if (!styles.hasThink()) throw NullException("Bubble doesnt have think");
    return styles.getThink();
  }
  if (args_.say) {
    if (!styles.hasSay()) throw NullException("Bubble doesnt have say");
    return styles.getSay();
  }
  if (styles.hasSay()) return styles.getSay();
  if (styles.hasThink()) return styles.getThink();
  throw NullException("Bubble doesnt have think");
}

// As wide as the art, and at least kMinimumBubbleWidth; a text with lines
// of its own may take the whole width of the terminal (or of 80 columns off
// a terminal) to keep them whole. No wider than the terminal as long as the
// text keeps a column; --width sets the text's columns instead.
std::uint8_t Run::bubbleWidth(const AsciiArt& art, const Bubble& bubble, std::string_view text) const {
  const std::size_t sides = std::size_t{bubble.leftWidth} + bubble.rightWidth;
  std::size_t width = std::max(art.width, kMinimumBubbleWidth);
  if (hasLinesOfItsOwn(text)) width = std::max(width, terminalColumns_.value_or(kColumnsOffTerminal));
  if (args_.textWidth) {
    width = sides + *args_.textWidth;
  } else if (terminalColumns_ && *terminalColumns_ < width) {
    width = std::max(*terminalColumns_, sides + 1);
  }
  return static_cast<std::uint8_t>(std::min<std::size_t>(width, 255));
}

// The rows drawn for an art and its bubble; past `most` the count may stop.
std::size_t Run::outputRows(const AsciiArt& art, const Bubble& bubble, std::string_view text, bool drawBubble,
                            std::size_t most) const {
  const std::size_t artRows = drawnArtRows(art, drawBubble);
  if (!drawBubble || artRows > most) return artRows;
  return artRows + bubbleRows(bubble, text, bubbleWidth(art, bubble, text), most - artRows);
}

int Run::operator()() {
  const auto start = Clock::now();
  // The trace of the command line goes where the format says, which is
  // known once the line is read; a refused line leaves it where it was.
  std::ostringstream argumentTrace;
  try {
    args_ = parseArguments(argc_, argv_, argumentTrace, world_.readInput);
  } catch (const ArgumentException&) {
    std::cout << argumentTrace.view() << std::flush;
    throw;
  }
  traceOut() << argumentTrace.view() << std::flush;
  // The name asks for thinking unless the command line asks to say.
  if (argc_ > 0 && calledAsThink(argv_[0]) && !args_.say) args_.think = true;
  if (world_.outputIsTerminal) {
    terminalColumns_ = terminalColumns(world_.environment, world_.reportedSize);
    terminalRows_ = terminalRows(world_.environment, world_.reportedSize);
  }
  ColorChoice colors = chooseColors(args_.color, args_.colors, world_);
  // An SVG shows the picture as a terminal with 24-bit colour does.
  const bool svg = args_.format == OutputFormat::Svg;
  if (svg) colors.picture = ColorDepth::TrueColor;
  ColorFormatANSI format(colors.picture);
  format.init(std::cout);
  // Rainbow text is colour and nothing else; without colour it is plain.
  const bool rainbow = args_.rainbow && colors.picture != ColorDepth::None;

  if (args_.bubbleList) {
    listBubbles(bubbleStyleFiles(path_));
    return 0;
  }
  if (args_.help) {
    ColorFormatANSI textFormat(colors.text);
    printHelp(textFormat);
    return 0;
  }
  if (args_.version) {
    if (!args_.pony) {
      printVersion();
      return 0;
    }
    args_.message = versionLine() + "\nPonySaddledDate: " + buildStamp();
  }
  if (args_.paths) {
    path_.print(std::cout);
    return 0;
  }
  if (args_.listBubbles) {
    listBubbleNames(bubbleStyleFiles(path_), std::cout);
    return 0;
  }
  debug("ARGS PARSED");

  JoinedPonies database(args_.characters ? openPonyDatabases(args_.charactersFiles, path_)
                                       : findPonyCollections(path_, std::cerr));
  if (const auto listed = listForScripts(database)) return *listed;
  if (args_.list && !args_.pony && !args_.art) {
    listPonies(database);
    return 0;
  }

  RandomDraws random = randomDraws();
  Selection chosen = selectPonyAndArt(database, random, args_);
  if (!chosen.pony) return reportNoPony(args_.pony);
  Character& pony = database.character(*chosen.pony);
  if (args_.list) {
    if (args_.art) listQuotes(database, pony);
    else listArts(database, pony);
    return 0;
  }
  debug("PONY AQUIRED");

  BubbleTypes styles;
  loadFromFile(styles, bubblePath());
  const Bubble& bubble = chooseVariant(styles);
  debug("BUBBLE AQUIRED");

  // Text piped in is the message, as for any filter, unless the command
  // line gives one.
  if (!args_.only && !args_.messageGiven && args_.message.empty() && world_.inputIsPiped) {
    world_.readInput(args_.message, 0);
  }
  std::string text;
  std::uint16_t quoteIndex = kNoQuote;
  if (!args_.only) {
    if (!args_.message.empty()) {
      // Moved, not copied: a piped message may be huge.
      text = std::move(args_.message);
    } else if (pony.quoteCount() > 0) {
      quoteIndex = static_cast<std::uint16_t>(static_cast<std::size_t>(random.next()) % pony.quoteCount());
      text = database.quote(pony, quoteIndex).text;
    }
  }
  if (args_.debug) {
    traceOut() << "DEBUG: PONY:  " << static_cast<const void*>(&pony) << '\n' << std::flush;
    debug("QUOTE: " + terminalSafeText(text));
  }

  if (!chosen.art) {
    std::cerr << "NO FIND PONY ARRRTTT ;<\n" << std::flush;
    return kExitNotFound;
  }
  // Rainbow text is drawn without its own escapes, and even empty.
  if (rainbow) removeEscapes(text);
  const bool drawBubble = !args_.only && (rainbow || !text.empty());
  // On a terminal the art drawn at random is one that leaves the message on
  // screen, chosen by the same draw.
  if (chosen.artDraw && terminalColumns_) {
    const Screen screen{*terminalColumns_, terminalRows_.value_or(SIZE_MAX)};
    chosen.art = fittingArt(database, pony, *chosen.artDraw, screen, [&](const AsciiArt& candidate, std::size_t most) {
      return outputRows(candidate, bubble, text, drawBubble, most);
    });
  }
  const AsciiArt& art = database.art(pony, *chosen.art);
  if (args_.info) {
    std::ostream& info = traceOut();
    info << terminalSafeText(pony.name) << ": art " << terminalSafeText(database.artName(pony, *chosen.art));
    if (quoteIndex == kNoQuote) {
      info << ", message\n";
    } else {
      info << ", quote " << static_cast<unsigned>(quoteIndex) + 1 << "/" << pony.quoteCount() << '\n';
    }
  }

  // Drawn straight into standard output, which holds it and writes it in
  // one piece at the flush (see HeldOutput); an SVG is drawn from the same
  // bytes.
  output_.markPicture();
  std::ostringstream terminalBytes;
  std::ostream& picture = svg ? terminalBytes : std::cout;
  // Even an empty text ends with a colour reset, so the bubble is drawn.
  std::optional<Rainbow> colours;
  if (rainbow && drawBubble) colours.emplace(text, format, [&] { return random.next(); });
  composeOutput(art, picture, format, bubble, text, colours ? &*colours : nullptr, drawBubble,
                bubbleWidth(art, bubble, text), terminalColumns_);
  if (svg) writeSvgPicture(terminalBytes.view(), std::cout);
  std::cout << std::flush;

  const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start);
  if (args_.debug) {
    traceOut() << "DEBUG: TimeToRun " << static_cast<double>(elapsed.count()) / 1000000.0 << " ms\n" << std::flush;
  }
  return 0;
}

int runGuarded(int argc, const char* const* argv, const OutsideWorld& world, HeldOutput& output) {
  try {
    return Run(argc, argv, world, output)();
  } catch (const Exception& failure) {
    output.dropPicture();
    std::cerr << ":( ";
    failure.print(std::cerr);
  } catch (const std::exception& failure) {
    output.dropPicture();
    std::cerr << ":( " << escapeControlBytes(failure.what()) << '\n';
  }
  std::cerr << std::flush;
  return kExitFailure;
}

// For the run, std::cout is the held standard output and std::cerr the
// world's standard error; both are given back afterwards.
class RunStreams {
 public:
  RunStreams(std::streambuf* output, std::streambuf* errors)
      : output_(std::cout.rdbuf(output)), errors_(std::cerr.rdbuf(errors)) {}
  RunStreams(const RunStreams&) = delete;
  RunStreams& operator=(const RunStreams&) = delete;
  ~RunStreams() {
    std::cout.rdbuf(output_);
    std::cout.clear();
    std::cerr.rdbuf(errors_);
  }

 private:
  std::streambuf* output_;
  std::streambuf* errors_;
};

}  // namespace

int runTrotspeak(int argc, const char* const* argv, const OutsideWorld& world) {
  HeldOutput output(world.writeOutput);
  const RunStreams streams(&output, world.errors);
  const int status = runGuarded(argc, argv, world, output);
  const int error = output.finish();
  if (error == 0) return status;
  // A reader that went away (a pager closed early) is not worth a word,
  // as for any filter; every other lost output is.
  if (error != EPIPE) std::cerr << "trotspeak: write error: " << std::strerror(error) << '\n' << std::flush;
  return kExitFailure;
}

}  // namespace trot
