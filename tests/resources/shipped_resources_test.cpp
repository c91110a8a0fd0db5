// The shipped world: every pony, quote and bubble style that the build
// produces from resources/src is complete and draws cleanly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "model/bubble.hpp"
#include "model/character_group.hpp"
#include "model/file_io.hpp"
#include "render/art_renderer.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

namespace fs = std::filesystem;

const fs::path kSources = TROT_RESOURCE_SOURCES;
const fs::path kBuilt = TROT_RESOURCE_OUTPUT;
const fs::path kBuildFolder = fs::path(TROTSPEAK_PATH).parent_path();

std::vector<fs::path> filesIn(const fs::path& folder, const std::string& extension = "") {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file() && (extension.empty() || entry.path().extension() == extension))
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::string> styleNames() {
  std::vector<std::string> names;
  for (const auto& file : filesIn(kBuilt / "bubbles", ".bin")) names.push_back(file.stem().string());
  return names;
}

// Every art and balloon converts without a reader message or a failure.
TEST(ShippedResources, ConvertAllPrintsOnlyProgress) {
  test::TempDir out;
  const auto result = test::runProgram(TROTCONV_PATH, {"convertall", kSources.string(), "out"}, out.path());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    const bool progress = line.size() > 6 && line.front() == '"' && line.ends_with(".pony\"");
    EXPECT_TRUE(progress || line.starts_with("Processed ")) << line;
  }
  EXPECT_TRUE(fs::exists(out / "out/ttyponies.bin"));
  EXPECT_TRUE(fs::exists(out / "out/extrattyponies.bin"));
}

struct Database {
  const char* file;
  std::size_t minimumPonies;
};

class ShippedDatabase : public ::testing::TestWithParam<Database> {};

