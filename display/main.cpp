#include "display/flow/main_flow.hpp"
#include "display/platform/outside_world.hpp"
#include "model/program_start.hpp"

int main(int argc, char** argv) {
  const trot::ProgramStart start(argc, argv);
  return trot::runTrotspeak(start.argc(), start.argv(), trot::worldOfThisProcess(start.argv()[0]));
}
