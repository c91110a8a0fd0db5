#include "model/user_folders.hpp"

#include <cstdlib>

#include "model/utf8_path.hpp"

namespace trot {

std::vector<std::string> splitPathList(std::string_view list) {
  std::vector<std::string> entries;
  while (!list.empty()) {
    const auto end = list.find(kPathListSeparator);
    const auto entry = list.substr(0, end);
    if (!entry.empty()) entries.emplace_back(entry);
    if (end == std::string_view::npos) break;
    list.remove_prefix(end + 1);
  }
  return entries;
}

std::optional<std::string> processEnvironment(const char* name) {
#ifdef _WIN32
  // The narrow environment is in the system code page, which cannot spell
  // most folder names; the wide one holds them all.
  const wchar_t* value = _wgetenv(std::filesystem::path(name).c_str());
  if (value == nullptr) return std::nullopt;
  const std::u8string text = std::filesystem::path(value).u8string();
  return std::string(text.begin(), text.end());
#else
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
#endif
}

std::vector<std::filesystem::path> userFolders(const EnvironmentLookup& lookup) {
  std::vector<std::filesystem::path> folders;
  if (const auto list = lookup("TROTSPEAK_PATH"))
    for (const auto& entry : splitPathList(*list)) folders.push_back(pathFromUtf8(entry));
  // A relative data folder would make the result depend on the working folder.
#ifdef _WIN32
  if (const auto local = lookup("LOCALAPPDATA"); local && pathFromUtf8(*local).is_absolute()) {
    folders.push_back(pathFromUtf8(*local) / "trotspeak");
  }
#else
  const auto home = lookup("XDG_DATA_HOME");
  if (home && std::filesystem::path(*home).is_absolute()) {
    folders.push_back(std::filesystem::path(*home) / "trotspeak");
  } else if (const auto user = lookup("HOME"); user && !user->empty()) {
    folders.push_back(std::filesystem::path(*user) / ".local" / "share" / "trotspeak");
  }
#endif
  return folders;
}

}  // namespace trot
