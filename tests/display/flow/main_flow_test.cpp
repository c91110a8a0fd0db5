// trotspeak's run on databases written by the codec: which pony, art and
// text it chooses, the exit statuses and exact bytes on both streams, run
// in-process; then, as a process, what only a process shows: exit statuses
// through a shell, pipes and closed descriptors, another user, a real
// terminal, and the data folder compiled into the program.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "display/ponies/search_path.hpp"
#include "model/files/file_access.hpp"
#include "model/files/file_io.hpp"
#include "model/user_folders.hpp"
#include "tests/display/flow/run_in_process.hpp"
#include "tests/support/fixtures.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

// Arts and quotes in several counts, names of several lengths, quotes with
// every kind of line break, and ponies without arts or quotes.
const std::vector<test::PonyFixture> kSamplePonies = {
    {"Xena", {"xena_a", "xena_b"}, {"hi from xena", "A\r\n\r\nB\n"}},
    {"Yarrow", {"yarrow_a"}, {}},
    {"Zed", {}, {"zzz\n", "\nA\rb\nc", ""}},
    {"Abcdefghijkl", {"abc"}, {"one"}},
    {"TwentyBytesLongName!", {}, {}},
};

// No user or system data folder, no extra path and no seed, and nothing
// beside the program: of the search path only the working folder's
// ./resources is left.
test::World isolatedWorld(const test::TempDir& dir) {
  test::World world;
  world.environment = {{"XDG_DATA_DIRS", (dir / "system").string()}};
  world.programFolder = dir / "bin";
  return world;
}

class TrotspeakRun : public ::testing::Test {
 protected:
  void SetUp() override {
    test::writeDatabase(kSamplePonies, dir / "resources/ponies.bin");
    test::writeBubbleStyle(dir / "resources/bubbles/ascii.bin", true, true);
    test::writeBubbleStyle(dir / "resources/bubbles/sayonly.bin", true, false);
  }

  test::ProcessResult run(const std::vector<std::string>& args, const std::string& input = "",
                          const std::string& argv0 = "trotspeak") {
    world.input = input;
    return test::runInProcess(dir.path(), args, world, argv0);
  }

  test::TempDir dir;
  test::World world = isolatedWorld(dir);
};

struct Command {
  std::vector<std::string> args;
  std::string input{};
};

// A run as the transcript shows it: the command line and piped input, the
// exit status and standard error unless 0 and empty, then standard output.
// The address and the time in a debug trace differ from run to run, and the
// styles' paths read the same on every system.
std::string transcribed(const Command& c, const test::ProcessResult& result) {
  std::string text = "$ trotspeak";
  for (const auto& arg : c.args) text += " [" + test::visible(arg) + "]";
  text += "\n" + (c.input.empty() ? "" : "< " + test::visible(c.input) + "\n");
  const auto steady = [](const std::string& output) {
    const std::string out = std::regex_replace(output, std::regex("PONY:  0x[0-9a-fA-F]+"), "PONY:  0x...");
    return std::regex_replace(out, std::regex("TimeToRun [0-9.e+-]+ ms"), "TimeToRun ... ms");
  };
  if (result.status != 0) text += "status " + std::to_string(result.status) + "\n";
  if (!result.err.empty()) text += "stderr " + test::visible(steady(result.err)) + "\n";
  // Windows joins the style's folder with backslashes, shown escaped, and
  // refuses a name holding control characters before it looks for it.
  text = std::regex_replace(text, std::regex(R"(\./resources\\+bubbles\\+)"), "./resources/bubbles/");
  text = std::regex_replace(text, std::regex("': Invalid argument"), "': No such file or directory");
  return text + test::visible(steady(result.out), true) + "\n";
}

