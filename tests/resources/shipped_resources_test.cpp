// The shipped world: every pony, quote and bubble style that the build
// produces from resources/src is complete and draws cleanly. (The build
// itself stops at any message the converter prints about a source file.)
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "model/bubble.hpp"
#include "model/character_group.hpp"
#include "model/files/file_io.hpp"
#include "model/pony_source_reader.hpp"
#include "render/art_renderer.hpp"
#include "render/bubble_renderer.hpp"
#include "render/line_breaker.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

namespace fs = std::filesystem;

const fs::path kSources = TROT_RESOURCE_SOURCES;
const fs::path kBuilt = TROT_RESOURCE_OUTPUT;
const fs::path kBuildFolder = fs::path(TROTSPEAK_PATH).parent_path();
const char* const kDatabases[] = {"ponies.bin", "extraponies.bin"};

std::vector<fs::path> filesIn(const fs::path& folder, const std::string& extension = "") {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file() && (extension.empty() || entry.path().extension() == extension))
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// The rows trotspeak draws for an art and a quote with the ascii style on an
// 80x24 terminal: the bubble as wide as the art and at least 32 columns, or
// the whole width for text with lines of its own.
std::size_t rowsAt80Columns(const AsciiArt& art, const std::string& quote) {
  static const BubbleTypes ascii = [] {
    BubbleTypes style;
    loadFromFile(style, kBuilt / "bubbles/ascii.bin");
    return style;
  }();
  const std::size_t width = hasLinesOfItsOwn(quote) ? 80 : std::max<std::size_t>(art.width, 32);
  return drawnArtRows(art, true) + bubbleRows(ascii.getSay(), quote, static_cast<std::uint8_t>(width), 24);
}

// Every pony has a name of its own, enough quotes, full-size arts and one
// that fits a 40-column pane with its bubble, and one that fits 80x24 with
// each of its quotes; every art draws with every
// style, its bubble on the side the art says; trotspeak shows every pony.
TEST(ShippedResources, EveryPonyIsCompleteAndShownWithEveryStyle) {
  std::vector<std::pair<std::string, BubbleTypes>> styles;
  for (const auto& file : filesIn(kBuilt / "bubbles", ".bin"))
    loadFromFile(styles.emplace_back(file.stem().string(), BubbleTypes()).second, file);
  EXPECT_GE(styles.size(), 10u);
  EXPECT_EQ(std::count_if(styles.begin(), styles.end(), [](const auto& s) { return s.first == "ascii"; }), 1);
  for (const auto& [name, style] : styles) EXPECT_TRUE(style.hasSay() && style.hasThink()) << name;

  std::set<std::string> names;
  std::set<bool> placements;
  for (const std::size_t minimum : {40u, 15u}) {
    const char* const file = kDatabases[minimum == 15u];
    CharacterGroup group;
    loadFromFile(group, kBuilt / file);
    EXPECT_GE(group.characterCount(), minimum);
    for (std::size_t i = 0; i < group.characterCount(); ++i) {
      Character& pony = group.getCharacter(i);
      EXPECT_TRUE(names.insert(pony.name).second) << "two ponies named " << pony.name;
      EXPECT_GE(pony.artCount(), 5u) << pony.name;
      EXPECT_GE(pony.quoteCount(), 10u) << pony.name;
      int smallArts = 0;
      for (std::uint16_t a = 0; a < pony.artCount(); ++a) {
        const AsciiArt& art = pony.getArt(a, nullptr).art.get();
        placements.insert(art.bubbleAbove);
        const bool small = art.width <= 32 && art.rowCount() <= 14;
        smallArts += small;
        EXPECT_TRUE(small || (art.width >= 30 && art.width <= 70 && art.rowCount() >= 12 && art.rowCount() <= 35))
            << pony.name << " art " << a;
        for (const auto& [name, style] : styles) {
          for (const Bubble* bubble : {&style.getSay(), &style.getThink()}) {
            ColorFormatANSI format;
            std::ostringstream out;
            composeOutput(art, out, format, *bubble, "Meadowlark!", nullptr, true, std::max<std::uint8_t>(art.width, 32));
            const std::string picture = out.str();
            const auto textAt = picture.find("Meadowlark!");
            ASSERT_NE(textAt, std::string::npos) << pony.name << " " << name;
            EXPECT_EQ(textAt < picture.find("\x1b[38;2;"), art.bubbleAbove) << pony.name << " art " << a;
          }
        }
      }
      EXPECT_GE(smallArts, 1) << pony.name;
      for (std::uint16_t q = 0; q < pony.quoteCount(); ++q) {
        const std::string& quote = pony.getQuote(q, nullptr).text;
        std::size_t fewest = SIZE_MAX;
        for (std::uint16_t a = 0; a < pony.artCount(); ++a)
          fewest = std::min(fewest, rowsAt80Columns(pony.getArt(a, nullptr).art.get(), quote));
        EXPECT_LE(fewest, 23u) << pony.name << " quote " << q + 1;
      }

      // trotspeak itself, run from the build folder as the README says, the
      // styles taken in turn so that each is used.
      const std::string& style = styles[names.size() % styles.size()].first;
      const auto shown = test::runProgram(
          TROTSPEAK_PATH, {"-c", std::string("resources/") + file, "-p", pony.name, "-b", style}, kBuildFolder);
      EXPECT_EQ(shown.status, 0) << pony.name << " " << style << ": " << shown.err;
      EXPECT_EQ(shown.err, "");
      EXPECT_NE(shown.out.find("\x1b[38;2;"), std::string::npos) << pony.name;
    }
  }
  EXPECT_EQ(placements.size(), 2u);
  for (const char* name : {"Spike", "Clover", "Bramble"}) EXPECT_TRUE(names.count(name)) << "help screen's " << name;
}

