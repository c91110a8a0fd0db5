#include "display/ponies/resource_lookup.hpp"

#include <map>
#include <string_view>
#include <system_error>

#include "display/flow/arguments.hpp"
#include "display/flow/selection.hpp"
#include "display/ponies/pony_database.hpp"
#include "display/ponies/source_folder_ponies.hpp"
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

// Every file of the bubbles/ folders of the path by its name, the first
// folder winning; whether any folder of the path has a bubbles/ folder.
struct StyleFiles {
  std::map<std::filesystem::path, std::filesystem::path> byName;
  bool anyFolder = false;
};

StyleFiles styleFiles(const SearchPath& path) {
  StyleFiles found;
  for (const auto& folder : path.existingFolders()) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder / "bubbles", error);
    if (error) continue;
    found.anyFolder = true;
    for (const std::filesystem::directory_iterator end; !error && entries != end; entries.increment(error)) {
      if (isFile(entries->path())) found.byName.try_emplace(entries->path().filename(), entries->path());
    }
  }
  return found;
}

}  // namespace

std::vector<std::unique_ptr<PonyCollection>> findPonyCollections(const SearchPath& path, std::ostream& messages) {
  std::vector<std::unique_ptr<PonyCollection>> collections;
  for (const auto& folder : path.existingFolders()) {
    if (isFolder(folder / "ponies")) collections.push_back(std::make_unique<SourceFolderPonies>(folder, messages));
    if (isFile(folder / "ponies.bin")) collections.push_back(std::make_unique<PonyDatabase>(folder / "ponies.bin"));
  }
  if (collections.empty()) {
    throw FileException(FileException::kNoOffset,
                        "Failed to open file '" + (kDefaultFolder / "ponies.bin").string() + "' (" + kSeePaths + ")");
  }
  return collections;
}

std::vector<std::unique_ptr<PonyCollection>> openPonyDatabases(const std::vector<std::string>& files,
                                                           const SearchPath& path) {
  std::vector<std::unique_ptr<PonyCollection>> collections;
  for (const auto& file : files) {
    std::filesystem::path found = pathFromUtf8(file);
    if (!isFile(found)) {
      const auto named = pathFromUtf8(file + ".bin");
      for (const auto& folder : path.existingFolders()) {
        if (isFile(folder / named)) {
          found = folder / named;
          break;
        }
      }
    }
    // A name found nowhere is opened as given, for a report that names it.
    collections.push_back(std::make_unique<PonyDatabase>(found));
  }
  return collections;
}

bool namesAFile(std::string_view value) {
  // A slash, or the system's own separator where it has another.
  constexpr char kSeparators[] = {'/', static_cast<char>(std::filesystem::path::preferred_separator), '\0'};
  return value.find_first_of(kSeparators) != std::string_view::npos || value.ends_with(".bin");
}

std::filesystem::path findBubbleStyle(const SearchPath& path, const std::string& name) {
  // Every style by its name.
  std::map<std::string, std::filesystem::path> styles;
  for (const auto& [name, file] : styleFiles(path).byName) {
    if (name.extension() == ".bin") styles.emplace(name.stem().string(), file);
  }
  std::vector<const std::string*> begun;
  for (const auto& [style, file] : styles) {
    if (!prefixMatch(style, name)) continue;
    // A name with escapes or controls is also known by its listed form.
    if (style.size() == name.size() || plainText(style).size() == name.size()) return file;
    begun.push_back(&style);
  }
  if (begun.size() == 1) return styles.at(*begun.front());
  if (begun.size() > 1) {
    std::string matches;
    for (const std::string* style : begun) matches += (matches.empty() ? "" : ", ") + *style;
    throw ArgumentException("bubble style '" + name + "' is ambiguous: " + matches +
                            " (trotspeak --list-bubbles lists the styles)");
  }
  const auto file = pathFromUtf8(name + ".bin");
  for (const auto& folder : path.existingFolders())
    if (isFolder(folder / "bubbles")) return folder / "bubbles" / file;
  return kDefaultFolder / "bubbles" / file;
}

std::vector<std::filesystem::path> bubbleStyleFiles(const SearchPath& path) {
  StyleFiles found = styleFiles(path);
  if (!found.anyFolder) {
    throw FileException(FileException::kNoOffset, "Failed to list bubble styles in '" +
                                                      (kDefaultFolder / "bubbles").string() + "': " + kSeePaths);
  }
  std::vector<std::filesystem::path> files;
  for (auto& [name, file] : found.byName) files.push_back(std::move(file));
  return files;
}

}  // namespace trot
