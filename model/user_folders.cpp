#include "model/user_folders.hpp"

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

std::vector<std::filesystem::path> userFolders(const EnvironmentLookup& lookup) {
  std::vector<std::filesystem::path> folders;
  if (const auto list = lookup("TROTSPEAK_PATH"))
    for (const auto& entry : splitPathList(*list)) folders.push_back(pathFromUtf8(entry));
  if (auto data = userDataFolder(lookup)) folders.push_back(std::move(*data));
  return folders;
}

}  // namespace trot