// Every command line whose output is fixed, in tests/golden/display/command_lines.txt.
TEST_F(TrotspeakRun, EachCommandLineGivesItsExactOutput) {
  test::writeDatabase({}, dir / "empty.bin");
  test::writeDatabase({{"Evil\x1b]0;owned\x07", {"art\x1b[2J"}, {"clip\x1b]52;c;aGk=\x07" "board\r\nbell\x07"}}},
                      dir / "evil.bin");
  test::writeDatabase({{"\x1b[31mRed\tRum\x7f", {"a\x1b]0;x\x07rt"}, {"say\tit\\now\xc2\x9b"}}}, dir / "odd.bin");
  test::writeDatabase({{"Bare", {}, {"q"}}, {"Drawn", {"drawn"}, {}}, {"AlsoBare", {}, {}}}, dir / "bare.bin");
  test::writeDatabase({{"Quill", {"quill_a", "quill_b"}, {"q1"}}}, dir / "more.bin");
  test::writeDatabase({{"Plume", {"plume"}, {}}, {"Plum", {"plum"}, {}}}, dir / "resources/plums.bin");
  // A corner wider than any bubble, around a middle piece of one column and
  // many accents: drawn, its output would grow with the square of its size.
  BubbleTypes quadratic;
  Bubble pieces = test::makeBubble('q');
  pieces.nw = {std::string(300, '+')};
  for (int i = 0; i < 2000; ++i) pieces.n.front() += "\xCC\x81";
  quadratic.setSay(pieces);
  saveToFile(quadratic, dir / "quadratic.bin");
  saveToFile(quadratic, dir / "resources/bubbles/wide.bin");  // -bl reports it and goes on
  // Within the limits, under a corner of 40 (colours take none), it is
  // drawn as its characters alone, not 40 times over.
  pieces.topHeight = 2, pieces.nnw = pieces.nne = pieces.ne = {"", ""};
  pieces.nw = {"\x1b[31m" + std::string(40, '+') + "\x1b[0m", ""}, pieces.n = {"-", "~" + pieces.n[0].substr(1, 600)};
  quadratic.setSay(pieces);
  saveToFile(quadratic, dir / "heavy.bin");
  test::writeDatabase({{"Evil\302\23331m\302\2332J", {"art\x07one"}, {"boo"}}}, dir / "cleaned.bin");
  const Command commands[] = {
      {{"-h", "-v"}},  // help wins over version
      {{"-bl", "-h", "-l"}},  // and the bubble list over everything
      // The pony list, with its tab arithmetic; -q and -r change nothing.
      {{"-l"}},
      {{"-l", "-q"}},
      {{"--list", "--rainbow"}},
      {{"-c", "empty.bin", "-l"}},
      {{"-c", "empty.bin"}},
      {{"-l", "-p", "XE"}},
      // With -p the quotes are listed whether or not the art is found;
      // without it, those of the pony that owns the first matching art.
      {{"-l", "-p", "xena", "-a", "nothing"}},
      {{"-l", "-a", "xena_b"}},
      {{"-l", "-a", "yar"}},
      {{"-l", "-p", "zed", "-a", "nothing"}},  // each run of line breaks is one break
      {{"-l", "-a", "nothing"}},
      // Listings for scripts: plain lines.
      {{"--list-arts"}},
      {{"--list-quotes", "XE"}},
      {{"--list-bubbles"}},
      // Control bytes from a database never reach the terminal; a backslash is doubled.
      {{"-c", "odd.bin", "--list-names"}},
      {{"-c", "odd.bin", "--list-arts", "-p", "\x1b"}},
      {{"-c", "odd.bin", "--list-quotes", "\x1b"}},
      {{"-c", "evil.bin", "-l"}},
      {{"-c", "evil.bin", "-l", "-p", "evil"}},
      {{"-c", "evil.bin", "-l", "-a", "art"}},
      // nor do those in the -i line and the debug trace,
      {{"-c", "evil.bin", "-i", "-d", "-p", "evil"}},
      // nor those of a path in an error report.
      {{"-c", "bad\x1b]0;x\x07\n.bin"}},
      // A name the user typed that matches nothing: the listing may help.
      {{"-p", "nobody"}},
      {{"-p", ""}},
      {{"--list-quotes", "nobody"}},
      {{"-a", "nothing"}},
      {{"-p", "xena", "-a", "nothing"}},
      {{"-p", "zed"}},  // a pony without arts has nothing to show
      // -q draws among ponies with quotes (only Xena has arts too); the art
      // is then searched in that pony alone.
      {{"-q", "-a", "yarrow_a"}},
      // A random choice never draws a pony without arts.
      {{"-c", "bare.bin", "-i", "-o", "--seed", "1"}},
      {{"-c", "bare.bin", "-i", "-o", "--seed", "2"}},
      {{"-c", "bare.bin", "-i", "-o", "--seed", "3"}},
      // A seed picks the same pony, art, quote and colours every run, from
      // any of the databases given.
      {{"-c", "resources/ponies.bin", "-c", "more.bin", "-i", "-r", "--seed", "1"}},
      {{"-c", "resources/ponies.bin", "-c", "more.bin", "-i", "-r", "--seed", "3"}},
      // The message, typed or piped, wins over the quotes.
      {{"-p", "xena", "-a", "xena_b", "hello there"}},
      {{"-p", "xena", "-a", "xena_b", "-"}, "piped words\n"},
      {{"-p", "xena", "-a", "xena_b"}, "piped without a dash\n"},
      {{"-p", "xena", "-a", "xena_b", "-o", "-i"}, "never read with -o\n"},
      {{"-p", "xena", "-a", "xena_b", "-i", "--seed", "2"}, ""},  // nothing piped: a quote
      // Mistakes are refused before anything is drawn.
      {{"--pony=yarrow", "--nonsense"}},
      {{"-p", "yarrow", "-b"}},
      {{"-p", "yarrow", "--", "-5", "degrees"}},
      {{"-p", "abc", "-i"}},
      {{"-p", "abc", "-i", "hi"}},
      // Text as people write it: line breaks and tabs as typed, every word,
      // long words, escape sequences and controls that must not reach the
      // terminal, broken UTF-8 and zero-width characters.
      // A text of several lines keeps them: left-aligned, indents and tab
      // indents kept, the bubble as wide as its longest line up to 80 columns
      // off a terminal, a longer line wrapped.
      {{"-p", "yarrow", "-"}, "The best way to predict the future\n\tis to invent it.\n\t\t-- A. Person\n"},
      {{"-p", "yarrow", "-"}, "The meadow keeps its morning slow,\n  the brook hums low,\n    and every bee\n"
                              "      goes home to tea.\n"},
      {{"-p", "yarrow", "-"}, "NAME          SIZE   USED  MOUNTED ON\n/dev/meadow   120G    64%  /\n"
                              "/dev/orchard  2.0T    12%  /srv/apples\n"},
      {{"-p", "yarrow", "-"}, "Short first line.\nThis line is much longer than the eighty columns that a bubble gets "
                              "when it is not drawn on a terminal, so it wraps.\nShort last line."},
      {{"-p", "yarrow", "every", "word", "kept", "-"}, "and the piped\r\ntext after them\n"},
      {{"-p", "yarrow", std::string(60, 'a')}},
      {{"-p", "yarrow", "-"},
       "x\x1b[2Jy and more text, \x1b]8;;http://a.b/\x1b\\a link\x1b]8;;\x1b\\, \x1b(0lines\x1b(B;\n"
       "bell\x07 back\x08 del\x7f csi\xc2\x9b" "2J clip\x1b]52;c;aGk=\x07" "board\n"
       "broken \xe2\x82\xff\xc3 zero\xe2\x80\x8bwidth\xef\xbb\xbf joined\xe1\x84\x80\xe1\x85\xa1 soft\xc2\xad\n"},
      // Empty text draws no bubble, except in rainbow, which turns it into a
      // reset sequence.
      {{"-p", "yarrow", "-"}},
      {{"-p", "yarrow", "-r", "-"}},
      // Rainbow colours each character shown, kept whole, across wrapped
      // rows; the text's own escapes and controls never reach the terminal.
      {{"-p", "yarrow", "-r", "--seed", "3", "-"},
       "Rainbow over Meadowlark: h\xc3\xa9 \xe2\x96\x88 \xf0\x9f\x90\xb4 \xe6\xbc\xa2\xe5\xad\x97, broken \xff and "
       "\xc3 bytes, red\x1b[31m, \x1b]0;title\x07so\x0e\x07\x08 \xc2\x9b" "2J\x7f ok. A second line long enough "
       "to wrap past the edge of the bubble.\n\tA tabbed third line.\n"},
      // Bubble styles by name or path, and their variants.
      {{"-p", "yarrow", "-b", "ascii", "hey"}},
      {{"-p", "yarrow", "-b", "resources/bubbles/sayonly.bin", "hey"}},
      {{"-p", "yarrow", "-s", "hey"}},
      {{"-p", "yarrow", "-t", "hey"}},
      {{"-p", "yarrow", "-o", "-t", "-b", "sayonly"}},
      {{"-p", "yarrow", "-b", "nosuch"}},
      {{"-p", "yarrow", "-t", "-b", "SAYO"}},  // style names in any case and by prefix
      // A database named without .bin is looked up along the path; a full
      // pony name wins over one it begins.
      {{"-c", "plums", "-p", "plum", "-i", "-o"}},
      {{"-p", "yarrow", "-b", "quadratic.bin", "hey"}},
      {{"-p", "yarrow", "-b", "heavy.bin", "hey"}},
      // Names select as listings show them; a NUL is dropped as controls are.
      {{"-c", "cleaned.bin", "-p", "Evil31m2J", "-a", "artone", "-i", "-o"}},
      {{"-p", "yarrow", "-"}, std::string("hello\0world", 11)},
      {{"--seed", "-1"}},
      {{"-d", "-p", "yarrow", "-o"}},
      // As an SVG: the same picture, rainbow and all, whatever --color says;
      // -i and the debug trace go beside it, to standard error.
      {{"-p", "yarrow", "-r", "--seed", "3", "-i", "-d", "--format=svg", "--color", "never", "-"},
       "<&>\"' h\xc3\xa9 \xe6\xbc\xa2 \xf0\x9f\x90\xb4 \x01\xff\tend\n"},
      {{"-p", "yarrow", "-t", "--format", "svg", "<&>\"' \x1b[31mred\x1b]0;title\x07"}},
  };
  std::string transcript;
  for (const Command& c : commands) transcript += transcribed(c, run(c.args, c.input));
  EXPECT_GOLDEN("display/command_lines.txt", transcript);
}

