#include <cstdlib>

#include "model/user_folders.hpp"

namespace trot {

const char kPathListSeparator = ':';

std::optional<std::string> processEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

// A relative data folder would make the result depend on the working folder.
std::optional<std::filesystem::path> userDataFolder(const EnvironmentLookup& lookup) {
  const auto home = lookup("XDG_DATA_HOME");
  if (home && std::filesystem::path(*home).is_absolute()) return std::filesystem::path(*home) / "trotspeak";
  if (const auto user = lookup("HOME"); user && !user->empty()) {
    return std::filesystem::path(*user) / ".local" / "share" / "trotspeak";
  }
  return std::nullopt;
}

}  // namespace trot
