#include <system_error>

#include "display/running_program.hpp"

namespace trot {

bool calledAsThink(std::string_view argv0) { return std::filesystem::path(argv0).filename() == "trotthink"; }

std::filesystem::path programDirectory(const char* argv0) {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  const std::filesystem::path invoked = argv0 != nullptr ? argv0 : "";
  if (!invoked.has_parent_path()) return {};
  return std::filesystem::absolute(invoked, error).parent_path();
}

}  // namespace trot
