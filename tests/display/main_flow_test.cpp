// trotspeak run as a process on databases written by the codec: which pony,
// art and text it chooses, the exit statuses and exact bytes on both streams.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "display/help_screen.hpp"
#include "display/search_path.hpp"
#include "fuzz/render/bubble_text_checks.hpp"
#include "model/file_io.hpp"
#include "model/source_files.hpp"
#include "render/art_renderer.hpp"
#include "tests/display/fixtures.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

using test::PonyFixture;

const std::vector<PonyFixture> kPonies = {
    {"Xena", {"xena_a", "xena_b"}, {"hi from xena", "A\r\n\r\nB\n"}},
    {"Yarrow", {"yarrow_a"}, {}},
    {"Zed", {}, {"zzz"}},
    {"Abcdefghijkl", {"abc"}, {"one"}},
    {"TwentyBytesLongName!", {}, {}},
};

// A copy of trotspeak in a folder of its own, so that no resources sit next
// to it or in an install location above it.
std::filesystem::path isolatedTrotspeak(const test::TempDir& home) {
  const auto bin = home / "bin";
  std::filesystem::create_directories(bin);
  const auto copy = bin / std::filesystem::path(TROTSPEAK_PATH).filename();
  std::filesystem::copy_file(TROTSPEAK_PATH, copy);
  return copy;
}

// No user or system data folder, no extra path and no seed: of the search
// path only the working folder's ./resources is left.
void isolateEnvironment(const test::TempDir& home) {
  test::setEnvironment("HOME", (home / "home").string());
  test::setEnvironment("XDG_DATA_DIRS", (home / "system").string());
  for (const char* name : {"XDG_DATA_HOME", "TROTSPEAK_PATH", "TROTSPEAK_SEED"}) test::unsetEnvironment(name);
}

class TrotspeakRun : public ::testing::Test {
 protected:
  void SetUp() override {
    isolateEnvironment(dir);
    program = isolatedTrotspeak(dir);
    test::writeDatabase(kPonies, dir / "resources/ponies.bin");
    test::writeBubbleStyle(dir / "resources/bubbles/ascii.bin", true, true);
    test::writeBubbleStyle(dir / "resources/bubbles/sayonly.bin", true, false);
  }

  test::ProcessResult run(const std::vector<std::string>& args, const std::string& input = "") {
    return test::runProgram(program, args, dir.path(), input);
  }

  // What trotspeak should print for one art of the fixture database.
  std::string picture(const std::string& pony, std::uint16_t art, const std::string& text, char variant = 's') {
    CharacterGroup group;
    loadFromFile(group, dir / "resources/ponies.bin");
    for (std::size_t i = 0; i < group.characterCount(); ++i) {
      Character& character = group.getCharacter(i, nullptr);
      if (character.name != pony) continue;
      const AsciiArt& shown = character.getArt(art, nullptr).art.get();
      ColorFormatANSI format;
      std::ostringstream out;
      composeOutput(shown, out, format, test::makeBubble(variant), text, true, !text.empty(),
                    std::max<std::uint8_t>(shown.width, 32));
      return out.str();
    }
    ADD_FAILURE() << "no pony " << pony;
    return {};
  }

  test::TempDir dir;
  std::filesystem::path program;
};

void expectNotFound(const test::ProcessResult& result, const std::string& text) {
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, text);
}

