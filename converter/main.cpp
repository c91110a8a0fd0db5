#include "converter/dispatch.hpp"
#include "model/program_start.hpp"

int main(int argc, char** argv) {
  const trot::ProgramStart start(argc, argv);
  return trot::runTrotconv(start.argc(), start.argv());
}
