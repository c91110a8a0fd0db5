// trotconv run as a process on folders written into a temporary directory.
#include <gtest/gtest.h>

#include "converter/balloon_text.hpp"
#include "converter/dispatch.hpp"
#include "model/bubble.hpp"
#include "model/source_files.hpp"
#include "tests/converter/converter_test_support.hpp"
#include "tests/support/fixtures.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/native_path.hpp"

namespace trot {
namespace {

using test::describeDatabase;
using test::nativePath;
using test::readFile;
using test::sortedLines;
using test::TempDir;
using test::trotconv;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// A path in trotconv's quoted form.
std::string quoted(std::string_view generic) { return quotedPath(nativePath(generic)); }

// A one-cell art whose header holds `header`.
std::string artWith(const std::string& header) { return "$$$\n" + header + "$$$\n^[]P1ff0000^[[31m\u2588\n"; }

Names folderContents(const fs::path& folder) {
  Names names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(TrotconvCli, UsageScreenForEveryUnrecognisedCommandLine) {
  TempDir dir;
  const std::vector<Names> commandLines = {
      {},
      {"convertall"},
      {"convertall", "in"},
      {"convertponies", "art", "quotes"},   // needs five arguments
      {"serializeponies", "a.bin", "art"},  // likewise
      {"convertall", "in", "out", "more"},  // takes exactly two
      {"serializebubbles", "in", "out", "more", "more"},
      {"Merge", "a.bin", "out.bin"},
      {"bogus", "a", "b", "c"},
  };
  for (const auto& args : commandLines) {
    const auto result = trotconv(dir, args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_GOLDEN("converter/usage.txt", result.out);
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));

  // Without even a program name nothing is written.
  testing::internal::CaptureStdout();
  EXPECT_EQ(runTrotconv(0, nullptr), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

// What the codec itself writes for the inputs loaded and merged in order.
std::string codecMerge(const std::vector<fs::path>& inputs) {
  CharacterGroup result;
  for (const auto& input : inputs) {
    CharacterGroup group;
    loadFromFile(group, input);
    result.merge(group);
  }
  std::ostringstream bytes;
  result.encodeInit();
  result.encode(bytes);
  return bytes.str();
}

TEST(TrotconvCli, MergeAppendsDatabasesInOrderAndWritesNothingWhenAnInputIsMissing) {
  TempDir dir;
  test::writeDatabase({{"Thistle", {"thistle"}, {"Hello"}}, {"Burdock", {}, {"Hm"}}}, dir / "a.bin");
  test::writeDatabase({{"Thistle", {}, {}}}, dir / "b.bin");

  auto result = trotconv(dir, {"merge", "a.bin", "one.bin"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_BYTES(codecMerge({dir / "a.bin"}), readFile(dir / "one.bin"));
  result = trotconv(dir, {"merge", "a.bin", "b.bin", "two.bin"});
  EXPECT_EQ(result.status, 0);
  EXPECT_BYTES(codecMerge({dir / "a.bin", dir / "b.bin"}), readFile(dir / "two.bin"));
  EXPECT_EQ(describeDatabase(dir / "two.bin"), (Names{"Thistle: thistle | Hello", "Burdock: | Hm", "Thistle:"}));

  // A folder is no database either, and used to end the run with an abort.
  for (const std::string input : {"missing.bin", "."}) {
    result = trotconv(dir, {"merge", input, "b.bin", "out.bin"});
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "File error: Failed to open file '" + input + "':\n");
    EXPECT_FALSE(fs::exists(dir / "out.bin"));
  }
}

// Counts are 16 bits wide in the file: more characters than that are refused
// whole, where they used to be written modulo 65536 and reported as success.
TEST(TrotconvCli, MergeRefusesMoreCharactersThanAFileHolds) {
  TempDir dir;
  CharacterGroup group;
  for (int i = 0; i < 40000; ++i) group.addCharacter().name = "p";
  saveToFile(group, dir / "big.bin");
  dir.write("out.bin", "previous");

  const auto result = trotconv(dir, {"merge", "big.bin", "big.bin", "out.bin"});
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.err, "File error: Failed to encode character group: 80000 characters, a file holds at most 65535:\n");
  EXPECT_EQ(readFile(dir / "out.bin"), "previous");
  EXPECT_EQ(folderContents(dir.path()), (Names{"big.bin", "out.bin"}));
}

TEST(TrotconvCli, ConvertPoniesGroupsArtsAndAttachesQuotes) {
  TempDir dir;
  dir.write("one/alder.pony", artWith("NAME: Alder\n"));
  dir.write("one/alder_up.pony", artWith("NAME: Alder\n"));
  dir.write("one/shared.pony", artWith("NAME: Birch, Cedar\n"));
  dir.write("one/dune.pony", artWith("OTHER NAMES: Dune\nOTHER NAMES: Elm\n"));
  dir.write("one/nobody.pony", artWith("WIDTH: 1\n"));
  dir.write("one/ignored.PONY", artWith("NAME: Ignored\n"));
  fs::create_directories(dir / "one/folder.pony");
  dir.write("two/alder.pony", artWith("NAME: Alder\n"));
  dir.write("quotes/both", "alder+shared.\nfirst art of a stem wins, shared art goes to its owner");
  dir.write("quotes/tokens", "alder++alder_up.\nsecond plus starts a token");
  dir.write("quotes/once", "alder+alder_up.");
  dir.write("quotes/unterminated", "alder\nattached to nobody");
  dir.write("quotes/dune", "dune.\r\n\r\nline ends kept\n");

  const auto result = trotconv(dir, {"convertponies", "one", "two", "quotes", "out.bin"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  const std::string out = result.out;
  EXPECT_TRUE(out.ends_with(quoted("two/alder.pony") + "\nProcessed 5 characters\n")) << out;
  EXPECT_EQ(sortedLines(out), (Names{quoted("one/alder.pony"), quoted("one/alder_up.pony"), quoted("one/dune.pony"),
                                     quoted("one/nobody.pony"), quoted("one/shared.pony"), quoted("two/alder.pony"),
                                     "Processed 5 characters"}));
  auto ponies = describeDatabase(dir / "out.bin");
  std::sort(ponies.begin(), ponies.end());
  EXPECT_EQ(ponies, (Names{"Alder: alder",
                           "Alder: alder alder_up |  | first art of a stem wins, shared art goes to its owner | "
                           "second plus starts a token",
                           "Birch: shared | first art of a stem wins, shared art goes to its owner", "Cedar: shared",
                           "Dune: dune | line ends kept\n"}));
}

TEST(TrotconvCli, ConvertPoniesReportsFilesItCannotUse) {
  TempDir dir;
  dir.write("one/bad.pony", "$$\n");
  fs::create_directories(dir / "quotes");
  fs::create_directories(dir / "taken.bin");
  struct Case {
    std::string output;
    int status;
    std::string err;
  };
  // The refused art alone makes the status 1; an output that cannot be
  // written stops the run.
  const Case cases[] = {
      {"out.bin", 1, ""},
      {"nofolder/out.bin", 255, "Null error: Failed to open file for writing to nofolder/out.bin:\n"},
      {"taken.bin", 255, "Null error: Failed to open file for writing to taken.bin:\n"},
  };
  for (const auto& c : cases) {
    const auto result = trotconv(dir, {"convertponies", "one", "quotes", c.output});
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(result.out,
              quoted("one/bad.pony") + "\nFailed to process pony art '" + quoted("one/bad.pony") +
                  "': Pony Parser error: Invalid header, no starting seperator: '$$$':\nProcessed 0 characters\n");
  }
  EXPECT_EQ(describeDatabase(dir / "out.bin"), Names{});
  EXPECT_EQ(folderContents(dir.path()), (Names{"one", "out.bin", "quotes", "taken.bin"}));
  EXPECT_TRUE(fs::is_directory(dir / "taken.bin"));
}

TEST(TrotconvCli, BubblesBothWays) {
  TempDir dir;
  test::copyFixtures("balloons", dir / "balloons");
  const std::string valid = readFile(dir / "balloons/ascii.say");
  dir.write("balloons/notes.txt", valid);
  dir.write("balloons/shout.SAY", valid);
  dir.write("balloons/broken.say", "nw:x\n");
  // Without its X item a style used to print NUL bytes for the connector.
  std::string noConnector = valid;
  noConnector.erase(valid.find("X:"), valid.find('\n', valid.find("X:")) + 1 - valid.find("X:"));
  dir.write("balloons/noconnector.say", noConnector);

  auto result = trotconv(dir, {"convertbubbles", "balloons", "out/bubbles"});
  EXPECT_EQ(result.status, 1);
  std::string out = result.out;
  EXPECT_TRUE(out.ends_with("Processed 2 bubbles\n")) << out;
  const std::string untyped = "Null error: Failed to determine say/think type of file: " + nativePath("balloons/");
  EXPECT_EQ(sortedLines(out),
            (Names{"Failed to process bubble '" + quoted("balloons/broken.say") + "': Bubble Parse error: Cant find key nww:",
                   "Failed to process bubble '" + quoted("balloons/noconnector.say") + "': Bubble Parse error: Cant find key X:",
                   "Failed to process bubble '" + quoted("balloons/notes.txt") + "': " + untyped + "notes.txt:",
                   "Failed to process bubble '" + quoted("balloons/shout.SAY") + "': " + untyped + "shout.SAY:",
                   "Processed 2 bubbles"}));
  EXPECT_EQ(folderContents(dir / "out/bubbles"), (Names{"ascii.bin", "rounded.bin"}));

  dir.write("out/bubbles/junk.txt", "not a bubble style");
  result = trotconv(dir, {"serializebubbles", "out/bubbles", "back"});
  EXPECT_EQ(result.status, 1);
  out = result.out;
  EXPECT_TRUE(out.ends_with("### Serialized 3 bubbles\n")) << out;
  EXPECT_NE(out.find("Failed to process bubble: \"junk.txt\"\nNull error: "), std::string::npos) << out;
  // Both variants of ascii come back, and rounded has only its say one.
  EXPECT_EQ(folderContents(dir / "back"), (Names{"ascii.say", "ascii.think", "rounded.say"}));
  for (const char* name : {"ascii.say", "ascii.think", "rounded.say"}) {
    Bubble bubble;
    parseBalloon(bubble, readFile(dir / "balloons" / name));
    std::ostringstream text;
    writeBalloon(bubble, text);
    EXPECT_BYTES(text.str(), readFile(dir / "back" / name));
  }
}

TEST(TrotconvCli, SerializePoniesWritesArtAndQuoteFilesPerInput) {
  TempDir dir;
  test::writeDatabase({{"Thistle", {"thistle", "thistle_sad"}, {"One", "Two"}},
                                     {"What?", {"what", "../escape", "sub/dir", ".."}, {"What"}},
                                     {"A:B", {}, {"a", "b", "c"}}}, dir / "ponies.bin");
  fs::create_directories(dir / "quotes/Thistle.2");  // a quote file that cannot be written

  const auto result = trotconv(dir, {"serializeponies", "missing.bin", "ponies.bin", "art", "quotes"});
  EXPECT_EQ(result.status, 1);
  const std::string refused = "' cannot be used as a file name in the art folder:\n";
  EXPECT_EQ(result.out,
            "Failed to process character: \"missing.bin\"\nFile error: Failed to open file 'missing.bin':\n"
            "### Serialized 0 characters\n### Serialized 0 arts\n### Serialized 0 quotes\n"
            "Failed to process quote: Thistle:1\nFile error: Failed to open file for writing: " + nativePath("quotes/Thistle.2") + ":\n"
            "Failed to process art: What?:1\nNull error: Art name '../escape" + refused +
            "Failed to process art: What?:2\nNull error: Art name 'sub/dir" + refused +
            "Failed to process art: What?:3\nNull error: Art name '.." + refused +
            "### Serialized 1 characters\n### Serialized 3 arts\n### Serialized 5 quotes\n");

  EXPECT_EQ(folderContents(dir.path()), (Names{"art", "ponies.bin", "quotes"}));
  EXPECT_EQ(folderContents(dir / "art"), (Names{"thistle.pony", "thistle_sad.pony", "what.pony"}));
  EXPECT_EQ(folderContents(dir / "quotes"), (Names{"AB.1", "AB.2", "AB.3", "Thistle.1", "Thistle.2", "What.1"}));
  EXPECT_TRUE(readFile(dir / "art/what.pony")
                  .starts_with("$$$\nNAME: What?\nBALLOON: top\nWIDTH: 3\nHEIGHT: 2\n$$$\n$bubble0$\n"));
  EXPECT_EQ(readFile(dir / "quotes/Thistle.1"), "thistle+thistle_sad.\nOne");
  EXPECT_EQ(readFile(dir / "quotes/What.1"), "what.\nWhat");
  EXPECT_EQ(readFile(dir / "quotes/AB.3"), ".\nc");
}

TEST(TrotconvCli, ConvertAllAndSerializeAllKeepFolderNames) {
  TempDir dir;
  test::copyFixtures("balloons", dir / "src/balloons");
  dir.write("src/myttyponies/thistle.pony", artWith("NAME: Thistle\n"));
  dir.write("src/extrattyponies/burdock.pony", artWith("NAME: Burdock\n"));
  dir.write("src/TTYPONIES/shouty.pony", artWith("NAME: Shouty\n"));
  dir.write("src/quotes/1", "thistle+burdock.\nHello");

  auto result = trotconv(dir, {"convertall", "src", "bin"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(folderContents(dir / "bin"), (Names{"bubbles", "extrattyponies.bin", "myttyponies.bin"}));
  EXPECT_EQ(describeDatabase(dir / "bin/myttyponies.bin"), Names{"Thistle: thistle | Hello"});
  EXPECT_EQ(describeDatabase(dir / "bin/extrattyponies.bin"), Names{"Burdock: burdock | Hello"});

  dir.write("bin/ponies.BIN", "skipped: the extension differs in case");
  fs::copy_file(dir / "bin/myttyponies.bin", dir / "bin/...bin");  // would name the folder ".."
  result = trotconv(dir, {"serializeall", "bin", "back"});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("Failed to process character: \"...bin\"\nNull error: Database name '..' "),
            std::string::npos);
  EXPECT_EQ(folderContents(dir.path()), (Names{"back", "bin", "src"}));
  EXPECT_EQ(folderContents(dir / "back"), (Names{"balloons", "extrattyponies", "myttyponies", "quotes"}));
  EXPECT_EQ(folderContents(dir / "back/balloons"), folderContents(dir / "src/balloons"));
  EXPECT_EQ(folderContents(dir / "back/myttyponies"), Names{"thistle.pony"});
  EXPECT_EQ(folderContents(dir / "back/quotes"), (Names{"Burdock.1", "Thistle.1"}));

  // Without pony folders only the bubbles are converted.
  dir.write("onlyballoons/balloons/ascii.say", readFile(dir / "src/balloons/ascii.say"));
  result = trotconv(dir, {"convertall", "onlyballoons", "bin2"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "Processed 1 bubbles\n");
  EXPECT_EQ(folderContents(dir / "bin2"), Names{"bubbles"});
}

// The same sources give the same bytes whatever order the file system lists
// them in, and a link loop among them is one skipped file, not an abort.
TEST(TrotconvCli, ConvertAllIsReproducibleAndSkipsLinkLoops) {
  TROT_SKIP_WITHOUT_POSIX_SHELL();
  TempDir dir;
  const std::vector<std::pair<std::string, std::string>> files = {
      {"balloons/ascii.say", readFile(fs::path(TROT_CONVERTER_FIXTURES) / "balloons/ascii.say")},
      {"balloons/ascii.think", readFile(fs::path(TROT_CONVERTER_FIXTURES) / "balloons/ascii.think")},
      {"ttyponies/b.pony", artWith("NAME: Same\n")},
      {"ttyponies/a.pony", artWith("NAME: Same\n")},
      {"ttyponies/c.pony", artWith("NAME: Other\n")},
      {"quotes/2", "a+c.\nsecond"},
      {"quotes/1", "a.\nfirst"},
  };
  for (const auto& [name, bytes] : files) dir.write("one/" + name, bytes);
  for (auto it = files.rbegin(); it != files.rend(); ++it) dir.write("two/" + it->first, it->second);
  for (const char* tree : {"one", "two"}) {
    fs::create_symlink("loop.pony", dir / tree / "ttyponies/loop.pony");
    const auto result = trotconv(dir, {"convertall", tree, std::string(tree) + ".out"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("Failed to process pony art '\"" + std::string(tree) +
                              "/ttyponies/loop.pony\"': File error: Failed to open file: Too many levels of "
                              "symbolic links:\n"),
              std::string::npos)
        << result.out;
  }
  EXPECT_EQ(describeDatabase(dir / "one.out/ttyponies.bin"), (Names{"Same: a b | first | second", "Other: c | second"}));
  for (const char* output : {"ttyponies.bin", "bubbles/ascii.bin"}) {
    EXPECT_BYTES(readFile(dir / "one.out" / output), readFile(dir / "two.out" / output));
  }
}

TEST(TrotconvCli, AMissingInputFolderStopsTheRun) {
  TempDir dir;
  dir.write("one/alder.pony", artWith("NAME: Alder\n"));
  dir.write("quotes/q", "alder.\nhello");
  const std::string stop = "'\"missing\"' isnt a directory\n";
  // Only the bubble commands create their output first.
  const std::tuple<Names, std::string, bool> cases[] = {
      {{"convertponies", "one", "missing", "out"}, stop, false},
      {{"convertponies", "one", "missing", "quotes", "out"}, quoted("one/alder.pony") + "\n" + stop, false},
      {{"convertbubbles", "missing", "out"}, stop, true},
      {{"serializebubbles", "missing", "out"}, stop, true},
      {{"serializeall", "missing", "out"}, stop, false},
  };
  for (const auto& [args, out, created] : cases) {
    const auto result = trotconv(dir, args);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, out);
    EXPECT_EQ(fs::exists(dir / "out"), created) << args[0];
    fs::remove_all(dir / "out");
  }
}

TEST(TrotconvCli, FileSystemErrorsEndTheRunWithOneLine) {
  TROT_SKIP_WITHOUT_POSIX_SHELL();
  TempDir dir;
  // Messages that cannot be written are a failure too.
  const auto full = test::runProgram("/bin/sh", {"-c", "exec \"$0\" >/dev/full", TROTCONV_PATH}, dir.path());
  EXPECT_EQ(full.status, 255);
  EXPECT_EQ(full.err, "trotconv: write error: No space left on device\n");
  dir.write("plain", "a file where a folder should be");
  for (const Names& args :
       {Names{"convertbubbles", "in", "plain/out"}, Names{"serializeponies", "a.bin", "plain/art", "quotes"}}) {
    const auto result = trotconv(dir, args);
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  }
}

}  // namespace
}  // namespace trot
