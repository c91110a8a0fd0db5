#include <cstdlib>

#include "model/user_folders.hpp"
#include "model/utf8_path.hpp"

namespace trot {

const char kPathListSeparator = ';';

// The narrow environment is in the system code page, which cannot spell
// most folder names; the wide one holds them all.
std::optional<std::string> processEnvironment(const char* name) {
  const wchar_t* value = _wgetenv(std::filesystem::path(name).c_str());
  if (value == nullptr) return std::nullopt;
  const std::u8string text = std::filesystem::path(value).u8string();
  return std::string(text.begin(), text.end());
}

// A relative data folder would make the result depend on the working folder.
std::optional<std::filesystem::path> userDataFolder(const EnvironmentLookup& lookup) {
  const auto local = lookup("LOCALAPPDATA");
  if (local && pathFromUtf8(*local).is_absolute()) return pathFromUtf8(*local) / "trotspeak";
  return std::nullopt;
}

}  // namespace trot