TEST_P(ShippedDatabase, EveryPonyHasArtsAndQuotes) {
  CharacterGroup group;
  loadFromFile(group, kBuilt / GetParam().file);
  EXPECT_GE(group.characterCount(), GetParam().minimumPonies);
  std::set<std::string> names;
  for (std::size_t i = 0; i < group.characterCount(); ++i) {
    Character& pony = group.getCharacter(i, nullptr);
    EXPECT_TRUE(names.insert(pony.name).second) << "two ponies named " << pony.name;
    EXPECT_GE(pony.artCount(), 5u) << pony.name;
    EXPECT_GE(pony.quoteCount(), 10u) << pony.name;
    // One art fits a 40-column pane with its bubble; the others are full size.
    int smallArts = 0;
    for (std::uint16_t a = 0; a < pony.artCount(); ++a) {
      const AsciiArt& art = pony.getArt(a, nullptr).art.get();
      if (art.width <= 32 && art.rowCount() <= 14) {
        ++smallArts;
        continue;
      }
      EXPECT_GE(art.width, 30) << pony.name;
      EXPECT_LE(art.width, 70) << pony.name;
      EXPECT_GE(art.rowCount(), 12) << pony.name;
      EXPECT_LE(art.rowCount(), 35) << pony.name;
    }
    EXPECT_GE(smallArts, 1) << pony.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Sets, ShippedDatabase,
                         ::testing::Values(Database{"ponies.bin", 40}, Database{"extraponies.bin", 15}),
                         [](const auto& info) { return std::string(info.index == 0 ? "Main" : "Extra"); });

TEST(ShippedResources, MainSetHasTheHelpScreensPonies) {
  CharacterGroup group;
  loadFromFile(group, kBuilt / "ponies.bin");
  std::set<std::string> names;
  for (std::size_t i = 0; i < group.characterCount(); ++i) names.insert(group.getCharacter(i, nullptr).name);
  for (const char* name : {"Spike", "Clover", "Bramble"}) EXPECT_TRUE(names.count(name)) << name;
}

// Every quote file names at least one art that exists in one of the sets,
// and speaks plain English. Plenty of them are laid out in lines on purpose.
TEST(ShippedResources, EveryQuoteReachesAPony) {
  std::set<std::string> arts;
  for (const char* folder : {"ttyponies", "extrattyponies"})
    for (const auto& file : filesIn(kSources / folder, ".pony")) arts.insert(file.stem().string());

  const std::regex madeUpWord("(every|some|any|no)pon(y|ies)", std::regex::icase);
  std::size_t laidOutInLines = 0;
  for (const auto& file : filesIn(kSources / "quotes")) {
    const std::string text = test::readFile(file);
    const std::string nameLine = text.substr(0, text.find_first_of("\r\n"));
    const std::string quote = text.substr(nameLine.size(), text.find_last_not_of("\r\n") + 1 - nameLine.size());
    EXPECT_FALSE(std::regex_search(quote, madeUpWord)) << file;
    laidOutInLines += quote.find('\n', quote.find_first_not_of("\r\n")) != std::string::npos;
    bool reached = false;
    std::string token;
    for (const char c : nameLine) {
      if (c != '+' && c != '.') {
        token += c;
        continue;
      }
      reached = reached || arts.count(token) > 0;
      token.clear();
    }
    EXPECT_TRUE(reached) << file;
    EXPECT_NE(text.find_first_not_of("\r\n", nameLine.size()), std::string::npos) << "empty quote " << file;
  }
  EXPECT_GE(laidOutInLines, 60u);
}

TEST(ShippedResources, EveryBubbleStyleHasBothVariants) {
  const auto styles = styleNames();
  EXPECT_GE(styles.size(), 10u);
  EXPECT_NE(std::find(styles.begin(), styles.end(), "ascii"), styles.end());
  for (const auto& style : styles) {
    BubbleTypes types;
    loadFromFile(types, kBuilt / "bubbles" / (style + ".bin"));
    EXPECT_TRUE(types.hasSay()) << style;
    EXPECT_TRUE(types.hasThink()) << style;
  }
}

// Every art of every pony, with every style, bubble above or below: the
// picture draws without error and the bubble sits on the side the art says.
TEST(ShippedResources, EveryArtDrawsWithEveryStyle) {
  std::vector<BubbleTypes> styles;
  for (const auto& style : styleNames()) {
    loadFromFile(styles.emplace_back(), kBuilt / "bubbles" / (style + ".bin"));
  }
  bool sawAbove = false;
  bool sawBelow = false;
  for (const char* file : {"ponies.bin", "extraponies.bin"}) {
    CharacterGroup group;
    loadFromFile(group, kBuilt / file);
    for (std::size_t i = 0; i < group.characterCount(); ++i) {
      Character& pony = group.getCharacter(i, nullptr);
      for (std::uint16_t a = 0; a < pony.artCount(); ++a) {
        const AsciiArt& art = pony.getArt(a, nullptr).art.get();
        (art.bubbleAbove ? sawAbove : sawBelow) = true;
        for (const auto& style : styles) {
          for (const Bubble* bubble : {&style.getSay(), &style.getThink()}) {
            ColorFormatANSI format;
            std::ostringstream out;
            ASSERT_NO_THROW(composeOutput(art, out, format, *bubble, "Hello there, Meadowlark!", true, true,
                                          std::max<std::uint8_t>(art.width, 32)));
            const std::string picture = out.str();
            const auto textAt = picture.find("Hello there, Meadowlark!");
            const auto artAt = picture.find("\x1b[38;2;");
            ASSERT_NE(textAt, std::string::npos);
            EXPECT_EQ(textAt < artAt, art.bubbleAbove) << pony.name << " art " << a;
          }
        }
      }
    }
  }
  EXPECT_TRUE(sawAbove);
  EXPECT_TRUE(sawBelow);
}

// trotspeak itself, run from the build folder as the README says, for every
// pony of both sets and every style.
TEST(ShippedResources, TrotspeakShowsEveryPonyWithEveryStyle) {
  for (const char* file : {"ponies.bin", "extraponies.bin"}) {
    CharacterGroup group;
    loadFromFile(group, kBuilt / file);
    for (std::size_t i = 0; i < group.characterCount(); ++i) {
      const std::string name = group.getCharacter(i, nullptr).name;
      for (const auto& style : styleNames()) {
        const auto result = test::runProgram(
            TROTSPEAK_PATH, {"-c", "resources/" + std::string(file), "-p", name, "-b", style}, kBuildFolder);
        EXPECT_EQ(result.status, 0) << name << " " << style << ": " << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find("\x1b[38;2;"), std::string::npos) << name;
      }
    }
  }
}

TEST(ShippedResources, ReadmeExamplesWorkFromTheBuildFolder) {
  const auto spike = test::runProgram(TROTSPEAK_PATH, {"-p", "spike", "-i"}, kBuildFolder);
  EXPECT_EQ(spike.status, 0) << spike.err;
  EXPECT_EQ(spike.out.rfind("Spike: art ", 0), 0u);

  const auto piped = test::runProgram(TROTSPEAK_PATH, {"-"}, kBuildFolder, "spike is the bast\n");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_NE(piped.out.find("spike is the bast"), std::string::npos);

  const auto think = test::runProgram(fs::path(TROTSPEAK_PATH).parent_path() / "trotthink",
                                      {"-b", "cloud", "-r", "hmm"}, kBuildFolder, "", "trotthink");
  EXPECT_EQ(think.status, 0) << think.err;
}

}  // namespace
}  // namespace trot