// The version is the project's; the stamp is made when the program is built:
// dd/mm/yyyy hh:mm.ss. With a pony both are the message, two lines drawn as
// written.
TEST_F(TrotspeakRun, VersionWithPonyShowsTheBuildDate) {
  const std::regex date(R"(\d\d/\d\d/\d{4})"), time(R"(\d\d:\d\d\.\d\d)");
  const std::string version = run({"--version"}).out;
  const std::string firstLine = "trotspeak " TROT_PROJECT_VERSION "\n";
  EXPECT_EQ(version.substr(0, firstLine.size()), firstLine);
  EXPECT_TRUE(std::regex_match(version.substr(firstLine.size()),
                               std::regex(R"(Build date: \d\d/\d\d/\d{4} \d\d:\d\d\.\d\d\n)")))
      << version;
  const auto result = run({"-v", "-p", "yarrow"});
  EXPECT_EQ(result.status, 0);
  EXPECT_GOLDEN("display/yarrow_version.txt",
                std::regex_replace(std::regex_replace(result.out, date, "dd/mm/yyyy"), time, "hh:mm.ss"));
}

// Every word arrives once and in order, through the growing of the held
// output and the chunks written past its largest size.
TEST_F(TrotspeakRun, HugeInputArrivesWhole) {
  std::string huge;
  int words = 0;
  for (; huge.size() < 2'000'000; ++words) huge += "word" + std::to_string(words) + (words % 7 == 0 ? "\n" : " ");
  const auto result = run({"-p", "yarrow", "-"}, huge);
  EXPECT_EQ(result.status, 0);
  const std::string& out = result.out;
  int seen = 0;
  for (auto at = out.find("word"); at != std::string::npos; at = out.find("word", at + 4), ++seen) {
    const auto digits = out.find_first_not_of("0123456789", at + 4);
    ASSERT_EQ(out.substr(at + 4, digits - at - 4), std::to_string(seen));
  }
  EXPECT_EQ(seen, words);
}