// The SVG of every style, say and think, around XML's own characters, a
// control byte, broken UTF-8, CJK and an emoji, is well-formed XML.
TEST(ShippedResources, EveryStyleDrawsWellFormedSvg) {
#ifdef _WIN32
  GTEST_SKIP() << "xmllint runs on the build machine";
#endif
  const std::string text = "<&>\"' \x01 \xff\xc3 \xe6\xbc\xa2\xe5\xad\x97 \xf0\x9f\x90\xb4";
  for (const auto& file : filesIn(kBuilt / "bubbles", ".bin")) {
    for (const char* variant : {"-s", "-t"}) {
      const auto svg = test::runProgram(TROTSPEAK_PATH,
                                        {"-c", "resources/ponies.bin", "-p", "Clover", "--seed", "1", "-b",
                                         file.stem().string(), variant, "--format=svg", text},
                                        kBuildFolder);
      EXPECT_EQ(svg.status, 0) << svg.err;
      const auto checked = test::runProgram(TROT_XMLLINT, {"--noout", "-"}, kBuildFolder, svg.out);
      EXPECT_EQ(checked.status, 0) << file.stem() << variant << " (xmllint from libxml2-utils): " << checked.err;
    }
  }
}

// Every quote file names at least one art that exists in one of the sets,
// and speaks plain English. Plenty of them are laid out in lines on purpose.
TEST(ShippedResources, EveryQuoteReachesAPony) {
  std::set<std::string, std::less<>> arts;
  for (const char* folder : {"ttyponies", "extrattyponies"})
    for (const auto& file : filesIn(kSources / folder, ".pony")) arts.insert(file.stem().string());

  const std::regex madeUpWord("(every|some|any|no)pon(y|ies)", std::regex::icase);
  std::size_t laidOutInLines = 0;
  for (const auto& file : filesIn(kSources / "quotes")) {
    const std::string contents = test::readFile(file);
    const QuoteFile quote = splitQuoteFile(contents);
    const auto tokens = artNameTokens(quote.artNames);
    EXPECT_TRUE(std::any_of(tokens.begin(), tokens.end(), [&](auto token) { return arts.count(token) > 0; })) << file;
    const std::string text(quote.text.substr(0, quote.text.find_last_not_of("\r\n") + 1));
    EXPECT_FALSE(text.empty()) << file;
    EXPECT_FALSE(std::regex_search(text, madeUpWord)) << file;
    laidOutInLines += text.find('\n') != std::string::npos;
  }
  EXPECT_GE(laidOutInLines, 60u);
}

#ifndef _WIN32
// At 80x24 the quote stays on screen: the whole picture takes at most 23
// rows, leaving one for the prompt, since every pony has an art that fits
// each of its quotes (above).
TEST(ShippedResources, TheQuoteStaysOnAnEightyByTwentyFourTerminal) {
  for (int seed = 1; seed <= 200; ++seed) {
    const auto shown =
        test::runInTerminal(TROTSPEAK_PATH, {"--seed", std::to_string(seed)}, kBuildFolder, {"TERM=xterm"}, 80, 24);
    ASSERT_EQ(shown.status, 0) << seed << shown.err;
    EXPECT_LE(std::count(shown.out.begin(), shown.out.end(), '\n'), 23) << "seed " << seed << "\n" << shown.out;
  }
}
#endif

TEST(ShippedResources, ReadmeExamplesWorkFromTheBuildFolder) {
  const auto spike = test::runProgram(TROTSPEAK_PATH, {"-p", "spike", "-i"}, kBuildFolder);
  EXPECT_EQ(spike.status, 0) << spike.err;
  EXPECT_EQ(spike.out.rfind("Spike: art ", 0), 0u);

  const auto piped = test::runProgram(TROTSPEAK_PATH, {"-"}, kBuildFolder, "spike is the bast\n");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_NE(piped.out.find("spike is the bast"), std::string::npos);

  // A database by name and a style by a prefix in capitals, as the README has them.
  const auto extra = test::runProgram(TROTSPEAK_PATH, {"-c", "extraponies", "-b", "CLO", "hi"}, kBuildFolder);
  EXPECT_EQ(extra.status, 0) << extra.err;

  const fs::path trotspeak = TROTSPEAK_PATH;
  const auto think = test::runProgram(trotspeak.parent_path() / ("trotthink" + trotspeak.extension().string()),
                                      {"-b", "cloud", "-r", "hmm"}, kBuildFolder, "", "trotthink");
  EXPECT_EQ(think.status, 0) << think.err;
}

}  // namespace
}  // namespace trot
