#include "tests/display/flow/run_in_process.hpp"

#include <sstream>

#include "display/flow/main_flow.hpp"

namespace trot::test {

ProcessResult runInProcess(const std::filesystem::path& workingDir, const std::vector<std::string>& args,
                           const World& world, const std::string& argv0) {
  ProcessResult result;
  std::stringbuf errors;
  std::string input = world.input;
  OutsideWorld outside;
  outside.environment = [&](const char* name) -> std::optional<std::string> {
    const auto found = world.environment.find(name);
    if (found == world.environment.end()) return std::nullopt;
    return found->second;
  };
  outside.outputIsTerminal = world.terminalColumns.has_value();
  if (world.terminalColumns) outside.reportedSize = {world.terminalColumns, world.terminalRows};
  // A pipe, as test::runProgram gives a process, that may hold nothing.
  outside.inputIsPiped = true;
  outside.readInput = [&](std::string& text, std::size_t spare) {
    text.reserve(text.size() + input.size() + spare);
    text += input;
    input.clear();
  };
  outside.writeOutput = [&](const char* bytes, std::size_t size) {
    result.out.append(bytes, size);
    return 0;
  };
  outside.errors = &errors;
  outside.programFolder = world.programFolder;

  std::vector<const char*> argv{argv0.c_str()};
  for (const auto& arg : args) argv.push_back(arg.c_str());
  argv.push_back(nullptr);
  // The run finds ./resources and the files its command line names from the
  // working folder, as the program does; it lets no exception out.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(workingDir);
  result.status = static_cast<unsigned char>(runTrotspeak(static_cast<int>(argv.size() - 1), argv.data(), outside));
  std::filesystem::current_path(previous);
  result.err = errors.str();
  return result;
}

}  // namespace trot::test