TEST_F(TrotspeakRun, BubbleListFailures) {
  test::TempDir empty;
  auto result = test::runInProcess(empty.path(), {"-bl"}, isolatedWorld(empty));
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.err.rfind(":( File error: Failed to list bubble styles in '" + (std::filesystem::path("./resources") / "bubbles").string() + "'", 0), 0u)
      << result.err;

  const std::string listed = run({"-bl"}).out;
  dir.write("resources/bubbles/junk.bin", "not a style");
  result = run({"-bl"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "Failed to process bubble '" + quotedPath(std::filesystem::path("./resources") / "bubbles" / "junk.bin") +
                            "': Null error: Failed to decode bubble, invalid input format:\n");
  EXPECT_BYTES(listed, result.out);
}

TEST_F(TrotspeakRun, SearchPathInOrderAndNothingFound) {
  std::filesystem::remove(dir / "resources/ponies.bin");
  const auto root = std::filesystem::canonical(dir.path());
  std::filesystem::create_directories(root / "second");
  const std::string separator(1, kPathListSeparator);
  world.environment = {{"TROTSPEAK_PATH", "extra" + separator + separator + (root / "second").string()},
                       {"XDG_DATA_HOME", (root / "data").string()},
                       {"LOCALAPPDATA", (root / "data").string()},
                       {"XDG_DATA_DIRS", "relative" + separator + (root / "system").string()}};
  world.programFolder = root / "bin";
  const std::filesystem::path built = installDataFolder();
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
  EXPECT_EQ(run({"-c", "other.bin"}).err, ":( File error: Failed to open file 'other.bin': No such file or directory\n");

  // Resources next to the program are found from any folder.
  test::writeDatabase(kSamplePonies, world.programFolder / "resources/ponies.bin");
  EXPECT_EQ(run({"-l"}).status, 0);

  // A style name begun by styles of two folders is refused, naming them.
  test::writeBubbleStyle(root / "second/bubbles/saying.bin", true, false);
  test::writeBubbleStyle(world.programFolder / "resources/bubbles/sayonly.bin", true, false);
  EXPECT_EQ(run({"-p", "xena", "-b", "say", "hi"}).err,
            ":( Argument error: bubble style 'say' is ambiguous: saying, sayonly (trotspeak --list-bubbles lists the "
            "styles)\n");
  EXPECT_EQ(run({"-p", "xena", "-b", "Saying", "hi"}).status, 0);
}

