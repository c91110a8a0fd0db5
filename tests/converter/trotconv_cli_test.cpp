// trotconv run as a process in a temporary copy of tests/converter/fixtures.
// tests/golden/converter/trotconv.txt is a whole session: the command lines
// to run ("$ trotconv ..."), each followed by what trotconv printed, its exit
// status and every file it wrote, changed or removed. The test runs the
// command lines it finds there and compares the session it gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <map>
#include <sstream>

#include "converter/dispatch.hpp"
#include "model/bubble.hpp"
#include "model/character_group.hpp"
#include "model/files/file_io.hpp"
#include "tests/support/fixtures.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/picture_files.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

using test::readFile;
using test::TempDir;
namespace fs = std::filesystem;

test::ProcessResult trotconv(const TempDir& dir, const std::vector<std::string>& args) {
  return test::runProgram(TROTCONV_PATH, args, dir.path(), "", "./trotconv");
}

void copyFixtures(const TempDir& dir) {
  fs::copy(TROT_CONVERTER_FIXTURES, dir.path(), fs::copy_options::recursive);
}

std::string checksum(std::string_view bytes) {
  std::uint32_t sum = 2166136261u;  // FNV-1a
  for (const char c : bytes) sum = (sum ^ static_cast<unsigned char>(c)) * 16777619u;
  std::ostringstream out;
  out << std::hex << std::setw(8) << std::setfill('0') << sum;
  return out.str();
}

// A pony database as its size and one line per pony with its arts (equal
// arts show equal checksums) and quotes, a bubble style by its variants,
// anything else as its text with line ends shown.
std::string describe(const std::string& bytes) {
  std::ostringstream out;
  try {
    std::istringstream in(bytes);
    CharacterGroup group;
    group.load(in);
    out << "  " << bytes.size() << " bytes\n";
    for (std::size_t i = 0; i < group.characterCount(); ++i) {
      const Character& pony = group.getCharacter(i);
      out << "  " << pony.name << ":";
      for (const auto& hook : pony.arts) {
        AsciiArt& art = hook->get().art.get();
        std::ostringstream encoded;
        art.encodeInit();
        art.encode(encoded);
        out << " " << hook->get().name << " (" << int{art.width} << "x" << int{art.rowCount()} << ", bubble "
            << int{art.bubbleSize} << (art.bubbleAbove ? " above, " : " below, ") << checksum(encoded.str()) << ")";
      }
      for (const auto& quote : pony.quotes) out << " | " << test::visible(quote->get().text);
      out << "\n";
    }
    return out.str();
  } catch (const Exception&) {
  }
  try {
    std::istringstream in(bytes);
    BubbleTypes style;
    style.load(in);
    return std::string("  bubble style:") + (style.hasSay() ? " say" : "") + (style.hasThink() ? " think" : "") + "\n";
  } catch (const Exception&) {
  }
  std::istringstream lines(bytes);
  for (std::string line; std::getline(lines, line);) out << "  " << test::visible(line) << (lines.eof() ? "\n" : "\\n\n");
  return out.str();
}

// Every file and folder under `root`, folders with a trailing slash.
std::map<std::string, std::string> contentsOf(const fs::path& root) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = entry.path().lexically_relative(root).generic_string();
    if (entry.is_directory()) contents[name + "/"] = "";
    else contents[name] = readFile(entry.path());
  }
  return contents;
}

// Paths are printed with the system's own separator, which quoting doubles
// where it is a backslash; the session shows them with slashes.
std::string withSlashes(std::string text) {
  if constexpr (fs::path::preferred_separator == '\\') {
    for (auto at = text.find("\\\\"); at != std::string::npos; at = text.find("\\\\", at)) text.erase(at, 1);
    std::replace(text.begin(), text.end(), '\\', '/');
  }
  return text;
}

