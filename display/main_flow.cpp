#include "display/main_flow.hpp"

#include <iostream>

#include "display/arguments.hpp"
#include "display/help_screen.hpp"
#include "render/color_format.hpp"

namespace trot {

int runTrotspeak(int argc, const char* const* argv) {
  ColorFormatANSI format;
  format.init(std::cout);
  const Arguments args = parseArguments(argc, argv);

  if (args.version && !args.help) {
    printVersion();
    return 0;
  }
  printHelp(format);
  return 0;
}

}  // namespace trot