// A pony of one's own, written as source files in a folder of
// TROTSPEAK_PATH, joins the ponies of every database on the path; the first
// folder with a name shows that pony.
TEST_F(TrotspeakRun, OwnPoniesFromSourceFilesJoinTheChoice) {
  dir.write("own/ponies/tulip_fern.pony",
            "$$$\nNAME: Tulip Fern\n$$$\n $\\$\n\x1b]P1ff8800\x1b[31m\xe2\x96\x80\xe2\x96\x84\n");
  dir.write("own/ponies/broken.pony", "no header\n");
  dir.write("own/quotes/tulip.1", "tulip_fern.\nFresh from the garden.");
  // Files too large to be sources are refused unread: these hold nothing
  // on the disk, and reading them would exhaust the memory or take minutes.
  std::filesystem::resize_file(dir.write("own/ponies/huge.pony", ""), std::uintmax_t{64} << 30);
  std::filesystem::resize_file(dir.write("own/quotes/huge", ""), (std::uintmax_t{1} << 20) + 1);
  test::writeDatabase({{"Xena", {"other_xena"}, {}}, {"Quill", {"quill"}, {"hm"}}}, dir / "data/trotspeak/ponies.bin");
  world.environment["TROTSPEAK_PATH"] = (dir / "own").string();
  world.environment["XDG_DATA_HOME"] = world.environment["LOCALAPPDATA"] = (dir / "data").string();

  const auto names = run({"--list-names"});
  EXPECT_EQ(names.status, 0);
  EXPECT_BYTES("Xena\nYarrow\nZed\nAbcdefghijkl\nTwentyBytesLongName!\nTulip Fern\nQuill\n", names.out);
  // Each bad file is reported once and left out.
  const auto own = dir / "own";
  EXPECT_EQ(names.err, "Failed to process pony art '" + quotedPath(own / "ponies" / "broken.pony") +
                           "': Pony Parser error: Invalid header, no starting seperator: '$$$' at line 1, column 1:\n"
                           "Failed to process pony art '" +
                           quotedPath(own / "ponies" / "huge.pony") +
                           "': File error: Failed to read file: it is larger than 16 MiB\n"
                           "Failed to process pony quote '" +
                           quotedPath(own / "quotes" / "huge") +
                           "': File error: Failed to read file: it is larger than 1 MiB\n");

  const auto shown = run({"-p", "tu", "-i"});
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.err, names.err);
  EXPECT_EQ(shown.out.rfind("Tulip Fern: art tulip_fern, quote 1/1\n", 0), 0u) << shown.out;
  EXPECT_NE(shown.out.find("Fresh from the garden."), std::string::npos);
  EXPECT_BYTES("xena_a\nxena_b\n", run({"--list-arts", "xena"}).out);
}

