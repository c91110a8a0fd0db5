// trotconv run as a process on folders written into a temporary directory.
#include <gtest/gtest.h>

#include "converter/art_text_reader.hpp"
#include "converter/balloon_text.hpp"
#include "converter/dispatch.hpp"
#include "model/bubble.hpp"
#include "tests/converter/converter_test_support.hpp"
#include "tests/support/golden.hpp"

namespace trot {
namespace {

using test::kStartup;
using test::readFile;
using test::sortedLines;
using test::TempDir;
using test::trotconv;
namespace fs = std::filesystem;

// Standard output without the escape that every run starts with.
std::string afterStartup(const std::string& out) {
  EXPECT_TRUE(out.starts_with(kStartup));
  return out.substr(std::min(out.size(), kStartup.size()));
}

// A one-cell art whose header holds `header`.
std::string artWith(const std::string& header) { return "$$$\n" + header + "$$$\n^[]P1ff0000^[[31m\u2588\n"; }

TEST(TrotconvCli, UsageScreenForEveryUnrecognisedCommandLine) {
  TempDir dir;
  const std::vector<std::vector<std::string>> commandLines = {
      {},
      {"convertall"},
      {"convertall", "in"},
      {"convertponies", "art", "quotes"},                 // needs five arguments
      {"serializeponies", "a.bin", "art"},                // likewise
      {"convertall", "in", "out", "more"},                // takes exactly two
      {"serializebubbles", "in", "out", "more", "more"},  // likewise
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
}

TEST(TrotconvCli, WithoutEvenAProgramNameOnlyTheStartupEscapeIsWritten) {
  testing::internal::CaptureStdout();
  const int status = runTrotconv(0, nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), kStartup);
  EXPECT_EQ(status, -1);
}

struct Pony {
  std::string name;
  std::vector<std::string> arts;
  std::vector<std::string> quotes;
};

// Each art is one red cell with the bubble below.
void writeDatabase(const fs::path& file, const std::vector<Pony>& ponies) {
  CharacterGroup group;
  for (const auto& pony : ponies) {
    Character& character = group.addCharacter();
    character.name = pony.name;
    for (const auto& name : pony.arts) {
      auto meta = std::make_unique<AsciiArtMeta>();
      meta->name = name;
      meta->art.set(std::make_unique<AsciiArt>());
      parseArtText(meta->art.get(), "$$$\n$$$\n^[]P1ff0000^[[31m\u2580\n$balloon$", nullptr);
      character.addArt(std::make_shared<ArtHook>(std::move(meta)));
    }
    for (const auto& text : pony.quotes) {
      auto quote = std::make_unique<Quote>();
      quote->text = text;
      character.addQuote(std::make_shared<QuoteHook>(std::move(quote)));
    }
  }
  saveToFile(group, file);
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

TEST(TrotconvCli, MergeAppendsDatabasesInOrder) {
  TempDir dir;
  writeDatabase(dir / "a.bin", {{"Thistle", {"thistle"}, {"Hello"}}, {"Burdock", {}, {"Hm"}}});
  writeDatabase(dir / "b.bin", {{"Thistle", {}, {}}});

  auto result = trotconv(dir, {"merge", "a.bin", "one.bin"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, kStartup);
  EXPECT_BYTES(codecMerge({dir / "a.bin"}), readFile(dir / "one.bin"));

  result = trotconv(dir, {"merge", "a.bin", "b.bin", "two.bin"});
  EXPECT_EQ(result.status, 0);
  EXPECT_BYTES(codecMerge({dir / "a.bin", dir / "b.bin"}), readFile(dir / "two.bin"));
  EXPECT_EQ(test::describeDatabase(dir / "two.bin"),
            (std::vector<std::string>{"Thistle: thistle | Hello", "Burdock: | Hm", "Thistle:"}));
}

TEST(TrotconvCli, MergeWithAMissingInputWritesNothing) {
  TempDir dir;
  writeDatabase(dir / "b.bin", {{"Thistle", {}, {}}});
  const auto result = trotconv(dir, {"merge", "missing.bin", "b.bin", "out.bin"});
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.out, kStartup);
  EXPECT_EQ(result.err, "File error: Failed to open file 'missing.bin':\n");
  EXPECT_FALSE(fs::exists(dir / "out.bin"));
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
  const std::string out = afterStartup(result.out);
  EXPECT_TRUE(out.ends_with("\"two/alder.pony\"\nProcessed 5 characters\n")) << out;
  EXPECT_EQ(sortedLines(out),
            (std::vector<std::string>{"\"one/alder.pony\"", "\"one/alder_up.pony\"", "\"one/dune.pony\"",
                                      "\"one/nobody.pony\"", "\"one/shared.pony\"", "\"two/alder.pony\"",
                                      "Processed 5 characters"}));
  auto ponies = test::describeDatabase(dir / "out.bin");
  std::sort(ponies.begin(), ponies.end());
  EXPECT_EQ(ponies, (std::vector<std::string>{
                        "Alder: alder",
                        "Alder: alder alder_up |  | first art of a stem wins, shared art goes to its owner | "
                        "second plus starts a token",
                        "Birch: shared | first art of a stem wins, shared art goes to its owner",
                        "Cedar: shared",
                        "Dune: dune | line ends kept\n",
                    }));
}

TEST(TrotconvCli, ConvertPoniesStopsAtAMissingFolderWithoutWriting) {
  TempDir dir;
  dir.write("one/alder.pony", artWith("NAME: Alder\n"));
  dir.write("quotes/q", "alder.\nhello");
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const Case cases[] = {
      {{"convertponies", "one", "missing", "out.bin"}, "'\"missing\"' isnt a directory\n"},
      {{"convertponies", "one", "missing", "quotes", "out.bin"},
       "\"one/alder.pony\"\n'\"missing\"' isnt a directory\n"},
  };
  for (const auto& c : cases) {
    const auto result = trotconv(dir, c.args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(afterStartup(result.out), c.out);
    EXPECT_FALSE(fs::exists(dir / "out.bin"));
  }
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
  const Case cases[] = {
      {"out.bin", 0, ""},
      {"nofolder/out.bin", 255, "Null error: Failed to open file for writing to nofolder/out.bin:\n"},
      // Created, written, but it cannot take the place of a folder.
      {"taken.bin", 255, "File error: Failed to write file 'taken.bin':\n"},
  };
  for (const auto& c : cases) {
    const auto result = trotconv(dir, {"convertponies", "one", "quotes", c.output});
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(afterStartup(result.out),
              "\"one/bad.pony\"\n"
              "Failed to process pony art '\"one/bad.pony\"': Pony Parser error: Invalid header, no starting "
              "seperator: '$$$':\nProcessed 0 characters\n");
  }
  EXPECT_EQ(test::describeDatabase(dir / "out.bin"), std::vector<std::string>{});
  EXPECT_TRUE(fs::is_directory(dir / "taken.bin"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 4);
}

std::string balloonText(const fs::path& file) {
  Bubble bubble;
  parseBalloon(bubble, readFile(file));
  std::ostringstream text;
  writeBalloon(bubble, text);
  return text.str();
}

TEST(TrotconvCli, BubblesBothWays) {
  TempDir dir;
  test::copyFixtures("balloons", dir / "balloons");
  const std::string valid = readFile(dir / "balloons/ascii.say");
  dir.write("balloons/notes.txt", valid);
  dir.write("balloons/ascii.SAY", valid);
  dir.write("balloons/broken.say", "nw:x\n");

  auto result = trotconv(dir, {"convertbubbles", "balloons", "out/bubbles"});
  EXPECT_EQ(result.status, 0);
  std::string out = afterStartup(result.out);
  EXPECT_TRUE(out.ends_with("Processed 2 bubbles\n")) << out;
  EXPECT_EQ(sortedLines(out),
            (std::vector<std::string>{
                "Failed to process bubble '\"balloons/ascii.SAY\"': Null error: Failed to determine say/think type "
                "of file: balloons/ascii.SAY:",
                "Failed to process bubble '\"balloons/broken.say\"': Bubble Parse error: Cant find key nww:",
                "Failed to process bubble '\"balloons/notes.txt\"': Null error: Failed to determine say/think type "
                "of file: balloons/notes.txt:",
                "Processed 2 bubbles"}));
  BubbleTypes ascii;
  loadFromFile(ascii, dir / "out/bubbles/ascii.bin");
  EXPECT_TRUE(ascii.hasSay() && ascii.hasThink());
  BubbleTypes rounded;
  loadFromFile(rounded, dir / "out/bubbles/rounded.bin");
  EXPECT_TRUE(rounded.hasSay() && !rounded.hasThink());
  EXPECT_FALSE(fs::exists(dir / "out/bubbles/notes.bin"));

  dir.write("out/bubbles/junk.txt", "not a bubble style");
  result = trotconv(dir, {"serializebubbles", "out/bubbles", "back"});
  EXPECT_EQ(result.status, 0);
  out = afterStartup(result.out);
  EXPECT_TRUE(out.ends_with("### Serialized 3 bubbles\n")) << out;
  EXPECT_NE(out.find("Failed to process bubble: \"junk.txt\"\nNull error: "), std::string::npos) << out;
  for (const char* name : {"ascii.say", "ascii.think", "rounded.say"}) {
    EXPECT_BYTES(balloonText(dir / "balloons" / name), readFile(dir / "back" / name));
  }
  EXPECT_FALSE(fs::exists(dir / "back/rounded.think"));
}

std::vector<std::string> folderContents(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(TrotconvCli, SerializePoniesWritesArtAndQuoteFiles) {
  TempDir dir;
  writeDatabase(dir / "ponies.bin", {{"Thistle", {"thistle", "thistle_sad"}, {"One", "Two"}},
                                     {"What?", {"what", "../escape", "sub/dir", ".."}, {"What"}},
                                     {"A:B", {}, {"a", "b", "c"}}});
  fs::create_directories(dir / "quotes/Thistle.2");  // a quote file that cannot be written

  const auto result = trotconv(dir, {"serializeponies", "ponies.bin", "art", "quotes"});
  EXPECT_EQ(result.status, 0);
  const std::string refused = "' cannot be used as a file name in the art folder:\n";
  EXPECT_EQ(afterStartup(result.out),
            "Failed to process quote: Thistle:1\nFile error: Failed to write file 'quotes/Thistle.2':\n"
            "Failed to process art: What?:1\nNull error: Art name '../escape" + refused +
            "Failed to process art: What?:2\nNull error: Art name 'sub/dir" + refused +
            "Failed to process art: What?:3\nNull error: Art name '.." + refused +
            "### Serialized 1 characters\n### Serialized 3 arts\n### Serialized 5 quotes\n");

  EXPECT_EQ(folderContents(dir.path()), (std::vector<std::string>{"art", "ponies.bin", "quotes"}));
  EXPECT_EQ(folderContents(dir / "art"), (std::vector<std::string>{"thistle.pony", "thistle_sad.pony", "what.pony"}));
  EXPECT_EQ(folderContents(dir / "quotes"),
            (std::vector<std::string>{"AB.1", "AB.2", "AB.3", "Thistle.1", "Thistle.2", "What.1"}));
  EXPECT_TRUE(readFile(dir / "art/what.pony").starts_with(
      "$$$\nNAME: What?\nBALLOON: bottom\nWIDTH: 1\nHEIGHT: 1\n$$$\n$bubble0$\n"));
  EXPECT_EQ(readFile(dir / "quotes/Thistle.1"), "thistle+thistle_sad.\nOne");
  EXPECT_EQ(readFile(dir / "quotes/What.1"), "what.\nWhat");
  EXPECT_EQ(readFile(dir / "quotes/AB.3"), ".\nc");
}

TEST(TrotconvCli, SerializePoniesCountsEachInputOnItsOwn) {
  TempDir dir;
  writeDatabase(dir / "a.bin", {{"Thistle", {"thistle"}, {"One"}}});
  const auto result = trotconv(dir, {"serializeponies", "missing.bin", "a.bin", "out/art", "out/quotes"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(afterStartup(result.out),
            "Failed to process character: \"missing.bin\"\nFile error: Failed to open file 'missing.bin':\n"
            "### Serialized 0 characters\n### Serialized 0 arts\n### Serialized 0 quotes\n"
            "### Serialized 1 characters\n### Serialized 1 arts\n### Serialized 1 quotes\n");
  EXPECT_EQ(folderContents(dir / "out"), (std::vector<std::string>{"art", "quotes"}));
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
  EXPECT_EQ(folderContents(dir / "bin"), (std::vector<std::string>{"bubbles", "extrattyponies.bin", "myttyponies.bin"}));
  EXPECT_EQ(test::describeDatabase(dir / "bin/myttyponies.bin"), std::vector<std::string>{"Thistle: thistle | Hello"});
  EXPECT_EQ(test::describeDatabase(dir / "bin/extrattyponies.bin"), std::vector<std::string>{"Burdock: burdock | Hello"});

  dir.write("bin/ponies.BIN", "skipped: the extension differs in case");
  fs::copy_file(dir / "bin/myttyponies.bin", dir / "bin/...bin");  // would name the folder ".."
  result = trotconv(dir, {"serializeall", "bin", "back"});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("Failed to process character: \"...bin\"\nNull error: Database name '..' "),
            std::string::npos);
  EXPECT_EQ(folderContents(dir.path()), (std::vector<std::string>{"back", "bin", "src"}));
  EXPECT_EQ(folderContents(dir / "back"), (std::vector<std::string>{"balloons", "extrattyponies", "myttyponies", "quotes"}));
  EXPECT_EQ(folderContents(dir / "back/balloons"), folderContents(dir / "src/balloons"));
  EXPECT_EQ(folderContents(dir / "back/myttyponies"), std::vector<std::string>{"thistle.pony"});
  EXPECT_EQ(folderContents(dir / "back/quotes"), (std::vector<std::string>{"Burdock.1", "Thistle.1"}));
}

TEST(TrotconvCli, FolderCommandsWithoutTheirInputFolder) {
  TempDir dir;
  for (const char* command : {"convertbubbles", "serializebubbles", "serializeall"}) {
    const auto result = trotconv(dir, {command, "missing", command});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(afterStartup(result.out), "'\"missing\"' isnt a directory\n");
    // Only the bubble commands create their output folder first.
    EXPECT_EQ(fs::is_directory(dir / command), std::string_view(command) != "serializeall") << command;
  }

  dir.write("onlyballoons/balloons/ascii.say", readFile(fs::path(TROT_CONVERTER_FIXTURES) / "balloons/ascii.say"));
  const auto result = trotconv(dir, {"convertall", "onlyballoons", "bin"});
  EXPECT_EQ(afterStartup(result.out), "Processed 1 bubbles\n");
  EXPECT_EQ(folderContents(dir / "bin"), std::vector<std::string>{"bubbles"});
}

TEST(TrotconvCli, FileSystemErrorsEndTheRunWithOneLine) {
  TempDir dir;
  dir.write("plain", "a file where a folder should be");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"convertbubbles", "in", "plain/out"},
                                                {"serializeponies", "a.bin", "plain/art", "quotes"}}) {
    const auto result = trotconv(dir, args);
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out, kStartup);
    EXPECT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  }
}

}  // namespace
}  // namespace trot
