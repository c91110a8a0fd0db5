#include "model/file_io.hpp"

#include <random>
#include <string>
#include <system_error>

#include "model/exception.hpp"

namespace trot {

namespace {

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// A name next to `path` that nothing uses yet, so the final rename stays
// within one file system.
std::filesystem::path temporaryFor(const std::filesystem::path& path) {
  std::random_device random;
  std::filesystem::path candidate;
  std::error_code ignored;
  do {
    candidate = path.parent_path() / ("." + path.filename().string() + "." + std::to_string(random()) + ".tmp");
  } while (std::filesystem::exists(candidate, ignored));
  return candidate;
}

}  // namespace

void loadFromFile(Transcoder& object, const std::filesystem::path& path) {
  std::ifstream stream(path, std::ios::binary);
  if (!stream.is_open()) throw FileException(FileException::kNoOffset, "Failed to open file " + quoted(path));
  object.load(stream);
}

void saveToFile(Transcoder& object, const std::filesystem::path& path) {
  writeFileAtomically(path, [&object](std::ostream& stream) {
    object.encodeInit();
    object.encode(stream);
  });
}

void openForLazyLoad(Transcoder& object, std::ifstream& stream, const std::filesystem::path& path) {
  stream.open(path, std::ios::binary);
  if (!stream.is_open()) throw FileException(FileException::kNoOffset, "Failed to open file " + quoted(path));
  try {
    object.decode(stream);
  } catch (...) {
    stream.close();
    throw;
  }
}

void writeFileAtomically(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write) {
  const std::filesystem::path temporary = temporaryFor(path);
  std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
  if (!stream.is_open()) {
    throw FileException(FileException::kNoOffset, "Failed to open file for writing " + quoted(path));
  }
  std::error_code ignored;
  try {
    write(stream);
  } catch (...) {
    stream.close();
    std::filesystem::remove(temporary, ignored);
    throw;
  }
  stream.close();
  std::error_code renamed;
  if (!stream.fail()) std::filesystem::rename(temporary, path, renamed);
  if (stream.fail() || renamed) {
    std::filesystem::remove(temporary, ignored);
    throw FileException(FileException::kNoOffset, "Failed to write file " + quoted(path));
  }
}

}  // namespace trot