// File names and art markers made to steer a terminal reach neither stream
// raw; a style listed without its escapes is found by that name, and a link
// that loops is passed over.
TEST_F(TrotspeakRun, HostileNamesAndMarkersAreEscaped) {
  TROT_SKIP_WITHOUT_POSIX_SHELL();  // no control byte is allowed in a Windows file name
  dir.write("resources/ponies/\x1b]52;c;aGk=\x07\x1b]0;pwned\x07\x1b[2J x.pony", "no header");
  dir.write("resources/ponies/marker.pony", "$$$\nNAME: Hostile\n$$$\n$\a\b\x0e\v\f\302\2332J$\xe2\x96\x80\n");
  std::filesystem::copy_file(dir / "resources/bubbles/sayonly.bin", dir / "resources/bubbles/Say\x1b[31m\x07.bin");
  std::filesystem::create_symlink("loop.bin", dir / "resources/bubbles/loop.bin");
  world.environment["TROTSPEAK_PATH"] = "own\x1b]0;pwned\x07";
  const auto result = run({"-p", "hostile", "-b", "Say", "-t", "hi"});
  EXPECT_EQ(result.status, 255);  // found the style of that name, which cannot think
  EXPECT_EQ(result.err, "Failed to process pony art '\"./resources/ponies/\\x1B]52;c;aGk=\\x07\\x1B]0;pwned\\x07\\x1B[2J "
                        "x.pony\"': Pony Parser error: Invalid header, no starting seperator: '$$$' at line 1, "
                        "column 1:\nFailed to parse escaped sequence: '\\x07\\x08\\x0E\\x0B\\x0C\\x9B2J' at line 4, column 1\n:( Null error: Bubble doesnt have think:\n");
  EXPECT_BYTES("Say\nascii\nsayonly\n", run({"--list-bubbles"}).out);
  EXPECT_EQ(run({"--paths"}).out.substr(0, 50), "found    ./resources\nmissing  own\\x1B]0;pwned\\x07\n");
}

// Where a disk would take seconds to create and remove tens of thousands
// of small files, a folder in memory (where the system has one with room)
// takes a fraction of that.
std::filesystem::path folderForManyFiles() {
  std::error_code error;
  const std::filesystem::path memory = "/dev/shm";
  const auto space = std::filesystem::space(memory, error);
  return !error && space.available > (std::uintmax_t{1} << 30) ? memory : std::filesystem::temp_directory_path();
}

// One quote file more than a pony can have, and four more: it keeps the
// first 65535 (numbered so that names sort as numbers do), as a database
// would, and the count, the info line and the quote shown agree.
TEST_F(TrotspeakRun, QuotesPastTheLimitAreReportedAndLeftOut) {
#ifdef _WIN32
  GTEST_SKIP() << "65,540 files take minutes to write and read there; the limit is the same code everywhere";
#endif
  const test::TempDir own(folderForManyFiles());
  own.write("ponies/spike.pony", "$$$\nNAME: Spike\n$$$\n\xe2\x96\x80\n");
  std::filesystem::create_directories(own / "quotes");
  for (int i = 100000; i < 165540; ++i) std::ofstream(own / "quotes" / std::to_string(i), std::ios::binary) << "spike.\n" << i;
  world.environment["TROTSPEAK_PATH"] = own.path().string();
  const auto shown = run({"-p", "spike", "-i", "--seed", "1"});
  EXPECT_EQ(shown.err, "Failed to process pony quote '" + quotedPath(own / "quotes" / "165535") +
                           "': File error: Spike has 65535 quotes, the most a pony can have; this file and 4 more are "
                           "left out:\n");
  std::smatch info;
  ASSERT_TRUE(std::regex_search(shown.out, info, std::regex("^Spike: art spike, quote ([0-9]+)/65535\n"))) << shown.out;
  EXPECT_NE(shown.out.find(std::to_string(std::stoi(info[1]) + 99999)), std::string::npos) << shown.out;
}

TEST_F(TrotspeakRun, SeedFromTheEnvironment) {
  world.environment["TROTSPEAK_SEED"] = "7";
  EXPECT_BYTES(run({"-i", "-r", "--seed", "7"}).out, run({"-i", "-r"}).out);
}

