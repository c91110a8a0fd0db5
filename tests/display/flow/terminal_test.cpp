// trotspeak's run, in-process, with a terminal on standard output: the
// colours its environment claims, the NO_COLOR and --color choices, and its
// width. The ponies are the art files of tests/display/fixtures and a quote,
// read as source files.
#include <gtest/gtest.h>

#include <cstdint>

#include "render/line_breaker.hpp"
#include "tests/display/flow/run_in_process.hpp"
#include "tests/support/fixtures.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

using Env = std::map<std::string, std::string>;

class TerminalRun : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir / "resources");
    std::filesystem::copy(TROT_DISPLAY_FIXTURES, dir / "resources/ponies");
    dir.write("resources/quotes/wren.1",
              "wren_narrow.\nEvery morning I count the clouds over the meadow, and every morning there is one "
              "more than yesterday, which is how I know the sky is growing.\n");
    test::writeBubbleStyle(dir / "resources/bubbles/ascii.bin", true, true);
  }

  // On a terminal of `width` columns, or in a file.
  test::ProcessResult run(const Env& env, const std::vector<std::string>& args,
                          std::optional<std::size_t> width = 80) {
    test::World world;
    world.environment = env;
    world.environment["XDG_DATA_DIRS"] = (dir / "system").string();
    world.terminalColumns = width;
    world.programFolder = dir / "bin";
    return test::runInProcess(dir.path(), args, world);
  }

  test::TempDir dir;
};

TEST_F(TerminalRun, ColourDepthFromTheEnvironmentAndTheOptions) {
  struct Case {
    Env env;
    std::vector<std::string> options;
    const char* golden;
  };
  const Env truecolor = {{"TERM", "xterm-256color"}, {"COLORTERM", "truecolor"}};
  const Case cases[] = {
      {truecolor, {}, "display/depth_truecolor.txt"},
      {{{"TERM", "screen"}, {"COLORTERM", "24bit"}}, {}, "display/depth_truecolor.txt"},
      {{{"TERM", "xterm"}, {"WT_SESSION", "0b1c"}}, {}, "display/depth_truecolor.txt"},
      {{{"TERM", "xterm-256color"}}, {}, "display/depth_256.txt"},
      {{{"TERM", "xterm"}}, {}, "display/depth_16.txt"},
      {{{"TERM", "xterm-256color"}}, {"--colors", "16"}, "display/depth_16.txt"},
      {{{"TERM", "dumb"}}, {}, "display/depth_none.txt"},
      {{}, {}, "display/depth_none.txt"},
      {{{"TERM", "dumb"}}, {"--colour=always"}, "display/depth_16.txt"},
      {{{"TERM", "xterm-256color"}, {"COLORTERM", "truecolor"}, {"NO_COLOR", "1"}}, {}, "display/depth_none.txt"},
      {{{"TERM", "xterm"}, {"NO_COLOR", ""}}, {}, "display/depth_16.txt"},
      {{{"TERM", "xterm"}, {"NO_COLOR", "1"}}, {"--color=always", "--colors=256"}, "display/depth_256.txt"},
      {truecolor, {"--color=never", "-r"}, "display/depth_none.txt"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"-p", "wren", "-a", "wren_narrow", "Hello there, sky!"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto result = run(c.env, args);
    EXPECT_EQ(result.status, 0) << c.golden;
    EXPECT_EQ(result.err, "");
    EXPECT_GOLDEN(c.golden, result.out) << c.env.size() << " settings, " << c.options.size() << " options";
  }
  EXPECT_EQ(test::readFile(std::filesystem::path(TROT_GOLDEN_DIR) / "display/depth_none.txt").find('\x1b'),
            std::string::npos);

  // In a file or a pipe NO_COLOR is heeded too; nothing else changes there.
  const auto piped = run({{"NO_COLOR", "1"}}, {"-p", "wren", "-a", "wren_narrow", "Hello there, sky!"}, std::nullopt);
  EXPECT_GOLDEN("display/depth_none.txt", piped.out);

  // The help screen is coloured on a terminal only.
  EXPECT_NE(run({{"TERM", "xterm"}}, {"-h"}).out.find("\x1b[95m    -h , --help"), std::string::npos);
  EXPECT_GOLDEN("display/help.txt", run({{"TERM", "xterm"}, {"NO_COLOR", "1"}}, {"-h"}).out);
}

TEST_F(TerminalRun, BubbleFitsTheTerminal) {
  struct Case {
    Env env;
    unsigned short width;
    std::vector<std::string> options;
    std::size_t widest;
  };
  // The long quote fills every bubble it is given.
  const Case cases[] = {
      {{{"TERM", "xterm"}, {"COLUMNS", "40"}}, 80, {}, 32},  // the art that fits, with its own bubble
      {{{"TERM", "xterm"}}, 24, {"-a", "wren_narrow"}, 24},
      {{{"TERM", "xterm"}, {"COLUMNS", "24"}}, 80, {"-a", "wren_narrow"}, 24},
      {{{"TERM", "xterm"}, {"COLUMNS", "0"}}, 24, {"-a", "wren_narrow"}, 24},
      {{{"TERM", "xterm"}, {"COLUMNS", "24"}}, 80, {"-a", "wren_narrow", std::string(60, 'w')}, 24},  // a word cut to fit
      {{{"TERM", "xterm"}, {"COLUMNS", "20"}}, 80, {"-a", "wren_narrow", "-W", "40"}, 42},
      // Lines of its own widen the bubble to the longest, as far as the terminal.
      {{{"TERM", "xterm"}}, 80, {"-a", "wren_narrow", "one\n" + std::string(40, 'w')}, 42},
      {{{"TERM", "xterm"}}, 50, {"-a", "wren_narrow", "one\n" + std::string(40, 'w') + " " + std::string(40, 'w')}, 50},
      // A named art wider than the terminal is cut at its edge, not wrapped.
      {{{"TERM", "xterm"}}, 40, {"-a", "wren_wide", "hi"}, 40},
      {{{"TERM", "xterm"}}, 40, {"-a", "wren_wide", "-o"}, 40},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"-p", "wren"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto result = run(c.env, args, c.width);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(measureWidth(result.out, SIZE_MAX), c.widest) << c.options.size() << " options on " << c.width << " columns\n" << result.out;
  }
}

TEST_F(TerminalRun, RandomArtFitsTheTerminalWhenOneCan) {
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(run({{"TERM", "xterm"}}, {"-p", "wren", "-o", "-i"}, 40).out.rfind("Wren: art wren_narrow", 0), 0u);
  }
  // No art of this pony fits: it is drawn anyway, as are arts chosen by name.
  EXPECT_EQ(run({{"TERM", "xterm"}}, {"-p", "gull", "-o", "-i"}, 40).out.rfind("Gull: art gull_wide", 0), 0u);
  EXPECT_EQ(run({{"TERM", "xterm"}}, {"-a", "wren_wide", "-o", "-i"}, 40).out.rfind("Wren: art wren_wide", 0), 0u);
}

}  // namespace
}  // namespace trot
