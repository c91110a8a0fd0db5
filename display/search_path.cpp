#include "display/search_path.hpp"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace trot {

namespace {

constexpr const char* kSystemDataFolders = "/usr/local/share:/usr/share";

bool isFolder(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_directory(path, ignored);
}

// Data folders named by the environment count only when absolute, so that
// a stray relative entry does not make the result depend on the working folder.
std::vector<std::filesystem::path> dataFolders(const EnvironmentLookup& lookup) {
  std::vector<std::filesystem::path> folders;
  const auto home = lookup("XDG_DATA_HOME");
  if (home && std::filesystem::path(*home).is_absolute()) {
    folders.emplace_back(*home);
  } else if (const auto user = lookup("HOME"); user && !user->empty()) {
    folders.push_back(std::filesystem::path(*user) / ".local" / "share");
  }

  auto system = lookup("XDG_DATA_DIRS");
  if (!system || system->empty()) system = kSystemDataFolders;
  for (const auto& entry : splitPathList(*system))
    if (std::filesystem::path(entry).is_absolute()) folders.emplace_back(entry);

  for (auto& folder : folders) folder /= "trotspeak";
  return folders;
}

}  // namespace

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
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

SearchPath::SearchPath(std::vector<std::filesystem::path> folders) {
  // A folder reached twice (an install that is both the build-time folder
  // and an XDG entry) is searched once, where it first appears.
  std::vector<std::filesystem::path> normalForms;
  for (auto& folder : folders) {
    auto normal = folder.lexically_normal();
    if (std::find(normalForms.begin(), normalForms.end(), normal) != normalForms.end()) continue;
    normalForms.push_back(std::move(normal));
    folders_.push_back(std::move(folder));
  }
}

SearchPath SearchPath::fromEnvironment(const EnvironmentLookup& lookup, const std::filesystem::path& programDir) {
  std::vector<std::filesystem::path> folders{"./resources"};
  if (const auto list = lookup("TROTSPEAK_PATH"))
    for (const auto& entry : splitPathList(*list)) folders.emplace_back(entry);
  for (auto& folder : dataFolders(lookup)) folders.push_back(std::move(folder));
  if (!programDir.empty()) {
    // Beside the program: the build folder's resources, or the share folder
    // of an install that was moved after it was built.
    folders.push_back(programDir / "resources");
    folders.push_back((programDir / ".." / "share" / "trotspeak").lexically_normal());
  }
  folders.push_back(installDataFolder());
  return SearchPath(std::move(folders));
}

const std::vector<std::filesystem::path>& SearchPath::existingFolders() const {
  if (existing_) return *existing_;
  std::vector<std::filesystem::path> existing;
  for (const auto& folder : folders_) {
    if (!isFolder(folder)) continue;
    bool seen = false;
    std::error_code ignored;
    for (const auto& kept : existing) seen = seen || std::filesystem::equivalent(kept, folder, ignored);
    if (!seen) existing.push_back(folder);
  }
  return existing_.emplace(std::move(existing));
}

void SearchPath::print(std::ostream& out) const {
  for (const auto& folder : folders_) out << (isFolder(folder) ? "found    " : "missing  ") << folder.string() << '\n';
  out << std::flush;
}

}  // namespace trot