// Flips the tag of every art and quote record of the ponies other than the
// first, so that reading any of them fails.
void damageOtherPonies(const std::filesystem::path& path) {
  std::string bytes = test::readFile(path);
  const auto second = bytes.find("char2", bytes.find("char2") + 1);
  for (const std::string tag : {"pony14", "qte"}) {
    for (auto t = bytes.find(tag, second); t != std::string::npos; t = bytes.find(tag, t + 1)) bytes[t] = 'X';
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

TEST_F(TrotspeakRun, CalledAsTrotthinkThinksUnlessToldToSay) {
  // Windows names a program with or without its ".exe" and in any case.
  std::vector<std::string> names{(dir / "bin" / "trotthink").string()};
  if (std::filesystem::path::preferred_separator == '\\') names.push_back("C:\\bin\\TrotThink.EXE");
  for (const auto& name : names) {
    const auto result = run({"-p", "yarrow", "hey"}, "", name);
    EXPECT_EQ(result.status, 0) << name << result.err;
    EXPECT_GOLDEN("display/yarrow_think_hey.txt", result.out);
  }
  EXPECT_GOLDEN("display/yarrow_say_hey.txt", run({"-p", "yarrow", "-s", "hey"}, "", names.back()).out);
}

// A copy of trotspeak in a folder of its own, so that no resources sit next
// to it or in an install location above it, and an environment with no user
// or system data folder, no extra path and no seed.
class TrotspeakProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    test::setEnvironment("HOME", (dir / "home").string());
    test::setEnvironment("XDG_DATA_DIRS", (dir / "system").string());
    for (const char* name : {"XDG_DATA_HOME", "TROTSPEAK_PATH", "TROTSPEAK_SEED"}) test::unsetEnvironment(name);
    std::filesystem::create_directories(dir / "bin");
    program = dir / "bin" / std::filesystem::path(TROTSPEAK_PATH).filename();
    std::filesystem::copy_file(TROTSPEAK_PATH, program);
    test::writeDatabase(kSamplePonies, dir / "resources/ponies.bin");
    test::writeBubbleStyle(dir / "resources/bubbles/ascii.bin", true, true);
  }

  test::TempDir dir;
  std::filesystem::path program;
};

// Output that never arrives, and input that cannot be read, are failures;
// a reader that went away early is not worth a word.
TEST_F(TrotspeakProcess, WriteAndReadErrorsAreReportedButAClosedPipeIsNot) {
  TROT_SKIP_WITHOUT_POSIX_SHELL();
  const std::string speak = "\"$0\" -p yarrow";
  const std::tuple<std::string, int, std::string> cases[] = {
      {"exec " + speak + " hi >/dev/full", 255, "trotspeak: write error: No space left on device\n"},
      {"exec " + speak + " hi >&-", 255, "trotspeak: write error: Bad file descriptor\n"},
      {"exec " + speak + " - <.", 255, ":( File error: Failed to read standard input: Is a directory\n"},
      {"exec " + speak + " - <&-", 255, ":( File error: Failed to read standard input: Bad file descriptor\n"},
      {"exec " + speak + " <&-", 0, ""},  // no input given: no message
      {"exec " + speak + " -c . hi", 255, ":( File error: Failed to open file '.': Is a directory\n"},
      {"head -c 300000 /dev/zero | tr '\\0' a | " + speak + " - | exit 0", 0, ""},
      {"trap '' PIPE; head -c 300000 /dev/zero | tr '\\0' a | " + speak + " - | exit 0", 0, ""},
  };
  for (const auto& [command, status, err] : cases) {
    const auto result = test::runProgram("/bin/sh", {"-c", command, TROTSPEAK_PATH}, dir.path());
    EXPECT_EQ(result.status, status) << command;
    EXPECT_EQ(result.err, err) << command;
  }
}

// A database that cannot seek, such as a pipe, is read whole and serves as
// the file itself does.
TEST_F(TrotspeakProcess, DatabaseThroughAPipe) {
  TROT_SKIP_WITHOUT_POSIX_SHELL();
  for (const std::string args : {"-l", "-p xena -a xena_b hello", "-l -a xena_a", "-p nobody"}) {
    const auto run = [&](const std::string& command) {
      const auto result = test::runProgram("/bin/sh", {"-c", command + args, TROTSPEAK_PATH}, dir.path());
      return std::to_string(result.status) + "\n" + result.err + result.out;
    };
    EXPECT_EQ(run("cat resources/ponies.bin | \"$0\" -c /dev/stdin "), run("\"$0\" -c resources/ponies.bin ")) << args;
  }
}