std::string session(const TempDir& dir, const std::string& script) {
  const std::string usage = readFile(fs::path(TROT_GOLDEN_DIR) / "converter/usage.txt");
  std::string transcript;
  std::istringstream lines(script);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("# ")) transcript += line + "\n";
    if (!line.starts_with("$ trotconv")) continue;
    std::vector<std::string> args;
    std::istringstream words(line.substr(10));
    for (std::string word; words >> word;) args.push_back(word);

    const auto before = contentsOf(dir.path());
    const auto result = trotconv(dir, args);
    transcript += line + "\n" + (result.out == usage ? "(the usage screen)\n" : withSlashes(result.out));
    std::istringstream err(withSlashes(result.err));
    for (std::string errLine; std::getline(err, errLine);) transcript += "stderr: " + errLine + "\n";
    transcript += "status " + std::to_string(result.status) + "\n";
    const auto after = contentsOf(dir.path());
    for (const auto& [name, bytes] : after) {
      const auto old = before.find(name);
      if (old == before.end()) transcript += "+ " + name + "\n" + describe(bytes);
      else if (old->second != bytes) transcript += "~ " + name + "\n" + describe(bytes);
    }
    for (const auto& [name, bytes] : before) {
      if (!after.contains(name)) transcript += "- " + name + "\n";
    }
    transcript += "\n";
  }
  return transcript;
}

TEST(TrotconvCli, EachCommandLineGivesTheOutputAndFilesTheSessionShows) {
  TempDir dir;
  copyFixtures(dir);
  test::writeDatabase({{"Thistle", {"thistle", "thistle_sad"}, {"One", "Two"}},
                       {"What?", {"what", "../escape", "sub/dir", ".."}, {"What"}},
                       {"A:B", {}, {"a", "b", "c"}}},
                      dir / "ponies.bin");
  // Counts are 16 bits wide in the file: twice this many characters are too many.
  CharacterGroup big;
  for (int i = 0; i < 40000; ++i) big.addCharacter().name.push_back('p');
  saveToFile(big, dir / "big.bin");
  // A sprite of three by two pixels, the same with a byte of its pixel data
  // changed, a picture too wide and a BMP cut short. The picture command puts
  // an art into the ponies folder of the first TROTSPEAK_PATH folder.
  using namespace std::string_literals;
  const std::string sprite =
      test::pngFile(3, 2, 6, 8, "\xfa\x28\x28\xff\0\0\0\0\x28\x28\xfa\xff\x28\xc8\x28\xff\x28\xc8\x28\xff\0\0\0\0"s);
  dir.write("pictures/sprite.png", sprite);
  dir.write("pictures/damaged.png", sprite.substr(0, sprite.size() - 20) + "?" + sprite.substr(sprite.size() - 19));
  dir.write("pictures/wide.png", test::pngFile(5000, 1, 0, 8, std::string(5000, '\xff')));
  dir.write("pictures/short.bmp", test::bmpFile(2, 2, std::string(12, 'Z')).substr(0, 69));
  test::setEnvironment("TROTSPEAK_PATH", "mine");
  const std::string name = "converter/trotconv.txt";
  const std::string transcript = session(dir, readFile(fs::path(TROT_GOLDEN_DIR) / name));
  test::unsetEnvironment("TROTSPEAK_PATH");
  EXPECT_GOLDEN(name, transcript);
  std::size_t runs = 0;  // an emptied session would match itself too
  for (auto at = transcript.find("\nstatus "); at != std::string::npos; at = transcript.find("\nstatus ", at + 1)) ++runs;
  EXPECT_GE(runs, 44u);
}

