// Where trotspeak finds its shipped resources. The working folder's
// ./resources/ comes first, as it always has; then a resources/ folder next
// to the program, then the installed share/trotspeak/resources/.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace trot {

class ResourcePaths {
 public:
  // `programDir` is the folder of the running executable; empty when unknown.
  explicit ResourcePaths(std::filesystem::path programDir);

  // "./resources/ponies.bin" or the first fallback that exists. Throws
  // FileException naming every path tried when none does.
  std::filesystem::path ponyDatabase() const;

  // The bubble style folder: the first of the candidates that is a folder,
  // else "./resources/bubbles" itself.
  std::filesystem::path bubbleFolder() const;

 private:
  std::vector<std::filesystem::path> candidates(const std::string& relative) const;

  std::filesystem::path programDir_;
};

// The folder of the running executable, or empty when it cannot be told.
std::filesystem::path programDirectory(const char* argv0);

}  // namespace trot
