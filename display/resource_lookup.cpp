#include "display/resource_lookup.hpp"

#include <map>
#include <optional>
#include <string_view>
#include <system_error>

#include "display/pony_database.hpp"
#include "display/source_folder_ponies.hpp"
#include "model/exception.hpp"
#include "model/utf8_path.hpp"
#include "render/terminal_safe_text.hpp"

namespace trot {

namespace {

const std::filesystem::path kDefaultFolder = "./resources";
constexpr const char* kSeePaths = "nothing found in the folders that trotspeak --paths lists";

bool isFile(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

bool isFolder(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_directory(path, ignored);
}

// The first style file in `folder`, in byte order, whose name the style list
// for scripts shows as `name`.
std::optional<std::filesystem::path> styleListedAs(const std::filesystem::path& folder, std::string_view name) {
  std::error_code error;
  std::optional<std::filesystem::path> found;
  for (std::filesystem::directory_iterator entries(folder, error), end; !error && entries != end;
       entries.increment(error)) {
    const std::filesystem::path& file = entries->path();
    if (file.extension() == ".bin" && plainText(file.stem().string()) == name && (!found || file < *found)) {
      found = file;
    }
  }
  return found;
}

}  // namespace

std::vector<std::unique_ptr<PonySource>> findPonySources(const SearchPath& path, std::ostream& messages) {
  std::vector<std::unique_ptr<PonySource>> sources;
  for (const auto& folder : path.existingFolders()) {
    if (isFolder(folder / "ponies")) sources.push_back(std::make_unique<SourceFolderPonies>(folder, messages));
    if (isFile(folder / "ponies.bin")) sources.push_back(std::make_unique<PonyDatabase>(folder / "ponies.bin"));
  }
  if (sources.empty()) {
    throw FileException(FileException::kNoOffset,
                        "Failed to open file '" + (kDefaultFolder / "ponies.bin").string() + "' (" + kSeePaths + ")");
  }
  return sources;
}

std::vector<std::unique_ptr<PonySource>> openPonyDatabases(const std::vector<std::string>& files) {
  std::vector<std::unique_ptr<PonySource>> sources;
  for (const auto& file : files) sources.push_back(std::make_unique<PonyDatabase>(pathFromUtf8(file)));
  return sources;
}

std::filesystem::path findBubbleStyle(const SearchPath& path, const std::string& name) {
  const auto file = pathFromUtf8(name + ".bin");
  for (const auto& folder : path.existingFolders())
    if (isFile(folder / "bubbles" / file)) return folder / "bubbles" / file;
  // A name with escapes or controls is listed without them, and so is found.
  for (const auto& folder : path.existingFolders())
    if (auto listed = styleListedAs(folder / "bubbles", name)) return *listed;
  for (const auto& folder : path.existingFolders())
    if (isFolder(folder / "bubbles")) return folder / "bubbles" / file;
  return kDefaultFolder / "bubbles" / file;
}

std::vector<std::filesystem::path> bubbleStyleFiles(const SearchPath& path) {
  std::map<std::filesystem::path, std::filesystem::path> byName;
  bool anyFolder = false;
  for (const auto& folder : path.existingFolders()) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder / "bubbles", error);
    if (error) continue;
    anyFolder = true;
    for (const auto& entry : entries)
      if (entry.is_regular_file()) byName.try_emplace(entry.path().filename(), entry.path());
  }
  if (!anyFolder) {
    throw FileException(FileException::kNoOffset, "Failed to list bubble styles in '" +
                                                      (kDefaultFolder / "bubbles").string() + "': " + kSeePaths);
  }
  std::vector<std::filesystem::path> files;
  for (auto& [name, file] : byName) files.push_back(std::move(file));
  return files;
}

}  // namespace trot