// Folders that cannot be listed, for a user who is not root: each is
// reported once and left out, and the run goes on with the rest.
TEST_F(TrotspeakProcess, UnreadableSourceFoldersAreReportedAndLeftOut) {
  TROT_SKIP_UNLESS_ROOT("to run trotspeak as another user");
  const std::filesystem::path setpriv = "/usr/bin/setpriv";
  if (!std::filesystem::exists(setpriv)) GTEST_SKIP() << "needs " << setpriv;
  dir.write("own1/ponies/tulip.pony", "$$$\nNAME: Tulip\n$$$\n\xe2\x96\x80\n");
  dir.write("own2/ponies/iris.pony", "$$$\nNAME: Iris\n$$$\n\xe2\x96\x80\n");
  dir.write("own2/quotes/iris", "iris.\nHello");
  test::setEnvironment("TROTSPEAK_PATH", "own1" + std::string(1, kPathListSeparator) + "own2");
  using std::filesystem::perms;
  std::filesystem::permissions(dir.path(), perms::others_read | perms::others_exec, std::filesystem::perm_options::add);
  for (const char* folder : {"own1/ponies", "own2/quotes"}) std::filesystem::permissions(dir / folder, perms::none);
  const auto asNobody = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups", program.string()});
    return test::runProgram(setpriv, args, dir.path());
  };
  const std::string reports =
      "Failed to process pony art folder '\"own1/ponies\"': File error: Failed to open folder: Permission denied\n"
      "Failed to process pony quote folder '\"own2/quotes\"': File error: Failed to open folder: Permission denied\n";
  const auto result = asNobody({"--list-names"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, reports);
  EXPECT_BYTES("Xena\nYarrow\nZed\nAbcdefghijkl\nTwentyBytesLongName!\nIris\n", result.out);
  EXPECT_EQ(asNobody({"-p", "iris", "-o"}).status, 0);
}

// A trotspeak built with its data folder in the build tree and copied to a
// bare folder: only the folder fixed at build time leads it to its ponies.
TEST_F(TrotspeakProcess, FindsTheDataFolderFixedAtBuildTime) {
  const std::filesystem::path data = TROT_ELSEWHERE_DATA_FOLDER;
  std::filesystem::remove_all(data);
  test::writeDatabase(kSamplePonies, data / "ponies.bin");
  test::writeBubbleStyle(data / "bubbles/ascii.bin", true, true);
  test::TempDir bare;
  const auto copy = bare.path() / std::filesystem::path(TROTSPEAK_ELSEWHERE_PATH).filename();
  std::filesystem::copy_file(TROTSPEAK_ELSEWHERE_PATH, copy);
  const auto result = test::runProgram(copy, {"-p", "yarrow", "hey"}, bare.path());
  std::filesystem::remove_all(data);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_GOLDEN("display/yarrow_say_hey.txt", result.out);
}

#ifndef _WIN32
// A real terminal: the colours its environment claims and the width it
// reports reach the run as the in-process tests hand them over.
TEST_F(TrotspeakProcess, ARealTerminalIsSeenAsTheInProcessRunsSeeIt) {
  std::filesystem::copy(TROT_DISPLAY_FIXTURES, dir / "resources/ponies");
  const std::vector<std::string> args = {"-p", "wren", "-a", "wren_narrow", std::string(60, 'w')};
  const std::string system = (dir / "system").string();
  const auto real =
      test::runInTerminal(program, args, dir.path(), {"TERM=xterm-256color", "XDG_DATA_DIRS=" + system}, 24);
  EXPECT_EQ(real.status, 0) << real.err;
  EXPECT_NE(real.out.find("\x1b[38;5;"), std::string::npos) << real.out;
  test::World world{{{"TERM", "xterm-256color"}, {"XDG_DATA_DIRS", system}}, "", 24, 50, dir / "bin"};
  EXPECT_BYTES(test::runInProcess(dir.path(), args, world).out, real.out);
}
#endif

}  // namespace
}  // namespace trot