TEST(TrotconvCli, WithoutEvenAProgramNameNothingIsWritten) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(runTrotconv(0, nullptr), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

// What only a POSIX system can set up. The session's order of files shows
// that folders are read in byte order, whatever order the system lists them.
TEST(TrotconvCli, LinkLoopsAreSkippedAndFileSystemErrorsEndTheRunWithOneLine) {
  TROT_SKIP_WITHOUT_POSIX_SHELL();
  TempDir dir;
  copyFixtures(dir);
  fs::create_symlink("loop.pony", dir / "src/myttyponies/loop.pony");
  // A file name and a marker made to steer a terminal are printed escaped.
  dir.write("src/myttyponies/\x1b]0;pwned\a.pony", "$$$\nNAME: Thistle\n$$$\n$\a\b\302\233$\xe2\x96\x80\n");
  const auto looped = trotconv(dir, {"convertall", "src", "out"});
  EXPECT_EQ(looped.status, 1);
  EXPECT_NE(looped.out.find("\"src/myttyponies/\\x1B]0;pwned\\x07.pony\"\nFailed to parse escaped sequence: '\\x07\\x08\\x9B' at line 4, column 1\n"),
            std::string::npos) << looped.out;
  EXPECT_NE(looped.out.find("Failed to process pony art '\"src/myttyponies/loop.pony\"': File error: Failed to open "
                            "file: Too many levels of symbolic links\n"),
            std::string::npos)
      << looped.out;

  // Messages that cannot be written are a failure too.
  const auto full = test::runProgram("/bin/sh", {"-c", "exec \"$0\" >/dev/full", TROTCONV_PATH}, dir.path());
  EXPECT_EQ(full.status, 255);
  EXPECT_EQ(full.err, "trotconv: write error: No space left on device\n");
  dir.write("plain", "a file where a folder should be");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"convertbubbles", "balloons", "plain/out"},
                                               {"serializeponies", "a.bin", "plain/art", "q"}}) {
    const auto result = trotconv(dir, args);
    EXPECT_EQ(result.status, 255);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  }
}

// A real nearly full disk, a small file system of its own. Without room for
// the new database (or over the file size limit), the hard-linked output
// keeps the old on both links; with room for it but not for a copy besides,
// it gets the new on both.
TEST(TrotconvCli, AHardLinkedOutputOnANearlyFullDiskIsNeverCut) {
  TROT_SKIP_UNLESS_ROOT("to mount a small file system");
  if (!fs::exists("/usr/bin/unshare")) GTEST_SKIP() << "needs /usr/bin/unshare";
  TempDir dir;
  std::vector<test::PonyFixture> herd;
  for (int i = 0; i < 200; ++i) herd.push_back({"Pony " + std::to_string(i), {}, {std::string(100, 'q')}});
  test::writeDatabase(herd, dir / "herd.bin");
  test::writeDatabase({{"Old", {}, {"kept"}}}, dir / "old.bin");
  // Seven pages of 4 KiB for the new database, on a disk of sixteen, in a
  // mount namespace that ends with the shell; ulimit -f counts blocks of 512.
  const std::string script =
      "\"$0\" merge herd.bin new.bin >/dev/null && mkdir disk && mount -t tmpfs -o size=64k tmpfs disk && "
      "cp old.bin disk/out.bin && ln disk/out.bin disk/twin.bin || exit 9; "
      "fill() { head -c $(($1 * 4096)) /dev/zero >disk/filler; }; "
      "(trap '' XFSZ; ulimit -f 8; exec \"$0\" merge herd.bin disk/out.bin); echo \"status $?\"; "
      "fill 12; \"$0\" merge herd.bin disk/out.bin; echo \"status $?\"; "
      "cmp old.bin disk/out.bin && cmp old.bin disk/twin.bin; "
      "fill 6; \"$0\" merge herd.bin disk/out.bin; echo \"status $?\"; "
      "cmp new.bin disk/out.bin && cmp new.bin disk/twin.bin";
  const auto result =
      test::runProgram("/usr/bin/unshare", {"-m", "/bin/sh", "-c", script, TROTCONV_PATH}, dir.path());
  EXPECT_GT(readFile(dir / "new.bin").size(), 6u * 4096);
  const std::string noRoom =
      "File error: Failed to write file 'disk/out.bin': no room for its new content, the old is kept\n";
  EXPECT_EQ(result.err, noRoom + noRoom);
  EXPECT_EQ(result.out, "status 255\nstatus 255\nstatus 0\n");
}

}  // namespace
}  // namespace trot
