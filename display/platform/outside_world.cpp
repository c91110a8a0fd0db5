#include "display/platform/outside_world.hpp"

#include <iostream>

#include "display/platform/descriptor_io.hpp"
#include "display/platform/running_program.hpp"
#include "display/platform/terminal.hpp"

namespace trot {

OutsideWorld worldOfThisProcess(const char* argv0) {
  OutsideWorld world;
  world.environment = processEnvironment;
  world.outputIsTerminal = outputIsTerminal();
  if (world.outputIsTerminal) world.reportedSize = reportedTerminalSize();
  world.unnamedTerminalDepth = unnamedTerminalDepth();
  world.inputIsPiped = inputIsPiped();
  world.readInput = readStandardInput;
  world.writeOutput = [](const char* bytes, std::size_t size) { return writeAll(kStandardOutput, bytes, size); };
  world.errors = std::cerr.rdbuf();
  world.programFolder = programDirectory(argv0);
  return world;
}

}  // namespace trot
