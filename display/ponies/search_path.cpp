#include "display/ponies/search_path.hpp"

#include <algorithm>
#include <system_error>

#include "model/exception.hpp"

namespace trot {

namespace {

constexpr const char* kSystemDataFolders = "/usr/local/share:/usr/share";

bool isFolder(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_directory(path, ignored);
}

// System data folders count only when absolute, so that a stray relative
// entry does not make the result depend on the working folder.
std::vector<std::filesystem::path> systemDataFolders(const EnvironmentLookup& lookup) {
  std::vector<std::filesystem::path> folders;
  auto system = lookup("XDG_DATA_DIRS");
  if (!system || system->empty()) system = kSystemDataFolders;
  for (const auto& entry : splitPathList(*system))
    if (std::filesystem::path(entry).is_absolute()) folders.push_back(std::filesystem::path(entry) / "trotspeak");
  return folders;
}

}  // namespace

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
  for (auto& folder : userFolders(lookup)) folders.push_back(std::move(folder));
  for (auto& folder : systemDataFolders(lookup)) folders.push_back(std::move(folder));
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
  for (const auto& folder : folders_)
    out << (isFolder(folder) ? "found    " : "missing  ") << escapeControlBytes(folder.string()) << '\n';
  out << std::flush;
}

}  // namespace trot
