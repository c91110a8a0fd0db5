#include "model/program_start.hpp"

namespace trot {

void ProgramStart::keep(std::vector<std::string> arguments) {
  arguments_ = std::move(arguments);
  pointers_.clear();
  for (const auto& argument : arguments_) pointers_.push_back(argument.c_str());
  pointers_.push_back(nullptr);
}

}  // namespace trot
