// The folders where trotspeak looks for its resources, in order: the working
// folder's ./resources, each folder of TROTSPEAK_PATH, the user's and the
// system's XDG data folders, the folders beside the program, and the data
// folder chosen when the program was built. Each has the layout of
// resources/: ponies.bin, bubbles/, and the source folders ponies/ and
// quotes/.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "model/user_folders.hpp"

namespace trot {

// The install data folder fixed when the program was built.
std::filesystem::path installDataFolder();

class SearchPath {
 public:
  explicit SearchPath(std::vector<std::filesystem::path> folders);

  // `programDir` is the folder of the running program; empty when unknown.
  static SearchPath fromEnvironment(const EnvironmentLookup& lookup, const std::filesystem::path& programDir);

  const std::vector<std::filesystem::path>& folders() const { return folders_; }

  // The folders that exist, each looked up once for the whole run, and each
  // kept only where it first appears when two of them are the same folder
  // (./resources in the build folder is also the one beside the program).
  const std::vector<std::filesystem::path>& existingFolders() const;

  // One folder per line, each marked as found or missing.
  void print(std::ostream& out) const;

 private:
  std::vector<std::filesystem::path> folders_;
  mutable std::optional<std::vector<std::filesystem::path>> existing_;
};

}  // namespace trot
