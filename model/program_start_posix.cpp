#include "model/program_start.hpp"

namespace trot {

ProgramStart::ProgramStart(int argc, char** argv) { keep(std::vector<std::string>(argv, argv + argc)); }

}  // namespace trot
