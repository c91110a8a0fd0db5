#include "display/resource_paths.hpp"

#include <system_error>

#include "model/exception.hpp"

namespace trot {

namespace {

bool isFile(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

bool isFolder(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_directory(path, ignored);
}

}  // namespace

ResourcePaths::ResourcePaths(std::filesystem::path programDir) : programDir_(std::move(programDir)) {}

std::vector<std::filesystem::path> ResourcePaths::candidates(const std::string& relative) const {
  std::vector<std::filesystem::path> paths{"./resources/" + relative};
  if (!programDir_.empty()) {
    paths.push_back(programDir_ / "resources" / relative);
    paths.push_back(programDir_ / ".." / "share" / "trotspeak" / "resources" / relative);
  }
  return paths;
}

std::filesystem::path ResourcePaths::ponyDatabase() const {
  const auto paths = candidates("ponies.bin");
  for (const auto& path : paths)
    if (isFile(path)) return path;

  std::string message = "Failed to open file '" + paths.front().string() + "'";
  if (paths.size() > 1) {
    message += " (also tried";
    for (std::size_t i = 1; i < paths.size(); ++i) message += (i == 1 ? " '" : ", '") + paths[i].string() + "'";
    message += ")";
  }
  throw FileException(FileException::kNoOffset, message);
}

std::filesystem::path ResourcePaths::bubbleFolder() const {
  const auto paths = candidates("bubbles");
  for (const auto& path : paths)
    if (isFolder(path)) return path;
  return paths.front();
}

std::filesystem::path programDirectory(const char* argv0) {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  const std::filesystem::path invoked = argv0 != nullptr ? argv0 : "";
  if (!invoked.has_parent_path()) return {};
  return std::filesystem::absolute(invoked, error).parent_path();
}

}  // namespace trot