TEST_F(TrotspeakRun, HelpWinsOverVersionAndVersionAloneIsTheBuildDate) {
  auto result = run({"-h", "-v"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_GOLDEN("display/help.txt", result.out);

  // The stamp is made when the program is built: dd/mm/yyyy hh:mm.ss
  result = run({"--version"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(std::regex_match(result.out, std::regex(R"(Build date: \d\d/\d\d/\d{4} \d\d:\d\d\.\d\d\n)")))
      << result.out;
}

TEST_F(TrotspeakRun, PonyListWithTabArithmetic) {
  for (const auto& args : {std::vector<std::string>{"-l"}, {"-l", "-q"}, {"--list", "--rainbow"}}) {
    const auto result = run(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_BYTES(
        "5 Ponies:\n"
        "\t'Xena'  \t\tArts: 2 \tQuotes: 2\n"
        "\t'Yarrow'  \t\tArts: 1 \tQuotes: 0\n"
        "\t'Zed'  \t\t\tArts: 0 \tQuotes: 1\n"
        "\t'Abcdefghijkl'  \tArts: 1 \tQuotes: 1\n"
        "\t'TwentyBytesLongName!'  Arts: 0 \tQuotes: 0\n"
        "\n",
        result.out);
  }
}

TEST_F(TrotspeakRun, ArtAndQuoteListings) {
  auto arts = run({"-l", "-p", "XE"});
  EXPECT_EQ(arts.status, 0);
  EXPECT_BYTES("Pony 'Xena' 2 art variants:\n\txena_a\n\txena_b\n", arts.out);

  const std::string xenaQuotes = "Pony 'Xena' 2 quotes:\n #0\t\"hi from xena\"\n #1\t\"\"\"A\n\t   B\"\"\"\n";
  // With -p the quotes are listed whether or not the art is found.
  EXPECT_BYTES(xenaQuotes, run({"-l", "-p", "xena", "-a", "nothing"}).out);
  // Without -p, the pony that owns the first matching art.
  EXPECT_BYTES(xenaQuotes, run({"-l", "-a", "xena_b"}).out);
  EXPECT_BYTES("Pony 'Yarrow' 0 quotes:\n", run({"-l", "-a", "yar"}).out);
  expectNotFound(run({"-l", "-a", "nothing"}), "NO PONNYYYY AHHHH\n");
}

TEST_F(TrotspeakRun, MissingPonyOrArt) {
  const std::string noPony = "NO PONNYYYY AHHHH\n";
  const std::string noArt = "NO FIND PONY ARRRTTT ;<\n";
  // A name the user typed that matches nothing: the listing may help.
  expectNotFound(run({"-p", "nobody"}), noPony + "try trotspeak -l\n");
  expectNotFound(run({"-p", ""}), noPony + "try trotspeak -l\n");
  expectNotFound(run({"--list-quotes", "nobody"}), noPony + "try trotspeak -l\n");
  expectNotFound(run({"-a", "nothing"}), noPony);
  expectNotFound(run({"-p", "xena", "-a", "nothing"}), noArt);
  // A pony without arts chosen by name has nothing to show.
  expectNotFound(run({"-p", "zed"}), noArt);
  // -q draws among ponies with quotes (only Xena has arts too); the art is
  // then searched in that pony alone.
  expectNotFound(run({"-q", "-a", "yarrow_a"}), noArt);
}

TEST_F(TrotspeakRun, EmptyDatabaseHasNoPony) {
  test::writeDatabase({}, dir / "resources/ponies.bin");
  expectNotFound(run({}), "NO PONNYYYY AHHHH\n");
  EXPECT_BYTES("0 Ponies:\n\n", run({"-l"}).out);
}

TEST_F(TrotspeakRun, RandomChoiceNeverDrawsAPonyWithoutArts) {
  test::writeDatabase({{"Bare", {}, {"q"}}, {"Drawn", {"drawn"}, {}}, {"AlsoBare", {}, {}}},
                      dir / "resources/ponies.bin");
  for (int i = 0; i < 5; ++i) {
    const auto result = run({"-i", "-o"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')), "Drawn: art drawn, message");
  }
}

TEST_F(TrotspeakRun, MessageWinsOverQuotes) {
  auto result = run({"-p", "xena", "-a", "xena_b", "hello there"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_BYTES(picture("Xena", 1, "hello there"), result.out);

  result = run({"-p", "xena", "-a", "xena_b", "-"}, "piped words\n");
  EXPECT_BYTES(picture("Xena", 1, "piped words\n"), result.out);
}

// Text as people write it: line breaks and tabs as typed, every word, long
// words, escape sequences and controls that must not reach the terminal,
// broken UTF-8 and zero-width characters.
TEST_F(TrotspeakRun, TextAsPeopleWriteIt) {
  struct Case {
    std::vector<std::string> args;
    std::string input;
    const char* golden;
  };
  const Case cases[] = {
      {{"-p", "yarrow", "-"},
       "The best way to predict the future\n\tis to invent it.\n\t\t-- A. Person\n",
       "display/text_lines_and_tabs.txt"},
      {{"-p", "yarrow", "every", "word", "kept", "-"}, "and the piped\r\ntext after them\n",
       "display/text_words_and_pipe.txt"},
      {{"-p", "yarrow", std::string(60, 'a')}, "", "display/text_long_word.txt"},
      {{"-p", "yarrow", "-"},
       "x\x1b[2Jy and more text, \x1b]8;;http://a.b/\x1b\\a link\x1b]8;;\x1b\\, \x1b(0lines\x1b(B;\n"
       "bell\x07 back\x08 del\x7f csi\xc2\x9b" "2J clip\x1b]52;c;aGk=\x07" "board\n"
       "broken \xe2\x82\xff\xc3 zero\xe2\x80\x8bwidth\xef\xbb\xbf joined\xe1\x84\x80\xe1\x85\xa1 soft\xc2\xad\n",
       "display/text_escapes_and_widths.txt"},
  };
  for (const Case& c : cases) {
    const auto result = run(c.args, c.input);
    EXPECT_EQ(result.status, 0) << c.golden;
    EXPECT_EQ(result.err, "") << c.golden;
    EXPECT_GOLDEN(c.golden, result.out);
  }

  // Rainbow colours what is shown, never an escape of the text, and lets no
  // control through.
  const auto rainbow = run({"-r", "-p", "yarrow", "-"}, "red\x1b[31m, \x1b]0;title\x07so\x0e\x07\x08 \xc2\x9b" "2J\x7f ok\n");
  EXPECT_EQ(rainbow.status, 0);
  std::istringstream rows(rainbow.out);
  std::string shown;
  for (std::string row; std::getline(rows, row);) {
    std::size_t columns = 0;
    EXPECT_EQ(fuzz::rowColumns(row, columns), "") << row;
    for (std::string_view rest = row; !rest.empty();) {
      const std::size_t escape = rest.find('\x1b');
      shown += rest.substr(0, escape);
      rest = escape == std::string_view::npos ? "" : rest.substr(rest.find('m', escape) + 1);
    }
  }
  EXPECT_NE(shown.find("|red, so 2J ok|"), std::string::npos) << shown;
}

// Names, art names and quotes from a shared database, and inputs quoted in
// error reports, cannot steer the terminal.
TEST_F(TrotspeakRun, NothingFromFilesOrInputSteersTheTerminal) {
  test::writeDatabase({{"Evil\x1b]0;owned\x07", {"art\x1b[2J"}, {"clip\x1b]52;c;aGk=\x07" "board\r\nbell\x07"}}},
                      dir / "evil.bin");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"-c", "evil.bin", "-l"}, "1 Ponies:\n\t'Evil'  \t\tArts: 1 \tQuotes: 1\n\n"},
      {{"-c", "evil.bin", "-l", "-p", "evil"}, "Pony 'Evil' 1 art variants:\n\tart\n"},
      {{"-c", "evil.bin", "-l", "-a", "art"}, "Pony 'Evil' 1 quotes:\n #0\t\"\"\"clipboard\n\t   bell\"\"\"\n"},
  };
  for (const auto& [args, out] : cases) EXPECT_BYTES(out, run(args).out);

  const auto info = run({"-c", "evil.bin", "-i", "-d", "-p", "evil"});
  EXPECT_EQ(info.out.substr(0, info.out.find("DEBUG: 2")), "DEBUG: 7 Arg Count\nDEBUG: 1   -c\n");
  EXPECT_NE(info.out.find("\nDEBUG: QUOTE: clipboard\nbell\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\nEvil: art art, quote 1/1\n"), std::string::npos) << info.out;

  const auto missing = run({"-c", "bad\x1b]0;x\x07\n.bin"});
  EXPECT_EQ(missing.err, ":( File error: Failed to open file 'bad\\x1B]0;x\\x07\\x0A.bin':\n");
}

TEST_F(TrotspeakRun, HugeOrBrokenInputIsHarmless) {
  std::string huge;
  for (int i = 0; huge.size() < 2'000'000; ++i) huge += "word" + std::to_string(i) + (i % 7 == 0 ? "\n" : " ");
  auto result = run({"-p", "yarrow", "-"}, huge);
  EXPECT_EQ(result.status, 0);
  EXPECT_GT(result.out.size(), huge.size());

  result = run({"-p", "yarrow", "", "\xff\xfe\xC3"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
}

// Output that never arrives, and input that cannot be read, are failures;
// a reader that went away early is not worth a word.
TEST_F(TrotspeakRun, WriteAndReadErrorsAreReportedButAClosedPipeIsNot) {
  const std::string speak = "\"$0\" -p yarrow";
  const std::tuple<std::string, int, std::string> cases[] = {
      {"exec " + speak + " hi >/dev/full", 255, "trotspeak: write error: No space left on device\n"},
      {"exec " + speak + " hi >&-", 255, "trotspeak: write error: Bad file descriptor\n"},
      {"exec " + speak + " - <.", 255, ":( File error: Failed to read standard input: Is a directory:\n"},
      {"exec " + speak + " - <&-", 255, ":( File error: Failed to read standard input: Bad file descriptor:\n"},
      {"exec " + speak + " -c . hi", 255, ":( File error: Failed to open file '.':\n"},
      {"head -c 300000 /dev/zero | tr '\\0' a | " + speak + " - | exit 0", 0, ""},
      {"trap '' PIPE; head -c 300000 /dev/zero | tr '\\0' a | " + speak + " - | exit 0", 0, ""},
  };
  for (const auto& [command, status, err] : cases) {
    const auto result = test::runProgram("/bin/sh", {"-c", command, TROTSPEAK_PATH}, dir.path());
    EXPECT_EQ(result.status, status) << command;
    EXPECT_EQ(result.err, err) << command;
  }
}

TEST_F(TrotspeakRun, QuoteOfThePonyIsShown) {
  const auto result = run({"-p", "abc", "-i"});
  EXPECT_EQ(result.status, 0);
  EXPECT_BYTES("Abcdefghijkl: art abc, quote 1/1\n" + picture("Abcdefghijkl", 0, "one"), result.out);
  EXPECT_BYTES("Abcdefghijkl: art abc, message\n" + picture("Abcdefghijkl", 0, "hi"), run({"-p", "abc", "-i", "hi"}).out);
}

TEST_F(TrotspeakRun, EmptyTextDrawsNoBubbleExceptInRainbow) {
  auto result = run({"-p", "yarrow", "-"}, "");
  EXPECT_EQ(result.status, 0);
  EXPECT_BYTES(picture("Yarrow", 0, ""), result.out);

  // Rainbow turns the empty text into a reset sequence, which is drawn.
  result = run({"-p", "yarrow", "-r", "-"}, "");
  EXPECT_EQ(result.status, 0);
  const std::string reset = "\x1b[49m\x1b[39m\x1b[0m";
  EXPECT_EQ(result.out.rfind("+ss+\n| " + reset + reset + " |\n+ss+\n", 0), 0u) << result.out;
}

TEST_F(TrotspeakRun, VersionWithPonySaysTheBuildDate) {
  const auto version = run({"-v"}).out;  // "Build date: <stamp>\n"
  const std::string stamp = version.substr(12, version.size() - 13);
  const auto result = run({"-v", "-p", "yarrow"});
  EXPECT_EQ(result.status, 0);
  EXPECT_BYTES(picture("Yarrow", 0, "PonySaddledDate: " + stamp), result.out);
}

TEST_F(TrotspeakRun, BubbleStyleByNameOrPathAndVariants) {
  const std::string text = "hey";
  EXPECT_BYTES(picture("Yarrow", 0, text), run({"-p", "yarrow", "-b", "ascii", text}).out);
  EXPECT_BYTES(picture("Yarrow", 0, text), run({"-p", "yarrow", "-b", "resources/bubbles/sayonly.bin", text}).out);
  EXPECT_BYTES(picture("Yarrow", 0, text, 't'), run({"-p", "yarrow", "-t", text}).out);
  EXPECT_BYTES(picture("Yarrow", 0, text, 's'), run({"-p", "yarrow", "-s", text}).out);

  auto result = run({"-p", "yarrow", "-o", "-t", "-b", "sayonly"});
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, ":( Null error: Bubble doesnt have think:\n");

  result = run({"-p", "yarrow", "-b", "nosuch"});
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.err, ":( File error: Failed to open file '" + (std::filesystem::path("./resources") / "bubbles" / "nosuch.bin").string() + "':\n");
}

TEST_F(TrotspeakRun, BubbleListInNameOrderWinsOverEverything) {
  const auto result = run({"-bl", "-h", "-l"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_GOLDEN("display/bubble_list.txt", result.out);
}

TEST_F(TrotspeakRun, BubbleListFailures) {
  test::TempDir empty;
  auto result = test::runProgram(isolatedTrotspeak(empty), {"-bl"}, empty.path());
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.err.rfind(":( File error: Failed to list bubble styles in '" + (std::filesystem::path("./resources") / "bubbles").string() + "'", 0), 0u)
      << result.err;

  dir.write("resources/bubbles/junk.bin", "not a style");
  result = run({"-bl"});
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.err, ":( Null error: Failed to decode bubble, invalid input format:\n");
  EXPECT_NE(result.out.find("---- Bubble Type: junk -------\n"), std::string::npos);
}

TEST_F(TrotspeakRun, SearchPathInOrderAndNothingFound) {
  std::filesystem::remove(dir / "resources/ponies.bin");
  const auto root = std::filesystem::canonical(dir.path());
  std::filesystem::create_directories(root / "second");
  const std::string separator(1, kPathListSeparator);
  test::setEnvironment("TROTSPEAK_PATH", "extra" + separator + separator + (root / "second").string());
  test::setEnvironment("XDG_DATA_HOME", (root / "data").string());
  test::setEnvironment("XDG_DATA_DIRS", "relative" + separator + (root / "system").string());
  const std::filesystem::path built = TROT_INSTALL_DATA_FOLDER;
  auto result = run({"--paths"});
  EXPECT_EQ(result.status, 0);
  EXPECT_BYTES("found    ./resources\n"
               "missing  extra\n"
               "found    " + (root / "second").string() + "\n"
               "missing  " + (root / "data" / "trotspeak").string() + "\n"
               "missing  " + (root / "system" / "trotspeak").string() + "\n"
               "missing  " + (root / "bin" / "resources").string() + "\n"
               "missing  " + (root / "share" / "trotspeak").string() + "\n" +
               (std::filesystem::is_directory(built) ? "found    " : "missing  ") + built.string() + "\n",
               result.out);

  result = run({"-p", "xena"});
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.err, ":( File error: Failed to open file '" + (std::filesystem::path("./resources") / "ponies.bin").string() +
                            "' (nothing found in the folders that trotspeak --paths lists):\n");
  EXPECT_EQ(run({"-c", "other.bin"}).err, ":( File error: Failed to open file 'other.bin':\n");

  // Resources next to the program are found from any folder.
  test::writeDatabase(kPonies, program.parent_path() / "resources/ponies.bin");
  EXPECT_EQ(run({"-l"}).status, 0);
}

// A pony of one's own, written as source files in a folder of
// TROTSPEAK_PATH, joins the ponies of every database on the path; the first
// folder with a name shows that pony.
TEST_F(TrotspeakRun, OwnPoniesFromSourceFilesJoinTheChoice) {
  dir.write("own/ponies/tulip_fern.pony",
            "$$$\nNAME: Tulip Fern\n$$$\n $\\$\n\x1b]P1ff8800\x1b[31m\xe2\x96\x80\xe2\x96\x84\n");
  dir.write("own/ponies/broken.pony", "no header\n");
  dir.write("own/quotes/tulip.1", "tulip_fern.\nFresh from the garden.");
  test::writeDatabase({{"Xena", {"other_xena"}, {}}, {"Quill", {"quill"}, {"hm"}}}, dir / "data/trotspeak/ponies.bin");
  test::setEnvironment("TROTSPEAK_PATH", (dir / "own").string());
  test::setEnvironment("XDG_DATA_HOME", (dir / "data").string());

  const auto names = run({"--list-names"});
  EXPECT_EQ(names.status, 0);
  EXPECT_BYTES("Xena\nYarrow\nZed\nAbcdefghijkl\nTwentyBytesLongName!\nTulip Fern\nQuill\n", names.out);
  // The broken file is reported once and left out.
  EXPECT_EQ(names.err, "Failed to process pony art '" + quotedPath(dir / "own" / "ponies" / "broken.pony") +
                           "': Pony Parser error: Invalid header, no starting seperator: '$$$':\n");

  const auto shown = run({"-p", "tu", "-i"});
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.out.rfind("Tulip Fern: art tulip_fern, quote 1/1\n", 0), 0u) << shown.out;
  EXPECT_NE(shown.out.find("Fresh from the garden."), std::string::npos);
  EXPECT_BYTES("xena_a\nxena_b\n", run({"--list-arts", "xena"}).out);
}

TEST_F(TrotspeakRun, ScriptListingsArePlainLines) {
  EXPECT_BYTES("xena_a\nxena_b\nyarrow_a\nabc\n", run({"--list-arts"}).out);
  EXPECT_BYTES("hi from xena\nA\\n\\nB\\n\n", run({"--list-quotes", "XE"}).out);
  EXPECT_BYTES("ascii\nsayonly\n", run({"--list-bubbles"}).out);

  // Control bytes never reach the terminal; a backslash is doubled.
  test::writeDatabase({{"\x1b[31mRed\tRum\x7f", {"a\x1b]0;x\x07rt"}, {"say\tit\\now\xc2\x9b"}}}, dir / "odd.bin");
  EXPECT_BYTES("RedRum\n", run({"-c", "odd.bin", "--list-names"}).out);
  EXPECT_BYTES("art\n", run({"-c", "odd.bin", "--list-arts", "-p", "\x1b"}).out);
  EXPECT_BYTES("sayit\\\\now\n", run({"-c", "odd.bin", "--list-quotes", "\x1b"}).out);
}

TEST_F(TrotspeakRun, SeedRepeatsThePickAcrossTwoDatabases) {
  test::writeDatabase({{"Quill", {"quill_a", "quill_b"}, {"q1"}}}, dir / "more.bin");
  std::set<std::string> shown;
  for (const char* seed : {"1", "2", "3", "4", "5", "6"}) {
    const std::vector<std::string> args = {"-c", "resources/ponies.bin", "-c", "more.bin", "-i", "-r", "--seed", seed};
    const auto first = run(args);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_BYTES(first.out, run(args).out);
    shown.insert(first.out.substr(0, first.out.find(':')));
  }
  // Each database has a pony that some seed picks.
  EXPECT_TRUE(shown.count("Xena") == 1 && shown.count("Quill") == 1);

  test::setEnvironment("TROTSPEAK_SEED", "7");
  EXPECT_BYTES(run({"-i", "-r", "--seed", "7"}).out, run({"-i", "-r"}).out);
  const auto bad = run({"--seed", "-1"});
  EXPECT_EQ(bad.status, 255);
  EXPECT_EQ(bad.err, ":( Argument error: --seed takes a whole number from 0 to 18446744073709551615:\n");
}

// A trotspeak built with its data folder in the build tree and copied to a
// bare folder: only the folder fixed at build time leads it to its ponies.
TEST_F(TrotspeakRun, FindsTheDataFolderFixedAtBuildTime) {
  const std::filesystem::path data = TROT_ELSEWHERE_DATA_FOLDER;
  std::filesystem::remove_all(data);
  test::writeDatabase(kPonies, data / "ponies.bin");
  test::writeBubbleStyle(data / "bubbles/ascii.bin", true, true);
  test::TempDir bare;
  const auto copy = bare.path() / std::filesystem::path(TROTSPEAK_ELSEWHERE_PATH).filename();
  std::filesystem::copy_file(TROTSPEAK_ELSEWHERE_PATH, copy);
  const auto result = test::runProgram(copy, {"-p", "yarrow", "hey"}, bare.path());
  std::filesystem::remove_all(data);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_BYTES(picture("Yarrow", 0, "hey"), result.out);
}

// Flips the tag of every art and quote record of the ponies other than the
// first, so that reading any of them fails.
void damageOtherPonies(const std::filesystem::path& path) {
  std::string bytes = test::readFile(path);
  bool first = true;
  for (std::size_t at = bytes.find("char2"); at != std::string::npos; at = bytes.find("char2", at + 1)) {
    if (first) {
      first = false;
      continue;
    }
    const auto next = bytes.find("char2", at + 1);
    for (const std::string tag : {"pony14", "qte"}) {
      for (auto t = bytes.find(tag, at); t != std::string::npos && t < next; t = bytes.find(tag, t + 1)) bytes[t] = 'X';
    }
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST_F(TrotspeakRun, ReadsOnlyWhatIsShown) {
  const auto path = dir / "resources/ponies.bin";
  damageOtherPonies(path);
  const auto result = run({"-p", "xena", "-a", "xena_b", "-i"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out.substr(0, 24), "Xena: art xena_b, quote ") << result.out;
  // Listing and random choice need names and counts only.
  EXPECT_EQ(run({"-l"}).status, 0);
  EXPECT_EQ(run({"-l", "-p", "abc"}).status, 0);
  // The damage is real: showing another pony's art fails.
  EXPECT_EQ(run({"-p", "yarrow"}).status, 255);
}

// A database that cannot seek, such as a pipe, is read whole and serves as
// the file itself does.
TEST_F(TrotspeakRun, DatabaseThroughAPipe) {
  const std::vector<std::vector<std::string>> cases = {
      {"-l"}, {"-p", "xena", "-a", "xena_b", "hello"}, {"-l", "-a", "xena_a"}, {"-p", "nobody"}};
  for (const auto& args : cases) {
    std::vector<std::string> fromFile = {"-c", "resources/ponies.bin"};
    fromFile.insert(fromFile.end(), args.begin(), args.end());
    std::vector<std::string> piped = {"-c", "cat resources/ponies.bin | \"$0\" -c /dev/stdin \"$@\"", TROTSPEAK_PATH};
    piped.insert(piped.end(), args.begin(), args.end());
    const auto expected = run(fromFile);
    const auto got = test::runProgram("/bin/sh", piped, dir.path());
    EXPECT_EQ(got.out, expected.out) << args[0];
    EXPECT_EQ(got.err, expected.err) << args[0];
    EXPECT_EQ(got.status, expected.status) << args[0];
  }
}

TEST_F(TrotspeakRun, DebugTrace) {
  const auto result = run({"-d", "-p", "yarrow", "-o"});
  EXPECT_EQ(result.status, 0);
  const std::string& out = result.out;
  const std::string head =
      "DEBUG: 5 Arg Count\nDEBUG: 1   -d\nDEBUG: 2   -p\nDEBUG: 3   yarrow\nDEBUG: 4   -o\n"
      "DEBUG: ARGS PARSED\nDEBUG: PONY AQUIRED\nDEBUG: BUBBLE AQUIRED\nDEBUG: PONY:  0x";
  EXPECT_EQ(out.substr(0, head.size()), head);
  EXPECT_NE(out.find("\nDEBUG: QUOTE: \n"), std::string::npos);
  EXPECT_NE(out.find("DEBUG: TimeToRun "), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 4), " ms\n");
}

TEST_F(TrotspeakRun, CalledAsTrotthinkThinksUnlessToldToSay) {
  // On Windows the program file ends in ".exe" and a name is the same name
  // in any case, so "TrotThink" starts it too.
  const std::string suffix = program.extension().string();
  const auto link = dir / ("trotthink" + suffix);
  test::installUnderName(program, link);
  std::vector<std::string> names{link.filename().string()};
  if (!suffix.empty()) names.push_back("TrotThink");
  for (const auto& name : names) {
    const auto result = test::runProgram(link, {"-p", "yarrow", "hm"}, dir.path(), "", name);
    EXPECT_EQ(result.status, 0) << name << result.err;
    EXPECT_BYTES(picture("Yarrow", 0, "hm", 't'), result.out);
  }
  const auto result = test::runProgram(link, {"-p", "yarrow", "-s", "hm"}, dir.path(), "", names.back());
  EXPECT_BYTES(picture("Yarrow", 0, "hm", 's'), result.out);
}

}  // namespace
}  // namespace trot
