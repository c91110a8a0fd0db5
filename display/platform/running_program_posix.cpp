#include <unistd.h>

#include <array>
#include <string>
#include <system_error>

#include "display/platform/running_program.hpp"

namespace trot {

bool calledAsThink(std::string_view argv0) { return std::filesystem::path(argv0).filename() == "trotthink"; }

std::filesystem::path programDirectory(const char* argv0) {
  // One readlink, where the library's own would look at the link first.
  std::array<char, 4096> self{};
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size());
  if (length > 0 && static_cast<std::size_t>(length) < self.size()) {
    return std::filesystem::path(std::string(self.data(), static_cast<std::size_t>(length))).parent_path();
  }
  std::error_code error;
  const std::filesystem::path invoked = argv0 != nullptr ? argv0 : "";
  if (!invoked.has_parent_path()) return {};
  return std::filesystem::absolute(invoked, error).parent_path();
}

}  // namespace trot
